#include "core/Radio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

using namespace Maravel;

namespace {

struct Bande {
    double basse, haute; // Hz, both inside
    const char* texte;
};
// The ADIF edges of every band the entry window knows, and what it shows for each.
constexpr Bande Bandes[] = {
    {1800000, 2000000, "1.8"},     {3500000, 4000000, "3.5"},     {5060000, 5450000, "5.3"},
    {7000000, 7300000, "7"},       {10100000, 10150000, "10"},    {14000000, 14350000, "14"},
    {18068000, 18168000, "18"},    {21000000, 21450000, "21"},    {24890000, 24990000, "24"},
    {28000000, 29700000, "28"},    {50000000, 54000000, "50"},    {70000000, 71000000, "70"},
    {144000000, 148000000, "144"}, {420000000, 450000000, "432"},
};

std::string Vu(const std::optional<std::string_view>& texte) {
    return texte ? std::string(*texte) : "-";
}

} // namespace

TEST(Radio, ChaqueBandeDeBordABord) {
    for (const Bande& b : Bandes) {
        SCOPED_TRACE(b.texte);
        EXPECT_EQ(Vu(Bande_Radio(b.basse)), b.texte);
        EXPECT_EQ(Vu(Bande_Radio(b.haute)), b.texte);
        EXPECT_EQ(Vu(Bande_Radio(b.basse - 1)), "-");
        EXPECT_EQ(Vu(Bande_Radio(b.haute + 1)), "-");
    }
    EXPECT_EQ(Vu(Bande_Radio(27555000)), "-"); // an ADIF band of no entry of the window
}

TEST(Radio, Modes) {
    const std::pair<const char*, const char*> modes[] = {
        {"USB", "SSB"}, {"LSB", "SSB"},   {"CW", "CW"},      {"CWR", "CW"},   {"AM", "AM"},
        {"FM", "FM"},   {"RTTY", "RTTY"}, {"RTTYR", "RTTY"}, {"PKTUSB", "-"}, {"PKTLSB", "-"},
        {"FM-D", "-"},  {"PKTFM", "-"},   {"WFM", "-"},      {"usb", "-"},    {"", "-"},
    };
    for (const auto& [radio, fenetre] : modes) {
        EXPECT_EQ(Vu(Mode_Radio(radio)), fenetre) << radio;
    }
}

TEST(Radio, FrequenceLueEtAffichee) {
    EXPECT_EQ(Texte_Frequence(14249999.6), "14,250 MHz");
    EXPECT_EQ(Texte_Frequence(1000), "0,001 MHz");
    for (const double garbage : {0.0, -7030000.0, 1e12, std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(Frequence_Plausible(garbage)) << garbage;
    }
    EXPECT_TRUE(Frequence_Plausible(1));
}

// One radio's readings in turn, and what each puts into the window's band and mode ("-": nothing).
TEST(Radio, SeulsLesChangementsSontSuivis) {
    // Frequency, mode, first reading, suspended; the band and mode expected.
    const std::tuple<double, const char*, bool, bool, const char*, const char*> pas[] = {
        {7030000, "CW", true, false, "7", "CW"},      // the first reading is a change
        {7040000, "CW", false, false, "-", "-"},      // tuned within the band: what was typed stays
        {14250000, "USB", false, false, "14", "SSB"}, //
        {14250000, "LSB", false, false, "-", "SSB"},  // another mode name
        {14074000, "PKTUSB", false, false, "-", "-"}, // a data mode is the operator's to type
        {14250000, "USB", false, false, "-", "SSB"},  // back from it
        {27555000, "USB", false, false, "-", "-"},    // outside the known bands
        {14200000, "USB", false, false, "14", "-"},   // back into one
        {7030000, "CW", false, true, "-", "-"},       // moved while suspended...
        {7030000, "CW", false, false, "7", "CW"},     // ...applies once followed again
        {7030000, "CW", false, false, "-", "-"},      // and once only
        {7030000, "CW", true, true, "-", "-"},        // reconnected while suspended...
        {7030000, "CW", false, false, "7", "CW"},     // ...still a change
    };
    Suivi_Radio suivi;
    int numero = 0;
    for (const auto& [hertz, mode, premiere, suspendu, bande_attendue, mode_attendu] : pas) {
        const auto changement = suivi.Lire({hertz, mode, premiere}, suspendu);
        EXPECT_EQ(Vu(changement.bande) + ' ' + Vu(changement.mode),
                  std::string(bande_attendue) + ' ' + mode_attendu)
            << "reading " << ++numero;
    }
}
