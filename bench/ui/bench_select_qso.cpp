// Speed of the label selection window on a large activation: a 10,000-QSO log in shuffled callsign order,
// read, sorted, filled, shown and painted once. Run with -median 15 for medians.

#include "Scenario.h"
#include "ui/Select_QSO.h"

#include <QListWidget>
#include <QTest>

class Bench_Select_QSO : public QObject {
    Q_OBJECT

    Environnement_Test env;
    Activation_Test activation;

private Q_SLOTS:
    void initTestCase() {
        QByteArray log;
        for (int i = 0; i < 10000; ++i) {
            log += Ligne("01/03/24 10:00 F" + QByteArray::number((i * 7919) % 10000) +
                         "AB 75 JEAN 59 59 SSB " + (i % 2 ? "7" : "14") + " | PORTABLE");
        }
        env.Ecrire_Fichier(QStringLiteral("DMF-123.txt"), log);
    }

    void selection_de_10000_qso() {
        int lignes = 0;
        QBENCHMARK {
            Select_QSO fenetre(env.services(), [this] { return activation.valeurs; });
            fenetre.show();
            fenetre.repaint();
            lignes = fenetre.findChild<QListWidget*>(QStringLiteral("Liste_QSO"))->count();
        }
        QCOMPARE(lignes, 10000);
    }
};

QTEST_MAIN(Bench_Select_QSO)
#include "bench_select_qso.moc"
