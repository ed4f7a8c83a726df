// Editing the log from the entry window: edit, delete, recover and insert, with mouse and keys, checked
// on the log file byte for byte.

#include "Fenetre_Saisie.h"

#include <QAction>
#include <QTest>

using F = Fenetre_Saisie;

namespace {

QByteArray Qso(int numero, const char* date = "01/03/24", const char* mode = "SSB", const char* rst = "59") {
    const QByteArray heure = QStringLiteral("10:%1").arg(numero, 2, 10, QLatin1Char('0')).toLatin1();
    const QByteArray indicatif = "F" + QByteArray::number(numero) + "ABC";
    return Ligne(date, heure.constData(), indicatif.constData(), "75", "JEAN", rst, rst, mode, "7",
                 "PORTABLE");
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
    void Cliquer(const char* bouton) { QTest::mouseClick(m->Bouton(bouton), Qt::LeftButton); }

private Q_SLOTS:
    void init() { m = std::make_unique<Fenetre_Saisie>(); }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    void edition_d_un_qso_cw_reecrit_la_meme_ligne() {
        QByteArray log = Log_De(12);
        log.replace(Qso(7), Qso(7, "01/03/24", "CW", "599"));
        Ouvrir(log);
        Cliquer_Ligne(7);
        QCOMPARE(m->fenetre->Ligne_Selectionnee().substr(0, 6), std::string("   7  "));
        Cliquer("Edite_QSO");
        QVERIFY(m->fenetre->Mode_Edition());
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("07"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F7ABC"));
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("599"));
        QCOMPARE(m->Champ("QRKE_Q")->text(), QStringLiteral("599"));
        QCOMPARE(m->Liste("Mode_Q")->currentText(), QStringLiteral("CW"));
        QCOMPARE(m->Liste("Bande_Q")->currentText(), QStringLiteral("7"));
        QCOMPARE(m->Champ("Observation_Q")->text(), QStringLiteral("PORTABLE"));
        QVERIFY(m->Champ("Date_Q")->isVisible());
        QCOMPARE(m->Champ("Date_Q")->text(), QStringLiteral("01/03/24"));
        QCOMPARE(m->Champ("Heure_Q")->text(), QStringLiteral("10:07"));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);

        // Enter through every field, no duplicate warning for its own line, then the button.
        for (int i = 0; i < 8; ++i) {
            F::Entree();
        }
        QCOMPARE(F::Focus(), QStringLiteral("Valide_Q"));
        F::Entree();
        QCOMPARE(m->Log(), log);
        QVERIFY(!m->fenetre->Mode_Edition());
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("13"));
        // The next QSOs are logged on the activation's band and mode again, not on the edited QSO's.
        QCOMPARE(m->Liste("Mode_Q")->currentText(), QStringLiteral("SSB"));
        QCOMPARE(m->Liste("Bande_Q")->currentText(), QStringLiteral("3.5"));
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("59"));
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("Liste_Prenom.txt")),
                 QByteArray("F7ABC        75 JEAN\r\n"));

        // Two digits need no leading zero.
        Cliquer_Ligne(12);
        Cliquer("Edite_QSO");
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("12"));
        // Cancelling the edit puts back the number the next QSO will get.
        Cliquer("Annule_Q");
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("13"));
        QCOMPARE(m->Liste("Bande_Q")->currentText(), QStringLiteral("3.5"));
    }

    void edition_corrige_un_seul_qso_parmi_deux_identiques() {
        const QByteArray twin = Qso(2);
        Ouvrir(Qso(1) + twin + Qso(3) + twin);
        Cliquer_Ligne(4);
        Cliquer("Edite_QSO");
        QTest::mouseClick(m->Champ("Observation_Q"), Qt::LeftButton);
        m->Champ("Observation_Q")->selectAll();
        F::Taper(QStringLiteral("qrp"));
        F::Touche(Qt::Key_F9);
        QCOMPARE(m->Log(),
                 Qso(1) + twin + Qso(3) +
                     Ligne("01/03/24", "10:02", "F2ABC", "75", "JEAN", "59", "59", "SSB", "7", "QRP"));
    }

    void departement_de_deux_blancs_rendu_vide() {
        Ouvrir(Ligne("01/03/24", "10:00", "DL1ABC", "", "HANS", "59", "59", "SSB", "14"));
        Cliquer("Edite_QSO"); // the last line is current from the load
        QVERIFY(m->Champ("Dpt_Q")->text().isEmpty());
        QVERIFY(m->Champ("Dpt_Q")->isEnabled());
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("HANS"));
    }

    void suppression_puis_recuperation_a_sa_place() {
        Ouvrir(Log_De(5));
        Cliquer_Ligne(3);
        m->env.messages.Repondre(true);
        Cliquer("Efface_QSO");
        QCOMPARE(m->env.messages.questions.last(), QStringLiteral("Voulez vous effacer le QSO avec F3ABC ?"));
        QCOMPARE(m->Log(), Qso(1) + Qso(2) + Qso(4) + Qso(5));
        QCOMPARE(m->Liste_QSO()->count(), 4);
        QCOMPARE(m->Liste_QSO()->currentRow(), 3);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("5"));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QVERIFY(m->Bouton("Recupere")->isEnabled());

        m->env.messages.Repondre(true);
        Cliquer("Recupere");
        QCOMPARE(m->env.messages.questions.last(),
                 QStringLiteral("Voulez vous recuperer le QSO avec F3ABC a 10:03 sur 7 Mhz en SSB"));
        QCOMPARE(m->Log(), Log_De(5));
        QCOMPARE(m->Liste_QSO()->item(3)->text().left(20), QStringLiteral("   4  01/03/24  10:0"));
        QCOMPARE(m->Liste_QSO()->item(2)->text().mid(23, 5), QStringLiteral("F3ABC"));
        QCOMPARE(m->Liste_QSO()->currentRow(), 4);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("6"));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());
    }

    void suppression_refusee_active_quand_meme_la_recuperation() {
        Ouvrir(Log_De(3));
        m->env.messages.Repondre(false);
        Cliquer("Efface_QSO");
        QCOMPARE(m->Log(), Log_De(3));
        QVERIFY(m->Bouton("Recupere")->isEnabled());
        // Nothing was deleted in this run: said plainly, nothing written.
        Cliquer("Recupere");
        QCOMPARE(m->env.messages.textes.last(),
                 QStringLiteral(
                     "Aucun QSO à récupérer : aucun QSO n'a été supprimé depuis l'ouverture du programme."));
        QCOMPARE(m->Log(), Log_De(3));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());

        // Once one is deleted, a later delete answered No makes it recoverable again.
        m->env.messages.Repondre(true);
        Cliquer("Efface_QSO");
        m->env.messages.Repondre(false);
        Cliquer("Efface_QSO");
        m->env.messages.Repondre(false);
        Cliquer("Recupere");
        QCOMPARE(m->env.messages.questions.last(),
                 QStringLiteral("Voulez vous recuperer le QSO avec F3ABC a 10:03 sur 7 Mhz en SSB"));
        QCOMPARE(m->Log(), Qso(1) + Qso(2));
        QVERIFY(!m->Bouton("Recupere")->isEnabled());
    }

    void deux_qso_identiques_un_seul_efface_les_deux_recuperes() {
        const QByteArray twin = Qso(2);
        Ouvrir(Qso(1) + twin + twin + Qso(3));
        Cliquer_Ligne(3);
        m->env.messages.Repondre(true);
        Cliquer("Efface_QSO");
        QCOMPARE(m->Log(), Qso(1) + twin + Qso(3));
        m->env.messages.Repondre(true);
        Cliquer("Recupere");
        QCOMPARE(m->Log(), Qso(1) + twin + twin + Qso(3));
    }

    void sans_ligne_courante_les_boutons_le_disent() {
        Ouvrir({});
        Cliquer("Edite_QSO");
        Cliquer("Efface_QSO");
        QCOMPARE(m->env.messages.textes, (QStringList{"Cliquez sur une ligne pour la modifier",
                                                      "Cliquez sur une ligne pour l'annuler"}));
        QVERIFY(!m->fenetre->Mode_Edition());
        QVERIFY(!m->Bouton("Recupere")->isEnabled());

        // The only QSO deleted: the list is empty and there is no current line any more.
        m->env.Ecrire_Fichier(m->Nom_Log(), Qso(1));
        m->Ouvrir();
        m->env.messages.Repondre(true);
        Cliquer("Efface_QSO");
        QCOMPARE(m->Log(), QByteArray());
        Cliquer("Edite_QSO");
        QCOMPARE(m->env.messages.textes.last(), QStringLiteral("Cliquez sur une ligne pour la modifier"));
    }

    void insertion_a_sa_place_dans_le_temps_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<int>("place"); // line of the inserted QSO, from 0
        const QByteArray an_2000 = Qso(1, "01/01/00") + Qso(2, "01/01/00");
        QTest::newRow("1999 avant 2000") << an_2000 << "311299"
                                         << "2359" << 0;
        QTest::newRow("même moment avant") << Log_De(3) << "010324"
                                           << "1002" << 1;
        QTest::newRow("après le dernier") << Log_De(3) << "020324"
                                          << "0800" << 3;
        QTest::newRow("log vide") << QByteArray() << "010324"
                                  << "1200" << 0;
    }
    void insertion_a_sa_place_dans_le_temps() {
        QFETCH(QByteArray, log);
        QFETCH(QString, date);
        QFETCH(QString, heure);
        QFETCH(int, place);
        Ouvrir(log);
        Cliquer("Ajout_QSO");
        QVERIFY(m->fenetre->Mode_Ajout());
        QCOMPARE(m->Label("Status")->text(), QStringLiteral("Mode Ajout d'un QSO"));
        QVERIFY(m->Champ("Heure_Q")->isVisible());
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        F::Taper(QStringLiteral("g4abc"));
        F::Entree();
        for (const char* texte : {"john", "", "", ""}) {
            F::Taper(QString::fromLatin1(texte));
            F::Entree();
        }
        QCOMPARE(F::Focus(), QStringLiteral("Date_Q"));
        F::Taper(date);
        F::Entree();
        F::Taper(heure);
        F::Entree();
        F::Entree(); // Valide_Q
        QList<QByteArray> lignes = log.split('\n');
        lignes.removeLast();
        for (QByteArray& ligne : lignes) {
            ligne += '\n';
        }
        const QString date_tapee =
            date.left(2) + QLatin1Char('/') + date.mid(2, 2) + QLatin1Char('/') + date.right(2);
        const QString heure_tapee = heure.left(2) + QLatin1Char(':') + heure.right(2);
        lignes.insert(place, Ligne(qPrintable(date_tapee), qPrintable(heure_tapee), "G4ABC", "", "JOHN", "59",
                                   "59", "SSB", "3.5"));
        QCOMPARE(m->Log(), lignes.join());
        QVERIFY(!m->fenetre->Mode_Ajout());
        QVERIFY(m->Label("Status")->text().isEmpty());
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        QCOMPARE(m->Champ("Num_Q")->text(), QString::number(lignes.size() + 1));
        QCOMPARE(m->Liste_QSO()->currentRow(), lignes.size() - 1);
    }

    void refrappe_pendant_l_edition() {
        Ouvrir(Qso(1) + Qso(2));
        m->Menu("Mnu_Refrappe_Oui")->trigger();
        QVERIFY(m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Mode_Refrappe"), false));
        Cliquer("Edite_QSO");
        F::Taper(QStringLiteral("g"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("G"));
        F::Taper(QStringLiteral("4abc"));
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Prenom_Q"));
        // Enter without typing keeps the old value; the first key of the remarks, Enter, empties them.
        F::Entree();
        F::Entree();
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Observation_Q"));
        F::Entree();
        QVERIFY(m->Champ("Observation_Q")->text().isEmpty());
        QCOMPARE(F::Focus(), QStringLiteral("Date_Q"));
        F::Entree();
        F::Taper(QStringLiteral("1130"));
        F::Entree();
        F::Entree();
        QCOMPARE(m->Log(),
                 Qso(1) + Ligne("01/03/24", "11:30", "G4ABC", "75", "JEAN", "59", "59", "SSB", "7"));

        // A new QSO is typed as usual with retype on; off, an edit appends to the old text.
        F::Taper(QStringLiteral("on4"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("ON4"));
        Cliquer("Annule_Q");
        m->Menu("Mnu_Refrappe_Non")->trigger();
        Cliquer("Edite_QSO");
        F::Touche(Qt::Key_End);
        F::Taper(QStringLiteral("p"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("G4ABCP"));
    }

    void edition_apres_une_recuperation_qui_decale_les_numeros() {
        Ouvrir(Log_De(4));
        Cliquer_Ligne(2);
        m->env.messages.Repondre(true);
        Cliquer("Efface_QSO");
        Cliquer_Ligne(3); // F4ABC, now line 3
        Cliquer("Edite_QSO");
        m->env.messages.Repondre(true);
        Cliquer("Recupere"); // F4ABC moves to line 4 under the edit
        QTest::mouseClick(m->Champ("Observation_Q"), Qt::LeftButton);
        m->Champ("Observation_Q")->selectAll();
        F::Taper(QStringLiteral("qrp"));
        F::Plus();
        QCOMPARE(m->Log(),
                 Qso(1) + Qso(2) + Qso(3) +
                     Ligne("01/03/24", "10:04", "F4ABC", "75", "JEAN", "59", "59", "SSB", "7", "QRP"));
    }
};

QTEST_MAIN(Test_Saisie_Liste)
#include "test_saisie_liste.moc"
