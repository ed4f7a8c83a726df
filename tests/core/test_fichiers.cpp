#include "Dossier_Temporaire.h"
#include "core/Fichiers.h"
#include "core/Texte1252.h"

#include <gtest/gtest.h>

using namespace Maravel;

// CR LF or LF; a CR alone ends a line only at the very end of the file. Lines joined back in CR LF.
TEST(Decouper_Lignes, FinsDeLigneAccepteesEtRejointesEnCrLf) {
    using Lignes = std::vector<std::string>;
    const std::pair<std::string, Lignes> cas[] = {
        {"un\r\n\r\ndeux\ntrois", {"un", "", "deux", "trois"}},
        {"un\r\n\r\ndeux\r\ntrois\r\n", {"un", "", "deux", "trois"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},
        {"QSO-1\r\nQSO-2\r", {"QSO-1", "QSO-2"}},
    };
    for (const auto& [octets, lignes] : cas) {
        EXPECT_EQ(Decouper_Lignes(octets), lignes) << octets;
    }
    EXPECT_EQ(Joindre_Lignes({"\xE9t\xE9", "", "a\rb"}), "\xE9t\xE9\r\n\r\na\rb\r\n");
}

// A last line left open, by a hand edit or a CR alone, is closed before the new line: lines never merge.
TEST(Ajouter_Ligne, FermeLaDerniereLigneAvantDAjouter) {
    const std::pair<std::string, std::string> cas[] = {
        {"", "neuve\r\n"},
        {"a\r\n", "a\r\nneuve\r\n"},
        {"a\n", "a\nneuve\r\n"},
        {"a la main", "a la main\r\nneuve\r\n"},
        {"QSO-2\r", "QSO-2\r\nneuve\r\n"},
    };
    for (const auto& [avant, apres] : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        if (!avant.empty()) {
            dossier.Ecrire("log.txt", avant);
        }
        ASSERT_TRUE(Ajouter_Ligne(fs, dossier.Chemin() / "log.txt", "neuve"));
        EXPECT_EQ(dossier.Lire("log.txt"), apres) << avant;
        EXPECT_EQ(Decouper_Lignes(apres).back(), "neuve");
    }
}

// Every byte comes back unchanged, the five the code page leaves undefined included, and they can no more
// be typed than any other control character.
TEST(Texte1252, AllerRetourDeChaqueOctetEtCaracteresAdmis) {
    std::string octets;
    for (int o = 0; o < 256; ++o) {
        octets.push_back(static_cast<char>(o));
    }
    EXPECT_EQ(Vers_1252(Depuis_1252(octets)), octets);
    EXPECT_EQ(Depuis_1252("Ch\xE2teau \x80\xB0\x81\x8D\x8F\x90\x9D"),
              u"Château €°\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Vers_1252(u"Œ\u009D…"), "\x8C\x9D\x85");
    EXPECT_FALSE(Vers_1252(u"\u0141odz").has_value()); // Ł is not in the code page
    for (const char16_t refuse : {u'\r', u'\n', u'\t', u'\x7F', u'\x80', u'\x81', u'\x8D', u'\x8F', u'\x90',
                                  u'\x9D', u'\x9F', u'\u2603'}) {
        EXPECT_FALSE(Caractere_Admis(refuse)) << static_cast<int>(refuse);
    }
    for (const char16_t admis : {u' ', u'é', u'€', u'°', u'Œ', u'ÿ', u'\xA0'}) {
        EXPECT_TRUE(Caractere_Admis(admis)) << static_cast<int>(admis);
    }
    EXPECT_EQ(Majuscules_1252("jean-\xE9lo\xEFse \x9C\xFF\xF7\xDF"), "JEAN-\xC9LO\xCFSE \x8C\x9F\xF7\xDF");
    EXPECT_EQ(Chemin("/d", "DMF-\xE9.txt").string(), "/d/DMF-\xC3\xA9.txt");
}
