#include "core/Etiquettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

using namespace Maravel;

namespace {

// clang-format off
std::string B(std::size_t n) { return std::string(n, ' '); }
std::string Pad(const std::string& texte, std::size_t largeur) { return texte + B(largeur - texte.size()); }
// A 104-column log line: report received 599, sent 59, SSB on 7 MHz.
std::string Qso(const std::string& indicatif, const std::string& reste = "75  JEAN             599 59  SSB     7 Mhz PORTABLE") {
    return Pad("01/03/24  10:05  " + Pad(indicatif, 14) + reste, 104); }
std::string Sel(const std::string& indicatif) { return Ligne_Selection(Qso(indicatif)); }

const Valeurs_Communes Communes{"DMF-123 ", "Ch\xE2teau de Halloy", "5590", "Halloy", "ON4XYZ", " FT-991", "DIPOLE"};
const auto A = Disposition::A;
const auto Fr = Modele::Francais, En = Modele::Anglais;
const Format_Etiquette Formats[] = {Format_Etiquette::L7162, Format_Etiquette::DP167, Format_Etiquette::OLW4732, Format_Etiquette::OLW4799};

class Enregistreur final : public Imprimante_Lignes {
public:
    std::vector<std::string> appels;
    std::string Police() const override { return m_police; }
    void Police(std::string_view nom) override { appels.push_back("police " + (m_police = nom)); }
    double Taille() const override { return m_taille; }
    void Taille(double t) override { appels.push_back("taille " + std::to_string(static_cast<int>(m_taille = t))); }
    bool Gras() const override { return m_gras; }
    void Gras(bool gras) override { appels.push_back((m_gras = gras) ? "gras 1" : "gras 0"); }
    void Ligne(std::string_view texte) override { appels.push_back("ligne " + std::string(texte)); }
    bool Fin_Document() override { return appels.push_back("fin"), true; }
    void Annuler_Document() override { appels.push_back("annule"); }
    void Debut_Serie(Papier_mm) override {}
    bool Fin_Serie() override { return true; }
    Rectangle_mm Zone_Imprimable(Papier_mm) const override { return {}; }
    void Texte(double x, double y, std::string_view texte) override {
        char position[32];
        std::snprintf(position, sizeof position, "texte %.2f %.2f ", x, y);
        appels.push_back(position + std::string(texte)); }
    void Cadre(const Rectangle_mm&, bool gris) override { appels.push_back(gris ? "cadre gris" : "cadre noir"); }
private:
    std::string m_police = "Arial";
    double m_taille = 9;
    bool m_gras = false;
};

} // namespace

TEST(Etiquettes, LigneSelectionEtOrdre) {
    EXPECT_EQ(Sel("ON4ABC/P"), "     ON4ABC/P      75  JEAN             599 59  SSB     7 Mhz P 01/03/24  10:05");
    const std::vector<std::string> dans_l_ordre{Sel("DL1XYZ"), Sel("F1AB"), Sel("F1ABC"), Sel("F5KLM"), Sel("ON4ABC/P")};
    for (const auto& ordre : {std::vector<std::size_t>{4, 2, 0, 3, 1}, {3, 1, 4, 2, 0}, {0, 1, 2, 3, 4}}) {
        std::vector<std::string> log, liste;
        for (std::size_t i : ordre) {
            log.push_back(Qso(dans_l_ordre[i].substr(5, 8)));
            liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(Place_Triee(liste, dans_l_ordre[i])), dans_l_ordre[i]);
        }
        EXPECT_EQ(liste, dans_l_ordre);
        EXPECT_EQ(Lignes_Selection_Triees(log), dans_l_ordre);
    }
    // A log saved by an editor that trims trailing blanks: the same QSO, the same label.
    const std::string courte = "01/03/24  10:05  F1ABC         75  JEAN             599 59  SSB     7 Mhz";
    const std::string longue = courte + B(31);
    EXPECT_EQ(Ligne_Selection(courte), Ligne_Selection(longue));
    for (const Cote cote : {Cote::Gauche, Cote::Droite}) {
        EXPECT_EQ(Lignes_Etiquette(A, Fr, Communes, Ligne_Selection(courte), cote),
                  Lignes_Etiquette(A, Fr, Communes, Ligne_Selection(longue), cote));
    }
}

TEST(Etiquettes, LignesDUnePaire) {
    struct Cas { Disposition d; Modele m; std::string gauche, droite; std::size_t ligne; std::string attendu; };
    const auto C = Disposition::C;
    const std::string Tx = "TX : FT-991 Ant : DIPOLE";
    const Cas table[] = {
        {A, Fr, "F1ABC", "F6ABCD", 0, "   Confirme le QSO avec F1ABC 75    " "  Confirme le QSO avec  F6ABCD 75"},
        {A, Fr, "F6ABCD", "F1ABC", 0, "  Confirme le QSO avec  F6ABCD 75   " "   Confirme le QSO avec F1ABC 75"},
        {A, Fr, "ON4ABC/P", "F1ABC", 0, " Confirme le QSO avec  ON4ABC/P 75  " "   Confirme le QSO avec F1ABC 75"},
        {A, Fr, "F1ABC", "", 0, "   Confirme le QSO avec F1ABC 75    " "   Confirme le QSO avec ....... "},
        {A, Fr, "F1ABC", "", 3, "  01/03/24 10:05 TU  QRG 7 Mhz  RST 599  SSB   " "  ........ ..... TU  QRG .. Mhz  RST ..  ..."},
        {A, Fr, "F1ABC", "", 1, B(10) + "DMF-123  Ch\xE2teau de Halloy" + B(11) + B(10) + "DMF-123  Ch\xE2teau de Halloy"},
        {A, Fr, "F1ABC", "F1ABC", 4, B(11) + Tx + B(12) + B(11) + Tx},
        {C, Fr, "F1ABC", "F1ABC", 4, B(10) + "  " + Tx + B(11) + B(10) + Tx},
        {C, Fr, "F1ABC", "F1ABC", 0, "    Confirme le QSO avec F1ABC 75    " "  Confirme le QSO avec  F1ABC 75"},
        {C, Fr, "F1ABC", "F1ABC", 5, B(5) + "  Merci Pour le QSO   73's de ON4XYZ" + B(6) + B(5) + "Merci Pour le QSO   73's de ON4XYZ"},
        {Disposition::B, En, "F1ABC", "F1ABC", 0, "  Confirming QSO with F1ABC 75   " " Confirming QSO with F1ABC 75"},
        // Longer than its width: no blanks of centring, nothing cut.
        {Disposition::B, En, "F1ABC", "ON4ABC/P", 0, "  Confirming QSO with F1ABC 75   " "Confirming QSO with  ON4ABC/P 75"},
    };
    for (const auto& c : table) {
        const auto droite = c.droite.empty() ? std::string() : Sel(c.droite);
        EXPECT_EQ(Lignes_Etiquette(c.d, c.m, Communes, Sel(c.gauche), Cote::Gauche)[c.ligne] +
                  Lignes_Etiquette(c.d, c.m, Communes, droite, Cote::Droite)[c.ligne], c.attendu)
            << c.gauche << " / " << c.droite << " ligne " << c.ligne + 1;
    }
}


// The sheets as sold, by their first and last labels, all on A4 paper upright.
TEST(Etiquettes, Feuilles) {
    const std::array<double, 6> attendues[] = {{4.65, 12.9, 106.25, 250.2, 99.1, 33.9}, {0, 0.5, 105, 259.5, 105, 37},
                                               {4.65, 12.5, 106.25, 250.5, 99.1, 34}, {0, 8.5, 105, 253.5, 105, 35}};
    for (std::size_t f = 0; f < std::size(Formats); ++f) {
        const Feuille& feuille = Feuille_De(Formats[f]);
        const Rectangle_mm premiere = Rectangle_Etiquette(feuille, 0, {}), derniere = Rectangle_Etiquette(feuille, 15, {});
        const std::array<double, 6> vues{premiere.x, premiere.y, derniere.x, derniere.y, derniere.largeur, derniere.hauteur};
        for (std::size_t i = 0; i < vues.size(); ++i) EXPECT_NEAR(vues[i], attendues[f][i], 1e-9) << f << " " << i;
        EXPECT_TRUE(feuille.papier.largeur == 210 && feuille.papier.hauteur == 297);
    }
}

// Every line of every label inside its own rectangle, 0.5 mm from each edge, row 8 included, with the
// longest values the set-up allows and 12-character callsigns on both sides; all the lines of a label
// from one left position (the test sheet's number stands apart, numbered left to right, then down). A
// line 1 too wide is set in the largest size, by half points, that fits: left and right, by format and model.
TEST(Etiquettes, ChaqueLigneDansSonEtiquette) {
    const Valeurs_Communes Pleines{"DMF-123-4567", "CHATEAU DE LA HAUTE VALLEE XYZ", "5590", "SAINT-REMY-EN-BOUZEMONT-XY",
                                   "F/ON4XYZ/P", "YAESU FT-991A X", "DELTALOOP 40M"};
    const std::string Large = Ligne_Selection(Qso("OE/DL1ABC/MM", "75  JEAN             599 59  SSTV  144 Mhz"));
    const double Tailles_Titre[4][2][2] = {{{12, 12}, {13, 13}}, {{12.5, 12.5}, {13, 13}}, {{12, 12}, {13, 13}}, {{12, 13}, {13, 13}}};
    for (std::size_t f = 0; f < std::size(Formats); ++f) {
        const auto format = Formats[f];
        for (const auto modele : {Fr, En}) {
            const Choix_Etiquettes choix{format, modele};
            const Page_Etiquettes pages[] = {Pages_Etiquettes(std::vector(16, Large), Pleines, choix).at(0),
                                             Pages_Etiquettes(std::vector(15, Large), Pleines, choix).at(0), Page_Essai(choix)};
            const auto& titres = Tailles_Titre[f][static_cast<int>(modele)];
            EXPECT_TRUE(pages[0].textes[0].taille == titres[0] && pages[0].textes[6].taille == titres[1]) << f;
            for (std::size_t p = 0; p < std::size(pages); ++p) {
                EXPECT_EQ(pages[p].textes.size(), p == 2 ? 112u : 96u);
                std::map<int, double> x_de;
                for (const auto& t : pages[p].textes) {
                    const Rectangle_mm e = Rectangle_Etiquette(Feuille_De(format), t.place, {}), b = Boite(t);
                    EXPECT_TRUE(b.x >= e.x + 0.5 && b.Droite() <= e.Droite() - 0.5 && b.y >= e.y + 0.5 && b.Bas() <= e.Bas() - 0.5)
                        << static_cast<int>(format) << " etiquette " << t.place + 1 << " : " << t.texte;
                    if (t.texte.find_first_not_of("0123456789") == std::string::npos) {
                        EXPECT_EQ(std::stoi(t.texte), t.place + 1);
                    } else {
                        EXPECT_EQ(x_de.try_emplace(t.place, t.x).first->second, t.x) << t.texte;
                    }
                }
            }
        }
    }
}

// The calibration moves every text and outline by exactly its offsets, the test sheet's too.
TEST(Etiquettes, LeDecalageDeplaceTout) {
    const Choix_Etiquettes sans{Format_Etiquette::DP167, En, false, 1, {}, Contours::Gris};
    const Choix_Etiquettes avec{Format_Etiquette::DP167, En, false, 1, {2, -1.5}, Contours::Gris};
    auto avant = Pages_Etiquettes(std::vector(17, Sel("F1ABC")), Communes, sans);
    auto apres = Pages_Etiquettes(std::vector(17, Sel("F1ABC")), Communes, avec);
    avant.push_back(Page_Essai(sans));
    apres.push_back(Page_Essai(avec));
    ASSERT_EQ(apres.size(), 3u);
    for (std::size_t p = 0; p < avant.size(); ++p) {
        ASSERT_EQ(apres[p].textes.size(), avant[p].textes.size());
        for (std::size_t i = 0; i < avant[p].textes.size(); ++i) {
            EXPECT_NEAR(apres[p].textes[i].x - avant[p].textes[i].x, 2, 1e-9);
            EXPECT_NEAR(apres[p].textes[i].y - avant[p].textes[i].y, -1.5, 1e-9);
            EXPECT_EQ(apres[p].textes[i].texte, avant[p].textes[i].texte);
        }
        ASSERT_EQ(apres[p].cadres.size(), 16u);
        EXPECT_NEAR(apres[p].cadres[15].x, 107, 1e-9);
        EXPECT_NEAR(apres[p].cadres[15].y, 0.5 + 7 * 37 - 1.5, 1e-9);
    }
}

TEST(Etiquettes, DecalageLuOuEcrit) {
    const std::pair<const char*, std::optional<double>> lus[] = {
        {"2", 2}, {"-1.5", -1.5}, {"10", 10}, {"-10.0", -10}, {"0.25", {}}, {"10.5", {}}, {"1,5", {}}, {"", {}},
        {"-", {}}, {"+2", {}}, {" 2", {}}, {"1.", {}}, {"1e1", {}}, {"99999999999999999999999999", {}}};
    for (const auto& [texte, valeur] : lus) {
        EXPECT_EQ(Lire_Decalage(texte), valeur) << texte;
    }
    for (const auto& [valeur, texte] : {std::pair{2.0, "2"}, {-1.5, "-1.5"}, {-0.5, "-0.5"}, {0.0, "0"}}) {
        EXPECT_EQ(Texte_Decalage(valeur), texte);
    }
}

// What a printer with minimum margins cannot reach, by row, and the offsets that bring it back.
TEST(Etiquettes, ZoneImprimable) {
    struct Cas { const char* nom; Format_Etiquette format; Decalage actuel; Rectangle_mm zone; std::vector<Debordement> rangees; std::optional<Decalage> remede; };
    const Rectangle_mm Cinq{5, 5, 200, 287};
    std::vector<Debordement> a_gauche{{1, 3.5, 0, 1.5375, 0}};
    for (int r = 2; r <= 8; ++r) a_gauche.push_back({r, 0, 0, 1.5375, 0});
    const Cas table[] = {
        {"DP167 : la premiere rangee trop haute", Format_Etiquette::DP167, {}, Cinq, {{1, 3.5, 0, 0, 0}}, Decalage{0, 3.5}},
        {"DP167 decalee de 3 mm a gauche", Format_Etiquette::DP167, {-3, 0}, Cinq, a_gauche, Decalage{-1, 3.5}},
        {"L7162 : tout y est", Format_Etiquette::L7162, {}, Cinq, {}, {}},
        {"trop haute et, decalee, trop basse", Format_Etiquette::L7162, {}, {5, 14, 200, 269}, {{1, 0.1, 0, 0, 0}}, {}},
    };
    for (const auto& c : table) {
        const auto hors = Verifier_Zone(Pages_Etiquettes(std::vector(17, Sel("F1ABC")), Communes, {c.format, Fr, false, 1, c.actuel}), c.zone, c.actuel);
        ASSERT_EQ(hors.rangees.size(), c.rangees.size()) << c.nom;
        for (std::size_t i = 0; i < c.rangees.size(); ++i) {
            const Debordement &vu = hors.rangees[i], &attendu = c.rangees[i];
            EXPECT_EQ(vu.rangee, attendu.rangee) << c.nom;
            for (const auto& [v, a] : {std::pair{vu.haut, attendu.haut}, {vu.bas, attendu.bas}, {vu.gauche, attendu.gauche}, {vu.droite, attendu.droite}}) {
                EXPECT_NEAR(v, a, 1e-6) << c.nom << " rangee " << vu.rangee;
            }
        }
        ASSERT_EQ(hors.remede.has_value(), c.remede.has_value()) << c.nom;
        if (c.remede) {
            EXPECT_EQ(hors.remede->horizontal, c.remede->horizontal) << c.nom;
            EXPECT_EQ(hors.remede->vertical, c.remede->vertical) << c.nom;
        }
    }
}

TEST(Etiquettes, ImpressionDesFeuilles) {
    struct Cas {
        const char* nom; int etiquettes; Choix_Etiquettes choix; std::vector<bool> reponses;
        std::vector<std::string> questions; long fins, textes, cadres;
        std::vector<std::string> debut, apres_fin; // the first operations; those from the end of the first job
    };
    const std::vector<std::string> Fin{"fin", "gras 0", "taille 9", "police Arial"};
    const std::string Titre_A = "texte 5.65 17.72    Confirme le QSO avec F1ABC 75";
    const auto L7162 = Format_Etiquette::L7162;
    const Cas table[] = {
        {"vide", 0, {}, {}, {}, 0, 0, 0, {"police Courier New", "gras 0", "taille 9", "police Arial"}, {}},
        {"16", 16, {L7162, Fr, true}, {}, {}, 1, 96, 0, {"police Courier New", "taille 13", "gras 1", Titre_A, "taille 10",
         "texte 5.65 22.04 " + B(10) + "DMF-123  Ch\xE2teau de Halloy", "gras 0"}, Fin},
        {"17", 17, {}, {}, {}, 2, 108, 0, {}, {"fin", "taille 13", "gras 1", "texte 5.65 17.72   Confirme le QSO avec  F17ABC 75"}},
        {"20 oui", 20, {L7162, Fr, true}, {true}, {"Page suivante ?"}, 2, 120, 0, {}, {"fin", "taille 13", "gras 1"}},
        {"20 non", 20, {L7162, Fr, true}, {false}, {"Page suivante ?"}, 1, 96, 0, {}, Fin},
        {"B 20 oui", 20, {Format_Etiquette::DP167, Fr, true}, {true}, {B(15) + "Page suivante ?"}, 2, 120, 0,
         {"police Courier New", "taille 15", "gras 1", "texte 3.29 5.91  Confirme le QSO avec F1ABC 75"}, {}},
        // From the fourth label: the first QSO on the right of row 2, then the placeholder beside nothing.
        {"depuis la 4e", 1, {L7162, Fr, false, 4}, {}, {}, 1, 6, 0,
         {"police Courier New", "taille 13", "gras 1", "texte 107.25 51.62    Confirme le QSO avec F1ABC 75"}, Fin},
        {"apercu", 1, {L7162, Fr, false, 1, {}, Contours::Gris}, {}, {}, 1, 12, 16, {"police Courier New", "cadre gris"}, Fin},
    };
    for (const auto& c : table) {
        std::vector<std::string> lignes, questions;
        for (int n = 1; n <= c.etiquettes; ++n) lignes.push_back(Sel("F" + std::to_string(n) + "ABC"));
        Enregistreur imprimante;
        auto reponses = c.reponses;
        Imprimer_Etiquettes(imprimante, Pages_Etiquettes(lignes, Communes, c.choix), c.choix, [&](std::string_view q) {
            questions.emplace_back(q);
            const bool oui = !reponses.empty() && reponses.front();
            return reponses.erase(reponses.begin()), oui; });
        const auto& a = imprimante.appels;
        const auto combien = [&a](std::string_view debut) { return std::count_if(a.begin(), a.end(), [debut](auto& s) { return s.starts_with(debut); }); };
        EXPECT_EQ(questions, c.questions) << c.nom;
        EXPECT_EQ(combien("fin"), c.fins) << c.nom;
        EXPECT_EQ(combien("annule") + combien("ligne"), 0) << c.nom;
        EXPECT_EQ(combien("texte"), c.textes) << c.nom;
        EXPECT_EQ(combien("cadre gris"), c.cadres) << c.nom;
        EXPECT_EQ(std::vector(a.begin(), a.begin() + std::min(a.size(), c.debut.size())), c.debut) << c.nom;
        const auto fin = std::find(a.begin(), a.end(), "fin");
        EXPECT_EQ(std::vector(fin, fin + std::min(a.end() - fin, std::ssize(c.apres_fin))), c.apres_fin) << c.nom;
    }
}
// clang-format on
