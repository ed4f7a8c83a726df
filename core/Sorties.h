#pragma once
// What the log becomes for people and for other programs: the report (saved and printed), the ADIF
// export, the traffic file, the display window's lines. Every text is Windows-1252; the log lines are
// the 104-column lines of the activation's log, possibly shortened or lengthened by a hand edit.

#include "core/Activation.h"
#include "core/Fichiers.h"
#include "core/Horloge.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace Maravel {

// The program's credit ("R\351alis\351" is "Réalisé"): after 37 blanks at the foot of the report, and
// whole on line 3 of the ADIF header, which begins with the same words.
inline constexpr std::string_view Credit = "R\351alis\351 par Maravel_ON";
inline constexpr std::string_view Credit_Adif = "R\351alis\351 par Maravel_ON, carnet de QSO";
static_assert(Credit.size() == 22 && Credit_Adif.size() == 37 && Credit_Adif.substr(0, 22) == Credit);

// ---- Report ----

enum class Forme_Rapport { Sauvegarde, Impression };

inline constexpr std::string_view Entete_Rapport =
    "     N\xB0    Date      QTR   Indicatif     Dpt   Prenom     "
    "RST R   E   Mode    Bande         Observations";

// Every line of the report, title to credit; each log line is copied unchanged after its number.
std::vector<std::string> Lignes_Rapport(const ActivationRecord& activation,
                                        const std::vector<std::string>& log, Forme_Rapport forme);

// `numero` + "_jj_mm_aa.txt", from the local date of saving.
std::string Nom_Fichier_Rapport(std::string_view numero_activite, const Moment& date_locale);

// ---- ADIF ----

// The six lines before the first record, "<eoh>" last.
std::vector<std::string> Entete_Adif(const ActivationRecord& activation);

// One log line as one record, "<eor>" last.
std::string Enregistrement_Adif(std::string_view ligne_log);

// The ADIF band of the log's band columns 67-73 ("  7 Mhz"): the band text by the program's own table,
// else the band number read as MHz in the ADIF band enumeration; empty when it falls in no band.
std::string Bande_Adif(std::string_view bande_log);

// The ADIF band whose edges (both included) hold this frequency in MHz; empty when none does.
std::string_view Bande_Adif_Mhz(double mhz);

// "jj/mm/aa" as "ssaammjj": years 50 to 99 are 19xx, 00 to 49 are 20xx. Empty for a date that cannot be
// read, rather than a made-up one.
std::string Date_Adif(std::string_view date);

// The number shown for a failed output: 70 for a refused write (permission, read-only medium), 71 for a
// missing device or medium, the system's own number otherwise.
int Numero_Erreur(std::error_code erreur);
// "Erreur " + the number + the words that go with 70 and 71.
std::string Message_Erreur(std::error_code erreur);

// ---- Traffic file ----

inline constexpr std::size_t Largeur_Trafic = 199;

// The 199-column record of a log line; a short line reads as padded with blanks.
std::string Enregistrement_Trafic(std::string_view ligne_log);

// "7.0 Mhz " and the like, always 8 characters; blanks for a band number outside the band list.
std::string Libelle_Bande_Trafic(std::string_view numero_bande);

// ---- Display window ----

inline constexpr std::string_view Entete_Affiche_Log =
    "   N\xB0      Date      QTR   Indicatif          Dpt   "
    "Prenom      RST R    E   Mode    Bande    Observations";
std::string Titre_Affiche_Log(std::string_view numero_activite);

// The number right-aligned in 5 columns (wider past 99999), two blanks, the log line.
std::string Ligne_Affiche_Log(std::size_t numero, std::string_view ligne_log);

// ---- Files ----

struct Resultat_Sortie {
    bool Reussi = false;
    std::string Nom_Fichier; // without its folder
    std::error_code Erreur;  // set on failure
    std::string Message;     // the text the window shows, success or failure
};

// The refusal told when an output named `nom_fichier` would replace the log of an activation of the list
// (lines of `Liste_Activite.txt`), one of the two lists or the lock, whatever the letter case: a
// case-blind file system (Windows, a USB key) would take one for the other. Nothing when the name is free.
std::optional<std::string> Fichier_En_Travers(const std::vector<std::string>& liste_activites,
                                              std::string_view nom_fichier);

// The lines of an output, from the activation and the lines of its log.
using Mise_En_Forme =
    std::function<std::vector<std::string>(const ActivationRecord&, const std::vector<std::string>&)>;

// Reads the activation's log (a missing log is an empty one) and writes the lines `mise_en_forme` makes of
// it into `nom_fichier` through the scratch file of the data folder: on failure the old file, if any, is
// left whole and the scratch file removed, and the message tells the error. An unreadable log is a failure
// and writes nothing. On success the message is `message_succes` followed by the file's name.
Resultat_Sortie Ecrire_Sortie(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                              const ActivationRecord& activation, std::string nom_fichier,
                              Mise_En_Forme mise_en_forme, std::string_view message_succes);

inline constexpr std::string_view Fichier_Cree = "Le fichier a \351t\351 cr\351e sous le nom ";

// Each reads the activation's log (a missing log is an empty one) and writes its file through the
// scratch file of the data folder: on failure the old file, if any, is left whole and the scratch file
// removed. An unreadable log or activation list is a failure and writes nothing; a name in the way of
// another file (Fichier_En_Travers) is refused with its message.
Resultat_Sortie Enregistrer_Rapport(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                    const ActivationRecord& activation, const Moment& date_locale);
Resultat_Sortie Exporter_Adif(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                              const ActivationRecord& activation);
Resultat_Sortie Exporter_Trafic(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                const ActivationRecord& activation);

} // namespace Maravel
