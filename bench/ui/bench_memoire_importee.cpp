// The keystroke path of one QSO once the first-name memory has been filled from years of another logger's
// contacts: 50,000 stations, a log of 1,000 or 10,000 QSOs, a known callsign typed, its first name recalled,
// "+" to validate (duplicate look-up, memory look-up and update, flushed append, list reload). Run with
// -median 15 for medians.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"

#include <QListWidget>
#include <QTest>

class Bench_Memoire_Importee : public QObject {
    Q_OBJECT

    std::unique_ptr<Environnement_Test> env;
    Activation_Test activation;
    std::unique_ptr<Saisie_QSO> fenetre;

    void Ouvrir(int qso_log) {
        env = std::make_unique<Environnement_Test>();
        QByteArray log, memoire;
        for (int i = 0; i < qso_log; ++i) {
            log += Ligne("01/03/24 10:00 F" + QByteArray::number(i) + "AB 75 JEAN 59 59 SSB 7 | PORTABLE");
        }
        for (int i = 0; i < 50000; ++i) {
            memoire += ("F" + QByteArray::number(i) + "AB").leftJustified(12, ' ') + " 75 JEAN\r\n";
        }
        env->Ecrire_Fichier(QStringLiteral("DMF-123.txt"), log);
        env->Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), memoire);
        fenetre = std::make_unique<Saisie_QSO>(env->services(), activation);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
        fenetre->Timer1_Timer();
    }

private Q_SLOTS:
    void cleanup() {
        fenetre.reset();
        env.reset();
    }

    // Callsigns known to the memory, not yet in the log: no question, the first name recalled and kept.
    // The log's size is what the rest of the path depends on: a large activation, and the largest.
    void qso_valide_memoire_de_50000_stations_data() {
        QTest::addColumn<int>("qso_log");
        QTest::newRow("log de 1000 QSO") << 1000;
        QTest::newRow("log de 10000 QSO") << 10000;
    }
    void qso_valide_memoire_de_50000_stations() {
        QFETCH(int, qso_log);
        Ouvrir(qso_log);
        int qso = 0;
        QBENCHMARK {
            Taper(QStringLiteral("f") + QString::number(20000 + qso++) + QStringLiteral("ab\r[+]"));
        }
        QCOMPARE(fenetre->findChild<QListWidget*>(QStringLiteral("Liste_QSO"))->count(), qso_log + qso);
        QVERIFY(env->messages.textes.isEmpty());
    }
};

QTEST_MAIN(Bench_Memoire_Importee)
#include "bench_memoire_importee.moc"
