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

class Test_Rigctld : public QObject {
    Q_OBJECT

    QString m_rigctld, m_rigctl, m_adresse;
    QProcess m_serveur;

    void Demarrer() {
        m_serveur.start(m_rigctld, {"-m", "1", "-T", "127.0.0.1", "-t", m_adresse.section(':', 1)});
        QVERIFY(m_serveur.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Ecoute(), 5000);
    }
    bool Ecoute() const {
        QTcpSocket essai;
        essai.connectToHost(QHostAddress::LocalHost, m_adresse.section(':', 1).toUShort());
        return essai.waitForConnected(200);
    }
    void Regler(const QString& hertz, const QString& mode) {
        QCOMPARE(QProcess::execute(m_rigctl, {"-m", "2", "-r", m_adresse, "F", hertz, "M", mode, "0"}), 0);
    }

private Q_SLOTS:
    void initTestCase() {
        m_rigctld = QStandardPaths::findExecutable("rigctld");
        m_rigctl = QStandardPaths::findExecutable("rigctl");
        if (m_rigctld.isEmpty() || m_rigctl.isEmpty()) {
            QSKIP("rigctld or rigctl not found: install Hamlib's tools (Debian: libhamlib-utils)");
        }
        QTcpServer libre; // a port free now on the loopback address
        QVERIFY(libre.listen(QHostAddress::LocalHost));
        m_adresse = "127.0.0.1:" + QString::number(libre.serverPort());
    }
    void cleanupTestCase() {
        if (m_serveur.state() != QProcess::NotRunning) {
            m_serveur.kill();
            m_serveur.waitForFinished();
        }
    }

    void suivie_arretee_reprise() {
        Demarrer();
        Environnement_Test env;
        env.reglages().Ecrire("Radio Modele", "2");
        env.reglages().Ecrire("Radio Port", m_adresse);
        Radio_Hamlib radio;
        env.services().radio = &radio;
        Activation_Test activation;
        Saisie_QSO fenetre(env.services(), activation);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        const auto* bande = fenetre.findChild<QComboBox*>("Bande_Q");
        const auto* mode = fenetre.findChild<QComboBox*>("Mode_Q");
        const auto* etat = fenetre.findChild<QLabel*>("Etat_Radio");

        Regler("7030000", "CW");
        QTRY_COMPARE_WITH_TIMEOUT(bande->currentText() + ' ' + mode->currentText(), QString("7 CW"), 5000);
        Taper("F1ABC\r[+]");
        Regler("14250000", "USB");
        QTRY_COMPARE_WITH_TIMEOUT(bande->currentText() + ' ' + mode->currentText(), QString("14 SSB"), 5000);
        QCOMPARE(etat->text(), QString("Radio : 14,250 MHz USB"));
        Taper("F2ABC\r[+]");

        QElapsedTimer arret;
        arret.start();
        m_serveur.terminate();
        QVERIFY(m_serveur.waitForFinished());
        Taper("G4ABC\rjohn\r");
        QTRY_COMPARE_WITH_TIMEOUT(etat->text(),
                                  QString("Radio : pas de réponse (liaison impossible ou coupée)"),
                                  static_cast<int>(3000 - arret.elapsed()));
        Taper("[+]");
        QCOMPARE(env.Lire_Fichier("DMF-123.txt"), Ligne("01/03/24 14:25 F1ABC - - 599 599 CW 7") +
                                                      Ligne("01/03/24 14:25 F2ABC - - 59 59 SSB 14") +
                                                      Ligne("01/03/24 14:25 G4ABC - JOHN 59 59 SSB 14"));

        // A new rigctld's dummy starts on 145 MHz FM: the first reading after reconnecting applies.
        QElapsedTimer reprise;
        reprise.start();
        Demarrer();
        QTRY_COMPARE_WITH_TIMEOUT(etat->text(), QString("Radio : 145,000 MHz FM"),
                                  static_cast<int>(6000 - reprise.elapsed()));
        QCOMPARE(bande->currentText() + ' ' + mode->currentText(), QString("144 FM"));
        QVERIFY(env.messages.textes.isEmpty());
    }
};

QTEST_MAIN(Test_Rigctld)
#include "test_rigctld.moc"
