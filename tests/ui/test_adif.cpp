// The complete ADIF export with its two questions, and first names imported from another logger's file.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"

#include <QTest>
#include <ctime>

namespace {

// clang-format off
const char* const Log = "DMF-123.txt";
const QString Programme = "Programme de références de l'activité, écrit dans MY_SIG (DMF, DFCF, WWFF…) : ";
const QString Base = "Les heures des QSO de ce log sont-elles en UTC, ou à l'heure locale de cet ordinateur ?\n"
    "Les heures locales seront converties en UTC selon le fuseau horaire de cet ordinateur, heure d'été comprise. ";
const QByteArray Memoire = "F1AAA        75 PAUL\r\n";

Activation_Test activation;
using E = Environnement_Test;

const std::vector<Cas> Menus{
    // Programme from the number, refused, changed, kept; local time preset by the menu: 00:30 in Paris on 1 March
    // is 23:30 UTC on the leap day; the file stamped in UTC; no band, ADIF mode or real date left out and counted.
    {.nom = "ADIF complet en heure locale", .fichiers = {{Log, Ligne("01/03/24 00:30 F1ABC 75 H\xC9L\xC8NE 59 57 USB 7 | PORTABLE") +
         Ligne("31/02/24 00:31 G4XYZ - - 599 599 XYZ")}},
     .etapes = {"fuseau Europe/Paris", "horloge 60", "menu Mnu_UTC_Non", "reponse DMF-CHATEAUX-FR", "reponse DFCF", "reponse Heure locale",
         "menu Mnu_ADIF_Complet"},
     .messages = {Programme + "[DMF]", "Programme refusé : il dépasse 12 caractères. Corrigez-le.", Programme + "[DMF-CHATEAUX-FR]",
         Base + "[Heure locale]", "Le fichier a été crée sous le nom DMF-123_complet.adi\nQSO écrits : 2\n"
         "QSO sans bande (BAND absent) : 1\nQSO sans mode ADIF (MODE absent) : 1\n"
         "QSO sans date ou heure valable (QSO_DATE et TIME_ON absents) : 1"}, .attendus = {"$Programme=DFCF"},
     .fichiers_apres = {{"DMF-123_complet.adi", "Exportation ADIF complete de l'activite DMF-123 par F/ON4XYZ/P - Realise par "
         "Maravel_ON, carnet de QSO\r\n<ADIF_VER:5>3.1.4\r\n<PROGRAMID:10>Maravel_ON\r\n<PROGRAMVERSION:5>1.0.0\r\n"
         "<CREATED_TIMESTAMP:15>20240301 142500\r\n<EOH>\r\n<CALL:5>F1ABC<QSO_DATE:8>20240229<TIME_ON:4>2330<BAND:3>40m"
         "<MODE:3>SSB<SUBMODE:3>USB<RST_SENT:2>57<RST_RCVD:2>59<NAME:6>HELENE<STATE:2>75<COMMENT:8>PORTABLE<STATION_CALLSIGN:10>"
         "F/ON4XYZ/P<MY_SIG:4>DFCF<MY_SIG_INFO:7>DMF-123<MY_CITY:6>Halloy<MY_POSTAL_CODE:4>5590<EOR>\r\n"
         "<CALL:5>G4XYZ<RST_SENT:3>599<RST_RCVD:3>599<STATION_CALLSIGN:10>F/ON4XYZ/P<MY_SIG:4>DFCF<MY_SIG_INFO:7>DMF-123"
         "<MY_CITY:6>Halloy<MY_POSTAL_CODE:4>5590<EOR>\r\n"}}},
    // The stored programme offered, UTC preset; nothing written or changed.
    {.nom = "annule a chaque question", .fichiers = {{Log, Ligne("01/03/24 14:25 F1ABC 75 JEAN 59 59 SSB 7")}, {"Liste_Prenom.txt", Memoire}},
     .reglages = {"Programme=WWFF"}, .etapes = {"reponse [Annuler]", "menu Mnu_ADIF_Complet", "reponse WWFF", "reponse [Annuler]",
         "menu Mnu_ADIF_Complet", "reponse [Annuler]", "menu Mnu_Import_Prenoms"},
     .messages = {Programme + "[WWFF]", Programme + "[WWFF]", Base + "[UTC]"},
     .fichiers_apres = {{"DMF-123_complet.adi", Absent}, {"Liste_Prenom.txt", Memoire}}},
    // The memory keeps what was typed, gains the new station, and the entry window recalls it at once.
    {.nom = "prenoms importes puis rappeles a la saisie", .fichiers = {{"Liste_Prenom.txt", Memoire}, {"autre.adi",
         "<CALL:5>F1AAA<NAME:4>JEAN<STATE:2>13<EOR>\n<call:5>f2bbb<name:7>\xC3\x89lodie<state:2>69<eor>\n"}},
     .etapes = {"fichier autre.adi", "menu Mnu_Import_Prenoms", "> f2bbb\r"},
     .messages = {"autre.adi :\nLes prénoms ont été importés dans Liste_Prenom.txt.\nStations lues : 2\nAjoutées : 1\n"
         "Complétées (prénom ou département vide rempli) : 0\nInchangées (déjà connues) : 1\nÉcartées : 0"},
     .attendus = {"Dpt_Q=69", "Prenom_Q=ÉLODIE", "focus=Dpt_Q"},
     .fichiers_apres = {{"Liste_Prenom.txt", Memoire + "F2BBB        69 \xC9LODIE\r\n"}}},
};
Scenario Fenetre([](E& env) { return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"reponse", [](QWidget*, E& env, const QString& texte) { env.demandes.reponses.push_back(texte); }},
    {"fichier", [](QWidget*, E& env, const QString& nom) { env.demandes.reponses.push_back(env.Dossier() + '/' + nom); }},
    {"horloge", [](QWidget*, E& env, const QString& decalage) {
         env.horloge.Regler(QDateTime(QDate(2024, 3, 1), QTime(14, 25), Qt::UTC), decalage.toInt()); }},
    {"fuseau", [](QWidget*, E&, const QString& nom) { qputenv("TZ", nom.toLatin1()); tzset(); }}});

} // namespace

class Test_Adif : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menus_data() { Scenario::Lignes(Menus); }
    void menus() { Fenetre.Jouer(Menus); }
    void cleanup() { qputenv("TZ", "UTC"); tzset(); }
};
// clang-format on

QTEST_MAIN(Test_Adif)
#include "test_adif.moc"
