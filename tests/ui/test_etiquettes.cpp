// The label windows driven as an operator would: the selection by clicks, the label window's checks, its
// settings and its print runs into the recording printer; then a real run into a PDF file, read back.

#include "Scenario.h"
#include "core/Etiquettes.h"
#include "ui/Etiquettes.h"
#include "ui/Select_QSO.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QtWidgets>

namespace {

// clang-format off
QByteArray Qso(const QByteArray& indicatif, const QByteArray& reste = "75 JEAN 599 59 SSB 7") {
    return Ligne("01/03/24 10:05 " + indicatif + ' ' + reste); }
QByteArray Log_De(int nombre) { QByteArray log; for (int i = nombre; i >= 1; --i) log += Qso("F" + QByteArray::number(i) + "ABC"); return log; }
QString B(int n) { return QString(n, ' '); }
const char* const Log = "DMF-123.txt";
const QString Bulle = "De -10 à 10 mm par pas de 0,5 : positif vers la droite et vers le bas de la feuille. Vérifiez avec la page d'essai.";
const QByteArray Quatre = Qso("ON4ABC/P") + Qso("F5KLM") + Qso("DL1XYZ", "- - 59 59 CW 14") + Qso("F1ABC");
const QByteArray Deux = Qso("G4XYZ", "- - 599 579 CW 144") + Qso("F1ABC");
const QString Hors_Zone = "Une partie du texte tomberait hors de la zone que cette imprimante peut atteindre (ses marges minimales) :\n"
    "– rangée 1 : 3,5 mm trop haut\nRéglez « Décalage vertical (mm) » sur 3,5 pour tout y ramener.\nImprimer quand même ?";
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
    "Label15 \"14/07/24 10:32 TU  QRG 7 Mhz  RST 59 SSB\" | Label16 \"TX : FT-991A  Ant : Dipôle\" | "
    "Label19 \"Merci Pour le QSO   73's de ON9ZZZ\" | Label10 \"Confirming QSO with  G9ZZZ\" | "
    "Label5 \"DMF-999 Château de Valfleury\" | Label11 \"5999 Valfleury\" | Label12 \"14/07/24 10:45 TU  QRG 14 Mhz  RST 599  CW\" | "
    "Label13 \"TX : FT-991A  Ant : Dipôle\" | Label14 \"Tnx for the QSO   73's from ON9ZZZ\" | Frame5 \"Format d'etiquette\" | "
    "Etiqu_1 \"AVERY   L7162            99.1 x 33.9   16 étiquettes\" coche | "
    "Etiqu_2 \"AVERY   DP167               105 x 37   16 étiquettes\" | Etiqu_3 \"DECADRY   OLW4732   99.1 x 34   16 étiquettes\" | "
    "Etiqu_4 \"DECADRY   OLW4799    105 x 35   16 étiquettes\" | Frame6 \"Station\" | Label1 \"Transceiver \" | RxTx \"FT-817\" #ffffff | "
    "Label20 \"16 caracteres maxi\" | Label7 \"Antenne\" | Antenne \"\" #ffffff | Label21 \"13 catacteres maxi\" | Frame8 \"Calibrage\" | "
    "Label_Decalage_H \"Décalage horizontal (mm)\" | Label_Decalage_V \"Décalage vertical (mm)\" | Frame7 \"Impression\" | "
    "Decalage_Horizontal \"2\" bulle \"" + Bulle + "\" | Decalage_Vertical \"0\" bulle \"" + Bulle + "\" | "
    "Arret_Imp \"Arret impression a chaque feuille\" | Label_Premiere \"Commencer à l'étiquette n°\" | Imprime \"Imprimer\" | "
    "Premiere_Etiquette \"1\" bulle \"Sur une feuille entamée, le n° de la première étiquette libre (numérotées de gauche à "
    "droite, de haut en bas)\" | Apercu \"Aperçu\" | Page_Essai \"Page d'essai\"";
// Two labels of a DP167 sheet, English: F1ABC on the left, G4XYZ (no department, 144 MHz, CW) on the right.
QStringList Etiquette_B(const QString& x, const QString& titre, const QString& details) {
    const QString Tx = "TX : IC-7300  Ant : DIPOLE", Num = "DMF-123  Château de Halloy", Tnx = "Tnx for the QSO   73's from F/ON4XYZ/P";
    return {"texte " + x + " 5.91   Confirming QSO with " + titre, "texte " + x + " 10.44 " + B(10) + Num,
        "texte " + x + " 14.44 " + B(18) + "5590 Halloy", "texte " + x + " 19.24   01/03/24 10:05 TU  QRG " + details,
        "texte " + x + " 24.04 " + B(10) + Tx, "texte " + x + " 28.04 " + B(4) + Tnx}; }
const QStringList Run_B = Etiquette_B("3.29", "F1ABC 75", "7 Mhz  RST 599  SSB") + Etiquette_B("108.29", "G4XYZ", "144 Mhz  RST 599 CW");
QStringList Textes(const QStringList& appels) { return appels.filter(QRegularExpression("^texte ")); }

const std::vector<Cas> Selection{
    {.nom = "clics dans le desordre, deselection a sa place, tout puis un retour", .fichiers = {{Log, Quatre}},
     .etapes = {"table", "clic Liste_QSO 4", "rien_surligne", "clic Liste_QSO 1", "contenu Liste_QSO F1ABC F5KLM",
         "contenu Liste_Imprime DL1XYZ ON4ABC/P", "clic Liste_Imprime 1", "rien_surligne", "contenu Liste_QSO DL1XYZ F1ABC F5KLM",
         "clic Liste_QSO 3", "contenu Liste_Imprime F5KLM ON4ABC/P", "clic Select_All", "?Liste_QSO: lignes=0",
         "contenu Liste_Imprime DL1XYZ F1ABC F5KLM ON4ABC/P", "clic Liste_Imprime 1", "contenu Liste_QSO DL1XYZ",
         "contenu Liste_Imprime F1ABC F5KLM ON4ABC/P", "clic Impression", "a_cote", "clic Impression", "etiquettes"}},
    {.nom = "log vide", .etapes = {"clic Select_All", "?Liste_QSO Liste_Imprime: lignes=0"}},
};
const std::vector<Cas> Impressions{
    {.nom = "reglages lus; 16/15 et 14/13 caracteres; reglages ecrits; dialogue annule: rien",
     .fichiers = {{Log, Quatre}}, .reglages = {"Transceiver=FT-817", "Antenne=ANTENNE DE 14 C", "Decalage Horizontal=2", "Decalage Vertical=12"},
     .etapes = {"clic Select_All", "clic Impression", "etiquettes", "table_etiquettes", "imprimante annulee",
         "RxTx> 123456789012345 ", "Antenne> 12345678901234", "clic Imprime", "imprime 0", "RxTx> 1234567890123456",
         "clic Imprime", "imprime 0", "?$Transceiver=FT-817", "RxTx> 123456789012345", "Antenne> 1234567890123",
         "clic Imprime", "imprime 1", "?$Transceiver=123456789012345", "?$Antenne=1234567890123",
         "Decalage_Vertical> [Fin][Retour]-1.5", "?$Decalage Vertical=-1.5", "?Decalage_Vertical=-1,5",
         "Decalage_Horizontal> [Fin][Retour]0.35", "?$Decalage Horizontal=0.5"},
     .messages = {"Le réglage \"Antenne\" a été ignoré : il dépasse 13 caractères. Le champ reste vide.",
         "Le réglage \"Decalage Vertical\" a été ignoré : ce n'est pas un nombre de -10 à 10 par pas de 0.5, écrit avec un point (« 12 »). Le décalage reste à 0.",
         "12 caracteres maxi", "15 caracteres maxi"}},
    {.nom = "Etiqu_2 en anglais, a l'enregistreur; apercu aux contours gris; chaque format a ses rangees", .fichiers = {{Log, Deux}},
     .etapes = {"clic Select_All", "clic Impression", "etiquettes", "clic Etiqu_2", "clic Type_2", "RxTx> IC-7300", "Antenne> DIPOLE",
         "clic Imprime", "imprime 1 B", "clic Apercu", "apercu", "clic Etiqu_3", "clic Imprime", "clic Etiqu_4", "clic Imprime",
         "premiers 3.29 5.91|5.65 17.32|4.35 13.32"}},
    {.nom = "pause: Non apres la premiere feuille, qui sort", .fichiers = {{Log, Log_De(17)}}, .etapes = {
         "clic Select_All", "clic Impression", "etiquettes", "clic Arret_Imp", "non", "clic Imprime", "fins 1"},
     .messages = {"Page suivante ?"}},
    {.nom = "travail refuse: l'operateur le sait", .fichiers = {{Log, Quatre}}, .etapes = {"clic Select_All",
         "clic Impression", "etiquettes", "imprimante refusee", "clic Imprime", "fins 1"}, .messages = {"Les étiquettes "
         "n'ont pas pu être imprimées : l'imprimante choisie a refusé le travail ou n'est pas disponible. Vérifiez-la, puis recommencez."}},
    {.nom = "page d'essai decalee: contours noirs, numeros, exemple", .reglages = {"Decalage Horizontal=2", "Decalage Vertical=-1.5"},
     .etapes = {"clic Impression", "etiquettes", "clic Page_Essai", "essai"}},
    {.nom = "marges de 5 mm: la rangee 1 de DP167 signalee; Non: rien; Oui: imprime", .fichiers = {{Log, Deux}},
     .etapes = {"clic Select_All", "clic Impression", "etiquettes", "imprimante marges", "clic Etiqu_2", "non", "clic Imprime",
         "imprime 1", "oui", "clic Imprime", "fins 1"},
     .messages = {Hors_Zone, Hors_Zone}},
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
    {"a_cote", [](QWidget* f, Environnement_Test&, const QString&) {
         // Side by side when the screen is wide enough for both, else overlapping by no more than it must.
         const QRect e = Fenetre_Etiquettes(f)->frameGeometry(), s = f->frameGeometry();
         const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
         QCOMPARE(e.intersected(s).width(), std::max(0, e.width() + s.width() - ecran.width())); }},
    {"imprimante", [](QWidget*, Environnement_Test& env, const QString& a) { env.impression.accepter = a != "annulee";
         env.impression.imprimante.refuse = a == "refusee"; env.impression.imprimante.marges_minimales = a == "marges" ? 5 : 0; }},
    {"imprime", [](QWidget*, Environnement_Test& env, const QString& a) {
         QCOMPARE(env.impression.dialogues, a.section(' ', 0, 0).toInt());
         QCOMPARE(Textes(Appels(env.impression.imprimante)), a.endsWith(" B") ? Run_B : QStringList());
         const QStringList appels = Appels(env.impression.imprimante); // a real run draws no outline
         QVERIFY(a.endsWith(" B") ? appels.filter("cadre").isEmpty() : appels.isEmpty()); }},
    {"apercu", [](QWidget*, Environnement_Test& env, const QString&) { // the same texts, and grey outlines
         QVERIFY(env.impression.apercus == QStringList{"Aperçu des étiquettes"} && env.impression.dialogues == 1);
         QCOMPARE(Textes(Appels(env.impression.apercu)), Run_B);
         QCOMPARE(Appels(env.impression.apercu).filter(QRegularExpression("^cadre .* gris$")).size(), 16); }},
    {"premiers", [](QWidget*, Environnement_Test& env, const QString& attendus) {
         QStringList vus; const QStringList a = Appels(env.impression.imprimante); // where each run's first text stands
         for (qsizetype i = 0; i < a.size(); ++i) if (a[i] == "police Courier New") vus << Textes(a.mid(i)).value(0).section(' ', 1, 2);
         QCOMPARE(vus.join('|'), attendus); }},
    {"essai", [](QWidget*, Environnement_Test& env, const QString&) { // labels 16 and 1 moved by the offsets
         const QStringList a = Appels(env.impression.imprimante);
         QVERIFY(env.impression.dialogues == 1 && a.count("fin") == 1 && Textes(a).size() == 16 * 7);
         QCOMPARE(a.filter(QRegularExpression("^cadre .* noir$")).value(15), "cadre 108.25 248.70 99.10 33.90 noir");
         QVERIFY(a.contains("texte 103.06 14.75 1") && a.contains("texte 7.65 16.22    Confirme le QSO avec F9ZZZ 35")); }},
    {"fins", [](QWidget*, Environnement_Test& env, const QString& n) {
         QCOMPARE(Appels(env.impression.imprimante).count("fin"), n.toInt()); }}});
// clang-format on

} // namespace

class Test_Etiquettes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selection_data() { Scenario::Lignes(Selection); }
    void selection() { Fenetre.Jouer(Selection); }
    void impression_data() { Scenario::Lignes(Impressions); }
    void impression() { Fenetre.Jouer(Impressions); }

    // clang-format off
    // 17 labels of each format through the real printer code into a PDF, read back: every word inside its
    // label's rectangle on both A4 pages, each callsign in its place, the placeholder beside the last one;
    // the printer's font, paper and orientation put back.
    void dix_sept_etiquettes_en_pdf() {
        std::vector<std::string> lignes;
        for (int n = 1; n <= 17; ++n)
            lignes.push_back(Maravel::Ligne_Selection(Qso("F" + QByteArray::number(n) + "ABC").chopped(2).toStdString()));
        const QRegularExpression mot(R"x(<page width="595[.\d]*" height="842[.\d]*"|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)x");
        for (const auto format : {Maravel::Format_Etiquette::L7162, Maravel::Format_Etiquette::DP167,
                                  Maravel::Format_Etiquette::OLW4732, Maravel::Format_Etiquette::OLW4799}) {
            QTemporaryDir dossier;
            QPrinter qprinter(QPrinter::HighResolution);
            qprinter.setOutputFileName(dossier.filePath(QStringLiteral("etiquettes.pdf")));
            qprinter.setPageSize(QPageSize(QPageSize::Letter)); // as a print dialog may leave it: the sheets are A4
            qprinter.setPageOrientation(QPageLayout::Landscape);
            Imprimante_QPrinter imprimante(qprinter);
            const std::string police = imprimante.Police();
            const auto zone = imprimante.Zone_Imprimable({210, 297}); // a file has no margins
            QCOMPARE(QRectF(zone.x, zone.y, zone.largeur, zone.hauteur).toRect(), QRect(0, 0, 210, 297));
            const Maravel::Choix_Etiquettes choix{format};
            QCOMPARE(Maravel::Imprimer_Etiquettes(imprimante, Maravel::Pages_Etiquettes(lignes, {"DMF-123", "Ch\xE2teau de Halloy",
                         "5590", "Halloy", "F/ON4XYZ/P", "IC-7300", "DIPOLE"}, choix), choix, {}), Maravel::Fin_Impression::Terminee);
            QVERIFY(imprimante.Police() == police && qprinter.pageLayout().orientation() == QPageLayout::Landscape);
            QProcess pdftotext;
            pdftotext.start("pdftotext", {"-bbox", qprinter.outputFileName(), "-"});
            QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) est introuvable");
            int page = -1, mots = 0, indicatifs = 0;
            for (const auto& m : mot.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
                if (m.captured(1).isEmpty() && ++page >= 0) continue;
                const QRectF boite(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()), QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
                int place = 16; // the label that holds the word whole; 0: none
                for (; place > 0; --place) {
                    const auto r = Maravel::Rectangle_Etiquette(Maravel::Feuille_De(format), place - 1, {});
                    if (QRectF(r.x, r.y, r.largeur, r.hauteur).contains(QRectF(boite.topLeft() * 25.4 / 72, boite.size() * 25.4 / 72))) break;
                }
                QVERIFY2(place > 0, qPrintable(QStringLiteral("page %1 : %2").arg(page + 1).arg(m.captured(5))));
                // Label n of the run (the 18th: the placeholder) on sheet (n - 1) / 16, place (n - 1) % 16.
                const int n = m.captured(5) == "......." ? 18 : QRegularExpression("^F(\\d+)ABC$").match(m.captured(5)).captured(1).toInt();
                QVERIFY(n == 0 || (++indicatifs && page == (n - 1) / 16 && place == (n - 1) % 16 + 1));
                ++mots;
            }
            QVERIFY(page == 1 && indicatifs == 18 && mots > 17 * 20);
        }
    }
    // clang-format on
};

QTEST_MAIN(Test_Etiquettes)
#include "test_etiquettes.moc"
