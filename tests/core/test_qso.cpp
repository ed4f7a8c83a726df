#include "core/Qso.h"

#include <gtest/gtest.h>

using namespace Maravel;

TEST(Ligne_Qso, OctetPourOctetEtRelue) {
    const std::pair<QsoRecord, std::string> cas[] = {
        {{"01/03/24", "14:25", "F1ABC", "75", "JEAN", "599", "599", "CW", "7", ""},
         "01/03/24  14:25  F1ABC         75  JEAN             599 599 CW      7 Mhz                          "
         "     "},
        {{"31/12/99", "23:59", "TK5ABCDEFGHI", "", "\xC9LO\xCFSE-MARIE-AN", "59", " 5", "SSB", "1.8",
          "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
         "31/12/99  23:59  TK5ABCDEFGHI      \xC9LO\xCFSE-MARIE-AN  59   5  SSB   1.8 Mhz "
         "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
        {{"02/03/24", "00:00", "G3X", "", "", "", "", "FM", "144", "QRP"},
         "02/03/24  00:00  G3X                                        FM    144 Mhz QRP                      "
         "     "},
        {{"01/03/24", "14:25", "F1A", "", "", "", "", "", "", ""},
         "01/03/24  14:25  F1A"}, // read as far as it goes
    };
    for (const auto& [qso, attendue] : cas) {
        EXPECT_EQ(Lire_Ligne_Qso(attendue), qso) << attendue;
        if (attendue.size() == 104) {
            EXPECT_EQ(Ligne_Qso(qso).value_or("refus"), attendue);
        }
    }
}

TEST(Ligne_Qso, RefuseUnChampPlusLongQueSaColonne) {
    const std::pair<std::string QsoRecord::*, std::size_t> champs[] = {
        {&QsoRecord::Date, 8},         {&QsoRecord::Heure, 5},   {&QsoRecord::Indicatif, 12},
        {&QsoRecord::Departement, 2},  {&QsoRecord::Prenom, 15}, {&QsoRecord::Rst_Recu, 3},
        {&QsoRecord::Rst_Envoye, 3},   {&QsoRecord::Mode, 4},    {&QsoRecord::Bande, 3},
        {&QsoRecord::Observations, 30}};
    for (const auto& [texte, largeur] : champs) {
        QsoRecord qso;
        qso.*texte = std::string(largeur, 'X');
        EXPECT_EQ(Ligne_Qso(qso).value_or("").size(), 104u) << largeur;
        qso.*texte += 'X';
        EXPECT_FALSE(Ligne_Qso(qso).has_value()) << largeur;
    }
    const std::pair<std::size_t, std::string> numeros[] = {
        {1, "   1  L"}, {10, "  10  L"}, {1000, "1000  L"}, {10000, "10000  L"}};
    for (const auto& [numero, affichee] : numeros) {
        EXPECT_EQ(Ligne_Affichee(numero, "L"), affichee);
    }
}
