#pragma once
// QSL labels: the lines the operator picks from, the six text lines of each label, each label's lines set
// in its own rectangle of the sheet, and the print run of the sheets, written against the printer. Text is
// Windows-1252; places on the paper are in millimetres from its top-left corner.

#include "core/Imprimante.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
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

// The values every label of a run shares (trimmed when a label is composed).
struct Valeurs_Communes {
    std::string Num_Activite, Nom_Activite, Num_CP, Nom_Commune, Activeur, RxTx, Antenne;
};

// Layout A: L7162 and OLW4732 sheets; B: DP167; C: OLW4799.
enum class Disposition { A, B, C };
enum class Modele { Francais, Anglais };
enum class Cote { Gauche, Droite };

// Blanks on each side of a content of V value characters and E fixed characters in a width W, and the
// separator inside it. The pad is negative when the content does not fit; it then prints no blanks.
struct Centrage {
    int pad;
    std::string S;
};
Centrage Centre_Ligne(int W, int E, int V);

// The six lines of a label as the left or the right label of its row. Put side by side, a left and a
// right label's lines are the printer lines of a row of the label layouts.
std::array<std::string, 6> Lignes_Etiquette(Disposition disposition, Modele modele,
                                            const Valeurs_Communes& communes, std::string_view ligne,
                                            Cote cote);

// The sheets, as sold: two columns of eight labels, numbered left to right, then down.
enum class Format_Etiquette { L7162, DP167, OLW4732, OLW4799 };
struct Feuille {
    Disposition disposition;
    Papier_mm papier;
    double largeur, hauteur;             // of one label
    double marge_haut, marge_gauche;     // from the paper's edges to the first label
    double pas_horizontal, pas_vertical; // from one label's corner to the next one's
};
inline constexpr int Etiquettes_Par_Feuille = 16;
const Feuille& Feuille_De(Format_Etiquette format);

// The operator's calibration, moving the whole grid: positive to the right and down the page.
struct Decalage {
    double horizontal = 0, vertical = 0;
};
inline constexpr double Decalage_Maxi = 10, Pas_Decalage = 0.5;
// A stored or typed offset, "-1.5" or "2": nothing unless it is a number from -10 to 10 in steps of 0.5.
std::optional<double> Lire_Decalage(std::string_view texte);
std::string Texte_Decalage(double decalage);

// Label `place` (0 to 15) of the sheet, the grid moved by the offsets.
Rectangle_mm Rectangle_Etiquette(const Feuille& feuille, int place, const Decalage& decalage);

// A text set on the paper: its first column at x, its baseline at y, in "Courier New".
struct Texte_Place {
    double x, y, taille;
    bool gras;
    std::string texte; // its leading blanks centre it; no trailing blank
    int place;         // the label it belongs to, 0 to 15
};
// What the text's characters cover, from the first one that is not a blank, from the font's ascent to its
// descent.
Rectangle_mm Boite(const Texte_Place& texte);

// One sheet of a run: its texts and, for a preview or a test sheet, every label's outline.
struct Page_Etiquettes {
    std::vector<Texte_Place> textes;
    std::vector<Rectangle_mm> cadres;
};

enum class Contours { Aucun, Gris, Essai }; // Essai: black outlines and each label's number

struct Choix_Etiquettes {
    Format_Etiquette format = Format_Etiquette::L7162;
    Modele modele = Modele::Francais;
    bool arret_par_feuille = false;
    int premiere_etiquette = 1; // 1 to 16: the labels before it on the first sheet are left blank
    Decalage decalage{};
    Contours contours = Contours::Aucun;
};

// The sheets of a run: the lines of the print list two by two, the last right label the placeholder when
// a row would be left half-filled. Each label's lines are set in its own rectangle, from its top-left
// inner margin, each line at the line spacing of its size; a line too wide for its label is set in the
// largest smaller size, in half-point steps, that fits.
std::vector<Page_Etiquettes> Pages_Etiquettes(const std::vector<std::string>& lignes,
                                              const Valeurs_Communes& communes,
                                              const Choix_Etiquettes& choix);
// One sheet with the sample label of the chosen model in every place, each outlined and numbered.
Page_Etiquettes Page_Essai(const Choix_Etiquettes& choix);
// The sample label of each model, shown beside its option and printed on the test sheet.
std::array<std::string, 6> Lignes_Exemple(Modele modele);

// Texts of the run that the printer cannot reach: by row (1 to 8), how far beyond each side of its
// printable area; and the offsets that would bring every text inside, when some do.
struct Debordement {
    int rangee;
    double haut, bas, gauche, droite;
};
struct Hors_Zone {
    std::vector<Debordement> rangees;
    std::optional<Decalage> remede;
};
Hors_Zone Verifier_Zone(const std::vector<Page_Etiquettes>& pages, const Rectangle_mm& zone,
                        const Decalage& actuel);

enum class Fin_Impression { Terminee, Arretee, Refusee };

// Prints the sheets, each its own job, then puts the printer's font name and size back. With the pause
// chosen, `page_suivante` is asked after each sheet when sheets remain; No ends the run once that sheet is
// sent.
Fin_Impression Imprimer_Etiquettes(Imprimante_Lignes& imprimante, const std::vector<Page_Etiquettes>& pages,
                                   const Choix_Etiquettes& choix,
                                   const std::function<bool(std::string_view question)>& page_suivante);

} // namespace Maravel
