#include "core/Etiquettes.h"

#include "core/Colonnes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace Maravel {

// An editor that trims trailing blanks leaves a shorter line: padded back, its date and time stay at their
// columns of the selection line.
std::string Ligne_Selection(std::string_view ligne_log) {
    const std::string a = Complete(ligne_log.substr(0, 75), 75);
    std::string ligne(5, ' ');
    ligne.append(Colonnes_Fin(a, 18));
    ligne.push_back(' ');
    ligne.append(std::string_view(a).substr(0, 15));
    return ligne;
}

// std::string compares its bytes as unsigned: a blank comes before digits and letters, "É" after "Z".
std::size_t Place_Triee(const std::vector<std::string>& triees, std::string_view ligne) {
    return static_cast<std::size_t>(std::upper_bound(triees.begin(), triees.end(), ligne, std::less<>()) -
                                    triees.begin());
}

std::vector<std::string> Lignes_Selection_Triees(const std::vector<std::string>& log) {
    std::vector<std::string> lignes;
    lignes.reserve(log.size());
    for (const auto& ligne : log) {
        lignes.push_back(Ligne_Selection(ligne));
    }
    std::stable_sort(lignes.begin(), lignes.end());
    return lignes;
}

// The callsign is the whole field: a portable call such as ON4ABC/P must come out whole on the card.
Valeurs_Etiquette Valeurs_De(std::string_view ligne) {
    const auto champ = [ligne](std::size_t debut, std::size_t largeur) {
        return std::string(Sans_Blancs(Colonnes(ligne, debut, largeur)));
    };
    Valeurs_Etiquette v{champ(6, 12), champ(20, 2), champ(41, 3), champ(49, 4),
                        champ(55, 7), champ(65, 8), champ(75, 5)};
    if (v.Indicatif.empty()) {
        return {".......", "", "..", "...", ".. Mhz", "........", "....."};
    }
    return v;
}

Centrage Centre_Ligne(int W, int E, int V) {
    const int reste = W - V - E;
    const int pad = reste >= 0 ? reste / 2 : -((1 - reste) / 2); // rounded down
    if (W - (2 * pad + V + E) == 0) {
        return {pad - 1, "  "};
    }
    return {pad, " "};
}

namespace {

struct Mise_En_Page {
    double taille_titre; // line 1
    double taille_vide;  // the empty lines around line 4
    int largeur;         // W of lines 2 to 6
    // Line 1: W of the left and of the right label, and E, by model.
    int titre_gauche[2], titre_droite[2], titre_E[2];
    bool blancs_gauche; // extra blanks in front of the left label's lines 1, 5 and 6
    std::string_view question;
};

const Mise_En_Page Mises_En_Page[] = {
    {13, 8, 46, {35, 35}, {35, 35}, {21, 20}, false, "Page suivante ?"},
    {15, 2, 46, {31, 31}, {31, 29}, {21, 19}, false, "               Page suivante ?"},
    {13, 8, 44, {35, 35}, {34, 34}, {21, 20}, true, "Page suivante ?"},
};

const Feuille Feuilles[] = {
    {Disposition::A, {210, 297}, 99.1, 33.9, 12.9, 4.65, 101.6, 33.9},
    {Disposition::B, {210, 297}, 105, 37, 0.5, 0, 105, 37},
    {Disposition::A, {210, 297}, 99.1, 34, 12.5, 4.65, 101.6, 34},
    {Disposition::C, {210, 297}, 105, 35, 8.5, 0, 105, 35},
};

struct Textes_Modele {
    std::string_view T1, T6, T7;
    std::string_view blancs_titre, blancs_merci; // in front of lines 1 and 6 on layout C's left label
};
const Textes_Modele Modeles[] = {
    {"Confirme le QSO avec", "Merci Pour le QSO", "  73's de ", " ", "  "},
    {"Confirming QSO with", "Tnx for the QSO", "  73's from ", "", ""},
};

// The sample label of each model; the callsigns, activity and station are made up.
const Valeurs_Communes Communes_Exemple{
    "DMF-999", "Ch\xE2teau de Valfleury", "5999", "Valfleury", "ON9ZZZ", "FT-991A", "Dip\xF4le"};
const Valeurs_Etiquette Exemples[] = {
    {"F9ZZZ", "35", "59", "SSB", "7 Mhz", "14/07/24", "10:32"},
    {"G9ZZZ", "", "599", "CW", "14 Mhz", "14/07/24", "10:45"},
};

// "Courier New" and its metric twin Liberation Mono, in em: every character advances 0.6 em and a line
// takes 1.134 em.
constexpr double Avance = 0.6, Ascendante = 0.833, Descendante = 0.301;
constexpr double Mm_Par_Point = 25.4 / 72;
constexpr double Marge_Interieure = 1; // mm between a label's edges and its text
constexpr double Pas_Taille = 0.5;     // points, when a line must shrink to fit its label
constexpr double Taille_Texte = 10, Taille_Numero = 8;

constexpr int Taille(std::string_view texte) {
    return static_cast<int>(texte.size());
}

std::string Blancs(int n) {
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

// The text of one label's line; `contenu` builds the text between the pads from S.
template <typename Contenu>
std::string Centrer(int W, int E, int V, Contenu contenu, Cote cote, std::string_view avant_gauche) {
    const Centrage c = Centre_Ligne(W, E, V);
    if (cote == Cote::Droite) {
        return Blancs(c.pad) + contenu(c.S);
    }
    return Blancs(c.pad) + std::string(avant_gauche) + contenu(c.S) + Blancs(c.pad) + " ";
}

Valeurs_Communes Nettes(const Valeurs_Communes& c) {
    const auto net = [](const std::string& s) { return std::string(Sans_Blancs(s)); };
    return {net(c.Num_Activite), net(c.Nom_Activite), net(c.Num_CP), net(c.Nom_Commune),
            net(c.Activeur),     net(c.RxTx),         net(c.Antenne)};
}

// Lines 1 and 4 hold the label's own values; lines 2, 3, 5 and 6 the common ones, the same on both sides.
std::array<std::string, 6> Composer(Disposition disposition, Modele modele, const Valeurs_Communes& c,
                                    const Valeurs_Etiquette& v, Cote cote) {
    const Mise_En_Page& m = Mises_En_Page[static_cast<int>(disposition)];
    const int mod = static_cast<int>(modele);
    const Textes_Modele& t = Modeles[mod];
    const bool blancs = m.blancs_gauche && cote == Cote::Gauche;
    return {
        Centrer(
            cote == Cote::Gauche ? m.titre_gauche[mod] : m.titre_droite[mod], m.titre_E[mod],
            Taille(v.Indicatif) + Taille(v.Departement),
            [&](const std::string& S) { return std::string(t.T1) + S + v.Indicatif + " " + v.Departement; },
            cote, blancs ? t.blancs_titre : ""),
        Centrer(
            m.largeur, 0, Taille(c.Num_Activite) + Taille(c.Nom_Activite),
            [&](const std::string& S) { return c.Num_Activite + S + c.Nom_Activite; }, cote, ""),
        Centrer(
            m.largeur, 1, Taille(c.Num_CP) + Taille(c.Nom_Commune),
            [&](const std::string& S) { return S + c.Num_CP + " " + c.Nom_Commune; }, cote, ""),
        Centrer(
            m.largeur, 29, Taille(v.Bande) + Taille(v.Mode) + Taille(v.Report),
            [&](const std::string& S) {
                return v.Date + " " + v.Heure + " TU  QRG " + v.Bande + "  RST " + v.Report + S + v.Mode;
            },
            cote, ""),
        Centrer(
            m.largeur, 11, Taille(c.RxTx) + Taille(c.Antenne),
            [&](const std::string& S) { return "TX : " + c.RxTx + S + "Ant : " + c.Antenne; }, cote,
            blancs ? "  " : ""),
        Centrer(
            m.largeur, 27, Taille(c.Activeur),
            [&](const std::string& S) { return std::string(t.T6) + S + std::string(t.T7) + c.Activeur; },
            cote, blancs ? t.blancs_merci : ""),
    };
}

double Millimetres(double colonnes, double taille) {
    return colonnes * Avance * taille * Mm_Par_Point;
}

// Where column 0 of every line stands inside its label: the widest line the layout can hold is centred,
// but never closer to the edge than the inner margin.
double Marge_Gauche(const Feuille& f, const Mise_En_Page& m) {
    const int titre = std::max({m.titre_gauche[0], m.titre_gauche[1], m.titre_droite[0], m.titre_droite[1]});
    const double bloc = std::max(Millimetres(m.largeur, Taille_Texte), Millimetres(titre, m.taille_titre));
    return std::max(Marge_Interieure, (f.largeur - bloc) / 2);
}

// The largest size, from the layout's own down in half points, at which the text ends inside the label.
double Taille_Qui_Tient(std::string_view texte, double taille, double x, double droite) {
    while (taille > Pas_Taille && x + Millimetres(Taille(texte), taille) > droite) {
        taille -= Pas_Taille;
    }
    return taille;
}

// The eight lines of a label from its top: line 1, 2, 3, an empty line, line 4, an empty line, lines 5
// and 6 (-1: an empty line).
void Placer(const Feuille& f, const Mise_En_Page& m, const std::array<std::string, 6>& lignes,
            const Rectangle_mm& r, int place, std::vector<Texte_Place>& textes) {
    struct Creneau {
        double taille;
        int ligne;
        bool gras;
    };
    const Creneau creneaux[] = {{m.taille_titre, 0, true}, {Taille_Texte, 1, true},
                                {Taille_Texte, 2, false},  {m.taille_vide, -1, false},
                                {Taille_Texte, 3, false},  {m.taille_vide, -1, false},
                                {Taille_Texte, 4, false},  {Taille_Texte, 5, false}};
    const double x = r.x + Marge_Gauche(f, m);
    double haut = r.y + Marge_Interieure;
    for (const Creneau& c : creneaux) {
        if (c.ligne >= 0) {
            const std::string_view texte = Sans_Blancs_Fin(lignes[static_cast<std::size_t>(c.ligne)]);
            if (!texte.empty()) {
                textes.push_back({x, haut + Ascendante * c.taille * Mm_Par_Point,
                                  Taille_Qui_Tient(texte, c.taille, x, r.Droite() - Marge_Interieure), c.gras,
                                  std::string(texte), place});
            }
        }
        haut += (Ascendante + Descendante) * c.taille * Mm_Par_Point;
    }
}

void Contourner(const Feuille& f, const Decalage& decalage, Page_Etiquettes& page) {
    for (int place = 0; place < Etiquettes_Par_Feuille; ++place) {
        page.cadres.push_back(Rectangle_Etiquette(f, place, decalage));
    }
}

} // namespace

std::array<std::string, 6> Lignes_Etiquette(Disposition disposition, Modele modele,
                                            const Valeurs_Communes& communes, std::string_view ligne,
                                            Cote cote) {
    return Composer(disposition, modele, Nettes(communes), Valeurs_De(ligne), cote);
}

const Feuille& Feuille_De(Format_Etiquette format) {
    return Feuilles[static_cast<int>(format)];
}

std::optional<double> Lire_Decalage(std::string_view texte) {
    const std::string_view chiffres = texte.substr(texte.starts_with('-') ? 1 : 0);
    const auto point = chiffres.find('.');
    const auto que_des_chiffres = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!que_des_chiffres(chiffres.substr(0, point)) ||
        (point != std::string_view::npos && !que_des_chiffres(chiffres.substr(point + 1)))) {
        return std::nullopt;
    }
    double valeur = 0;
    const auto lu =
        std::from_chars(texte.data(), texte.data() + texte.size(), valeur, std::chars_format::fixed);
    const double pas = valeur / Pas_Decalage;
    if (lu.ec != std::errc() || std::fabs(valeur) > Decalage_Maxi || pas != std::round(pas)) {
        return std::nullopt;
    }
    return valeur + 0.0; // no "-0"
}

std::string Texte_Decalage(double decalage) {
    const long demis = std::lround(decalage / Pas_Decalage);
    return (demis < 0 ? "-" : "") + std::to_string(std::labs(demis) / 2) + (demis % 2 != 0 ? ".5" : "");
}

Rectangle_mm Rectangle_Etiquette(const Feuille& f, int place, const Decalage& decalage) {
    return {f.marge_gauche + (place % 2) * f.pas_horizontal + decalage.horizontal,
            f.marge_haut + (place / 2) * f.pas_vertical + decalage.vertical, f.largeur, f.hauteur};
}

Rectangle_mm Boite(const Texte_Place& t) {
    const auto premiere = std::min(t.texte.find_first_not_of(' '), t.texte.size());
    const double em = t.taille * Mm_Par_Point;
    return {t.x + Millimetres(static_cast<double>(premiere), t.taille), t.y - Ascendante * em,
            Millimetres(static_cast<double>(t.texte.size() - premiere), t.taille),
            (Ascendante + Descendante) * em};
}

std::vector<Page_Etiquettes> Pages_Etiquettes(const std::vector<std::string>& lignes,
                                              const Valeurs_Communes& communes,
                                              const Choix_Etiquettes& choix) {
    const Feuille& f = Feuille_De(choix.format);
    const Mise_En_Page& m = Mises_En_Page[static_cast<int>(f.disposition)];
    const Valeurs_Communes nettes = Nettes(communes);
    const std::size_t vides =
        lignes.empty() ? 0 : static_cast<std::size_t>(std::clamp(choix.premiere_etiquette, 1, 16) - 1);
    const std::size_t places = vides + lignes.size() + (vides + lignes.size()) % 2;
    constexpr auto Par_Feuille = static_cast<std::size_t>(Etiquettes_Par_Feuille);
    std::vector<Page_Etiquettes> pages((places + Par_Feuille - 1) / Par_Feuille);
    for (std::size_t i = vides; i < places; ++i) {
        const int place = static_cast<int>(i % Par_Feuille);
        const Valeurs_Etiquette v = Valeurs_De(i - vides < lignes.size() ? lignes[i - vides] : "");
        Placer(f, m,
               Composer(f.disposition, choix.modele, nettes, v, place % 2 ? Cote::Droite : Cote::Gauche),
               Rectangle_Etiquette(f, place, choix.decalage), place, pages[i / Par_Feuille].textes);
    }
    if (choix.contours != Contours::Aucun) {
        for (auto& page : pages) {
            Contourner(f, choix.decalage, page);
        }
    }
    return pages;
}

Page_Etiquettes Page_Essai(const Choix_Etiquettes& choix) {
    const Feuille& f = Feuille_De(choix.format);
    const Mise_En_Page& m = Mises_En_Page[static_cast<int>(f.disposition)];
    Page_Etiquettes page;
    Contourner(f, choix.decalage, page);
    for (int place = 0; place < Etiquettes_Par_Feuille; ++place) {
        const Rectangle_mm r = page.cadres[static_cast<std::size_t>(place)];
        const std::string numero = std::to_string(place + 1);
        page.textes.push_back({r.Droite() - Marge_Interieure - Millimetres(Taille(numero), Taille_Numero),
                               r.y + Marge_Interieure + Ascendante * Taille_Numero * Mm_Par_Point,
                               Taille_Numero, false, numero, place});
        Placer(f, m,
               Composer(f.disposition, choix.modele, Communes_Exemple,
                        Exemples[static_cast<int>(choix.modele)], place % 2 ? Cote::Droite : Cote::Gauche),
               r, place, page.textes);
    }
    return page;
}

std::array<std::string, 6> Lignes_Exemple(Modele modele) {
    auto lignes =
        Composer(Disposition::A, modele, Communes_Exemple, Exemples[static_cast<int>(modele)], Cote::Droite);
    for (auto& ligne : lignes) {
        ligne = Sans_Blancs(ligne);
    }
    return lignes;
}

namespace {

// How far the offset must move the grid for the texts from `debut` to `fin` to come within `zone_debut`
// to `zone_fin`, in whole steps; nothing when no step can.
std::optional<double> Deplacement(double debut, double fin, double zone_debut, double zone_fin) {
    constexpr double Tolerance = 1e-6;
    double d = 0;
    if (debut < zone_debut - Tolerance) {
        d = std::ceil((zone_debut - debut) / Pas_Decalage - Tolerance) * Pas_Decalage;
    } else if (fin > zone_fin + Tolerance) {
        d = -std::ceil((fin - zone_fin) / Pas_Decalage - Tolerance) * Pas_Decalage;
    }
    if (debut + d < zone_debut - Tolerance || fin + d > zone_fin + Tolerance) {
        return std::nullopt;
    }
    return d;
}

} // namespace

Hors_Zone Verifier_Zone(const std::vector<Page_Etiquettes>& pages, const Rectangle_mm& zone,
                        const Decalage& actuel) {
    std::array<Debordement, 8> rangees{};
    double gauche = zone.Droite(), haut = zone.Bas(), droite = zone.x, bas = zone.y; // of every text
    for (const auto& page : pages) {
        for (const auto& texte : page.textes) {
            const Rectangle_mm b = Boite(texte);
            Debordement& r = rangees[static_cast<std::size_t>(texte.place / 2)];
            r.haut = std::max(r.haut, zone.y - b.y);
            r.bas = std::max(r.bas, b.Bas() - zone.Bas());
            r.gauche = std::max(r.gauche, zone.x - b.x);
            r.droite = std::max(r.droite, b.Droite() - zone.Droite());
            gauche = std::min(gauche, b.x);
            haut = std::min(haut, b.y);
            droite = std::max(droite, b.Droite());
            bas = std::max(bas, b.Bas());
        }
    }
    Hors_Zone hors;
    for (std::size_t i = 0; i < rangees.size(); ++i) {
        const Debordement& r = rangees[i];
        if (std::max({r.haut, r.bas, r.gauche, r.droite}) > 1e-6) {
            hors.rangees.push_back({static_cast<int>(i) + 1, r.haut, r.bas, r.gauche, r.droite});
        }
    }
    const auto h = Deplacement(gauche, droite, zone.x, zone.Droite());
    const auto v = Deplacement(haut, bas, zone.y, zone.Bas());
    if (!hors.rangees.empty() && h && v && std::fabs(actuel.horizontal + *h) <= Decalage_Maxi &&
        std::fabs(actuel.vertical + *v) <= Decalage_Maxi) {
        hors.remede = Decalage{actuel.horizontal + *h, actuel.vertical + *v};
    }
    return hors;
}

Fin_Impression Imprimer_Etiquettes(Imprimante_Lignes& imprimante, const std::vector<Page_Etiquettes>& pages,
                                   const Choix_Etiquettes& choix,
                                   const std::function<bool(std::string_view question)>& page_suivante) {
    const Feuille& f = Feuille_De(choix.format);
    const std::string police_avant = imprimante.Police();
    const double taille_avant = imprimante.Taille();
    const bool gras_avant = imprimante.Gras();
    imprimante.Police("Courier New");
    imprimante.Debut_Serie(f.papier);
    Fin_Impression fin = Fin_Impression::Terminee;
    for (std::size_t i = 0; i < pages.size() && fin == Fin_Impression::Terminee; ++i) {
        for (const auto& cadre : pages[i].cadres) {
            imprimante.Cadre(cadre, choix.contours == Contours::Gris);
        }
        for (const auto& texte : pages[i].textes) {
            if (imprimante.Taille() != texte.taille) {
                imprimante.Taille(texte.taille);
            }
            if (imprimante.Gras() != texte.gras) {
                imprimante.Gras(texte.gras);
            }
            imprimante.Texte(texte.x, texte.y, texte.texte);
        }
        // The full sheet goes out, even when the operator stops at it.
        if (i + 1 < pages.size() && choix.arret_par_feuille &&
            !page_suivante(Mises_En_Page[static_cast<int>(f.disposition)].question)) {
            fin = Fin_Impression::Arretee;
        }
        if (!imprimante.Fin_Document()) {
            fin = Fin_Impression::Refusee;
        }
    }
    if (!imprimante.Fin_Serie()) {
        fin = Fin_Impression::Refusee;
    }
    imprimante.Gras(gras_avant);
    imprimante.Taille(taille_avant);
    imprimante.Police(police_avant);
    return fin;
}

} // namespace Maravel
