// Editing the log from the entry window: edit, delete, recover and insert, with mouse and keys, checked
// on the log file byte for byte.

#include "Fenetre_Saisie.h"

#include <QAction>
#include <QTest>

using F = Fenetre_Saisie;

namespace {

QByteArray Qso(int numero, const char* date = "01/03/24", const char* observations = "PORTABLE") {
    const QByteArray heure = QStringLiteral("10:%1").arg(numero, 2, 10, QLatin1Char('0')).toLatin1();
    const QByteArray indicatif = "F" + QByteArray::number(numero) + "ABC";
    return Ligne(date, heure.constData(), indicatif.constData(), "75", "JEAN", "59", "59", "SSB", "7",
                 observations);
}

QByteArray Log_De(int nombre) {
    QByteArray log;
    for (int i = 1; i <= nombre; ++i) {
        log += Qso(i);
    }
    return log;
}

} // namespace

class Test_Saisie_Liste : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre_Saisie> m;

    void Ouvrir(const QByteArray& log) {
        m->env.Ecrire_Fichier(m->Nom_Log(), log);
        m->Ouvrir();
    }
    void Cliquer_Ligne(int numero) {
        QListWidget* liste = m->Liste_QSO();
        QListWidgetItem* item = liste->item(numero - 1);
        liste->scrollToItem(item);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
    }
    // Deletes or recovers, the question answered as given.
    void Repondre_Puis(bool oui, const char* bouton) {
        m->env.messages.Repondre(oui);
        m->Cliquer(bouton);
    }
    QString Derniere_Question() const { return m->env.messages.questions.last(); }
    // Inserts a QSO, its date and time typed without the separators, which come by themselves; returns its
    // line.
    QByteArray Inserer(const char* indicatif, QString date, QString heure) {
        m->Cliquer("Ajout_QSO");
        const QByteArray ligne =
            Ligne(qPrintable(date), qPrintable(heure), indicatif, "", "JOHN", "59", "59", "SSB", "3.5");
        F::Saisir(QString::fromLatin1(indicatif),
                  {"john", "", "", "", date.remove(u'/'), heure.remove(u':')});
        F::Entree(); // Valide_Q
        return ligne;
    }

private Q_SLOTS:
    void init() { m = std::make_unique<Fenetre_Saisie>(); }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    void edition_d_un_qso_cw_reecrit_la_meme_ligne() {
        QByteArray log = Log_De(12);
        log.replace(Qso(7),
                    Ligne("01/03/24", "10:07", "F7ABC", "75", "JEAN", "599", "599", "CW", "7", "PORTABLE"));
        Ouvrir(log);
        Cliquer_Ligne(7);
        m->Cliquer("Edite_QSO");
        QCOMPARE(m->Textes({"Num_Q", "Indi_Q", "Dpt_Q", "Prenom_Q", "QRKR_Q", "QRKE_Q", "Mode_Q", "Bande_Q",
                            "Observation_Q", "Date_Q", "Heure_Q"}),
                 (QStringList{"07", "F7ABC", "75", "JEAN", "599", "599", "CW", "7", "PORTABLE", "01/03/24",
                              "10:07"}));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));

        // Enter through every field, all opened, no duplicate warning for its own line, then "+".
        for (int i = 0; i < 7; ++i) {
            F::Entree();
        }
        QCOMPARE(F::Focus(), QStringLiteral("Heure_Q"));
        F::Plus();
        QCOMPARE(m->Log(), log);
        // The next QSOs are logged on the activation's band, mode and reports again, not the edited QSO's.
        QCOMPARE(m->Textes({"Num_Q", "Mode_Q", "Bande_Q", "QRKR_Q"}),
                 (QStringList{"13", "SSB", "3.5", "59"}));
        QVERIFY(!m->Champ("Date_Q")->isVisible());

        // Two digits need no leading zero; cancelling puts back the number the next QSO will get.
        Cliquer_Ligne(12);
        m->Cliquer("Edite_QSO");
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("12"));
        m->Cliquer("Annule_Q");
        QCOMPARE(m->Textes({"Num_Q", "Bande_Q"}), (QStringList{"13", "3.5"}));
    }

    // Of two identical QSOs, the one the edit began on, even once the other is clicked; its department of
    // two blanks shows as none.
    void edition_corrige_un_seul_qso_parmi_deux_identiques() {
        const QByteArray jumeau = Ligne("01/03/24", "10:00", "DL1ABC", "", "HANS", "59", "59", "SSB", "14");
        Ouvrir(Qso(1) + jumeau + Qso(3) + jumeau);
        m->Cliquer("Ajout_QSO"); // abandoned by the edit: the validation replaces, it does not insert
        Cliquer_Ligne(4);
        m->Cliquer("Edite_QSO");
        QVERIFY(!m->fenetre->Mode_Ajout());
        QVERIFY(m->Label("Status")->text().isEmpty());
        QCOMPARE(m->Textes({"Indi_Q", "Dpt_Q", "Prenom_Q"}), (QStringList{"DL1ABC", "", "HANS"}));
        Cliquer_Ligne(2);
        m->Remplacer_Dans("Observation_Q");
        F::Taper(QStringLiteral("qrp"));
        F::Touche(Qt::Key_F9);
        QCOMPARE(m->Log(),
                 Qso(1) + jumeau + Qso(3) +
                     Ligne("01/03/24", "10:00", "DL1ABC", "", "HANS", "59", "59", "SSB", "14", "QRP"));
    }

    // One of two identical QSOs deleted, then recovered at its place: both are back, numbers shifted.
    void suppression_puis_recuperation_a_sa_place() {
        Ouvrir(Qso(1) + Qso(2) + Qso(3) + Qso(3) + Qso(4));
        Cliquer_Ligne(4);
        Repondre_Puis(true, "Efface_QSO");
        QCOMPARE(Derniere_Question(), QStringLiteral("Voulez vous effacer le QSO avec F3ABC ?"));
        QCOMPARE(m->Log(), Log_De(4));
        QCOMPARE(m->Liste_QSO()->currentRow(), 3);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("5"));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QVERIFY(m->Bouton("Recupere")->isEnabled());

        Repondre_Puis(true, "Recupere");
        QCOMPARE(Derniere_Question(),
                 QStringLiteral("Voulez vous recuperer le QSO avec F3ABC a 10:03 sur 7 Mhz en SSB"));
        QCOMPARE(m->Log(), Qso(1) + Qso(2) + Qso(3) + Qso(3) + Qso(4));
        QCOMPARE(m->Liste_QSO()->item(4)->text().left(28), QStringLiteral("   5  01/03/24  10:04  F4ABC"));
        QCOMPARE(m->Liste_QSO()->currentRow(), 4);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("6"));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());
    }

    void suppression_refusee_active_quand_meme_la_recuperation() {
        Ouvrir(Log_De(3));
        Repondre_Puis(false, "Efface_QSO");
        QVERIFY(m->Bouton("Recupere")->isEnabled());
        // A delete that fails (the log changed on the disk since the load) leaves nothing to recover.
        m->env.Ecrire_Fichier(m->Nom_Log(), Log_De(2));
        Repondre_Puis(true, "Efface_QSO");
        QVERIFY(m->env.messages.textes.last().startsWith(QStringLiteral("Ce QSO n'est plus à sa place")));
        m->Cliquer("Recupere");
        QCOMPARE(m->env.messages.textes.last(),
                 QStringLiteral(
                     "Aucun QSO à récupérer : aucun QSO n'a été supprimé depuis l'ouverture du programme."));
        QCOMPARE(m->Log(), Log_De(2));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());

        // Once one is deleted, a later delete answered No leaves it recoverable; recovery answered No.
        Repondre_Puis(true, "Efface_QSO");
        Repondre_Puis(false, "Efface_QSO");
        Repondre_Puis(false, "Recupere");
        QCOMPARE(Derniere_Question(),
                 QStringLiteral("Voulez vous recuperer le QSO avec F2ABC a 10:02 sur 7 Mhz en SSB"));
        QCOMPARE(m->Log(), Qso(1));

        // The only QSO deleted: there is no current line any more.
        Repondre_Puis(true, "Efface_QSO");
        QCOMPARE(m->Log(), QByteArray());
        m->Cliquer("Edite_QSO");
        QCOMPARE(m->env.messages.textes.last(), QStringLiteral("Cliquez sur une ligne pour la modifier"));
    }

    // Each QSO goes before the first one of the same moment or later: into an empty log, 1999 before
    // 2000, before an equal moment, after the last.
    void insertion_a_sa_place_dans_le_temps() {
        Ouvrir({});
        // No current line yet: the buttons say so.
        m->Cliquer("Edite_QSO");
        m->Cliquer("Efface_QSO");
        QCOMPARE(m->env.messages.textes, (QStringList{"Cliquez sur une ligne pour la modifier",
                                                      "Cliquez sur une ligne pour l'annuler"}));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());
        const QByteArray a = Inserer("G4AAA", "01/01/00", "10:02");
        QVERIFY(!m->fenetre->Mode_Ajout());
        QVERIFY(m->Label("Status")->text().isEmpty());
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        const QByteArray b = Inserer("G4BBB", "31/12/99", "23:59");
        const QByteArray c = Inserer("G4CCC", "01/01/00", "10:02");
        const QByteArray d = Inserer("G4DDD", "02/01/00", "08:00");
        QCOMPARE(m->Log(), b + c + a + d);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("5"));
        m->Cliquer("Ajout_QSO");
        QCOMPARE(m->Label("Status")->text(), QStringLiteral("Mode Ajout d'un QSO"));
    }

    void refrappe_pendant_l_edition() {
        Ouvrir(Qso(1) + Qso(2));
        m->Menu("Mnu_Refrappe_Oui")->trigger();
        QVERIFY(m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Mode_Refrappe"), false));
        m->Cliquer("Edite_QSO");
        F::Taper(QStringLiteral("g"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("G"));
        F::Taper(QStringLiteral("4abc"));
        F::Entree();
        // Enter without typing keeps the old value; the first key of the remarks, Enter, empties them.
        for (int i = 0; i < 4; ++i) {
            F::Entree();
        }
        QVERIFY(m->Champ("Observation_Q")->text().isEmpty());
        QCOMPARE(F::Focus(), QStringLiteral("Date_Q"));
        F::Entree();
        F::Taper(QStringLiteral("1130"));
        F::Entree();
        F::Entree();
        QCOMPARE(m->Log(),
                 Qso(1) + Ligne("01/03/24", "11:30", "G4ABC", "75", "JEAN", "59", "59", "SSB", "7"));

        // A new QSO is typed as usual with retype on (the first key keeps a recalled first name); off, an
        // edit appends to the old text.
        F::Saisir(QStringLiteral("g4abc"));
        F::Taper(QStringLiteral("s"));
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("JEANs"));
        m->Cliquer("Annule_Q");
        m->Menu("Mnu_Refrappe_Non")->trigger();
        m->Cliquer("Edite_QSO");
        F::Touche(Qt::Key_End);
        F::Taper(QStringLiteral("p"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("G4ABCP"));
    }

    void edition_apres_une_recuperation_qui_decale_les_numeros() {
        Ouvrir(Log_De(4));
        Cliquer_Ligne(2);
        Repondre_Puis(true, "Efface_QSO");
        Cliquer_Ligne(3); // F4ABC, now line 3
        m->Cliquer("Edite_QSO");
        Repondre_Puis(true, "Recupere"); // F4ABC moves to line 4 under the edit
        m->Remplacer_Dans("Observation_Q");
        F::Taper(QStringLiteral("qrp"));
        F::Plus();
        QCOMPARE(m->Log(), Log_De(3) + Qso(4, "01/03/24", "QRP"));
    }
};

QTEST_MAIN(Test_Saisie_Liste)
#include "test_saisie_liste.moc"
