#include "core/Recherche.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

// A list line: the number in 4 columns (wider past 9999), two blanks, the log line's first columns.
std::string Ligne(const std::string& numero, const std::string& date, const std::string& indicatif) {
    std::string log = date + "  10:00  " + indicatif;
    log.resize(31, ' ');
    log += "75  JEAN             59  59  SSB     7 Mhz ON4ABC";
    return std::string(numero.size() < 4 ? 4 - numero.size() : 0, ' ') + numero + "  " + log;
}

const std::vector<std::string> Liste = {
    Ligne("1", "13/01/06", "F1ABC"),        Ligne("2", "14/01/06", "ON4XYZ"),
    Ligne("3", "14/01/06", "F/ON4XYZ/QRP"), Ligne("4", "14/01/06", "g4abc"),
    Ligne("10000", "15/01/06", "DL0ON4"),
};

} // namespace

TEST(Recherche, RefusAvantLaRecherche) {
    const std::string format = "Attention le format date doit etre JJ/MM/AA";
    const std::tuple<std::optional<std::string> (*)(std::string_view), std::string, std::string> cas[] = {
        {Refus_Indicatif_Cherche, "", "Entrez un indicatif"},
        {Refus_Indicatif_Cherche, "F/ON4XYZ/QRP", ""},
        {Refus_Indicatif_Cherche, "F/ON4XYZ/QRPX", "Attention 12 caracteres maxi pour l'indicatif"},
        {Refus_Date_Cherchee, "14/01/06", ""},
        {Refus_Date_Cherchee, "14/0106", ""},
        {Refus_Date_Cherchee, "14-01/06", ""},
        {Refus_Date_Cherchee, "14-01-06", format},
        {Refus_Date_Cherchee, "", format},
        {Refus_Date_Cherchee, "14/01/2006", "Attention 8 caracteres maxi pour la date (format jj/mm/aa)"}};
    for (const auto& [refus, texte, attendu] : cas) {
        EXPECT_EQ(refus(texte).value_or(""), attendu) << texte;
    }
}

TEST(Recherche, IndicatifContenuDateExacte) {
    const auto I = Critere_Recherche::Indicatif;
    const auto D = Critere_Recherche::Date;
    const std::tuple<Critere_Recherche, std::string, std::vector<std::size_t>, std::string> table[] = {
        {I, "on4", {1, 2, 4}, ""}, // anywhere in the callsign, never in the remarks
        {I, "\r\nON4", {1, 2, 4}, ""},
        {I, "ABC", {0}, ""}, // a callsign stored in small letters is not upper-cased
        {I, "F/ON4XYZ/QRP", {2}, ""},
        {I, "14", {}, ""},
        {D, "14/01/06", {1, 2, 3}, ""},
        {D, "15/01/06", {4}, ""},
        {D, "4/01/06", {}, ""},
        {I, "", {}, "Entrez un indicatif"},
        {I, "\r\n", {}, "Entrez un indicatif"},
        {D, "", {}, "Entrez une date"},
    };
    for (const auto& [critere, texte, trouvees, refus] : table) {
        const auto resultat = Rechercher(Liste, critere, texte);
        EXPECT_EQ(resultat.trouvees, trouvees) << texte;
        EXPECT_EQ(resultat.refus.value_or(""), refus) << texte;
    }
    // An empty log finds nothing, whatever the box holds.
    EXPECT_FALSE(Rechercher({}, I, "").refus);
    EXPECT_TRUE(Rechercher({}, D, "14/01/06").trouvees.empty());
}
