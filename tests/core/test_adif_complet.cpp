#include "Dossier_Temporaire.h"
#include "core/Adif_Complet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>

using namespace Maravel;

namespace {

const ActivationRecord Activation{"F/ON4XYZ/P", "", "DMF-123", "", "5590", Latin1("Saint-Étienne"), "", ""};
const std::string Fin = "<STATION_CALLSIGN:10>F/ON4XYZ/P<MY_SIG:3>DMF<MY_SIG_INFO:7>DMF-123"
                        "<MY_CITY:13>Saint-Etienne<MY_POSTAL_CODE:4>5590<EOR>";

// A log line from its fields in the log's columns: the mode over its 6 columns, the band right-aligned.
std::string Qso(std::string date, std::string heure, std::string indicatif, std::string dpt,
                std::string prenom, std::string mode, std::string bande, std::string observations = "") {
    const auto l = [](std::string texte, std::size_t n) { return texte.append(n - texte.size(), ' '); };
    return l(date, 10) + l(heure, 7) + l(indicatif, 14) + l(dpt, 4) + l(prenom, 17) + "59  57  " +
           l(mode, 6) + std::string(3 - bande.size(), ' ') + bande + " Mhz " + l(observations, 30);
}

std::string Exporte(const std::string& ligne, bool heures_locales = false) {
    Compte_Adif_Complet compte;
    return Lignes_Adif_Complet(Activation, {"DMF", heures_locales, "1.0.0", {}}, {ligne}, compte).back();
}

const std::string Rst = "<RST_SENT:2>57<RST_RCVD:2>59";

} // namespace

// ASCII values, empty ones left out; STATE for French stations only (a whole French record: the window's
// row).
TEST(Adif_Complet, Enregistrements) {
    const std::pair<std::string, std::string> cas[] = {
        {Qso("31/12/99", "23:59", "F5ZZ", "", Latin1("HÉLÈNE"), "SSB", "144",
             Latin1("C\x8CUR ÆSOP STRAßE 10°C\x7F")),
         "<CALL:4>F5ZZ<QSO_DATE:8>19991231<TIME_ON:4>2359<BAND:2>2m<MODE:3>SSB" + Rst +
             "<NAME:6>HELENE<COMMENT:23>COEUR AESOP STRASSE 10C"},
        {Qso("01/03/24", "10:00", "ON4XYZ", "75", "\x80\xB0", "FM", "1.8"),
         "<CALL:6>ON4XYZ<QSO_DATE:8>20240301<TIME_ON:4>1000<BAND:4>160m<MODE:2>FM" + Rst},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(Exporte(ligne), attendu + Fin) << ligne;
    }
}

// Modes in any case, submodes with their mode; band edges, no band for what is not plainly a number; times
// in summer and winter, years 50-99 in the last century, none ("-") for a date that is no day.
TEST(Adif_Complet, ModesBandesEtHeures) {
    std::istringstream modes("SSB:<MODE:3>SSB usb:<MODE:3>SSB<SUBMODE:3>USB FT4:<MODE:4>MFSK<SUBMODE:3>FT4 "
                             "PSK31:<MODE:3>PSK<SUBMODE:5>PSK31 DMR:<MODE:12>DIGITALVOICE<SUBMODE:3>DMR "
                             "JT65B:<MODE:4>JT65<SUBMODE:5>JT65B RTTY:<MODE:4>RTTY XYZ:");
    for (std::string cas; modes >> cas;) {
        EXPECT_EQ(Exporte(Qso("01/03/24", "10:00", "G4A", "", "", cas.substr(0, cas.find(':')), "14")),
                  "<CALL:3>G4A<QSO_DATE:8>20240301<TIME_ON:4>1000<BAND:3>20m" +
                      cas.substr(cas.find(':') + 1) + Rst + Fin);
    }
    std::istringstream bandes("1.8:160m 2.0:160m 2.1:- 4:80m 5.3:60m 7.3:40m 7.4:- 10:30m 29:10m 30:- 54:6m "
                              "55:5m 71:4m 72:- 148:2m 149:- 420:70cm 928:33cm 7e0:- -7:-");
    for (std::string cas; bandes >> cas;) {
        const std::string bande = cas.substr(cas.find(':') + 1);
        const std::string champ = bande == "-" ? "" : "<BAND:" + std::to_string(bande.size()) + ">" + bande;
        EXPECT_EQ(Exporte(Qso("01/03/24", "10:00", "G4A", "", "", "CW", cas.substr(0, cas.find(':')))),
                  "<CALL:3>G4A<QSO_DATE:8>20240301<TIME_ON:4>1000" + champ + "<MODE:2>CW" + Rst + Fin);
    }
    // Local times ("L") converted by the rules of their own date, in Paris.
    const std::string avant = std::getenv("TZ") ? std::getenv("TZ") : "UTC";
#ifdef _WIN32
    const auto fuseau = [](const std::string& nom) { return _putenv_s("TZ", nom.c_str()), _tzset(); };
    fuseau("CET-1CEST");
#else
    const auto fuseau = [](const std::string& nom) { return setenv("TZ", nom.c_str(), 1), tzset(); };
    fuseau("Europe/Paris");
#endif
    std::istringstream heures(
        "14/07/24 16:30 L 202407141430  15/01/24 16:30 L 202401151530  01/07/24 01:30 L "
        "202406302330  01/01/24 00:30 L 202312312330  01/07/24 01:30 U 202407010130  "
        "29/02/24 23:59 U 202402292359  01/01/50 10:00 U 195001011000  31/12/49 10:00 U 204912311000  "
        "31/02/06 08:37 U -  1/1/2006 10:00 U -  ab/01/06 10:00 U -  01/cd/06 10:00 U -");
    for (std::string date, heure, base, attendu; heures >> date >> heure >> base >> attendu;) {
        const std::string moment =
            attendu == "-" ? "" : "<QSO_DATE:8>" + attendu.substr(0, 8) + "<TIME_ON:4>" + attendu.substr(8);
        EXPECT_EQ(Exporte(Qso(date, heure, "G4A", "", "", "CW", "7"), base == "L"),
                  "<CALL:3>G4A" + moment + "<BAND:3>40m<MODE:2>CW" + Rst + Fin)
            << date << " " << heure;
    }
    fuseau(avant);
}
