#include "Imprimante_Enregistreuse.h"
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
// Millimetres to the hundredth, as the sheets are sold.
std::string Mm(std::initializer_list<double> valeurs) {
    std::string texte;
    for (double v : valeurs) { char mm[32]; std::snprintf(mm, sizeof mm, texte.empty() ? "%.2f" : " %.2f", v); texte += mm; }
    return texte; }

const Valeurs_Communes Communes{"DMF-123 ", "Ch\xE2teau de Halloy", "5590", "Halloy", "ON4XYZ", " FT-991", "DIPOLE"};
const auto A = Disposition::A;
const auto Fr = Modele::Francais, En = Modele::Anglais;

} // namespace

// The order of the lists is the selection window's row (clicks in disorder, the log in another order). A log
// saved by an editor that trims trailing blanks: the same QSO, the same label.
TEST(Etiquettes, LigneSelection) {
    EXPECT_EQ(Sel("ON4ABC/P"), "     ON4ABC/P      75  JEAN             599 59  SSB     7 Mhz P 01/03/24  10:05");
    const std::string courte = "01/03/24  10:05  F1ABC         75  JEAN             599 59  SSB     7 Mhz";
    const std::string longue = courte + B(31);
    EXPECT_EQ(Ligne_Selection(courte), Ligne_Selection(longue));
    EXPECT_EQ(Lignes_Etiquette(A, Fr, Communes, Ligne_Selection(courte), Cote::Droite),
              Lignes_Etiquette(A, Fr, Communes, Ligne_Selection(longue), Cote::Droite));
}

TEST(Etiquettes, LignesDUnePaire) {
    struct Cas { Disposition d; Modele m; std::string gauche, droite; std::size_t ligne; std::string attendu; };
    const auto C = Disposition::C;
    const std::string Tx = "TX : FT-991 Ant : DIPOLE";
    const Cas table[] = {
        {A, Fr, "F1ABC", "F6ABCD", 0, "   Confirme le QSO avec F1ABC 75    " "  Confirme le QSO avec  F6ABCD 75"},
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


// Each sheet as sold (first and last labels). Every line of every label inside its own rectangle, 0.5 mm
// from each edge, row 8 included, with the longest values the set-up allows and 12-character callsigns
// on both sides, on a full sheet, a sheet ending with the placeholder and the test sheet; all the lines
// of a label from one left position (the test sheet's number apart, numbered left to right, then down);
// a line 1 too wide set in the largest size, by half points, that fits (left and right, by model); the
// offsets moving every text and outline by exactly their value.
TEST(Etiquettes, ChaqueLigneDansSonEtiquette) {
    struct Cas { Format_Etiquette format; std::string premiere_derniere; double titres[2][2]; };
    const Cas table[] = {
        {Format_Etiquette::L7162, "4.65 12.90 106.25 250.20 99.10 33.90", {{12, 12}, {13, 13}}},
        {Format_Etiquette::DP167, "0.00 0.50 105.00 259.50 105.00 37.00", {{12.5, 12.5}, {13, 13}}},
        {Format_Etiquette::OLW4732, "4.65 12.50 106.25 250.50 99.10 34.00", {{12, 12}, {13, 13}}},
        {Format_Etiquette::OLW4799, "0.00 8.50 105.00 253.50 105.00 35.00", {{12, 13}, {13, 13}}}};
    const Valeurs_Communes Pleines{"DMF-123-4567", "CHATEAU DE LA HAUTE VALLEE XYZ", "5590", "SAINT-REMY-EN-BOUZEMONT-XY",
                                   "F/ON4XYZ/P", "YAESU FT-991A X", "DELTALOOP 40M"};
    const auto Large = [](std::size_t n) { return std::vector(n, Ligne_Selection(Qso("OE/DL1ABC/MM", "75  JEAN             599 59  SSTV  144 Mhz"))); };
    for (const auto& c : table) {
        const Feuille& f = Feuille_De(c.format);
        const Rectangle_mm premiere = Rectangle_Etiquette(f, 0, {}), derniere = Rectangle_Etiquette(f, 15, {});
        EXPECT_EQ(Mm({premiere.x, premiere.y, derniere.x, derniere.y, derniere.largeur, derniere.hauteur, f.papier.largeur, f.papier.hauteur}),
                  c.premiere_derniere + " 210.00 297.00"); // A4
        for (const auto modele : {Fr, En}) {
            const Choix_Etiquettes choix{c.format, modele}, decale{c.format, modele, false, 1, {2, -1.5}};
            const Page_Etiquettes pages[] = {Pages_Etiquettes(Large(16), Pleines, choix).at(0), Pages_Etiquettes(Large(15), Pleines, choix).at(0), Page_Essai(choix)};
            const Page_Etiquettes decalees[] = {Pages_Etiquettes(Large(16), Pleines, decale).at(0), Pages_Etiquettes(Large(15), Pleines, decale).at(0), Page_Essai(decale)};
            const auto& titres = c.titres[static_cast<int>(modele)];
            EXPECT_TRUE(pages[0].textes[0].taille == titres[0] && pages[0].textes[6].taille == titres[1]) << c.premiere_derniere;
            EXPECT_EQ(Mm({decalees[2].cadres.back().x, decalees[2].cadres.back().y}), Mm({derniere.x + 2, derniere.y - 1.5}));
            for (std::size_t p = 0; p < std::size(pages); ++p) {
                ASSERT_EQ(pages[p].textes.size(), p == 2 ? 112u : 96u);
                std::map<int, double> x_de;
                for (std::size_t i = 0; i < pages[p].textes.size(); ++i) {
                    const Texte_Place& t = pages[p].textes[i];
                    const Rectangle_mm e = Rectangle_Etiquette(f, t.place, {}), b = Boite(t);
                    EXPECT_TRUE(b.x >= e.x + 0.5 && b.Droite() <= e.Droite() - 0.5 && b.y >= e.y + 0.5 && b.Bas() <= e.Bas() - 0.5)
                        << c.premiere_derniere << " etiquette " << t.place + 1 << " : " << t.texte;
                    const bool numero = t.texte.find_first_not_of("0123456789") == std::string::npos;
                    EXPECT_EQ(numero ? std::stoi(t.texte) : t.x, numero ? t.place + 1 : x_de.try_emplace(t.place, t.x).first->second) << t.texte;
                    EXPECT_EQ(Mm({decalees[p].textes[i].x - t.x, decalees[p].textes[i].y - t.y}), "2.00 -1.50");
                }
            }
        }
    }
}

TEST(Etiquettes, DecalageLuOuEcrit) {
    for (const auto& [texte, valeur] : std::initializer_list<std::pair<const char*, std::optional<double>>>{{"2", 2}, {"-1.5", -1.5},
             {"-10.0", -10}, {"0.25", {}}, {"10.5", {}}, {"1,5", {}}, {"-", {}}, {"+2", {}}, {"1.", {}}, {"1e1", {}}})
        EXPECT_EQ(Lire_Decalage(texte), valeur) << texte;
    EXPECT_EQ(Lire_Decalage("0." + std::string(400, '0') + "1"), std::nullopt); // below the smallest double, not 0
    for (const auto& [valeur, texte] : {std::pair{2.0, "2"}, {-1.5, "-1.5"}, {-0.5, "-0.5"}, {0.0, "0"}})
        EXPECT_EQ(Texte_Decalage(valeur), texte);
}

// What a printer with minimum margins cannot reach, by row (above, below, left, right), and the offsets
// that bring every text back; row 1 of DP167 too high with no offset is the label window's row.
TEST(Etiquettes, ZoneImprimable) {
    const Rectangle_mm Cinq{5, 5, 200, 287};
    const std::tuple<Format_Etiquette, std::size_t, Decalage, Rectangle_mm, std::string> table[] = {
        {Format_Etiquette::DP167, 2, {-3, 0}, Cinq, "1: 3.50 0.00 1.54 0.00 -> -1.00 3.50"},
        {Format_Etiquette::L7162, 17, {}, Cinq, ""},
        // Too high by 0.1 mm, but half a millimetre down would put row 8 too low.
        {Format_Etiquette::L7162, 17, {}, {5, 14, 200, 269}, "1: 0.10 0.00 0.00 0.00 -> aucun"}};
    for (const auto& [format, etiquettes, actuel, zone, attendu] : table) {
        const auto hors = Verifier_Zone(Pages_Etiquettes(std::vector(etiquettes, Sel("F1ABC")), Communes, {format, Fr, false, 1, actuel}), zone, actuel);
        std::string vu;
        for (const auto& r : hors.rangees) vu += std::to_string(r.rangee) + ": " + Mm({r.haut, r.bas, r.gauche, r.droite}) + " ";
        if (!hors.rangees.empty()) vu += hors.remede ? "-> " + Mm({hors.remede->horizontal, hors.remede->vertical}) : "-> aucun";
        EXPECT_EQ(vu, attendu);
    }
}

// Stopping at the pause and the preview's grey outlines are the label window's rows.
TEST(Etiquettes, ImpressionDesFeuilles) {
    struct Cas {
        const char* nom; int etiquettes; Choix_Etiquettes choix; std::vector<bool> reponses;
        std::vector<std::string> questions; long fins, textes;
        std::vector<std::string> debut, apres_fin; // the first operations; those from the end of the first job
    };
    const std::vector<std::string> Fin{"fin", "gras 0", "taille 10", "police Arial"};
    const std::string Titre_A = "texte 5.65 17.72    Confirme le QSO avec F1ABC 75";
    const auto L7162 = Format_Etiquette::L7162;
    const Cas table[] = {
        {"vide", 0, {}, {}, {}, 0, 0, {"police Courier New", "gras 0", "taille 10", "police Arial"}, {}},
        {"16", 16, {L7162, Fr, true}, {}, {}, 1, 96, {"police Courier New", "taille 13", "gras 1", Titre_A, "taille 10",
         "texte 5.65 22.04 " + B(10) + "DMF-123  Ch\xE2teau de Halloy", "gras 0"}, Fin},
        {"17", 17, {}, {}, {}, 2, 108, {}, {"fin", "taille 13", "gras 1", "texte 5.65 17.72   Confirme le QSO avec  F17ABC 75"}},
        {"B 20 oui", 20, {Format_Etiquette::DP167, Fr, true}, {true}, {B(15) + "Page suivante ?"}, 2, 120,
         {"police Courier New", "taille 15", "gras 1", "texte 3.29 5.91  Confirme le QSO avec F1ABC 75"}, {}},
        // From the fourth label: the first QSO on the right of row 2, nothing before it.
        {"depuis la 4e", 1, {L7162, Fr, false, 4}, {}, {}, 1, 6,
         {"police Courier New", "taille 13", "gras 1", "texte 107.25 51.62    Confirme le QSO avec F1ABC 75"}, Fin},
    };
    for (const auto& c : table) {
        std::vector<std::string> lignes, questions;
        for (int n = 1; n <= c.etiquettes; ++n) lignes.push_back(Sel("F" + std::to_string(n) + "ABC"));
        Imprimante_Enregistreuse imprimante;
        Imprimer_Etiquettes(imprimante, Pages_Etiquettes(lignes, Communes, c.choix), c.choix, [&](std::string_view q) {
            return questions.emplace_back(q), c.reponses.at(questions.size() - 1); });
        const auto& a = imprimante.appels;
        const auto combien = [&a](std::string_view debut) { return std::count_if(a.begin(), a.end(), [debut](auto& s) { return s.starts_with(debut); }); };
        EXPECT_EQ(questions, c.questions) << c.nom;
        EXPECT_EQ(combien("fin"), c.fins) << c.nom;
        EXPECT_EQ(combien("annule") + combien("ligne"), 0) << c.nom;
        EXPECT_EQ(combien("texte"), c.textes) << c.nom;
        EXPECT_EQ(std::vector(a.begin(), a.begin() + std::min(a.size(), c.debut.size())), c.debut) << c.nom;
        const auto fin = std::find(a.begin(), a.end(), "fin");
        EXPECT_EQ(std::vector(fin, fin + std::min(a.end() - fin, std::ssize(c.apres_fin))), c.apres_fin) << c.nom;
    }
}
// clang-format on
