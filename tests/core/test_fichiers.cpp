#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Fichiers.h"
#include "core/Texte1252.h"

#include <gtest/gtest.h>

using namespace Maravel;

TEST(Decouper_Lignes, AccepteCrLfLfEtDerniereLigneSansFin) {
    const std::vector<std::string> attendu{"un", "", "deux", "trois"};
    EXPECT_EQ(Decouper_Lignes("un\r\n\r\ndeux\ntrois"), attendu);
    EXPECT_EQ(Decouper_Lignes("un\r\n\r\ndeux\r\ntrois\r\n"), attendu);
    EXPECT_TRUE(Decouper_Lignes("").empty());
    EXPECT_EQ(Decouper_Lignes("\r\n"), std::vector<std::string>{""});
    // A lone CR inside a line is kept: only the one before LF ends a line.
    EXPECT_EQ(Decouper_Lignes("a\rb\r\n"), std::vector<std::string>{"a\rb"});
}

TEST(Lire_Lignes, FichierAbsentEstVide) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    const auto lues = Lire_Lignes(fs, dossier.Chemin() / "absent.txt");
    EXPECT_TRUE(lues.lisible);
    EXPECT_FALSE(lues.present);
    EXPECT_TRUE(lues.lignes.empty());
}

TEST(Reecrire, RemplaceEnEntierEnCrLf) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    dossier.Ecrire("liste.txt", "ancien\r\n");
    ASSERT_TRUE(Reecrire(fs, dossier.Chemin() / "liste.txt", dossier.Chemin() / "Temporaire.txt",
                         {"\xE9t\xE9", "b"}));
    EXPECT_EQ(dossier.Lire("liste.txt"), "\xE9t\xE9\r\nb\r\n");
    EXPECT_FALSE(dossier.Existe("Temporaire.txt"));
}

// A rewrite stopped at any of its steps leaves the old file whole and no scratch file behind.
TEST(Reecrire, InterrompueLaisseLAncienFichierEntier) {
    for (std::size_t echec = 1; echec <= 2; ++echec) {
        Dossier_Temporaire dossier;
        Fichiers_Defaillants fs(echec);
        dossier.Ecrire("liste.txt", "ligne 1\r\nligne 2\r\n");
        EXPECT_FALSE(
            Reecrire(fs, dossier.Chemin() / "liste.txt", dossier.Chemin() / "Temporaire.txt", {"neuf"}))
            << "échec à l'opération " << echec;
        EXPECT_EQ(dossier.Lire("liste.txt"), "ligne 1\r\nligne 2\r\n") << "échec à l'opération " << echec;
        EXPECT_FALSE(dossier.Existe("Temporaire.txt")) << "échec à l'opération " << echec;
    }
}

TEST(Ajouter_Ligne, FermeUneDerniereLigneSansFinAvantDAjouter) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    const auto fichier = dossier.Chemin() / "log.txt";
    ASSERT_TRUE(Ajouter_Ligne(fs, fichier, "premiere"));
    dossier.Ecrire("log.txt", dossier.Lire("log.txt") + "a la main");
    ASSERT_TRUE(Ajouter_Ligne(fs, fichier, "suivante"));
    EXPECT_EQ(dossier.Lire("log.txt"), "premiere\r\na la main\r\nsuivante\r\n");
}

TEST(Texte1252, ConversionAllerRetourEtCaracteresRefuses) {
    const std::u16string texte = u"Château €°é";
    const auto octets = Vers_1252(texte);
    ASSERT_TRUE(octets.has_value());
    EXPECT_EQ(*octets, "Ch\xE2teau \x80\xB0\xE9");
    EXPECT_EQ(Depuis_1252(*octets), texte);
    EXPECT_FALSE(Vers_1252(u"\u0141odz").has_value()); // Ł is not in the code page
    for (const char16_t refuse : {u'\r', u'\n', u'\t', u'\x7F', u'\x81', u'\x9D', u'\u2603'}) {
        EXPECT_FALSE(Caractere_Admis(refuse)) << static_cast<int>(refuse);
    }
    for (const char16_t admis : {u' ', u'é', u'€', u'°', u'Œ', u'ÿ'}) {
        EXPECT_TRUE(Caractere_Admis(admis)) << static_cast<int>(admis);
    }
}

TEST(Texte1252, MajusculesDuCodePage) {
    EXPECT_EQ(Majuscules_1252("jean-\xE9lo\xEFse \x9C\xFF\xF7\xDF"), "JEAN-\xC9LO\xCFSE \x8C\x9F\xF7\xDF");
}

TEST(Chemin, NomEnUtf8PourLeSysteme) {
    EXPECT_EQ(Chemin("/d", "DMF-\xE9.txt").string(), "/d/DMF-\xC3\xA9.txt");
}
