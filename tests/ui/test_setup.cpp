// The set-up window driven as an operator would: keys, clicks, the questions answered by the test.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"
#include "ui/Setup.h"
#include "ui/Sous_Programmes.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QtWidgets>

#include <cstdlib>

namespace {

// clang-format off
const QString Champs = QStringLiteral("Activeur Logger Num_Activite Nom_Activite Num_CP Nom_Commune Type_Activite Date_Activite");
const QStringList Halloy{"Indicatif=ON4XYZ/P", "Logger=ON4ABC", "N° Activite=DMF-123", "Nom Activite=Château d'Halloy",
                         "N° CP=5590", "Commune=Halloy", "Type Activite=Activation", "Date Activite=12/11/05"};
const QStringList Champs_Halloy{"Activeur=ON4XYZ/P", "Logger=ON4ABC", "Num_Activite=DMF-123", "Nom_Activite=Château d'Halloy",
                                "Num_CP=5590", "Nom_Commune=Halloy", "Type_Activite=Activation", "Date_Activite=12/11/05"};
const QString Nom_De_Fichier = QStringLiteral("Numéro d'activité refusé : il sert de nom au fichier du log.\n"
                                              "Ni \\ / : * ? \" < > |, ni que des points, ni CON, AUX, NUL, COMn, LPTn.");

const QString Du_Programme = QStringLiteral("Numéro d'activité refusé : son log porterait le nom d'un fichier du programme.\n"
                                            "Ni Temporaire, Temporaire6, Liste_Activite, ni Liste_Prenom (en majuscules ou en minuscules).");
const QString Abandon = QStringLiteral("Un QSO est en cours de saisie (F5XYZ) : l'abandonner pour passer à l'activité ONM-0042 ?");
const QString Ignore = QStringLiteral("%1 a été ignoré : %2. Le champ reste vide.");
const QString Controle = QStringLiteral("il contient un caractère de contrôle (retour à la ligne, tabulation…)");
// Lines of Liste_Activite.txt as the window must write them, every blank counted.
const QString Halloy_129 = "DMF-123      ON4XYZ/P   Château d'Halloy                         5590  Activation   12/11/05 Halloy                              ";
const QString Moulin_129 = "ONM-0042     F4ABC      Moulin de Braine                         1420  Moulin       03/06/23 Braine-l'Alleud                     ";
const QString Recent_129 = "DMF-123      ON4ZZZ     Château d'Halloy                         5590  Activation   12/11/05 Ciney                               ";
const QString Halloy_F = QString(Halloy_129).replace("ON4XYZ/P  ", "F/ON4XYZ/P");
const QString Abbaye_93 =  "DMF-777      ON4XYZ     Abbaye d'Aulne                           6534  Patrimoine   21/09/24 ";
const QString En_Cours = QStringLiteral("Activation en cours, pret pour continuer la saisie des QSO");
const QByteArray Qso = "12/11/05  14:25  F4ABC         59  JEAN             59  59  SSB    3.5 Mhz \r\n";

const QString Table_Setup = QStringLiteral(R"T(
Setup "  Maravel_ON    Revision  1.0.0" | Frame1 "ENREGISTREMENT DE L'ACTIVATION" | Frame2 ""
Etiquette_Activeur "Indicatif de l'activeur *" | Activeur "" vert | Exemple_Activeur "ex: F/ON4XYZ/P"
Etiquette_Logger "Logger (euse)" | Logger "" jaune | Exemple_Logger "ex: ON4ABC"
Etiquette_Num_Activite "N° de l'Activité *" | Num_Activite "" jaune | Exemple_Num_Activite "ex: DMF-123"
Etiquette_Nom_Activite "Nom de l'Activité *" | Nom_Activite "" jaune inactif | Exemple_Nom_Activite "ex: Chateau Halloy"
Etiquette_Num_CP "N° du Code Postal *" | Num_CP "" jaune | Exemple_Num_CP "ex: 5590"
Etiquette_Nom_Commune "Nom de la Commune *" | Nom_Commune "" jaune | Exemple_Nom_Commune "ex: Halloy"
Etiquette_Type_Activite "Type de l'Activité *" | Type_Activite "" jaune | Exemple_Type_Activite "ex: Activation"
Etiquette_Date_Activite "Date de l'Activité *" | Date_Activite "" jaune | Exemple_Date_Activite "ex: 12/11/05"
Etiquette_Liste_Activite "Activités " | Liste_Activite "" lignes=0 | Note " (*)  Informations Obligatoires"
Saisie_des_QSO "Saisie des QSO" inactif | RAZ "RAZ pour nouvelle activation" | Supprimer "Supprimer activation")T");

// Written apart from the program's own conversion: Latin-1 and Windows-1252 agree on these letters.
QByteArray Liste(const QStringList& lignes) {
    return lignes.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

const std::vector<Cas> Table{
    // The date is open while the button is not: Enter there is accepted and the focus stays.
    {.nom = "premier demarrage: chaque champ a son tour, un refus garde le focus, Entree du pave comme Entree",
     .etapes = {"ouverture", "?Activeur: vert actif", "?Nom_Activite Saisie_des_QSO: inactif", "?focus=Activeur",
         "Date_Activite> 12/11/05\r", "?focus=Date_Activite", "Activeur> [Retour]\r", "?focus=Activeur",
         "> on4xyz/p\r", "?Activeur: jaune", "?Logger: vert", "?focus=Logger", "> on4abc[Pave]",
         "?Num_Activite: vert", "> dmf-123\r", "?Nom_Activite: vert actif", "> Château d'Halloy\r",
         "?Saisie_des_QSO: actif", "?Nom_Activite: jaune", "?Num_CP: jaune", "?focus=Num_CP", "> 559\r",
         "?focus=Num_CP", "Num_CP> 5590[Pave]", "?Nom_Commune: vert", "> Halloy\r", "?Type_Activite: vert",
         "> Activation\r", "?Date_Activite: vert", "Date_Activite> 12/11/05\r", "?Date_Activite: jaune",
         "?focus=Saisie_des_QSO"},
     .messages = {"Nom de l'activeur obligatoire", "4 caracteres pour le C.P."},
     .attendus = Champs_Halloy + QStringList{Champs + ": actif", "Saisie_des_QSO: actif"}},
    {.nom = "sans Entree, chaque valeur est verifiee avant l'enregistrement; Non vide, le store garde",
     .reglages = Halloy, .etapes = {"Num_Activite> DMF-123/2", "clic Saisie_des_QSO", "?Num_Activite: vert",
         "?focus=Num_Activite", "Num_Activite> DMF-123", "Nom_Activite> [Retour]", "clic Saisie_des_QSO",
         "Nom_Activite> Château d'Halloy", "Nom_Commune> Ciney", "?$Commune=Halloy", "non", "Saisie_des_QSO> \r",
         "?" + Champs + "=", "saisie 0", "rouvrir"}, .messages = {Nom_De_Fichier,
         "Les trois premiers champs sont obligatoires",
         "Enregistrer l'activité " + Halloy_129.left(93) + "Ciney                                ?"},
     .attendus = QStringList(Champs_Halloy).replaceInStrings("=Halloy", "=Ciney"),
     .fichiers_apres = {{"Liste_Activite.txt", Absent}, {"DMF-123.txt", Absent}}},
    {.nom = "a-z en capitales dans les champs d'indicatif; rien hors de Windows-1252", .reglages = {"N° Activite=X"},
     .etapes = {"Activeur> on4xé/pŁ", "Logger> on4abc", "Num_Activite> dmf-12a", "Nom_Activite> château x☃",
         "Num_CP> b590", "Nom_Commune> halloy-€", "Type_Activite> activation", "Date_Activite> 12/nov/05"},
     .attendus = {"Activeur=ON4Xé/P", "Logger=ON4ABC", "Num_Activite=DMF-12A", "Nom_Activite=château x",
         "Num_CP=B590", "Nom_Commune=halloy-€", "Type_Activite=activation", "Date_Activite=12/NOV/05"}},
    // A click fills all but the logger from the last line of that number; a 93-character line has no
    // commune. RAZ empties and closes all but the activator and the number, whose colour it leaves.
    {.nom = "liste: clic, RAZ, et suppression de toutes les lignes du numero clique",
     .fichiers = {{"Liste_Activite.txt", Liste({Halloy_129, Moulin_129, Recent_129, "", Abbaye_93})}},
     .reglages = Halloy, .etapes = {"?Liste_Activite: lignes=4", "?" + Champs + ": actif", "?Saisie_des_QSO: actif",
         "clic Supprimer", "?Activeur=ON4XYZ/P", "?Nom_Commune=Halloy", "clic Liste_Activite 1", "?Activeur=ON4ZZZ",
         "?Logger=ON4ABC", "?Nom_Commune=Ciney", "Logger> \r", "Type_Activite> \r", "RAZ> \r", "?" + Champs + "=",
         "?focus=Activeur", "?Activeur Num_Activite: vert actif", "?Saisie_des_QSO: inactif",
         "?Logger Nom_Activite Num_CP Nom_Commune Type_Activite Date_Activite: jaune inactif",
         "clic Liste_Activite 4", "?Activeur=ON4XYZ", "?Logger=", "?Nom_Activite=Abbaye d'Aulne", "?Nom_Commune=",
         "?Date_Activite=21/09/24", "?Activeur Num_Activite Nom_Activite Num_CP Type_Activite Date_Activite: actif",
         "?Saisie_des_QSO: actif", "?Logger Nom_Commune: inactif", "?focus=Saisie_des_QSO", "clic Liste_Activite 3",
         "non", "clic Supprimer", "?Liste_Activite: lignes=4", "?" + Champs + "=", "?focus=Activeur",
         "oui", "clic Supprimer", "oui", "clic Supprimer"}, .messages = {"Cliquez sur une activité pour la selectionner",
         "Voulez vous effacer l'activité DMF-123 ?", "Voulez vous effacer l'activité DMF-123 ?",
         "Voulez vous effacer l'activité DMF-123 ?"}, .attendus = {"Liste_Activite: lignes=2",
         "$N° Activite=DMF-123"}, .fichiers_apres = {{"Liste_Activite.txt", Liste({Moulin_129, "", Abbaye_93})}}},
    // The second press finds the number: no question, its line replaced where it stands, the fields keeping
    // what was typed rather than what the look-up read back (the type cut to 12), the same window raised.
    // Blanks around a value go, never its letters.
    {.nom = "nouvelle activation: Oui, log cree vide, puis reprise sans question; blancs autour d'une valeur",
     .fichiers = {{"Liste_Activite.txt", Liste({Moulin_129})}}, .reglages = Halloy, .etapes = {"Activeur>   f/on4xyz/p",
         "oui", "Saisie_des_QSO> \r", "saisie 1", "activer", "Num_CP> 5591\r", "Type_Activite> Activation du château",
         "clic Saisie_des_QSO", "saisie 1", "fermer"}, .messages = {"Enregistrer l'activité " + Halloy_F + " ?",
         "Nouvelle Activation, pret pour demarrer la saisie des QSO", En_Cours},
     .attendus = {"Type_Activite=Activation du château", "$Type Activite=Activation du château", "$N° CP=5591"},
     .fichiers_apres = {{"Liste_Activite.txt",
                         Liste({Moulin_129, QString(Halloy_F).replace("5590  Activation   ", "5591  Activation d ")})},
                        {"DMF-123.txt", ""}}},
    {.nom = "log impossible a creer: dit, et pas de saisie", .fichiers = {{"Liste_Activite.txt", Liste({Halloy_129})}},
     .reglages = Halloy, .etapes = {"lien DMF-123.txt", "clic Saisie_des_QSO", "saisie 0"},
     .messages = {"Le log de l'activité ne peut pas être créé :..."}},
    // The clock is checked when the entry window opens, on UTC (a local date already on the build day is no
    // excuse), and told once.
    {.nom = "horloge avant la construction: dit une fois", .reglages = Halloy, .etapes = {
         "horloge 2026-12-01T00:00:00Z -300", "oui", "clic Saisie_des_QSO", "horloge 2026-11-30T23:59:00Z 120",
         "clic Saisie_des_QSO", "clic Saisie_des_QSO"}, .messages = {"Enregistrer l'activité " + Halloy_129 + " ?",
         "Nouvelle Activation, pret pour demarrer la saisie des QSO", En_Cours, "La date de l'ordinateur semble fausse : "
         "il indique le 01/12/2026 à 01:59 (heure locale), avant même la création de ce programme (le 01/12/2026).\n"
         "Chaque QSO prend sa date et son heure de cette horloge : corrigez la date et l'heure de l'ordinateur.", En_Cours}},
    // Values from the store or from a list line meet the rules of typed ones (26 letters between blanks fit
    // the commune); a refused one leaves its field empty. A number whose log would be one of the program's files
    // is refused from the store too, its message ending once.
    {.nom = "valeurs du store refusees", .reglages = {"Nom Activite=Château\r\nFaux", "Type Activite=Ch\u0081teau",
         "N° Activite=Temporaire", "Commune=  Sainte-Marie-aux-Chênes-Ou  "},
     .messages = {Ignore.arg("Le réglage \"N° Activite\"", Du_Programme.chopped(1)),
         Ignore.arg("Le réglage \"Nom Activite\"", Controle), Ignore.arg("Le réglage \"Type Activite\"", Controle)},
     .attendus = {"Num_Activite Nom_Activite Type_Activite=", "Nom_Commune=  Sainte-Marie-aux-Chênes-Ou  ",
         "$N° Activite=Temporaire"}},
    {.nom = "valeur de la liste refusee", .fichiers = {{"Liste_Activite.txt", Liste({Moulin_129,
         QString(Moulin_129).replace("ONM-0042", "DMF-9   ").replace("Moulin de", "Moulin\tde")})}},
     .etapes = {"clic Liste_Activite 2"}, .messages = {Ignore.arg("Le champ \"Nom de l'Activité\" lu dans Liste_Activite.txt",
         Controle)}, .attendus = {"Nom_Activite=", "Num_Activite=DMF-9"}},
    // The entry window logs into the activation it shows: RAZ does not move it. An edit or an insertion is
    // cancelled and said; a QSO typed, if only its callsign, is dropped only on Yes, No changing nothing, and kept
    // when the same activation is pressed again. The other activation then shows, and logs into, its own.
    {.nom = "RAZ puis un QSO; autre activation pendant une edition, une insertion, avec un QSO tape: Non puis Oui",
     .fichiers = {{"Liste_Activite.txt", Liste({Halloy_129, Moulin_129})}, {"DMF-123.txt", Qso}, {"ONM-0042.txt", ""}},
     .reglages = Halloy, .etapes = {"clic Saisie_des_QSO", "saisie 1", "activer", "clic RAZ", "activer_saisie",
         "Indi_Q> g4abc\r[F9]", "?Label1=Assistant d'activité de ON4XYZ/P", "clic Edite_QSO", "activer",
         "clic Liste_Activite 2", "clic Saisie_des_QSO", "?Status=Modification du QSO n° 2 annulée : passage à l'activité ONM-0042",
         "activer_saisie", "clic Ajout_QSO", "Indi_Q> g4abc", "activer", "clic Liste_Activite 1", "clic Saisie_des_QSO",
         "?Status=Ajout d'un QSO annulé : passage à l'activité DMF-123", "activer_saisie", "Indi_Q> f5xyz",
         "activer", "clic Saisie_des_QSO", "clic Liste_Activite 2", "non", "clic Saisie_des_QSO", "?Indi_Q=F5XYZ",
         "?Label1=Assistant d'activité de ON4XYZ/P", "?Num_Activite=ONM-0042",
         "?$N° Activite=DMF-123", "oui", "clic Saisie_des_QSO", "saisie 1", "?Indi_Q Prenom_Q=", "?Label21=Braine-l'Alleud",
         "?Label4=1420", "?Num_Q=1", "?Label3=Moulin Moulin de Braine   référence ONM-0042 par F4ABC au log F4ABC",
         "?focus=Indi_Q", "> g5abc\r[F9]"},
     .messages = {En_Cours, En_Cours, En_Cours, En_Cours, Abandon, Abandon, En_Cours},
     .attendus = {"Label1=Assistant d'activité de F4ABC", "Liste_QSO: lignes=1", "Num_Q=2"},
     .fichiers_apres = {{"DMF-123.txt", Qso + Ligne("01/03/24 14:25 G4ABC - - 59 59 SSB 3.5 |")},
                        {"ONM-0042.txt", Ligne("01/03/24 14:25 G5ABC - - 59 59 SSB 3.5 |")}, {".txt", Absent}}},
    {.nom = "le store est la section \"Setup \" avec son blanc", .etapes = {"ini Setup/Indicatif=F1", "rouvrir",
         "?Activeur=", "ini_lu Setup /Revision= 1.0.0"}},
    // The question as the operator reads it, in the program's own message box.
    {.nom = "la vraie boite montre toute la ligne, blancs finaux compris", .reglages = Halloy,
     .etapes = {"boite_reelle 12 " + Halloy_129 + " ?"}, .fichiers_apres = {{"Liste_Activite.txt", Absent}}},
};
// The program's start: the backup of the day, then the set-up window. The clock's local date names the day;
// the next day, a link stands where its folder goes.
const std::vector<Cas> Demarrages{
    {.nom = "premiere du jour copiee; le jour local suivant, un fichier en travers dit une fois, le programme demarre",
     .fichiers = {{"Liste_Activite.txt", Liste({Halloy_129})}, {"DMF-123.txt", Qso}},
     .etapes = {"lien Sauvegardes/2024-03-02", "horloge 2024-03-01T23:30:00Z 60", "rouvrir", "?focus=Activeur"},
     .messages = {"La sauvegarde du jour n'a pas pu être faite : un fichier occupe la place d'un dossier de sauvegarde.\n..."},
     .fichiers_apres = {{"Sauvegardes/2024-03-01/DMF-123.txt", Qso}, {"Sauvegardes/2024-03-01/Liste_Activite.txt", Liste({Halloy_129})}}},
};
// clang-format on

// clang-format off
using E = Environnement_Test;
const std::map<QString, Scenario::Verbe> Verbes{
    {"activer", [](QWidget* f, E&, const QString&) { QTRY_VERIFY((f->activateWindow(), f->isActiveWindow())); }},
    // The entry windows open under the set-up window: none, or one, in front and not modal.
    {"saisie", [](QWidget* f, E&, const QString& nombre) {
         const auto saisies = f->findChildren<Saisie_QSO*>();
         QCOMPARE(saisies.size(), nombre.toInt());
         QTRY_VERIFY(saisies.isEmpty() || (!saisies[0]->isModal() && saisies[0]->isActiveWindow())); }},
    {"fermer", [](QWidget* f, E& env, const QString&) { f->close(); QCOMPARE(env.fins_programme, 1); }},
    // At the first start: the store's folder, the window centred give or take the frame that the platform
    // may add after the move, every control.
    {"ouverture", [](QWidget* f, E& env, const QString&) { QVERIFY(QTest::qWaitForWindowActive(f));
         QCOMPARE(env.Reglages_Relus().Lire("Chemin Repertoire"), QDir::toNativeSeparators(env.Dossier()));
         const QPoint ecart = f->frameGeometry().center() - f->screen()->geometry().center();
         QVERIFY2(std::abs(ecart.x()) <= 3 && std::abs(ecart.y()) <= 3, qPrintable(QDebug::toString(ecart)));
         QCOMPARE(Table_Des_Controles(f), Table_Attendue(Table_Setup));
         // A 35-character activity type in capitals shows whole.
         const auto* type = f->findChild<QLineEdit*>("Type_Activite");
         QVERIFY(type->width() > type->fontMetrics().horizontalAdvance("ACTIVATION DU CHATEAU ET DU MOULIN X") + 8); }},
    // The program built on 01/12/2026; the clock's UTC and its local offset in minutes.
    {"horloge", [](QWidget*, E& env, const QString& a) { env.services().date_construction = QDate(2026, 12, 1);
         env.horloge.Regler(QDateTime::fromString(a.section(' ', 0, 0), Qt::ISODate), a.section(' ', 1).toInt()); }},
    {"activer_saisie", [](QWidget* f, E&, const QString&) {
         auto* saisie = f->findChild<Saisie_QSO*>();
         QTRY_VERIFY((saisie->activateWindow(), saisie->isActiveWindow())); }},
    // A link to nowhere where the log should be: the log cannot be created.
    {"lien", [](QWidget*, E& env, const QString& nom) { QVERIFY(QFile::link("/inexistant/log.txt", QDir(env.Dossier()).filePath(nom))); }},
    // The store's file itself, "Setup " with its blank being another section than "Setup".
    {"ini", [](QWidget*, E& env, const QString& a) { QSettings(env.Fichier_Reglages(), QSettings::IniFormat).setValue(a.section('=', 0, 0), a.section('=', 1)); }},
    // A set-up window whose questions go to the program's own boxes, at a desktop's larger font ("12 " + the
    // line): the line shown whole, scrolled sideways only on a screen narrower than 1366 pixels; then "Non".
    {"boite_reelle", [](QWidget*, E& env, const QString& a) {
         Messages_Qt boites; Services& s = env.services();
         Services services{boites, s.reglages, s.horloge, s.fichiers, s.dossier, s.fin_programme, s.impression};
         const QFont police = QApplication::font(); QApplication::setFont(QFont(police.family(), a.section(' ', 0, 0).toInt()));
         Setup setup(services); setup.Demarrer();
         QString lue; bool entiere = false, defile = false;
         QTimer::singleShot(0, &setup, [&] { QWidget* boite = QApplication::activeModalWidget();
             auto* ligne = boite->findChild<QLabel*>("Ligne"); auto* zone = boite->findChild<QScrollArea*>(); lue = ligne->text();
             defile = zone->horizontalScrollBar()->maximum() > 0;
             entiere = boite->screen()->availableGeometry().contains(boite->frameGeometry()) &&
                 ligne->width() >= ligne->fontMetrics().horizontalAdvance(lue) &&
                 zone->viewport()->width() + zone->horizontalScrollBar()->maximum() >= ligne->width() &&
                 zone->viewport()->height() >= ligne->height();
             QTest::keyClick(boite, Qt::Key_Escape); });
         QTest::mouseClick(setup.findChild<QPushButton*>("Saisie_des_QSO"), Qt::LeftButton);
         QApplication::setFont(police);
         QCOMPARE(lue, a.section(' ', 1));
         QVERIFY(entiere && setup.screen()->availableGeometry().contains(setup.frameGeometry()));
         QCOMPARE(defile, setup.screen()->availableGeometry().width() < 1366); }},
    {"ini_lu", [](QWidget*, E& env, const QString& a) {
         QCOMPARE(QSettings(env.Fichier_Reglages(), QSettings::IniFormat).value(a.section('=', 0, 0)).toString(), a.section('=', 1)); }}};
Scenario Fenetre_Setup([](E& env) { auto setup = std::make_unique<Setup>(env.services()); setup->Demarrer(); return setup; }, Verbes);
Scenario Demarrage([](E& env) { Sauvegarde_Au_Demarrage(env.services());
    auto setup = std::make_unique<Setup>(env.services()); setup->Demarrer(); return setup; }, Verbes);
// clang-format on

} // namespace

class Test_Setup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scenarios_data() { Scenario::Lignes(Table); }
    void scenarios() { Fenetre_Setup.Jouer(Table); }
    void demarrages_data() { Scenario::Lignes(Demarrages); }
    void demarrages() { Demarrage.Jouer(Demarrages); }
};

QTEST_MAIN(Test_Setup)
#include "test_setup.moc"
