#include "core/Qso.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

const std::string Blancs_30(30, ' ');

QsoRecord Qso_7_Cw() {
    return {"01/03/24", "14:25", "F1ABC", "75", "JEAN", "599", "599", "CW", "7", ""};
}

} // namespace

TEST(Ligne_Qso, OctetPourOctet) {
    struct Cas {
        QsoRecord qso;
        std::string attendue;
    };
    const Cas cas[] = {
        {Qso_7_Cw(),
         "01/03/24  14:25  F1ABC         75  JEAN             599 599 CW      7 Mhz " + Blancs_30},
        {{"31/12/99", "23:59", "TK5ABCDEFGHI", "", "\xC9LO\xCFSE-MARIE-AN", "59", " 5", "SSB", "1.8",
          "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
         "31/12/99  23:59  TK5ABCDEFGHI      \xC9LO\xCFSE-MARIE-AN  59   5  SSB   1.8 Mhz "
         "PORTABLE \xC0 C\xD4T\xC9 DU CH\xC2TEAU +++"},
        {{"02/03/24", "00:00", "G3X", "", "", "", "", "FM", "144", "QRP"},
         "02/03/24  00:00  G3X" + std::string(11 + 4 + 17 + 4 + 4, ' ') + "FM    144 Mhz QRP" +
             std::string(27, ' ')},
    };
    for (const auto& c : cas) {
        const auto ligne = Ligne_Qso(c.qso);
        ASSERT_TRUE(ligne.has_value()) << c.attendue;
        EXPECT_EQ(*ligne, c.attendue);
        EXPECT_EQ(ligne->size(), Largeur_Ligne_Qso);
        EXPECT_EQ(Lire_Ligne_Qso(*ligne), c.qso) << c.attendue;
    }
}

TEST(Ligne_Qso, RefuseUnChampPlusLongQueSaColonne) {
    const std::pair<Champ_Qso, std::string QsoRecord::*> champs[] = {
        {Champ_Qso::Date, &QsoRecord::Date},
        {Champ_Qso::Heure, &QsoRecord::Heure},
        {Champ_Qso::Indicatif, &QsoRecord::Indicatif},
        {Champ_Qso::Departement, &QsoRecord::Departement},
        {Champ_Qso::Prenom, &QsoRecord::Prenom},
        {Champ_Qso::Rst_Recu, &QsoRecord::Rst_Recu},
        {Champ_Qso::Rst_Envoye, &QsoRecord::Rst_Envoye},
        {Champ_Qso::Mode, &QsoRecord::Mode},
        {Champ_Qso::Bande, &QsoRecord::Bande},
        {Champ_Qso::Observations, &QsoRecord::Observations},
    };
    for (const auto& [champ, texte] : champs) {
        auto qso = Qso_7_Cw();
        qso.*texte = std::string(Largeur_Maxi(champ), 'X');
        EXPECT_TRUE(Ligne_Qso(qso).has_value()) << static_cast<int>(champ);
        qso.*texte += 'X';
        EXPECT_FALSE(Ligne_Qso(qso).has_value()) << static_cast<int>(champ);
        EXPECT_EQ(Champ_Trop_Long(qso), champ);
    }
}

// A hand-edited short line is read as far as it goes.
TEST(Lire_Ligne_Qso, LigneCourte) {
    EXPECT_EQ(Lire_Ligne_Qso("01/03/24  14:25  F1A"),
              (QsoRecord{"01/03/24", "14:25", "F1A", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Lire_Ligne_Qso(""), QsoRecord{});
}

TEST(Ligne_Affichee, NumeroCadreADroiteEtLigneRetrouvee) {
    const std::pair<std::size_t, std::string> cas[] = {
        {1, "   1  "}, {10, "  10  "}, {100, " 100  "}, {1000, "1000  "}, {10000, "10000  "}};
    const std::string ligne = *Ligne_Qso(Qso_7_Cw());
    for (const auto& [numero, prefixe] : cas) {
        const auto affichee = Ligne_Affichee(numero, ligne);
        EXPECT_EQ(affichee, prefixe + ligne);
    }
}
