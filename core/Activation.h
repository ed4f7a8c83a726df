#pragma once
// The activation being prepared, its 129-column line in `Liste_Activite.txt`, the operations on that
// list, and the checks of the set-up fields. All text is Windows-1252.

#include "core/Fichiers.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

struct ActivationRecord {
    std::string Activeur;
    std::string Logger; // lives only in the settings store, never in the list line
    std::string Num_Activite;
    std::string Nom_Activite;
    std::string Num_CP;
    std::string Nom_Commune;
    std::string Type_Activite;
    std::string Date_Activite;

    friend bool operator==(const ActivationRecord&, const ActivationRecord&) = default;
};

inline constexpr std::string_view Fichier_Liste_Activite = "Liste_Activite.txt";
inline constexpr std::size_t Longueur_Ligne_Activite = 129;

// Fields are written as typed, each cut to its column so that the line is always 129 characters.
std::string Ligne_Activite(const ActivationRecord& activation);

// Every value trimmed; the logger stays empty. A short or odd line gives empty fields, never a crash.
ActivationRecord Lire_Ligne_Activite(std::string_view ligne);

// Trimmed columns 1-12: what the list box shows and what look-up and delete compare.
std::string_view Numero_Ligne_Activite(std::string_view ligne);

// The whole list of activations in the data folder. A missing file is an empty list; every change is
// a complete rewrite through the scratch file, so a failure leaves the old list whole.
class Liste_Activites {
public:
    Liste_Activites(Systeme_Fichiers& fs, std::filesystem::path dossier);

    // The numbers in file order; a line without number is not an activation.
    std::vector<std::string> Numeros() const;

    // The last line whose trimmed number equals `numero` exactly (case and blanks count).
    std::optional<ActivationRecord> Chercher(std::string_view numero) const;

    // Replaces every line with the same first 60 columns (number, activator, name), else appends.
    bool Ajouter_Ou_Remplacer(std::string_view ligne);

    // Drops every line whose trimmed number equals the trimmed `numero`.
    bool Effacer(std::string_view numero);

private:
    Systeme_Fichiers& m_fs;
    std::filesystem::path m_dossier;
    std::filesystem::path m_fichier;
};

enum class Etat_Log { Cree, Existant, Echec };

// The activation's log `numero` + ".txt" (number untrimmed) is created empty only when no file of that
// name exists: an existing log is never emptied, even when it cannot be read.
Etat_Log Creer_Log_Si_Absent(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                             std::string_view numero);

// The activity number names the log file: characters a file name cannot hold, a name of only dots or
// blanks, the device names Windows reserves and the names whose log would be one of the program's own
// files are refused.
bool Numero_Utilisable_Comme_Nom(std::string_view numero);

enum class Champ_Setup {
    Activeur,
    Logger,
    Num_Activite,
    Nom_Activite,
    Num_CP,
    Nom_Commune,
    Type_Activite,
    Date_Activite
};
inline constexpr std::array<Champ_Setup, 8> Champs_Setup{
    Champ_Setup::Activeur, Champ_Setup::Logger,      Champ_Setup::Num_Activite,  Champ_Setup::Nom_Activite,
    Champ_Setup::Num_CP,   Champ_Setup::Nom_Commune, Champ_Setup::Type_Activite, Champ_Setup::Date_Activite};

std::string& Valeur(ActivationRecord& activation, Champ_Setup champ);
const std::string& Valeur(const ActivationRecord& activation, Champ_Setup champ);

// The check run when Enter is pressed in a field: length on the trimmed text, then emptiness on the
// text as typed, then, for the number, its use as a file name. Nothing when the field is accepted.
std::optional<std::string_view> Refus_Sur_Entree(Champ_Setup champ, std::string_view texte);

// The most characters the field holds (exactly that many for the postal code).
std::size_t Longueur_Maxi(Champ_Setup champ);

// The check run again before saving, so that a value typed without Enter cannot break the list line.
// Only the limits: an empty field is left to the rule of the three first fields.
std::optional<std::string_view> Refus_Avant_Enregistrement(Champ_Setup champ, std::string_view texte);

inline constexpr std::string_view Message_Trois_Champs = "Les trois premiers champs sont obligatoires";

} // namespace Maravel
