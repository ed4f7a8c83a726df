// Speed of the entry window on a large activation: the list rebuilt from a 10,000-QSO log, and the
// whole keystroke path of one QSO validated with "+" (duplicate look-up, first-name look-up and update
// on a 5,000-callsign memory, flushed append, list reload). Run with -median 15 for medians. In a program
// built with Hamlib, the same path with a radio that never answers, against the path with none.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"

#include <QListWidget>
#include <QTest>

#ifdef MARAVEL_HAMLIB
#include "radio/Radio_Hamlib.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTcpServer>

#include <algorithm>
#endif

namespace {

QByteArray Log_De(int nombre) {
    QByteArray log;
    log.reserve(nombre * 106);
    for (int i = 0; i < nombre; ++i) {
        const QByteArray indicatif = "F" + QByteArray::number(i % 5000) + "AB";
        log += Ligne("01/03/24 10:00 " + indicatif + " 75 JEAN 59 59 SSB " + (i % 2 ? "7" : "14") +
                     " | PORTABLE");
    }
    return log;
}

QByteArray Memoire_De(int nombre) {
    QByteArray memoire;
    for (int i = 0; i < nombre; ++i) {
        memoire += ("F" + QByteArray::number(i) + "AB").leftJustified(12, ' ') + " 75 JEAN\r\n";
    }
    return memoire;
}

#ifdef MARAVEL_HAMLIB
// The keys of one QSO, each to the field that has the focus in that window, whichever window is active.
void Frapper(QWidget* fenetre, const QString& indicatif) {
    for (const QChar c : indicatif) {
        QTest::keyClick(fenetre->focusWidget(), c.toLatin1());
    }
    QTest::keyClick(fenetre->focusWidget(), Qt::Key_Return);
    QTest::keyClick(fenetre->focusWidget(), Qt::Key_Plus, Qt::KeypadModifier);
}

template <typename T> T Mediane(std::vector<T> mesures) {
    std::nth_element(mesures.begin(), mesures.begin() + mesures.size() / 2, mesures.end());
    return mesures[mesures.size() / 2];
}
#endif

} // namespace

class Bench_Saisie : public QObject {
    Q_OBJECT

    std::unique_ptr<Environnement_Test> env;
    Activation_Test activation;
    std::unique_ptr<Saisie_QSO> fenetre;

    int Lignes() const { return fenetre->findChild<QListWidget*>(QStringLiteral("Liste_QSO"))->count(); }

private Q_SLOTS:
    void init() {
        env = std::make_unique<Environnement_Test>();
        env->Ecrire_Fichier(QStringLiteral("DMF-123.txt"), Log_De(10000));
        env->Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), Memoire_De(5000));
        fenetre = std::make_unique<Saisie_QSO>(env->services(), activation);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
        fenetre->Timer1_Timer();
    }
    void cleanup() {
        fenetre.reset();
        env.reset();
    }

    void rechargement_de_10000_qso() {
        QBENCHMARK {
            fenetre->Recharger_Liste();
        }
        QCOMPARE(Lignes(), 10000);
    }

    // A known callsign on a band where it was not worked: no question, its first name recalled and kept.
    void qso_valide_au_plus_sur_10000_qso() {
        int qso = 0;
        QBENCHMARK {
            Taper(QStringLiteral("f") + QString::number(qso++ % 5000) + QStringLiteral("ab\r[+]"));
        }
        QCOMPARE(Lignes(), 10000 + qso);
        QVERIFY(env->messages.textes.isEmpty());
    }

#ifdef MARAVEL_HAMLIB
    // The same path in two windows, one QSO in each in turn (in both orders), so that the load of a shared
    // machine weighs on both alike: this fixture's window, with no radio, and one following a rigctld that
    // takes the connection and never says a word, so that every reading waits for Hamlib's timeout.
    void qso_valide_radio_muette_contre_sans_radio() {
        constexpr int Tours = 100;
        QTcpServer muette;
        QVERIFY(muette.listen(QHostAddress::LocalHost));
        Environnement_Test env_radio;
        env_radio.Ecrire_Fichier(QStringLiteral("DMF-123.txt"), Log_De(10000));
        env_radio.Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), Memoire_De(5000));
        env_radio.reglages().Ecrire(QStringLiteral("Radio Modele"), QStringLiteral("2"));
        env_radio.reglages().Ecrire(QStringLiteral("Radio Port"),
                                    QStringLiteral("127.0.0.1:") + QString::number(muette.serverPort()));
        Radio_Hamlib radio;
        env_radio.services().radio = &radio;
        Saisie_QSO avec_radio(env_radio.services(), activation);
        avec_radio.show();
        avec_radio.Timer1_Timer();
        QTRY_VERIFY_WITH_TIMEOUT(avec_radio.findChild<QLabel*>(QStringLiteral("Etat_Radio"))
                                     ->text()
                                     .contains(QStringLiteral("pas de")),
                                 10000);

        std::vector<qint64> sans, avec;
        for (int i = 0; i < Tours; ++i) {
            const QString indicatif = QStringLiteral("f") + QString::number(i) + QStringLiteral("ab");
            for (const bool radio_d_abord : {i % 2 == 0, i % 2 != 0}) {
                QElapsedTimer chrono;
                chrono.start();
                Frapper(radio_d_abord ? static_cast<QWidget*>(&avec_radio) : fenetre.get(), indicatif);
                (radio_d_abord ? avec : sans).push_back(chrono.nsecsElapsed());
            }
        }
        QCOMPARE(Lignes(), 10000 + Tours);
        QVERIFY(env->messages.textes.isEmpty() && env_radio.messages.textes.isEmpty());
        // Each QSO with the radio against the one typed just before or after it without.
        std::vector<double> ecarts;
        for (int i = 0; i < Tours; ++i) {
            ecarts.push_back(100.0 * static_cast<double>(avec[i] - sans[i]) / static_cast<double>(sans[i]));
        }
        qInfo("QSO valide, medianes de %d : sans radio %.2f ms, radio muette %.2f ms ; ecart median par "
              "paire %+.1f %%",
              Tours, Mediane(sans) / 1e6, Mediane(avec) / 1e6, Mediane(ecarts));
    }
#endif
};

QTEST_MAIN(Bench_Saisie)
#include "bench_saisie.moc"
