// Speed of the entry window on a large activation: the list rebuilt from a 10,000-QSO log, and the
// whole keystroke path of one QSO validated with "+" (duplicate look-up, first-name look-up and update
// on a 5,000-callsign memory, flushed append, list reload). Run with -median 15 for medians.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"

#include <QListWidget>
#include <QTest>

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
};

QTEST_MAIN(Bench_Saisie)
#include "bench_saisie.moc"
