#include "Dossier_Temporaire.h"
#include "core/Adif_Complet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

using namespace Maravel;

namespace {

const ActivationRecord Activation{"F/ON4XYZ/P",       "",           "DMF-123", "Ch\xE2teau", "5590",
                                  "Saint-\xC9tienne", "Ch\xE2teau", "12/11/05"};
const std::string Fin = "<STATION_CALLSIGN:10>F/ON4XYZ/P<MY_SIG:3>DMF<MY_SIG_INFO:7>DMF-123"
                        "<MY_CITY:13>Saint-Etienne<MY_POSTAL_CODE:4>5590<EOR>";

// A log line from its fields, laid out in the log's columns (mode over its 6 columns, band right-aligned).
std::string Qso(std::string date, std::string heure, std::string indicatif, std::string dpt,
                std::string prenom, std::string mode, std::string bande, std::string observations = "") {
    const auto largeur = [](std::string texte, std::size_t n) { return texte.append(n - texte.size(), ' '); };
    return largeur(date, 10) + largeur(heure, 7) + largeur(indicatif, 14) + largeur(dpt, 4) +
           largeur(prenom, 17) + "59  57  " + largeur(mode, 6) + std::string(3 - bande.size(), ' ') + bande +
           " Mhz " + largeur(observations, 30);
}

struct Resultat {
    std::string enregistrement;
    Compte_Adif_Complet compte;
};

Resultat Exporte(const std::string& ligne, bool heures_locales = false) {
    Resultat r;
    r.enregistrement =
        Lignes_Adif_Complet(Activation, {"DMF", heures_locales, "1.0.0", {}}, {ligne}, r.compte).back();
    return r;
}

// The time zone of the tests' process, for one test.
class Fuseau {
public:
    explicit Fuseau(const char* nom) : m_avant(std::getenv("TZ") ? std::getenv("TZ") : "") { Regler(nom); }
    ~Fuseau() { Regler(m_avant.c_str()); }

private:
    static void Regler(const char* nom) {
#ifdef _WIN32
        _putenv_s("TZ", nom);
        _tzset();
#else
        setenv("TZ", nom, 1);
        tzset();
#endif
    }
    std::string m_avant;
};

} // namespace

// Every value in ASCII and left out when empty; the department only for French stations.
TEST(Adif_Complet, Enregistrements) {
    const std::pair<std::string, std::string> cas[] = {
        {Qso("14/01/06", "08:35", "F6ABC", "75", "JEAN", "CW", "7", "PORTABLE"),
         "<CALL:5>F6ABC<QSO_DATE:8>20060114<TIME_ON:4>0835<BAND:3>40m<MODE:2>CW<RST_SENT:2>57<RST_RCVD:2>59"
         "<NAME:4>JEAN<STATE:2>75<COMMENT:8>PORTABLE"},
        {Qso("31/12/99", "23:59", "F5ZZ", "", "H\xC9L\xC8NE", "SSB", "144",
             "C\x8CUR \xC6SOP STRA\xDF"
             "E 10\xB0"
             "C"),
         "<CALL:4>F5ZZ<QSO_DATE:8>19991231<TIME_ON:4>2359<BAND:2>2m<MODE:3>SSB<RST_SENT:2>57<RST_RCVD:2>59"
         "<NAME:6>HELENE<COMMENT:23>COEUR AESOP STRASSE 10C"},
        {Qso("01/03/24", "10:00", "ON4XYZ", "75", "\x80\xB0", "FM", "1.8"),
         "<CALL:6>ON4XYZ<QSO_DATE:8>20240301<TIME_ON:4>1000<BAND:4>160m<MODE:2>FM<RST_SENT:2>57<RST_RCVD:2>"
         "59"},
        // A date that is no day (a hand edit) leaves out the date and the time, counted.
        {Qso("31/02/24", "10:00", "G4A", "", "", "", ""), "<CALL:3>G4A<RST_SENT:2>57<RST_RCVD:2>59"},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(Exporte(ligne).enregistrement, attendu + Fin) << ligne;
    }
    const auto vide = Exporte(Qso("31/02/24", "10:00", "G4A", "", "", "", "")).compte;
    EXPECT_EQ(std::tuple(vide.Qso, vide.Sans_Date, vide.Sans_Bande, vide.Sans_Mode),
              std::tuple(1u, 1u, 1u, 1u));
}

// Modes as typed, in any case; a submode goes with its mode. The band edges that a typed band can reach.
TEST(Adif_Complet, ModesEtBandes) {
    const std::pair<const char*, const char*> modes[] = {{"SSB", "<MODE:3>SSB"},
                                                         {"usb", "<MODE:3>SSB<SUBMODE:3>USB"},
                                                         {"LSB", "<MODE:3>SSB<SUBMODE:3>LSB"},
                                                         {"FT8", "<MODE:3>FT8"},
                                                         {"FT4", "<MODE:4>MFSK<SUBMODE:3>FT4"},
                                                         {"PSK31", "<MODE:3>PSK<SUBMODE:5>PSK31"},
                                                         {"DMR", "<MODE:12>DIGITALVOICE<SUBMODE:3>DMR"},
                                                         {"JT65B", "<MODE:4>JT65<SUBMODE:5>JT65B"},
                                                         {"RTTY", "<MODE:4>RTTY"},
                                                         {"Q65", "<MODE:4>MFSK<SUBMODE:3>Q65"},
                                                         {"XYZ", ""},
                                                         {"PHON", ""}};
    for (const auto& [mode, attendu] : modes) {
        const auto r = Exporte(Qso("01/03/24", "10:00", "G4A", "", "", mode, "14"));
        EXPECT_EQ(r.enregistrement, "<CALL:3>G4A<QSO_DATE:8>20240301<TIME_ON:4>1000<BAND:3>20m" +
                                        std::string(attendu) + "<RST_SENT:2>57<RST_RCVD:2>59" + Fin)
            << mode;
        EXPECT_EQ(r.compte.Sans_Mode, *attendu ? 0u : 1u) << mode;
    }
    const std::pair<const char*, const char*> bandes[] = {
        {"1.8", "160m"}, {"2.0", "160m"}, {"2.1", ""},     {"3.5", "80m"}, {"4", "80m"},
        {"7.3", "40m"},  {"7.4", ""},     {"10", "30m"},   {"29", "10m"},  {"30", ""},
        {"54", "6m"},    {"55", "5m"},    {"71", "4m"},    {"72", ""},     {"148", "2m"},
        {"149", ""},     {"420", "70cm"}, {"928", "33cm"}, {"", ""}};
    for (const auto& [bande, attendu] : bandes) {
        const auto r = Exporte(Qso("01/03/24", "10:00", "G4A", "", "", "CW", bande));
        const std::string champ =
            *attendu ? "<BAND:" + std::to_string(std::strlen(attendu)) + ">" + attendu : "";
        EXPECT_EQ(r.enregistrement, "<CALL:3>G4A<QSO_DATE:8>20240301<TIME_ON:4>1000" + champ +
                                        "<MODE:2>CW<RST_SENT:2>57<RST_RCVD:2>59" + Fin)
            << bande;
        EXPECT_EQ(r.compte.Sans_Bande, *attendu ? 0u : 1u) << bande;
    }
}

// Local times become UTC by the rules of the QSO's own date; the date moves with them across midnight.
TEST(Adif_Complet, HeuresLocalesEnUTC) {
#ifdef _WIN32
    const Fuseau paris("CET-1CEST");
#else
    const Fuseau paris("Europe/Paris");
#endif
    const std::tuple<const char*, const char*, bool, const char*> cas[] = {
        {"14/07/24", "16:30", true, "<QSO_DATE:8>20240714<TIME_ON:4>1430"},
        {"15/01/24", "16:30", true, "<QSO_DATE:8>20240115<TIME_ON:4>1530"},
        {"01/07/24", "01:30", true, "<QSO_DATE:8>20240630<TIME_ON:4>2330"},
        {"01/01/24", "00:30", true, "<QSO_DATE:8>20231231<TIME_ON:4>2330"},
        {"01/07/24", "01:30", false, "<QSO_DATE:8>20240701<TIME_ON:4>0130"},
        {"29/02/24", "23:59", false, "<QSO_DATE:8>20240229<TIME_ON:4>2359"}};
    for (const auto& [date, heure, locales, attendu] : cas) {
        EXPECT_EQ(Exporte(Qso(date, heure, "G4A", "", "", "CW", "7"), locales).enregistrement,
                  "<CALL:3>G4A" + std::string(attendu) + "<BAND:3>40m<MODE:2>CW<RST_SENT:2>57<RST_RCVD:2>59" +
                      Fin)
            << date << " " << heure;
    }
}

// The whole file, header first, through the outputs' atomic write; the message counts what was left out.
TEST(Adif_Complet, FichierEtMessage) {
    const std::pair<const char*, const char*> programmes[] = {
        {"DMF-123", "DMF"}, {" WWFF-0042 ", "WWFF"}, {"12345", "12345"}, {"-12", ""}};
    for (const auto& [numero, attendu] : programmes) {
        EXPECT_EQ(Programme_Par_Defaut(numero), attendu) << numero;
    }
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    dossier.Ecrire("DMF-123.txt", Fichier_De({Qso("14/01/06", "08:35", "F6ABC", "75", "JEAN", "CW", "7"),
                                              Qso("14/01/06", "08:36", "G4A", "", "", "WXYZ", "")}));
    const auto resultat = Exporter_Adif_Complet(fs, dossier.Chemin(), Activation,
                                                {"DMF", false, "1.0.0", {2024, 3, 1, 14, 25, 7}});
    EXPECT_EQ(resultat.Message, "Le fichier a \xE9t\xE9 cr\xE9"
                                "e sous le nom DMF-123_complet.adi\nQSO \xE9"
                                "crits : 2\n"
                                "QSO sans bande (BAND absent) : 1\nQSO sans mode ADIF (MODE absent) : 1");
    EXPECT_EQ(dossier.Lire("DMF-123_complet.adi"),
              Fichier_De(
                  {"Exportation ADIF complete de l'activite DMF-123 par F/ON4XYZ/P - Realise par Maravel_ON, "
                   "carnet de QSO",
                   "<ADIF_VER:5>3.1.4", "<PROGRAMID:10>Maravel_ON", "<PROGRAMVERSION:5>1.0.0",
                   "<CREATED_TIMESTAMP:15>20240301 142507", "<EOH>",
                   "<CALL:5>F6ABC<QSO_DATE:8>20060114<TIME_ON:4>0835<BAND:3>40m<MODE:2>CW<RST_SENT:2>57"
                   "<RST_RCVD:2>59<NAME:4>JEAN<STATE:2>75" +
                       Fin,
                   "<CALL:3>G4A<QSO_DATE:8>20060114<TIME_ON:4>0836<RST_SENT:2>57<RST_RCVD:2>59" + Fin}));
}
