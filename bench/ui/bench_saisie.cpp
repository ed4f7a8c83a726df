// Speed of the entry window on a large activation: the list rebuilt from a 10,000-QSO log, and the
// whole keystroke path of one QSO validated with "+" (duplicate look-up, first-name look-up and update
// on a 5,000-callsign memory, flushed append, list reload). Run with -median 15 for medians.

#include "Fenetre_Saisie.h"

#include <QTest>

namespace {

QByteArray Log_De(int nombre) {
    QByteArray log;
    log.reserve(nombre * 106);
    for (int i = 0; i < nombre; ++i) {
        const QByteArray indicatif = "F" + QByteArray::number(i % 5000) + "AB";
        log += Ligne("01/03/24", "10:00", indicatif.constData(), "75", "JEAN", "59", "59", "SSB",
                     i % 2 ? "7" : "14", "PORTABLE");
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

    std::unique_ptr<Fenetre_Saisie> m;

private Q_SLOTS:
    void init() {
        m = std::make_unique<Fenetre_Saisie>();
        m->env.Ecrire_Fichier(m->Nom_Log(), Log_De(10000));
        m->env.Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), Memoire_De(5000));
        m->Ouvrir();
        m->fenetre->Timer1_Timer();
    }
    void cleanup() { m.reset(); }

    void rechargement_de_10000_qso() {
        QBENCHMARK {
            m->fenetre->Recharger_Liste();
        }
        QCOMPARE(m->Liste_QSO()->count(), 10000);
    }

    // A known callsign on a band where it was not worked: no question, its first name recalled and kept.
    void qso_valide_au_plus_sur_10000_qso() {
        int qso = 0;
        QBENCHMARK {
            Fenetre_Saisie::Taper(QStringLiteral("f") + QString::number(qso++ % 5000) + QStringLiteral("ab"));
            Fenetre_Saisie::Entree();
            Fenetre_Saisie::Plus();
        }
        QCOMPARE(m->Liste_QSO()->count(), 10000 + qso);
        QVERIFY(m->env.messages.textes.isEmpty());
    }
};

QTEST_MAIN(Bench_Saisie)
#include "bench_saisie.moc"
