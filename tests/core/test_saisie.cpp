#include "core/Qso.h"
#include "core/Saisie.h"

#include <gtest/gtest.h>

#include <array>

using namespace Maravel;

// Only the shape counts: digits and separators in their places, nothing more.
TEST(Controle_Date_Heure, FormeSeulement) {
    const std::tuple<int (*)(std::string_view), std::string, int> cas[] = {
        {Controle_Date, "01/03/24", 0}, {Controle_Date, "32/13/99", 0},
        {Controle_Date, "1/3/24", 1},   {Controle_Date, "01/03/2024", 1},
        {Controle_Date, "01-03-24", 1}, {Controle_Date, "0a/03/24", 1},
        {Controle_Date, "", 1},         {Controle_Date, "01/03/\xB2\xB3", 1},
        {Controle_Heure, "99:99", 0},   {Controle_Heure, "14h25", 1},
        {Controle_Heure, "1425", 1},    {Controle_Heure, "14:255", 1}};
    for (const auto& [controle, texte, attendu] : cas) {
        EXPECT_EQ(controle(texte), attendu) << texte;
    }
}

TEST(Est_Francais, PrefixeFOuListeDeDeuxLettres) {
    for (const char* francais : {"F1ABC", "f1abc", "F", "TH1A", "TW1", "HW5A", "HY2Z"}) {
        EXPECT_TRUE(Est_Francais(francais)) << francais;
    }
    for (const char* etranger : {"TA1A", "HB9XYZ", "T", "H", "", "G3ABC", "EF1A", "ON4AB"}) {
        EXPECT_FALSE(Est_Francais(etranger)) << etranger;
    }
}

TEST(Cherche_Indicatif, PremiereLigneMemeIndicatifBandeEtMode) {
    auto qso = [](std::string date, std::string indicatif, std::string bande, std::string mode,
                  std::string prenom) {
        return *Ligne_Qso({date, "10:00", indicatif, "", prenom, "59", "59", mode, bande, ""});
    };
    const std::vector<std::string> log = {
        "ligne \xE9"
        "crite \xE0 la main",
        "",
        qso("01/03/24", "F1ABC", "14", "SSB", "PAUL"),
        qso("02/03/24", "F1ABC", "7", "CW", "PAUL"),
        qso("03/03/24", "F1ABC", "7", "SSB", "PAUL"),
        qso("04/03/24", "F1ABC", "7", "SSB", "PIERRE"),
    };
    EXPECT_EQ(Cherche_Indicatif(log, "F1ABC", "7", "SSB").value_or(Qso_Anterieur{}).Date, "03/03/24");

    // Exact comparison: case counts and the given texts are not trimmed.
    const std::array<std::array<const char*, 3>, 4> absents = {
        {{"F1ABC", "14", "CW"}, {"f1abc", "7", "SSB"}, {"F1ABC", "7", "ssb"}, {"F1ABC", " 7", "SSB"}}};
    for (const auto& [indicatif, bande, mode] : absents) {
        EXPECT_FALSE(Cherche_Indicatif(log, indicatif, bande, mode).has_value())
            << indicatif << "/" << bande << "/" << mode;
    }
}
