#include "core/Etiquettes.h"

#include "core/Colonnes.h"

#include <algorithm>

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
    int lignes_haut;     // empty lines before the first row of a sheet
    double taille_haut;  //   and their size
    double taille_titre; // line 1
    double taille_vide;  // the empty lines around line 4
    double taille_fin;   // the empty line after a row that does not end the sheet
    int largeur;         // W of lines 2 to 6
    // Line 1: W of the left and of the right label, and E, by model.
    int titre_gauche[2], titre_droite[2], titre_E[2];
    bool blancs_gauche; // extra blanks in front of the left label's lines 1, 5 and 6
    std::string_view question;
};

const Mise_En_Page Mises_En_Page[] = {
    {3, 10, 13, 8, 10, 46, {35, 35}, {35, 35}, {21, 20}, false, "Page suivante ?"},
    {0, 10, 15, 2, 27, 46, {31, 31}, {31, 29}, {21, 19}, false, "               Page suivante ?"},
    {2, 8, 13, 8, 12, 44, {35, 35}, {34, 34}, {21, 20}, true, "Page suivante ?"},
};

struct Textes_Modele {
    std::string_view T1, T6, T7;
    std::string_view blancs_titre, blancs_merci; // in front of lines 1 and 6 on layout C's left label
};
const Textes_Modele Modeles[] = {
    {"Confirme le QSO avec", "Merci Pour le QSO", "  73's de ", " ", "  "},
    {"Confirming QSO with", "Tnx for the QSO", "  73's from ", "", ""},
};

constexpr int Taille(std::string_view texte) {
    return static_cast<int>(texte.size());
}

std::string Blancs(int n) {
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

// A label of the row: a QSO's (or the placeholder's) values, or a place left empty on the sheet.
struct Etiquette {
    bool vide = false;
    Valeurs_Etiquette v;
};

// The left and the right text of one line. `contenu` builds the text between the pads from S.
template <typename Contenu>
std::pair<std::string, std::string> Centrer(int W, int E, int V, Contenu contenu,
                                            std::string_view avant_gauche) {
    const Centrage c = Centre_Ligne(W, E, V);
    return {Blancs(c.pad) + std::string(avant_gauche) + contenu(c.S) + Blancs(c.pad) + " ",
            Blancs(c.pad) + contenu(c.S)};
}

std::array<std::string, 6> Rangee(Disposition disposition, Modele modele, const Valeurs_Communes& brutes,
                                  const Etiquette& gauche, const Etiquette& droite) {
    const Mise_En_Page& m = Mises_En_Page[static_cast<int>(disposition)];
    const int mod = static_cast<int>(modele);
    const Textes_Modele& t = Modeles[mod];
    const auto net = [](const std::string& s) { return std::string(Sans_Blancs(s)); };
    const Valeurs_Communes c{net(brutes.Num_Activite), net(brutes.Nom_Activite), net(brutes.Num_CP),
                             net(brutes.Nom_Commune),  net(brutes.Activeur),     net(brutes.RxTx),
                             net(brutes.Antenne)};
    const auto titre = [&](const Valeurs_Etiquette& v, int W, std::string_view avant) {
        return Centrer(
            W, m.titre_E[mod], Taille(v.Indicatif) + Taille(v.Departement),
            [&](const std::string& S) { return std::string(t.T1) + S + v.Indicatif + " " + v.Departement; },
            avant);
    };
    const auto details = [&](const Valeurs_Etiquette& v) {
        return Centrer(
            m.largeur, 29, Taille(v.Bande) + Taille(v.Mode) + Taille(v.Report),
            [&](const std::string& S) {
                return v.Date + " " + v.Heure + " TU  QRG " + v.Bande + "  RST " + v.Report + S + v.Mode;
            },
            "");
    };
    const std::string_view devant = m.blancs_gauche ? "  " : "";
    std::array<std::pair<std::string, std::string>, 6> g = {
        titre(gauche.v, m.titre_gauche[mod], m.blancs_gauche ? t.blancs_titre : ""),
        Centrer(
            m.largeur, 0, Taille(c.Num_Activite) + Taille(c.Nom_Activite),
            [&](const std::string& S) { return c.Num_Activite + S + c.Nom_Activite; }, ""),
        Centrer(
            m.largeur, 1, Taille(c.Num_CP) + Taille(c.Nom_Commune),
            [&](const std::string& S) { return S + c.Num_CP + " " + c.Nom_Commune; }, ""),
        details(gauche.v),
        Centrer(
            m.largeur, 11, Taille(c.RxTx) + Taille(c.Antenne),
            [&](const std::string& S) { return "TX : " + c.RxTx + S + "Ant : " + c.Antenne; }, devant),
        Centrer(
            m.largeur, 27, Taille(c.Activeur),
            [&](const std::string& S) { return std::string(t.T6) + S + std::string(t.T7) + c.Activeur; },
            m.blancs_gauche ? t.blancs_merci : ""),
    };
    // Lines 1 and 4 of the right label are its own; lines 2, 3, 5 and 6 are the same for both.
    g[0].second = titre(droite.v, m.titre_droite[mod], "").second;
    g[3].second = details(droite.v).second;
    std::array<std::string, 6> lignes;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!(gauche.vide && droite.vide)) {
            lignes[i] =
                (gauche.vide ? Blancs(Taille(g[i].first)) : g[i].first) + (droite.vide ? "" : g[i].second);
        }
    }
    return lignes;
}

void Imprimer_Rangee(Imprimante_Lignes& imprimante, const Mise_En_Page& m,
                     const std::array<std::string, 6>& l) {
    constexpr double Texte = 10;
    imprimante.Gras(true);
    imprimante.Taille(m.taille_titre);
    imprimante.Ligne(l[0]);
    imprimante.Taille(Texte);
    imprimante.Ligne(l[1]);
    imprimante.Gras(false);
    imprimante.Ligne(l[2]);
    imprimante.Taille(m.taille_vide);
    imprimante.Ligne("");
    imprimante.Taille(Texte);
    imprimante.Ligne(l[3]);
    imprimante.Taille(m.taille_vide);
    imprimante.Ligne("");
    imprimante.Taille(Texte);
    imprimante.Ligne(l[4]);
    imprimante.Ligne(l[5]);
}

} // namespace

std::array<std::string, 6> Lignes_Paire(Disposition disposition, Modele modele,
                                        const Valeurs_Communes& communes, std::string_view gauche,
                                        std::string_view droite) {
    return Rangee(disposition, modele, communes, {false, Valeurs_De(gauche)}, {false, Valeurs_De(droite)});
}

Fin_Impression Imprimer_Etiquettes(Imprimante_Lignes& imprimante, const std::vector<std::string>& lignes,
                                   const Valeurs_Communes& communes, const Choix_Etiquettes& choix,
                                   const std::function<bool(std::string_view question)>& page_suivante) {
    constexpr std::size_t Rangees_Par_Feuille = 8;
    const Mise_En_Page& m = Mises_En_Page[static_cast<int>(choix.disposition)];
    const std::string police_avant = imprimante.Police();
    const double taille_avant = imprimante.Taille();
    imprimante.Police("Courier New");
    imprimante.Debut_Serie();

    const std::size_t vides =
        lignes.empty() ? 0 : static_cast<std::size_t>(std::clamp(choix.premiere_etiquette, 1, 16) - 1);
    const std::size_t places = vides + lignes.size();
    const auto etiquette = [&](std::size_t i) {
        return i < vides ? Etiquette{true, {}}
                         : Etiquette{false, Valeurs_De(i - vides < lignes.size() ? lignes[i - vides] : "")};
    };
    Fin_Impression fin = Fin_Impression::Terminee;
    std::size_t rangee = 0;
    for (std::size_t i = 0; i < places && fin == Fin_Impression::Terminee; i += 2) {
        if (rangee == 0 && m.lignes_haut > 0) {
            imprimante.Taille(m.taille_haut);
            for (int n = 0; n < m.lignes_haut; ++n) {
                imprimante.Ligne("");
            }
        }
        Imprimer_Rangee(imprimante, m,
                        Rangee(choix.disposition, choix.modele, communes, etiquette(i), etiquette(i + 1)));
        if (++rangee < Rangees_Par_Feuille) {
            imprimante.Taille(m.taille_fin);
            imprimante.Ligne("");
            continue;
        }
        // The full sheet goes out, even when the operator stops at it.
        const bool reste = i + 2 < places;
        if (reste && choix.arret_par_feuille && !page_suivante(m.question)) {
            fin = Fin_Impression::Arretee;
        }
        rangee = 0;
        if (!imprimante.Fin_Document()) {
            fin = Fin_Impression::Refusee;
        }
    }
    if (rangee != 0 && !imprimante.Fin_Document()) {
        fin = Fin_Impression::Refusee;
    }
    if (!imprimante.Fin_Serie()) {
        fin = Fin_Impression::Refusee;
    }
    imprimante.Taille(taille_avant);
    imprimante.Police(police_avant);
    return fin;
}

} // namespace Maravel
