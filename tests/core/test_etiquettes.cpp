#include "core/Etiquettes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Maravel;

namespace {

// clang-format off
std::string B(std::size_t n) { return std::string(n, ' '); }
std::string Pad(const std::string& texte, std::size_t largeur) { return texte + B(largeur - texte.size()); }
// A 104-column log line: report received 599, sent 59, SSB on 7 MHz.
std::string Qso(const std::string& indicatif) {
    return "01/03/24  10:05  " + Pad(indicatif, 14) + "75  JEAN             599 59  SSB     7 Mhz PORTABLE" + B(22); }
std::string Sel(const std::string& indicatif) { return Ligne_Selection(Qso(indicatif)); }

const Valeurs_Communes Communes{"DMF-123 ", "Ch\xE2teau de Halloy", "5590", "Halloy", "ON4XYZ", " FT-991", "DIPOLE"};

class Enregistreur final : public Imprimante_Lignes {
public:
    std::vector<std::string> appels;
    std::string Police() const override { return m_police; }
    void Police(std::string_view nom) override { appels.push_back("police " + (m_police = nom)); }
    double Taille() const override { return m_taille; }
    void Taille(double t) override { appels.push_back("taille " + std::to_string(static_cast<int>(m_taille = t))); }
    bool Gras() const override { return false; }
    void Gras(bool gras) override { appels.push_back(gras ? "gras 1" : "gras 0"); }
    void Ligne(std::string_view texte) override { appels.push_back("ligne " + std::string(texte)); }
    bool Fin_Document() override { return appels.push_back("fin"), true; }
    void Annuler_Document() override { appels.push_back("annule"); }
private:
    std::string m_police = "Arial";
    double m_taille = 9;
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
    EXPECT_EQ(Lignes_Paire(Disposition::A, Modele::Francais, Communes, Ligne_Selection(courte), Ligne_Selection(courte)),
              Lignes_Paire(Disposition::A, Modele::Francais, Communes, Ligne_Selection(longue), Ligne_Selection(longue)));
}

TEST(Etiquettes, LignesDUnePaire) {
    struct Cas { Disposition d; Modele m; std::string gauche, droite; std::size_t ligne; std::string attendu; };
    const auto A = Disposition::A, C = Disposition::C;
    const auto Fr = Modele::Francais, En = Modele::Anglais;
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
        EXPECT_EQ(Lignes_Paire(c.d, c.m, Communes, Sel(c.gauche), droite)[c.ligne], c.attendu)
            << c.gauche << " / " << c.droite << " ligne " << c.ligne + 1;
    }
}

TEST(Etiquettes, ImpressionDesFeuilles) {
    struct Cas {
        const char* nom; int etiquettes; Choix_Etiquettes choix; std::vector<bool> reponses;
        std::vector<std::string> questions; long fins, lignes;
        std::vector<std::string> debut, apres_fin; // the first operations; those from the end of the first job
    };
    const std::vector<std::string> Haut_A{"police Courier New", "taille 10", "ligne ", "ligne ", "ligne ", "gras 1"};
    const std::vector<std::string> Fin{"fin", "taille 9", "police Arial"};
    const auto A = Disposition::A;
    const auto Fr = Modele::Francais;
    const Cas table[] = {
        {"vide", 0, {}, {}, {}, 0, 0, {"police Courier New", "taille 9", "police Arial"}, {}},
        {"16", 16, {A, Fr, true, 1}, {}, {}, 1, 74, Haut_A, Fin},
        {"17", 17, {}, {}, {}, 2, 86, Haut_A, {"fin", "taille 10", "ligne ", "ligne ", "ligne ", "gras 1", "taille 13",
         "ligne   Confirme le QSO avec  F17ABC 75   " "   Confirme le QSO avec ....... "}},
        {"20 oui", 20, {A, Fr, true, 1}, {true}, {"Page suivante ?"}, 2, 95, Haut_A, {"fin", "taille 10", "ligne ", "ligne "}},
        {"20 non", 20, {A, Fr, true, 1}, {false}, {"Page suivante ?"}, 1, 74, Haut_A, Fin},
        {"B 20 oui", 20, {Disposition::B, Fr, true, 1}, {true}, {B(15) + "Page suivante ?"}, 2, 89,
         {"police Courier New", "gras 1", "taille 15"}, {"fin", "gras 1", "taille 15"}},
        {"C", 1, {Disposition::C, Fr, false, 1}, {}, {}, 1, 11, {"police Courier New", "taille 8", "ligne ", "ligne ", "gras 1"}, Fin},
        // From the fourth label: a row of empty texts, then the first QSO on the right of row 2.
        {"depuis la 4e", 1, {A, Fr, false, 4}, {}, {}, 1, 21, {"police Courier New", "taille 10", "ligne ", "ligne ", "ligne ",
         "gras 1", "taille 13", "ligne ", "taille 10", "ligne ", "gras 0", "ligne "}, Fin},
    };
    for (const auto& c : table) {
        std::vector<std::string> lignes, questions;
        for (int n = 1; n <= c.etiquettes; ++n) lignes.push_back(Sel("F" + std::to_string(n) + "ABC"));
        Enregistreur imprimante;
        auto reponses = c.reponses;
        Imprimer_Etiquettes(imprimante, lignes, Communes, c.choix, [&](std::string_view q) {
            questions.emplace_back(q);
            const bool oui = !reponses.empty() && reponses.front();
            return reponses.erase(reponses.begin()), oui; });
        const auto& a = imprimante.appels;
        EXPECT_EQ(questions, c.questions) << c.nom;
        EXPECT_EQ(std::count(a.begin(), a.end(), "fin"), c.fins) << c.nom;
        EXPECT_EQ(std::count(a.begin(), a.end(), "annule"), 0) << c.nom;
        EXPECT_EQ(std::count_if(a.begin(), a.end(), [](auto& s) { return s.starts_with("ligne"); }), c.lignes) << c.nom;
        EXPECT_EQ(std::vector(a.begin(), a.begin() + std::min(a.size(), c.debut.size())), c.debut) << c.nom;
        const auto fin = std::find(a.begin(), a.end(), "fin");
        EXPECT_EQ(std::vector(fin, fin + std::min(a.end() - fin, std::ssize(c.apres_fin))), c.apres_fin) << c.nom;
    }
    // The fourth label is the right one of row 2: the empty left label keeps its width.
    Enregistreur imprimante;
    Imprimer_Etiquettes(imprimante, {Sel("F1ABC")}, Communes, {Disposition::A, Modele::Francais, false, 4}, {});
    EXPECT_EQ(imprimante.appels[25], "ligne " + B(36) + "   Confirme le QSO avec F1ABC 75");
}
// clang-format on
