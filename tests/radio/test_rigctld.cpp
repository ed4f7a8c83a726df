// A real rigctld (Hamlib's dummy behind it) on the loopback address, followed through Hamlib's network
// model as the program does: set with rigctl, two QSOs logged, then stopped while a QSO is typed, and
// started again.

#include "Scenario.h"
#include "radio/Radio_Hamlib.h"
#include "ui/Saisie_QSO.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QtWidgets>

namespace {

QString rigctld, rigctl, adresse;
QProcess* serveur = nullptr;
QElapsedTimer depuis; // the last stop or start of rigctld
std::unique_ptr<Radio_Hamlib> radio;
Activation_Test activation;
using E = Environnement_Test;

bool Ecoute() {
    QTcpSocket essai;
    essai.connectToHost(QHostAddress::LocalHost, adresse.section(':', 1).toUShort());
    return essai.waitForConnected(200);
}

void Demarrer() {
    depuis.start();
    serveur->start(rigctld, {"-m", "1", "-T", "127.0.0.1", "-t", adresse.section(':', 1)});
    QVERIFY(serveur->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Ecoute(), 5000);
}

const QString Coupee = "Radio : pas de réponse (liaison impossible ou coupée)";

// clang-format off
const std::vector<Cas> Boucle{
    // A new rigctld's dummy starts on 145 MHz FM: the first reading after reconnecting applies.
    {.nom = "suivie, arretee, reprise", .reglages = {"Radio Modele=2"},
     .etapes = {"regler 7030000 CW", "attendre 5000 Mode_Q=CW", "?Bande_Q=7", "> F1ABC\r[+]",
         "regler 14250000 USB", "attendre 5000 Mode_Q=SSB", "?Bande_Q=14", "?Etat_Radio=Radio : 14,250 MHz USB",
         "> F2ABC\r[+]", "arreter", "> G4ABC\rjohn\r", "attendre 3000 Etat_Radio=" + Coupee, "> [+]", "demarrer",
         "attendre 6000 Etat_Radio=Radio : 145,000 MHz FM"},
     .attendus = {"Bande_Q=144", "Mode_Q=FM"},
     .fichiers_apres = {{"DMF-123.txt", Ligne("01/03/24 14:25 F1ABC - - 599 599 CW 7") +
         Ligne("01/03/24 14:25 F2ABC - - 59 59 SSB 14") + Ligne("01/03/24 14:25 G4ABC - JOHN 59 59 SSB 14")}}},
};

Scenario Fenetre([](E& env) {
    radio = std::make_unique<Radio_Hamlib>();
    env.services().radio = radio.get();
    env.reglages().Ecrire("Radio Port", adresse);
    return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"demarrer", [](QWidget*, E&, const QString&) { Demarrer(); }},
    {"arreter", [](QWidget*, E&, const QString&) {
         depuis.start();
         serveur->terminate();
         QVERIFY(serveur->waitForFinished()); }},
    {"regler", [](QWidget*, E&, const QString& a) {
         QCOMPARE(QProcess::execute(rigctl, {"-m", "2", "-r", adresse, "F", a.section(' ', 0, 0), "M",
                                             a.section(' ', 1), "0"}), 0); }},
    // "attendre 3000 Nom=texte": the control shows the text within that many ms of the last stop or start.
    {"attendre", [](QWidget* f, E&, const QString& a) {
         QObject* c = f->findChild<QObject*>(a.section(' ', 1).section('=', 0, 0));
         const auto texte = [c] { auto* l = qobject_cast<QLabel*>(c);
             return l ? l->text() : qobject_cast<QComboBox*>(c)->currentText(); };
         QTRY_COMPARE_WITH_TIMEOUT(texte(), a.section(' ', 1).section('=', 1),
                                   static_cast<int>(a.section(' ', 0, 0).toLongLong() - depuis.elapsed())); }}});
// clang-format on

} // namespace

class Test_Rigctld : public QObject {
    Q_OBJECT

    QProcess m_serveur;

private Q_SLOTS:
    void initTestCase() {
        rigctld = QStandardPaths::findExecutable("rigctld");
        rigctl = QStandardPaths::findExecutable("rigctl");
        if (rigctld.isEmpty() || rigctl.isEmpty()) {
            QSKIP("rigctld or rigctl not found: install Hamlib's tools (Debian: libhamlib-utils)");
        }
        QTcpServer libre; // a port free now on the loopback address
        QVERIFY(libre.listen(QHostAddress::LocalHost));
        adresse = "127.0.0.1:" + QString::number(libre.serverPort());
        serveur = &m_serveur;
    }
    void init() { Demarrer(); }
    void cleanup() {
        radio.reset();
        m_serveur.kill();
        m_serveur.waitForFinished();
    }
    void boucle_data() { Scenario::Lignes(Boucle); }
    void boucle() { Fenetre.Jouer(Boucle); }
};

QTEST_MAIN(Test_Rigctld)
#include "test_rigctld.moc"
