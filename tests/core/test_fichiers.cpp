#include "Dossier_Temporaire.h"
#include "core/Fichiers.h"
#include "core/Texte1252.h"

#include <gtest/gtest.h>

using namespace Maravel;

// CR LF or LF; a CR alone ends a line only at the very end of the file. An append first closes a last line
// left open (by a hand edit or a CR alone), so that two lines never merge.
TEST(Fichiers, LignesLuesEtAjoutees) {
    using Lignes = std::vector<std::string>;
    const std::tuple<std::string, Lignes, std::string> cas[] = {
        {"un\r\n\r\ndeux\ntrois", {"un", "", "deux", "trois"}, "un\r\n\r\ndeux\ntrois\r\nL\r\n"},
        {"", {}, "L\r\n"},
        {"\n", {""}, "\nL\r\n"},
        {"a\rb\r\n", {"a\rb"}, "a\rb\r\nL\r\n"},
        {"Q1\r\nQ2\r", {"Q1", "Q2"}, "Q1\r\nQ2\r\nL\r\n"}};
    for (const auto& [octets, lignes, apres_ajout] : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        dossier.Ecrire("log.txt", octets);
        EXPECT_EQ(Lire_Lignes(fs, dossier.Chemin() / "log.txt").lignes, lignes) << octets;
        ASSERT_TRUE(Ajouter_Ligne(fs, dossier.Chemin() / "log.txt", "L"));
        EXPECT_EQ(dossier.Lire("log.txt"), apres_ajout);
    }
    EXPECT_EQ(Joindre_Lignes({"\xE9t\xE9", "", "a\rb"}), "\xE9t\xE9\r\n\r\na\rb\r\n");
}

// Every byte comes back unchanged, the five the code page leaves undefined included; no control can be
// typed. The corpus replay holds all 256 bytes and the controls, which the code-page target must refuse.
TEST(Texte1252, AllerRetourDeChaqueOctetEtCaracteresAdmis) {
    EXPECT_EQ(Depuis_1252("\xE2\x80\xB0\x81\x8D\x8F\x90\x9D"), u"â€°\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Vers_1252(u"Œ\u009D…"), "\x8C\x9D\x85");
    EXPECT_FALSE(Vers_1252(u"\u0141odz").has_value()); // Ł is not in the code page
    for (const char16_t c : std::u16string_view(u" é€°Œÿ\xA0")) {
        EXPECT_TRUE(Caractere_Admis(c)) << static_cast<int>(c);
    }
    EXPECT_EQ(Majuscules_1252("jean-\xE9lo\xEFse \x9C\xFF\xF7\xDF"), "JEAN-\xC9LO\xCFSE \x8C\x9F\xF7\xDF");
    EXPECT_EQ(Chemin("d", "DMF-\xE9.txt"), std::filesystem::path(u"d") / u"DMF-\u00E9.txt");
}
