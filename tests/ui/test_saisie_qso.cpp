// The entry window's frame: its opening state, its menus, its clock and its closing.

#include "Fenetre_Saisie.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class Test_Saisie_QSO : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m = std::make_unique<Fenetre_Saisie>(); }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    void ouverture_sur_une_nouvelle_activation() {
        m->env.Ecrire_Fichier(m->Nom_Log(), {});
        m->Ouvrir();
        QCOMPARE(m->fenetre->windowTitle(), QStringLiteral("  Maravel    Revision  1.0.0"));
        QCOMPARE(m->Liste_QSO()->count(), 0);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("1"));
        QCOMPARE(Fenetre_Saisie::Focus(), QStringLiteral("Indi_Q"));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        for (const char* nom : {"Dpt_Q", "Prenom_Q", "QRKR_Q", "QRKE_Q", "Observation_Q"}) {
            QVERIFY2(!m->Champ(nom)->isEnabled(), nom);
            QCOMPARE(Couleur(m->Champ(nom)), Jaune_Clair);
        }
        QVERIFY(!m->Bouton("Valide_Q")->isEnabled());
        QVERIFY(!m->Bouton("Recupere")->isEnabled());
        for (const char* nom : {"Date_Q", "Heure_Q"}) {
            QVERIFY(!m->Champ(nom)->isVisible());
        }
        QVERIFY(!m->Label("Label10")->isVisible());
        QVERIFY(!m->Label("Label6")->isVisible());
        QCOMPARE(m->Liste("Mode_Q")->currentText(), QStringLiteral("SSB"));
        QCOMPARE(m->Liste("Bande_Q")->currentText(), QStringLiteral("3.5"));
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("59"));
        QCOMPARE(m->Champ("QRKE_Q")->text(), QStringLiteral("59"));
        QCOMPARE(m->Label("Label1")->text(), QStringLiteral("Assistant d'activité de F/ON4XYZ/P"));
        QCOMPARE(m->Label("Label4")->text(), QStringLiteral("5590"));
        QCOMPARE(m->Label("Label21")->text(), QStringLiteral("Halloy"));
        QCOMPARE(m->Label("Label3")->text(),
                 QStringLiteral(
                     "Activation Château de Halloy   référence DMF-123 par F/ON4XYZ/P au log F/ON4XYZ/P"));
        QCOMPARE(m->Label("Entete")->text(),
                 QStringLiteral(
                     "   N°    Date     Heure   Indicatif        Dpt  Prenom        RST R    E   Mode     "
                     "Bande      Observations"));
        QCOMPARE(m->Champ("Dpt_Q")->toolTip(),
                 QStringLiteral(
                     "Si tout est correct, appuyez sur la touche \"+\", F10\", \"F11\", F12\", \"F13\"  ou "
                     "sur le bouton validez"));
        QCOMPARE(m->Bouton("Annule_Q")->text(), QStringLiteral("Annuler  une saisie"));
        QVERIFY(!m->fenetre->Mode_Edition());
        QVERIFY(!m->fenetre->Mode_Ajout());
        QVERIFY(!m->fenetre->Champ_Refrappe());
        QVERIFY(m->env.messages.textes.isEmpty());
    }

    void ouverture_sur_un_log_de_25_lignes() {
        QByteArray log;
        for (int i = 1; i <= 25; ++i) {
            log += Ligne("01/03/24", qPrintable(QStringLiteral("10:%1").arg(i, 2, 10, QLatin1Char('0'))),
                         qPrintable(QStringLiteral("F%1ABC").arg(i)), "75", "JEAN", "59", "59", "SSB", "7");
        }
        m->env.Ecrire_Fichier(m->Nom_Log(), log);
        m->Ouvrir();
        QListWidget* liste = m->Liste_QSO();
        QCOMPARE(liste->count(), 25);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("   1  ") + QString::fromLatin1(log.left(104)));
        QCOMPARE(liste->item(24)->text().left(10), QStringLiteral("  25  01/0"));
        QCOMPARE(liste->currentRow(), 24);
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("26"));
        QCOMPARE(QByteArray::fromStdString(m->fenetre->Ligne_Log_Selectionnee()) + "\r\n", log.right(106));
        QCOMPARE(QByteArray::fromStdString(m->fenetre->Ligne_Selectionnee()).left(6), QByteArray("  25  "));
        QCOMPARE(Fenetre_Saisie::Focus(), QStringLiteral("Indi_Q"));
        // The list's fixed pitch keeps every column under the header.
        QVERIFY(Chasse_Fixe(liste->font()));
        QCOMPARE(m->Label("Entete")->font(), liste->font());
    }

    void ligne_d_activation_selon_logger_et_type_data() {
        QTest::addColumn<QString>("logger");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("logger et type") << QStringLiteral("F4ABC") << QStringLiteral("Château")
                                        << QStringLiteral("Château Château de Halloy   référence DMF-123 par "
                                                          "F/ON4XYZ/P au log F4ABC");
        QTest::newRow("sans type") << QStringLiteral("F4ABC") << QString()
                                   << QStringLiteral("Activation Château de Halloy   référence DMF-123 par "
                                                     "F/ON4XYZ/P au log F4ABC");
    }
    void ligne_d_activation_selon_logger_et_type() {
        QFETCH(QString, logger);
        QFETCH(QString, type);
        QFETCH(QString, attendu);
        m->setup.valeurs.Logger = logger;
        m->setup.valeurs.Type_Activite = type;
        m->Ouvrir();
        QCOMPARE(m->Label("Label3")->text(), attendu);
    }

    void reglages_lus_a_l_ouverture_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("mode_vu");
        QTest::addColumn<QString>("bande_vue");
        QTest::addColumn<QString>("rapport");
        QTest::addColumn<QString>("mode_stocke");
        QTest::addColumn<QString>("bande_stockee");
        QTest::newRow("CW sur 14") << "1"
                                   << "4"
                                   << "CW"
                                   << "14"
                                   << "599"
                                   << "1"
                                   << "4";
        QTest::newRow("nom CW converti") << "CW"
                                         << "7"
                                         << "SSB"
                                         << "3.5"
                                         << "59"
                                         << "0"
                                         << "1";
        QTest::newRow("nom SSB converti") << "SSB"
                                          << "10"
                                          << "SSB"
                                          << "3.5"
                                          << "59"
                                          << "0"
                                          << "1";
        QTest::newRow("texte tapé") << "-1"
                                    << "-1"
                                    << ""
                                    << ""
                                    << "59"
                                    << "-1"
                                    << "-1";
        QTest::newRow("valeur illisible") << "x"
                                          << "99"
                                          << "SSB"
                                          << "3.5"
                                          << "59"
                                          << "x"
                                          << "99";
    }
    void reglages_lus_a_l_ouverture() {
        QFETCH(QString, mode);
        QFETCH(QString, bande);
        m->env.reglages().Ecrire(QStringLiteral("Mode Activite"), mode);
        m->env.reglages().Ecrire(QStringLiteral("Bande Activite"), bande);
        m->Ouvrir();
        QTEST(m->Liste("Mode_Q")->currentText(), "mode_vu");
        QTEST(m->Liste("Bande_Q")->currentText(), "bande_vue");
        QTEST(m->Champ("QRKR_Q")->text(), "rapport");
        QTEST(m->Champ("QRKE_Q")->text(), "rapport");
        QTEST(m->env.Reglages_Relus().Lire(QStringLiteral("Mode Activite")), "mode_stocke");
        QTEST(m->env.Reglages_Relus().Lire(QStringLiteral("Bande Activite")), "bande_stockee");
    }

    void heure_utc_toujours_cochee_et_refrappe_restauree() {
        m->env.reglages().Ecrire_Booleen(QStringLiteral("Heure UTC"), false);
        m->env.reglages().Ecrire_Booleen(QStringLiteral("Mode_Refrappe"), true);
        m->Ouvrir();
        QVERIFY(m->Menu("Mnu_UTC_Oui")->isChecked());
        QVERIFY(!m->Menu("Mnu_UTC_Non")->isChecked());
        QVERIFY(m->Menu("Mnu_Diff_Non")->isChecked());
        QVERIFY(m->Menu("Mnu_Refrappe_Oui")->isChecked());
        QVERIFY(!m->Menu("Mnu_Refrappe_Non")->isChecked());
    }

    void menus_dans_leur_ordre() {
        m->Ouvrir();
        QStringList vus;
        const std::function<void(QMenu*, const QString&)> parcourir = [&](QMenu* menu,
                                                                          const QString& chemin) {
            for (QAction* action : menu->actions()) {
                if (action->menu() != nullptr) {
                    parcourir(action->menu(), chemin + action->text() + QStringLiteral(" > "));
                } else {
                    vus << chemin + action->objectName() + QLatin1Char('=') + action->text() +
                               (action->isChecked() ? QStringLiteral(" [x]") : QString()) +
                               (action->isEnabled() ? QString() : QStringLiteral(" (inactif)"));
                }
            }
        };
        for (QAction* titre : m->fenetre->menuBar()->actions()) {
            parcourir(titre->menu(),
                      titre->menu()->objectName() + QLatin1Char('=') + titre->text() + QStringLiteral(" > "));
        }
        const QStringList attendus = {
            "Mnu_Fichier=Fichiers > Mnu_ADIF=Exporter au format ADIF (inactif)",
            "Mnu_Fichier=Fichiers > Mnu_C_Trafic=Exporter au format C_Trafic (inactif)",
            "Mnu_Fichier=Fichiers > Mnu_Quitter=Quitter",
            "Mnu_Setup=Setup > QTR > Mnu_UTC_Oui=Heure UTC [x]",
            "Mnu_Setup=Setup > QTR > Mnu_UTC_Non=Heure Locale",
            "Mnu_Setup=Setup > Saisie differée > Mnu_Diff_Non=NON [x]",
            "Mnu_Setup=Setup > Saisie differée > Mnu_Diff_Oui=OUI",
            "Mnu_Setup=Setup > Mode Refrappe > Mnu_Refrappe_Non=NON [x]",
            "Mnu_Setup=Setup > Mode Refrappe > Mnu_Refrappe_Oui=OUI",
            "Mnu_Imprimer=Imprimer > Mnu_Imp_Log=le log de l'activité (inactif)",
            "Mnu_Sauvegarder=Sauvegarder > Mnu_Enr_Log=le log de l'activité (inactif)",
            "Mnu_Afficher=Afficher > Mnu_Aff_Log=le log de l'activité (inactif)",
            "Mnu_Etique=Etiquettes > Mnu_Etiquettes=Imprimer les étiquettes pour QSL (inactif)",
            "Mnu_Help=Aide > Mnu_Historique=Historique (inactif)",
            "Mnu_Help=Aide > Mnu_Mode_Emploi=Mode d'emploi (inactif)",
            "Mnu_Help=Aide > Mnu_Maj=Mise a jour du programme (inactif)",
            "Mnu_Help=Aide > Mnu_A_Propos=A Ppropos (inactif)",
        };
        QCOMPARE(vus, attendus);
    }

    void horloge_vide_avant_le_premier_tic_puis_minuit_utc() {
        m->Ouvrir();
        QVERIFY(m->Label("Label37")->text().isEmpty());
        QVERIFY(m->Label("Label34")->text().isEmpty());
        QVERIFY(m->Label("Label33")->text().isEmpty());
        QVERIFY(m->fenetre->Date_Courante().empty());

        m->env.horloge.Regler(QDateTime(QDate(2012, 7, 2), QTime(23, 59, 59), Qt::UTC), 120);
        m->fenetre->Timer1_Timer();
        QCOMPARE(m->Label("Label37")->text(), QStringLiteral("23:59 Utc"));
        QCOMPARE(m->Label("Label34")->text(), QStringLiteral("01:59 Loc"));
        QCOMPARE(m->Label("Label33")->text(), QStringLiteral("02/07/12"));
        QVERIFY(m->Label("Label37")->isEnabled());
        QVERIFY(!m->Label("Label34")->isEnabled());

        m->env.horloge.Regler(QDateTime(QDate(2012, 7, 3), QTime(0, 0, 0), Qt::UTC), 120);
        m->fenetre->Timer1_Timer();
        QCOMPARE(m->Label("Label37")->text(), QStringLiteral("00:00 Utc"));
        QCOMPARE(m->Label("Label33")->text(), QStringLiteral("03/07/12"));
        QCOMPARE(m->fenetre->Date_Courante(), std::string("03/07/12"));
    }

    void heure_locale_a_l_est_de_greenwich_apres_minuit() {
        m->Ouvrir();
        m->env.horloge.Regler(QDateTime(QDate(2012, 7, 2), QTime(22, 5, 9), Qt::UTC), 180);
        m->fenetre->Timer1_Timer();
        m->Menu("Mnu_UTC_Non")->trigger();
        // The change of time base shows at the next tick.
        QVERIFY(m->Label("Label37")->isEnabled());
        m->fenetre->Timer1_Timer();
        QCOMPARE(m->Label("Label34")->text(), QStringLiteral("01:05 Loc"));
        QCOMPARE(m->Label("Label37")->text(), QStringLiteral("22:05 Utc"));
        QVERIFY(!m->Label("Label37")->isEnabled());
        QVERIFY(m->Label("Label34")->isEnabled());
        QCOMPARE(m->Label("Label33")->text(), QStringLiteral("03/07/12"));
        QVERIFY(m->Menu("Mnu_UTC_Non")->isChecked());
        QVERIFY(!m->Menu("Mnu_UTC_Oui")->isChecked());
        QVERIFY(!m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Heure UTC"), true));

        m->Menu("Mnu_UTC_Oui")->trigger();
        m->fenetre->Timer1_Timer();
        QCOMPARE(m->Label("Label33")->text(), QStringLiteral("02/07/12"));
        QVERIFY(m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Heure UTC"), false));
    }

    void fermeture_et_quitter_terminent_le_programme() {
        m->Ouvrir();
        m->fenetre->close();
        QCOMPARE(m->env.fins_programme, 1);
        m->Ouvrir();
        m->Menu("Mnu_Quitter")->trigger();
        QCOMPARE(m->env.fins_programme, 2);
    }

private:
    std::unique_ptr<Fenetre_Saisie> m;
};

QTEST_MAIN(Test_Saisie_QSO)
#include "test_saisie_qso.moc"
