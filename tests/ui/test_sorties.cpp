// The log's outputs from the entry window's menus, checked on what the operator sees and on the bytes
// written: the saved report, the two exports, printing and its preview, and the display window.

#include "Scenario.h"
#include "ui/Affiche_Log.h"
#include "ui/Saisie_QSO.h"
#include "ui/Select_QSO.h"

#include <QTest>
#include <QtWidgets>

namespace {

// clang-format off
QByteArray Qso(int n) { return Ligne("01/03/24 10:" + QByteArray::number(n).rightJustified(2, '0') + " F" +
                                     QByteArray::number(n) + "ABC 75 JEAN 59 59 SSB 7 | PORTABLE"); }
QByteArray Log_De(int nombre) { QByteArray log; for (int i = 1; i <= nombre; ++i) log += Qso(i); return log; }
QByteArray B(int blancs) { return QByteArray(blancs, ' '); }
// Written apart from the program's own conversion: Latin-1 and Windows-1252 agree on these letters.
QByteArray En_1252(const QString& texte) { return texte.toLatin1(); }
QString Affichee(const char* numero, const QByteArray& l) { return numero + QString::fromLatin1(l.chopped(2)); }

const char* const Log = "DMF-123.txt";
const QByteArray Cw = Ligne("01/03/24 10:02 G4XYZ - - 599 579 CW 144");
const QByteArray Titre = En_1252("       Activation le 12/11/05 du DMF-123 le Château de Halloy par F/ON4XYZ/P\r\n\r\n");
const QByteArray Entete = En_1252("     N°    Date      QTR   Indicatif     Dpt   Prenom     RST R   E   Mode    "
                                  "Bande         Observations\r\n\r\n");
const QByteArray Credit = "\r\n" + B(37) + En_1252("Réalisé par Maravel_ON\r\n");
const QByteArray Rapport = Titre + B(19) + "Code Postal 5590    Commune Halloy\r\n\r\n" + Entete + B(8) + "1 " +
                           Qso(1) + B(8) + "2 " + Cw + Credit;
const QByteArray Adif = En_1252("Exportation du log Maravel_ON de F/ON4XYZ/P au format ADIF\r\n\r\nRéalisé par "
    "Maravel_ON, carnet de QSO\r\n\r\n\r\n<eoh>\r\n<call:5>F1ABC<name:4>JEAN<band:3>40m<mode:3>SSB<qso_date:8>"
    "20240301<time_on:4>1001<time_off:4>1001<rst_sent:2>59<rst_rcvd:2>59<state:2>75<comment:8>PORTABLE<eor>\r\n");
const QByteArray Trafic = "01/03/24  F1ABC       10:01  10:01  75" + B(11) + "7.0 Mhz   SSB " + B(5) + "59" + B(8) +
                          "59" + B(30) + "JEAN" + B(20) + "1 " + B(28) + "0   PORTABLE" + B(22) + "*\r\n";
// What the printer receives for a one-QSO log, the font set before and put back after.
const QStringList Imprime = QString::fromLatin1("police Courier New|gras 1|taille 8|ligne " + Titre.chopped(4) +
    "|ligne |ligne " + B(22) + "Code Postal 5590   Commune Halloy|ligne |ligne " + Entete.chopped(4) +
    "|ligne |ligne     1     " + Qso(1).chopped(2) + "|ligne |ligne " + Credit.sliced(2).chopped(2) +
    "|fin|gras 0|police Arial|taille 10").split('|');

QPointer<QWidget> affiche_vue; Activation_Test activation;
using E = Environnement_Test;
Affiche_Log* Affiche(QWidget* f) { return f->findChild<Affiche_Log*>(); }

const std::vector<Cas> Menus{
    {.nom = "rapport sauvegarde sous la date locale", .fichiers = {{Log, Qso(1) + Cw}},
     .etapes = {"horloge 2024-03-01T23:30:00Z 60", "menu Mnu_Enr_Log"}, .messages = {
         "Le log a été sauvegardé sous le nom : DMF-123_02_03_24.txt"},
     .fichiers_apres = {{"DMF-123_02_03_24.txt", Rapport}, {"DMF-123_01_03_24.txt", Absent}}},
    {.nom = "ADIF et C_Trafic", .fichiers = {{Log, Qso(1)}}, .etapes = {"menu Mnu_ADIF", "menu Mnu_C_Trafic"},
     .messages = {"Le fichier a été crée sous le nom DMF-123.adi", "Le fichier a été crée sous le nom DMF-123.ctf"},
     .fichiers_apres = {{"DMF-123.adi", Adif}, {"DMF-123.ctf", Trafic}}},
    // Activation "dmf_01_03_24" is registered: its log, in any letter case, is never taken for the report of DMF.
    {.nom = "rapport refuse: il remplacerait le log d'une autre activation", .fichiers = {{"DMF.txt", Qso(1)},
         {"Liste_Activite.txt", "dmf_01_03_24 F4ABC\r\n"}, {"DMF_01_03_24.txt", Cw}}, .etapes = {"autre DMF", "menu Mnu_Enr_Log"},
     .messages = {"Le fichier DMF_01_03_24.txt n'a pas été écrit : il remplacerait dmf_01_03_24.txt, le log de "
         "l'activité dmf_01_03_24."}, .fichiers_apres = {{"DMF.txt", Qso(1)}, {"DMF_01_03_24.txt", Cw}}},
    // Cancelled, nothing reaches the printer; accepted, the report; refused, the operator is told.
    {.nom = "impression annulee, acceptee, refusee; apercu", .fichiers = {{Log, Qso(1)}},
     .etapes = {"imprimante annulee", "menu Mnu_Imp_Log", "imprime 1", "imprimante acceptee", "menu Mnu_Imp_Log",
         "imprime 2 rapport", "menu Mnu_Apercu_Log", "apercu", "imprimante refusee", "menu Mnu_Imp_Log"},
     .messages = {"Le log n'a pas pu être imprimé : l'imprimante choisie a refusé le travail ou n'est pas "
         "disponible. Vérifiez-la, puis recommencez."}},
    {.nom = "affichage de 9 QSO", .fichiers = {{Log, Log_De(9)}}, .etapes = {"menu Mnu_Aff_Log", "affiche 9",
         "affichee 1 " + Affichee("    1  ", Qso(1)), "affichee 9 " + Affichee("    9  ", Qso(9)), "defile"}},
    // A second click brings the open window (even minimised) to the front as it was; closed, it reloads.
    {.nom = "affichage de 10 QSO, au premier plan, puis rouvert", .fichiers = {{Log, Log_De(10)}},
     .etapes = {"menu Mnu_Aff_Log", "affiche 10", "affichee 10 " + Affichee("   10  ", Qso(10)), "activer",
         "> F11ABC\r75\rjean[+]", "minimiser", "menu Mnu_Aff_Log", "affiche 10 meme", "fermer", "menu Mnu_Aff_Log",
         "affiche 11", "affichee 11 " + Affichee("   11  ", Ligne("01/03/24 14:25 F11ABC 75 JEAN 59 59 SSB 3.5"))}},
    {.nom = "autre activation: l'ancien affichage ferme; un log illisible n'est ni affiche ni imprime",
     .fichiers = {{Log, Log_De(3)}}, .etapes = {"menu Mnu_Aff_Log", "dossier DMF-456.txt", "autre DMF-456",
         "menu Mnu_Aff_Log", "affiche 0", "menu Mnu_Imp_Log", "imprime 0"}, .messages = {
         "Le log ne peut pas être lu : ...", "Le log ne peut pas être lu : ...", "Le log ne peut pas être lu : ..."}},
    // The selection reads the log of the activation the window shows; another activation closes it.
    {.nom = "etiquettes: une selection a la fois, sur le log affiche", .fichiers = {{Log, Log_De(3)}, {"DMF-456.txt", Qso(4)}},
     .etapes = {"menu Mnu_Etiquettes", "selection 3", "menu Mnu_Etiquettes", "selection 3", "autre DMF-456",
         "selection 0", "menu Mnu_Etiquettes", "selection 1"}},
};
Scenario Fenetre([](E& env) { return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"horloge", [](QWidget*, E& env, const QString& a) {
         env.horloge.Regler(QDateTime::fromString(a.section(' ', 0, 0), Qt::ISODate), a.section(' ', 1).toInt()); }},
    {"dossier", [](QWidget*, E& env, const QString& nom) { QVERIFY(QDir(env.Dossier()).mkpath(nom)); }},
    {"imprimante", [](QWidget*, E& env, const QString& a) {
         env.impression.accepter = a != "annulee"; env.impression.imprimante.refuse = a == "refusee"; }},
    {"imprime", [](QWidget*, E& env, const QString& a) {
         QCOMPARE(env.impression.dialogues, a.section(' ', 0, 0).toInt());
         QCOMPARE(Appels(env.impression.imprimante), a.endsWith("rapport") ? Imprime : QStringList());
         env.impression.imprimante.appels.clear(); }},
    {"apercu", [](QWidget*, E& env, const QString&) {
         QCOMPARE(env.impression.apercus, QStringList{"Aperçu du log de l'activité"});
         QCOMPARE(Appels(env.impression.apercu), Imprime); }},
    {"affiche", [](QWidget* f, E&, const QString& a) {
         QWidget* vue = Affiche(f);
         QVERIFY(vue && vue->isVisible() && !vue->isModal() && !vue->isMinimized());
         QCOMPARE(vue->findChild<QListWidget*>("Liste_QSO")->count(), a.section(' ', 0, 0).toInt());
         QTRY_COMPARE(QApplication::activeWindow(), vue);
         QVERIFY(!a.endsWith("meme") || vue == affiche_vue);
         affiche_vue = vue;
         QCOMPARE(vue->windowTitle() + '|' + vue->findChild<QLabel*>("Label3")->text() + '|' +
                  vue->findChild<QLabel*>("Label2")->text(), QString("Affichage du Log|Log de l'activité " +
                  activation.valeurs.Num_Activite + "|   N°      "
                  "Date      QTR   Indicatif          Dpt   Prenom      RST R    E   Mode    Bande    Observations"));
         QVERIFY((vue->frameGeometry().center() - vue->screen()->availableGeometry().center()).manhattanLength() < 3); }},
    {"affichee", [](QWidget* f, E&, const QString& a) {
         QCOMPARE(Affiche(f)->findChild<QListWidget*>("Liste_QSO")->item(a.section(' ', 0, 0).toInt() - 1)->text(),
                  a.section(' ', 1)); }},
    // Too narrow for its lines, the list scrolls sideways by pixels, and its header with it.
    {"defile", [](QWidget* f, E&, const QString&) {
         Affiche(f)->resize(400, 300); auto* liste = Affiche(f)->findChild<QListWidget*>("Liste_QSO");
         auto* entete = Affiche(f)->findChild<QLabel*>("Label2"); const QImage avant = entete->grab().toImage();
         liste->horizontalScrollBar()->setValue(50); const QImage apres = entete->grab().toImage();
         QCOMPARE(apres.copy(10, 0, 250, apres.height()), avant.copy(60, 0, 250, avant.height())); }},
    {"activer", [](QWidget* f, E&, const QString&) { QTRY_VERIFY((f->activateWindow(), f->isActiveWindow())); }},
    {"fermer", [](QWidget* f, E&, const QString&) { Affiche(f)->close(); QTRY_VERIFY(!Affiche(f)); }},
    {"minimiser", [](QWidget* f, E&, const QString&) { Affiche(f)->showMinimized(); }},
    {"selection", [](QWidget* f, E&, const QString& n) {
         QTRY_COMPARE(f->findChildren<Select_QSO*>().size(), n.toInt() ? 1 : 0);
         if (auto* s = f->findChild<Select_QSO*>()) { QVERIFY(s->isVisible() && !s->isModal());
             QCOMPARE(s->findChild<QListWidget*>("Liste_QSO")->count(), n.toInt()); } }},
    {"autre", [](QWidget* f, E&, const QString& numero) { activation.valeurs.Num_Activite = numero;
         static_cast<Saisie_QSO*>(f)->Ouvrir_Activation(activation.valeurs); QTRY_VERIFY(!Affiche(f)); }}});

} // namespace

class Test_Sorties : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menus_data() { Scenario::Lignes(Menus); }
    void menus() { activation = Activation_Test(); Fenetre.Jouer(Menus); }
};
// clang-format on

QTEST_MAIN(Test_Sorties)
#include "test_sorties.moc"
