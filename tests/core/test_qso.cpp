#include "core/Qso.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

QsoRecord Qso_7_Cw() {
    return {"01/03/24", "14:25", "F1ABC", "75", "JEAN", "599", "599", "CW", "7", ""};
}

} // namespace

TEST(Ligne_Qso, OctetPourOctetEtRelue) {
    const std::pair<QsoRecord, std::string> cas[] = {
        {Qso_7_Cw(), "01/03/24  14:25  F1ABC         75  JEAN             599 599 CW      7 Mhz "
                     "                              "},
        {{"31/12/99", "23:59", "TK5ABCDEFGHI", "", "\xC9LO\xCFSE-MARIE-AN", "59", " 5", "SSB", "1.8",
          "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
         "31/12/99  23:59  TK5ABCDEFGHI      \xC9LO\xCFSE-MARIE-AN  59   5  SSB   1.8 Mhz "
         "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
        {{"02/03/24", "00:00", "G3X", "", "", "", "", "FM", "144", "QRP"},
         "02/03/24  00:00  G3X                                        FM    144 Mhz QRP                      "
         "     "},
    };
    for (const auto& [qso, attendue] : cas) {
        EXPECT_EQ(Ligne_Qso(qso).value_or("refus"), attendue);
        EXPECT_EQ(Lire_Ligne_Qso(attendue), qso) << attendue;
    }
    // A hand-edited short line is read as far as it goes.
    EXPECT_EQ(Lire_Ligne_Qso("01/03/24  14:25  F1A"),
              (QsoRecord{"01/03/24", "14:25", "F1A", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Lire_Ligne_Qso(""), QsoRecord{});
}

TEST(Ligne_Qso, RefuseUnChampPlusLongQueSaColonne) {
    const std::tuple<Champ_Qso, std::string QsoRecord::*, std::size_t> champs[] = {
        {Champ_Qso::Date, &QsoRecord::Date, 8},
        {Champ_Qso::Heure, &QsoRecord::Heure, 5},
        {Champ_Qso::Indicatif, &QsoRecord::Indicatif, 12},
        {Champ_Qso::Departement, &QsoRecord::Departement, 2},
        {Champ_Qso::Prenom, &QsoRecord::Prenom, 15},
        {Champ_Qso::Rst_Recu, &QsoRecord::Rst_Recu, 3},
        {Champ_Qso::Rst_Envoye, &QsoRecord::Rst_Envoye, 3},
        {Champ_Qso::Mode, &QsoRecord::Mode, 4},
        {Champ_Qso::Bande, &QsoRecord::Bande, 3},
        {Champ_Qso::Observations, &QsoRecord::Observations, 30},
    };
    for (const auto& [champ, texte, largeur] : champs) {
        auto qso = Qso_7_Cw();
        qso.*texte = std::string(largeur, 'X');
        EXPECT_EQ(Ligne_Qso(qso).value_or("").size(), 104u) << largeur;
        qso.*texte += 'X';
        EXPECT_FALSE(Ligne_Qso(qso).has_value()) << largeur;
        EXPECT_EQ(Champ_Trop_Long(qso), champ);
    }
}

TEST(Ligne_Affichee, NumeroCadreADroite) {
    const std::pair<std::size_t, std::string> cas[] = {
        {1, "   1  L"}, {10, "  10  L"}, {100, " 100  L"}, {1000, "1000  L"}, {10000, "10000  L"}};
    for (const auto& [numero, attendue] : cas) {
        EXPECT_EQ(Ligne_Affichee(numero, "L"), attendue);
    }
}
