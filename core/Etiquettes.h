#pragma once
// QSL labels: the lines the operator picks from, the six text lines of a pair of labels, and the print
// run of the label sheets, written against the line printer. Text is Windows-1252.

#include "core/Imprimante.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

// The log line with the callsign first and the date and time last: five blanks, log columns 18 to 75,
// one blank, log columns 1 to 15. A line whose trailing blanks were removed gives the same text as its
// whole form; a shorter one gives what it has.
std::string Ligne_Selection(std::string_view ligne_log);

// Both lists are kept in ascending byte order, so that they read in callsign order. The place where a
// line goes in a sorted list (after its identical twins).
std::size_t Place_Triee(const std::vector<std::string>& triees, std::string_view ligne);
// The lines in that order, whatever their order in the file.
std::vector<std::string> Lignes_Selection_Triees(const std::vector<std::string>& log);

// The values of one label, trimmed; a line with no callsign gives the placeholder's dots.
struct Valeurs_Etiquette {
    std::string Indicatif, Departement, Report, Mode, Bande, Date, Heure;
    friend bool operator==(const Valeurs_Etiquette&, const Valeurs_Etiquette&) = default;
};
Valeurs_Etiquette Valeurs_De(std::string_view ligne_selection);

// The values every label of a run shares (trimmed when the pair is composed).
struct Valeurs_Communes {
    std::string Num_Activite, Nom_Activite, Num_CP, Nom_Commune, Activeur, RxTx, Antenne;
};

// Layout A: L7162 and OLW4732 sheets; B: DP167; C: OLW4799.
enum class Disposition { A, B, C };
enum class Modele { Francais, Anglais };

// Blanks on each side of a content of V value characters and E fixed characters in a width W, and the
// separator inside it. The pad is negative when the content does not fit; it then prints no blanks.
struct Centrage {
    int pad;
    std::string S;
};
Centrage Centre_Ligne(int W, int E, int V);

// The six printer lines of a row: the left label's text followed by the right one's. An empty right line
// gives the placeholder label.
std::array<std::string, 6> Lignes_Paire(Disposition disposition, Modele modele,
                                        const Valeurs_Communes& communes, std::string_view gauche,
                                        std::string_view droite);

struct Choix_Etiquettes {
    Disposition disposition = Disposition::A;
    Modele modele = Modele::Francais;
    bool arret_par_feuille = false;
    int premiere_etiquette = 1; // 1 to 16: the labels before it on the first sheet are left empty
};

enum class Fin_Impression { Terminee, Arretee, Refusee };

// Prints the lines two by two, eight rows to a sheet, each sheet its own job, then puts the printer's
// font name and size back. With the pause chosen, `page_suivante` is asked after each full sheet when
// labels remain; No ends the run once that sheet is sent.
Fin_Impression Imprimer_Etiquettes(Imprimante_Lignes& imprimante, const std::vector<std::string>& lignes,
                                   const Valeurs_Communes& communes, const Choix_Etiquettes& choix,
                                   const std::function<bool(std::string_view question)>& page_suivante);

} // namespace Maravel
