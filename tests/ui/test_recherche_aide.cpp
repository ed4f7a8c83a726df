// The search window driven from the entry window, and the Aide menu: messages, manual, update page.

#include "Scenario.h"
#include "ui/Aide.h"
#include "ui/Reseau.h"
#include "ui/Saisie_QSO.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QtWidgets>

namespace {

// clang-format off
QByteArray Qso(int n) {
    const char* const premiers[] = {"13/01/06 09:00 F1ABC", "14/01/06 10:00 ON4XYZ", "14/01/06 10:05 F/ON4XYZ/QRP",
                                    "14/01/06 10:10 G4ABC", "15/01/06 08:00 DL0ON4"};
    return Ligne((n <= 5 ? QByteArray(premiers[n - 1]) : "16/01/06 12:" + QByteArray::number(n) + " EA" +
                 QByteArray::number(n) + "ZZ") + " 75 JEAN 59 59 SSB 7 | ON4 14/01/06");
}
QByteArray Log_30() { QByteArray log; for (int i = 1; i <= 30; ++i) log += Qso(i); return log; }
const char* const Log = "DMF-123.txt";

struct Reseau_Test final : Reseau {
    std::optional<QByteArray> page; QStringList demandes, ouvertes;
    void Telecharger(const QUrl& a, QObject*, std::function<void(std::optional<QByteArray>)> fin) override {
        demandes << a.toString(); fin(page); }
    void Ouvrir_Navigateur(const QUrl& a) override { ouvertes << a.toString(); }
    bool refuse_dossier = false;
    bool Ouvrir_Dossier(const QString& d) override { ouvertes << d; return !refuse_dossier; }
} reseau;
Activation_Test activation;
QPointer<QWidget> vue;
using E = Environnement_Test;

const std::vector<Cas> Recherches{
    // Each box's route, the date refused one character too long, and nothing found; the rules are the core's.
    {.nom = "indicatif puis date: trouves, refus de chaque boite, rien trouve", .fichiers = {{Log, Log_30()}},
     .etapes = {"clic Recherche", "fenetre Recherche_Indicatif Recherche QSO", "?focus=Indica", "Indica> on4",
         "?Indica=ON4", "> \r", "resultats 2 3 5", "?Indica Data=", "Indica> F/ON4XYZ/QRPX\r", "?Indica=F/ON4XYZ/QRPX",
         "Data> 14/01/06\r", "?Option1_2: coche", "resultats 2 3 4", "?Indica Data=", "Data> 14/01/200\r",
         "?Data=14/01/200", "resultats 2 3 4", "Indica> ZZ9\r", "resultats"},
     .messages = {"Attention 12 caracteres maxi pour l'indicatif", "Attention 8 caracteres maxi pour la date (format jj/mm/aa)",
         "Pas de QSO trouvé"}},
    {.nom = "le resultat clique devient la ligne courante et s'edite", .fichiers = {{Log, Log_30()}},
     .etapes = {"clic Recherche", "fenetre Recherche_Indicatif Recherche QSO", "Indica> ea1\r", "resultats 10 11 12 13 14 15 16 17 18 19", "clic QSO_Effectues 5",
         "?Liste_QSO: ligne=14", "ferme Recherche_Indicatif", "clic Edite_QSO", "?Num_Q=14", "?Indi_Q=EA14ZZ",
         "?Heure_Q=12:14"}},
    {.nom = "log change depuis la recherche: ligne courante gardee", .fichiers = {{Log, Log_30()}},
     .etapes = {"clic Recherche", "fenetre Recherche_Indicatif Recherche QSO", "Indica> EA1\r", "clic Liste_QSO 12", "oui", "clic Efface_QSO",
         "clic QSO_Effectues 5", "?Liste_QSO: ligne=29", "ferme Recherche_Indicatif"},
     .messages = {"Voulez vous effacer le QSO avec EA12ZZ ?", "Ce QSO n'est plus dans la liste des QSO (le log a "
         "changé depuis la recherche) : la ligne sélectionnée reste la même. Relancez la recherche."}},
    {.nom = "au premier plan inchangee, rouverte a neuf, fermee pour une autre activation",
     .fichiers = {{Log, Log_30()}, {"DMF-456.txt", Qso(1)}},
     .etapes = {"clic Recherche", "fenetre Recherche_Indicatif Recherche QSO", "Data> 14/01/06\r", "Indica> ON", "clic Recherche",
         "fenetre Recherche_Indicatif meme", "?Indica=ON", "resultats 2 3 4", "clic Command1",
         "ferme Recherche_Indicatif", "clic Recherche", "fenetre Recherche_Indicatif Recherche QSO", "?Indica=",
         "?Option1_1: coche", "resultats", "autre DMF-456", "ferme Recherche_Indicatif"}},
};

const QString Hors_Ligne = "La page de mise à jour n'a pas pu être chargée : l'ordinateur n'est pas relié à Internet, "
    "ou le site ne répond pas.\n\nAdresse de la page :\nhttps://radio.example.net/Affichage2.htm\n\nUne fois "
    "connecté, ouvrez-la dans votre navigateur avec le bouton \"Ouvrir dans le navigateur\". Le programme continue "
    "normalement.";
const QString Sans_Site = "%1\n\nPour régler le site, quittez Maravel_ON, puis écrivez sous la ligne [Setup%20] la ligne\n"
    "Adresse%20Site=https://adresse.du.site\n(l'adresse du site du programme, commençant par http:// ou https:// ; la page lue "
    "est cette adresse suivie de /Affichage2.htm)\ndans le fichier de réglages :\n...";
const QString Vide = "Aucun site n'est réglé pour la mise à jour du programme : le réglage \"Adresse Site\" est vide.";
const QString Pas_Web = "Le réglage \"Adresse Site\" (ftp://radio.example.net) n'est pas l'adresse d'un site web : la mise à "
    "jour du programme ne peut pas être lue.";
const std::vector<Cas> Aides{
    {.nom = "historique et a propos", .fichiers = {{Log, ""}}, .etapes = {"menu Mnu_Historique", "menu Mnu_A_Propos"},
     .messages = {"V1.0.0   le 09/04/2012 création à patir de Maravel\r\n", "Maravel  Revision  1.0.0\r\n\r\n    "
         "Réalisé par l'équipe du projet Maravel_ON, assistant de log pour les activations radioamateurs"}},
    {.nom = "mode d'emploi au sommaire, une seule fenetre", .fichiers = {{Log, ""}},
     .etapes = {"menu Mnu_Mode_Emploi", "fenetre Mode_Emploi Maravel_ON - Mode d'emploi", "page ", "?Retour: inactif",
         "lien 1", "page demarrage", "clic Retour", "page ", "lien 3", "menu Mnu_Mode_Emploi",
         "fenetre Mode_Emploi meme", "page ", "clic Retour", "page doublons"}},
    {.nom = "mise a jour hors ligne, au premier plan, rechargee apres fermeture", .fichiers = {{Log, ""}},
     .reglages = {"Adresse Site=https://radio.example.net"},
     .etapes = {"menu Mnu_Maj", "fenetre Mise_a_Jour Site https://radio.example.net", "montre " + Hors_Ligne,
         "clic Navigateur", "menu Mnu_Maj", "fenetre Mise_a_Jour meme", "fermer Mise_a_Jour", "menu Mnu_Maj",
         "demandes 2 https://radio.example.net/Affichage2.htm", "ouvertes https://radio.example.net/Affichage2.htm"}},
    // No site is invented: the operator learns which setting names it, and where.
    {.nom = "sans site: ce qu'il faut regler et ou; site de la construction", .fichiers = {{Log, ""}},
     .etapes = {"menu Mnu_Maj", "regle Adresse Site=ftp://radio.example.net", "menu Mnu_Maj", "regle Adresse Site=",
         "construit https://radio.example.net", "menu Mnu_Maj", "fenetre Mise_a_Jour Site https://radio.example.net"},
     .messages = {Sans_Site.arg(Vide), Sans_Site.arg(Pas_Web)}},
    // Its links go to the browser; a page never reads a local file or a resource of the program.
    {.nom = "page recue d'un site reglé; ses liens vont au navigateur", .fichiers = {{Log, ""}},
     .reglages = {"Adresse Site=http://radio.example.net/club/"}, .etapes = {"recue <h1>Version 1.0.1</h1><a "
         "href=\"nouveau.htm\">ici</a>", "menu Mnu_Maj", "fenetre Mise_a_Jour Site http://radio.example.net/club",
         "montre Version 1.0.1\nici", "ressources file:///etc/passwd qrc:/icones/16x16.png", "lien 1 WebBrowser1",
         "demandes 1 http://radio.example.net/club/Affichage2.htm", "ouvertes http://radio.example.net/club/nouveau.htm"}},
    {.nom = "dossier des donnees ouvert, ou au moins nomme", .fichiers = {{Log, ""}}, .etapes = {"menu Mnu_Dossier_Donnees",
         "refuse", "menu Mnu_Dossier_Donnees", "ouvertes %D %D"},
     .messages = {"Le gestionnaire de fichiers n'a pas pu être ouvert. Le dossier des données est :\n..."}},
};

Scenario Fenetre([](E& env) {
    reseau = Reseau_Test();
    activation = Activation_Test();
    env.services().reseau = &reseau;
    return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"fenetre", [](QWidget* f, E&, const QString& a) {
         const auto fenetres = f->findChildren<QWidget*>(a.section(' ', 0, 0), Qt::FindDirectChildrenOnly);
         QCOMPARE(fenetres.size(), 1);
         QWidget* w = fenetres[0];
         QVERIFY(w->isVisible() && !w->isModal() && w->isWindow());
         QTRY_COMPARE(QApplication::activeWindow(), w);
         QCOMPARE(a.endsWith(" meme") ? QString(w == vue ? "meme" : "autre") : w->windowTitle(), a.section(' ', 1));
         vue = w;
         QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
         QVERIFY((w->frameGeometry().center() - w->screen()->availableGeometry().center()).manhattanLength() < 3); }},
    {"ferme", [](QWidget* f, E&, const QString& a) { QTRY_VERIFY(!f->findChild<QWidget*>(a)); }},
    {"fermer", [](QWidget* f, E&, const QString& a) { f->findChild<QWidget*>(a)->close(); QTRY_VERIFY(!f->findChild<QWidget*>(a)); }},
    {"resultats", [](QWidget* f, E&, const QString& a) {
         QStringList numeros; // each result is the entry window's line unchanged
         for (const auto* item : f->findChild<QListWidget*>("QSO_Effectues")->findItems("", Qt::MatchContains)) {
             numeros << item->text().left(4).trimmed();
             QCOMPARE(item->text(), f->findChild<QListWidget*>("Liste_QSO")->item(numeros.last().toInt() - 1)->text()); }
         QCOMPARE(numeros.join(' '), a); }},
    {"page", [](QWidget* f, E&, const QString& a) {
         auto* texte = f->findChild<QTextBrowser*>("Texte");
         QCOMPARE(texte->source().fileName() + '#' + texte->source().fragment(), "Maravel_ON.hlp#" + a);
         QVERIFY(texte->toPlainText().startsWith("Maravel_ON - Mode d'emploi\n"));
         QCOMPARE(texte->verticalScrollBar()->value() == 0, a.isEmpty()); }},
    {"lien", [](QWidget* f, E&, const QString& a) {
         auto* texte = f->findChild<QTextBrowser*>(a.section(' ', 1).isEmpty() ? "Texte" : a.section(' ', 1));
         for (int i = 0; i < a.section(' ', 0, 0).toInt(); ++i) QTest::keyClick(texte, Qt::Key_Tab);
         QTest::keyClick(texte, Qt::Key_Return); }},
    {"montre", [](QWidget* f, E&, const QString& a) { QCOMPARE(f->findChild<QTextBrowser*>("WebBrowser1")->toPlainText(), a); }},
    {"autre", [](QWidget* f, E&, const QString& numero) { activation.valeurs.Num_Activite = numero;
         static_cast<Saisie_QSO*>(f)->Ouvrir_Activation(activation.valeurs); }},
    {"recue", [](QWidget*, E&, const QString& a) { reseau.page = a.toUtf8(); }},
    {"demandes", [](QWidget*, E&, const QString& a) {
         QCOMPARE(reseau.demandes, QStringList(a.section(' ', 0, 0).toInt(), a.section(' ', 1))); }},
    {"ouvertes", [](QWidget*, E& env, const QString& a) {
         QCOMPARE(reseau.ouvertes, a.contains("%D") ? QString(a).replace("%D", env.Dossier()).split(' ') : QStringList{a}); }},
    {"regle", [](QWidget*, E& env, const QString& a) { env.reglages().Ecrire(a.section('=', 0, 0), a.section('=', 1)); }},
    {"construit", [](QWidget*, E& env, const QString& a) { env.services().site = QUrl(a); }},
    {"refuse", [](QWidget*, E&, const QString&) { reseau.refuse_dossier = true; }},
    {"ressources", [](QWidget* f, E&, const QString& a) {
         auto* vue = f->findChild<QTextBrowser*>("WebBrowser1");
         for (const QString& nom : a.split(' ')) QVERIFY2(vue->loadResource(QTextDocument::ImageResource, nom).isNull(), qPrintable(nom)); }}});

} // namespace

class Test_Recherche_Aide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recherche_data() { Scenario::Lignes(Recherches); }
    void recherche() { Fenetre.Jouer(Recherches); }
    void aide_data() { Scenario::Lignes(Aides); }
    void aide() { Fenetre.Jouer(Aides); }
    void manuel_absent() {
        Mode_Emploi fenetre{QString()};
        const QString dossier = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QCOMPARE(fenetre.findChild<QTextBrowser*>("Texte")->toPlainText(), "Le mode d'emploi est introuvable.\n\n"
                 "Le fichier Maravel_ON.hlp est installé avec le programme ; il a été cherché ici :\n" + dossier +
                 "/Maravel_ON.hlp\n" + QDir::toNativeSeparators(QDir::cleanPath(dossier + "/../share/maravel-on")) +
                 "/Maravel_ON.hlp\n\nRéinstallez le programme, ou copiez ce fichier à côté de lui. Le programme "
                 "fonctionne normalement sans lui.");
        QVERIFY(!fenetre.findChild<QPushButton*>("Retour")->isEnabled());
    }
    // The program's own service: a page served on this machine, then the same address with nobody there.
    void reseau_reel() {
        QTcpServer serveur;
        QVERIFY(serveur.listen(QHostAddress::LocalHost));
        connect(&serveur, &QTcpServer::newConnection, &serveur, [&serveur] { QTcpSocket* s = serveur.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [s] { s->write("HTTP/1.0 200 OK\r\n\r\n<p>1.0.1</p>"); s->disconnectFromHost(); }); });
        const QUrl page("http://127.0.0.1:" + QString::number(serveur.serverPort()) + "/Affichage2.htm");
        Reseau_Qt reseau; QObject contexte; QStringList recues;
        const auto noter = [&recues](std::optional<QByteArray> p) { recues << (p ? QString(*p) : "hors ligne"); };
        reseau.Telecharger(page, &contexte, noter);
        QTRY_COMPARE(recues, QStringList{"<p>1.0.1</p>"});
        serveur.close();
        reseau.Telecharger(page, &contexte, noter);
        QTRY_COMPARE(recues, (QStringList{"<p>1.0.1</p>", "hors ligne"}));
    }
};
// clang-format on

QTEST_MAIN(Test_Recherche_Aide)
#include "test_recherche_aide.moc"
