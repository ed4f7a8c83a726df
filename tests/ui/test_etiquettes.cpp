// The label windows driven as an operator would: the selection by clicks, the label window's checks, its
// settings and its print runs into the recording printer; then a real run into a PDF file, read back.

#include "Scenario.h"
#include "core/Etiquettes.h"
#include "ui/Etiquettes.h"
#include "ui/Select_QSO.h"

#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QtWidgets>

namespace {

// clang-format off
QByteArray Qso(const QByteArray& indicatif, const QByteArray& reste = "75 JEAN 599 59 SSB 7") {
    return Ligne("01/03/24 10:05 " + indicatif + ' ' + reste); }
QByteArray Log_De(int nombre) { QByteArray log; for (int i = nombre; i >= 1; --i) log += Qso("F" + QByteArray::number(i) + "ABC"); return log; }
QString B(int n) { return QString(n, ' '); }
const char* const Log = "DMF-123.txt";
const QByteArray Quatre = Qso("ON4ABC/P") + Qso("F5KLM") + Qso("DL1XYZ", "- - 59 59 CW 14") + Qso("F1ABC");
Activation_Test activation;
Etiquettes* Fenetre_Etiquettes(QWidget* f) { return f->findChild<Etiquettes*>(); }

const QString Table_Select = "Select_QSO \"Selection QSO\" | Frame1 \"\" | Frame2 \"\" | Impression \"Vers page Impression\" | "
    "Label2 \"Selection des QSO pour impression d'étiquettes\" | Label3 \"Cliquez sur un QSO pour le selectionner \" | "
    "Label4 \"QSO selectionné(s) pour impression d'etiquettes . Cliquez sur un QSO pour le déselctionner.\" | "
    "Liste_Imprime \"\" lignes=0 | Liste_QSO \"     DL1XYZ" + B(29) + "59  59  CW     14 Mhz   01/03/24  10:05\" lignes=4 | "
    "Select_All \"Tout séléctionner\"";
const QString Table_Etiquettes = "Etiquettes \"Etiquettes pour QSL\" | Frame1 \"\" | Label2 \"Impression d'étiquettes pour QSL\" | "
    "Frame2 \"\" | Label8 \"Type d'étiquettes\" | Type_1 \"ModeleN° 1\" coche | Type_2 \"Modele N°2\" | Frame4 \"\" | Frame3 \"\" | "
    "Label9 \"Confirme le QSO avec F9ZZZ 35\" | Label17 \"DMF-999 Château de Valfleury\" | Label18 \"5999 Valfleury\" | "
    "Label15 \"14/07/24 10:32 TU  QRG 7 Mhz  RST 59 SSB\" | Label16 \"TX : FT-991A Ant : Dipôle\" | "
    "Label19 \"Merci Pour le QSO  73's de ON9ZZZ\" | Label10 \"Confirming QSO with G9ZZZ\" | "
    "Label5 \"DMF-999 Château de Valfleury\" | Label11 \"5999 Valfleury\" | Label12 \"14/07/24 10:45 TU  QRG 14 Mhz  RST 599 CW\" | "
    "Label13 \"TX : FT-991A Ant : Dipôle\" | Label14 \"Tnx for the QSO  73's from ON9ZZZ\" | Frame5 \"Format d'etiquette\" | "
    "Etiqu_1 \"AVERY   L7162            99.1 x 33.9   16 étiquettes\" coche | "
    "Etiqu_2 \"AVERY   DP167               105 x 37   16 étiquettes\" | Etiqu_3 \"DECADRY   OLW4732   99.1 x 34   16 étiquettes\" | "
    "Etiqu_4 \"DECADRY   OLW4799    105 x 35   16 étiquettes\" | Frame6 \"Station\" | Label1 \"Transceiver \" | RxTx \"FT-817\" #ffffff | "
    "Label20 \"16 caracteres maxi\" | Label7 \"Antenne\" | Antenne \"\" #ffffff | Label21 \"13 catacteres maxi\" | Frame7 \"Impression\" | "
    "Arret_Imp \"Arret impression a chaque feuille\" | Label_Premiere \"Commencer à l'étiquette n°\" | Imprime \"Imprimer\" | "
    "Premiere_Etiquette \"1\" bulle \"Sur une feuille entamée, le n° de la première étiquette libre (numérotées de gauche à "
    "droite, de haut en bas)\" | Apercu \"Aperçu\"";
// Two labels in layout B, English: F1ABC on the left, G4XYZ (no department, 144 MHz, CW) on the right.
const QString Tx = "TX : IC-7300  Ant : DIPOLE", Num = "DMF-123  Château de Halloy", Tnx = "Tnx for the QSO   73's from F/ON4XYZ/P";
const QStringList Run_B = QStringList{"police Courier New", "gras 1", "taille 15",
    "ligne   Confirming QSO with F1ABC 75     Confirming QSO with G4XYZ ", "taille 10", "ligne " + B(10) + Num + B(21) + Num,
    "gras 0", "ligne " + B(17) + " 5590 Halloy" + B(35) + " 5590 Halloy", "taille 2", "ligne ", "taille 10",
    "ligne   01/03/24 10:05 TU  QRG 7 Mhz  RST 599  SSB     01/03/24 10:05 TU  QRG 144 Mhz  RST 599 CW", "taille 2", "ligne ",
    "taille 10", "ligne " + B(10) + Tx + B(21) + Tx, "ligne " + B(4) + Tnx + B(9) + Tnx, "taille 27", "ligne ", "fin",
    "taille 10", "police Arial"};

const std::vector<Cas> Selection{
    {.nom = "clics dans le desordre, deselection a sa place, tout puis un retour", .fichiers = {{Log, Quatre}},
     .etapes = {"table", "clic Liste_QSO 4", "rien_surligne", "clic Liste_QSO 1", "contenu Liste_QSO F1ABC F5KLM",
         "contenu Liste_Imprime DL1XYZ ON4ABC/P", "clic Liste_Imprime 1", "rien_surligne", "contenu Liste_QSO DL1XYZ F1ABC F5KLM",
         "clic Liste_QSO 3", "contenu Liste_Imprime F5KLM ON4ABC/P", "clic Select_All", "?Liste_QSO: lignes=0",
         "contenu Liste_Imprime DL1XYZ F1ABC F5KLM ON4ABC/P", "clic Liste_Imprime 1", "contenu Liste_QSO DL1XYZ",
         "contenu Liste_Imprime F1ABC F5KLM ON4ABC/P", "clic Impression", "clic Impression", "etiquettes"}},
    {.nom = "log vide", .etapes = {"clic Select_All", "?Liste_QSO Liste_Imprime: lignes=0"}},
};
const std::vector<Cas> Impressions{
    {.nom = "reglages lus; 16/15 et 14/13 caracteres; reglages ecrits; dialogue annule: rien",
     .fichiers = {{Log, Quatre}}, .reglages = {"Transceiver=FT-817", "Antenne=ANTENNE DE 14 C"},
     .etapes = {"clic Select_All", "clic Impression", "etiquettes", "table_etiquettes", "imprimante annulee",
         "RxTx> 123456789012345 ", "Antenne> 12345678901234", "clic Imprime", "imprime 0", "RxTx> 1234567890123456",
         "clic Imprime", "imprime 0", "?$Transceiver=FT-817", "RxTx> 123456789012345", "Antenne> 1234567890123",
         "clic Imprime", "imprime 1", "?$Transceiver=123456789012345", "?$Antenne=1234567890123"},
     .messages = {"Le réglage \"Antenne\" a été ignoré : il dépasse 13 caractères. Le champ reste vide.",
         "12 caracteres maxi", "15 caracteres maxi"}},
    {.nom = "Etiqu_2 en anglais, a l'enregistreur; apercu", .fichiers = {{Log, Qso("G4XYZ", "- - 599 579 CW 144") + Qso("F1ABC")}},
     .etapes = {"clic Select_All", "clic Impression", "etiquettes", "clic Etiqu_2", "clic Type_2", "RxTx> IC-7300", "Antenne> DIPOLE",
         "clic Imprime", "imprime 1 B", "clic Apercu", "apercu"}},
    {.nom = "Etiqu_3 comme Etiqu_1", .fichiers = {{Log, Quatre}}, .etapes = {"clic Select_All", "clic Impression",
         "etiquettes", "clic Imprime", "clic Etiqu_3", "clic Imprime", "deux_fois"}},
    {.nom = "pause: Non apres la premiere feuille, qui sort", .fichiers = {{Log, Log_De(17)}}, .etapes = {
         "clic Select_All", "clic Impression", "etiquettes", "clic Arret_Imp", "non", "clic Imprime", "fins 1"},
     .messages = {"Page suivante ?"}},
    {.nom = "travail refuse: l'operateur le sait", .fichiers = {{Log, Quatre}}, .etapes = {"clic Select_All",
         "clic Impression", "etiquettes", "imprimante refusee", "clic Imprime", "fins 1"}, .messages = {"Les étiquettes "
         "n'ont pas pu être imprimées : l'imprimante choisie a refusé le travail ou n'est pas disponible. Vérifiez-la, puis recommencez."}},
};
Scenario Fenetre([](Environnement_Test& env) {
    return std::make_unique<Select_QSO>(env.services(), [] { return activation.valeurs; }); }, {
    {"table", [](QWidget* f, Environnement_Test&, const QString&) {
         QCOMPARE(Table_Des_Controles(f), Table_Attendue(Table_Select)); }},
    {"contenu", [](QWidget* f, Environnement_Test&, const QString& attendu) {
         QStringList vus; auto* liste = f->findChild<QListWidget*>(attendu.section(' ', 0, 0));
         for (int i = 0; i < liste->count(); ++i) vus << liste->item(i)->text().mid(5, 12).trimmed();
         QCOMPARE(vus, attendu.section(' ', 1).split(' ')); }},
    // After a click has moved a line, no line looks picked in either list.
    {"rien_surligne", [](QWidget* f, Environnement_Test&, const QString&) {
         for (const auto* liste : f->findChildren<QListWidget*>())
             QVERIFY2(liste->selectedItems().isEmpty() && liste->currentRow() == -1, qPrintable(liste->objectName())); }},
    {"etiquettes", [](QWidget* f, Environnement_Test&, const QString&) {
         QCOMPARE(f->findChildren<Etiquettes*>().size(), 1);
         QVERIFY(Fenetre_Etiquettes(f)->isVisible() && !Fenetre_Etiquettes(f)->isModal());
         QTRY_COMPARE(QApplication::activeWindow(), Fenetre_Etiquettes(f)); }},
    {"table_etiquettes", [](QWidget* f, Environnement_Test&, const QString&) {
         QCOMPARE(Table_Des_Controles(Fenetre_Etiquettes(f)), Table_Attendue(Table_Etiquettes)); }},
    {"imprimante", [](QWidget*, Environnement_Test& env, const QString& a) { env.impression.accepter = a != "annulee";
         env.impression.imprimante.refuse = a == "refusee"; }},
    {"imprime", [](QWidget*, Environnement_Test& env, const QString& a) {
         QCOMPARE(env.impression.dialogues, a.section(' ', 0, 0).toInt());
         QCOMPARE(env.impression.imprimante.appels, a.endsWith(" B") ? Run_B : QStringList()); }},
    {"apercu", [](QWidget*, Environnement_Test& env, const QString&) {
         QCOMPARE(env.impression.apercus, QStringList{"Aperçu des étiquettes"});
         QCOMPARE(env.impression.apercu.appels, Run_B); QCOMPARE(env.impression.dialogues, 1); }},
    {"deux_fois", [](QWidget*, Environnement_Test& env, const QString&) {
         const QStringList& a = env.impression.imprimante.appels;
         QCOMPARE(a.count("fin"), 2); QCOMPARE(a.mid(0, a.size() / 2), a.mid(a.size() / 2)); }},
    {"fins", [](QWidget*, Environnement_Test& env, const QString& n) {
         QCOMPARE(env.impression.imprimante.appels.count("fin"), n.toInt()); }}});
// clang-format on

} // namespace

class Test_Etiquettes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selection_data() { Scenario::Lignes(Selection); }
    void selection() { Fenetre.Jouer(Selection); }
    void impression_data() { Scenario::Lignes(Impressions); }
    void impression() { Fenetre.Jouer(Impressions); }

    // 17 labels through the real printer code into a PDF: two pages, one per sheet, the pairs side by side.
    void dix_sept_etiquettes_en_pdf() {
        std::vector<std::string> lignes;
        for (int n = 1; n <= 17; ++n) {
            lignes.push_back(
                Maravel::Ligne_Selection(Qso("F" + QByteArray::number(n) + "ABC").chopped(2).toStdString()));
        }
        QTemporaryDir dossier;
        QPrinter qprinter(QPrinter::HighResolution);
        qprinter.setOutputFileName(dossier.filePath(QStringLiteral("etiquettes.pdf")));
        Imprimante_QPrinter imprimante(qprinter);
        const std::string police = imprimante.Police();
        QCOMPARE(Maravel::Imprimer_Etiquettes(
                     imprimante, lignes, {"DMF-123", "Halloy", "5590", "Halloy", "ON4XYZ", "", ""}, {}, {}),
                 Maravel::Fin_Impression::Terminee);
        QCOMPARE(imprimante.Police(), police);
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", qprinter.outputFileName(), "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) est introuvable");
        // The callsigns of each pair, "/" for each page's end.
        const QRegularExpression paire(R"(QSO avec\s+(\S+) 75\s+Confirme le QSO avec\s+(\S+)|\f)");
        QStringList vues;
        for (const auto& m : paire.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
            vues << (m.captured(1).isEmpty() ? QStringLiteral("/") : m.captured(1) + '|' + m.captured(2));
        }
        QCOMPARE(vues.join(' '), "F1ABC|F2ABC F3ABC|F4ABC F5ABC|F6ABC F7ABC|F8ABC F9ABC|F10ABC F11ABC|F12ABC "
                                 "F13ABC|F14ABC F15ABC|F16ABC / F17ABC|....... /");
    }
};

QTEST_MAIN(Test_Etiquettes)
#include "test_etiquettes.moc"
