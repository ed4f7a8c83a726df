// The entry window's frame: its opening state, its menus, its clock and its closing.

#include "Fenetre_Saisie.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class Test_Saisie_QSO : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre_Saisie> m;

    QStringList Horloge(int jour, int heure, int minute) {
        m->env.horloge.Regler(QDateTime(QDate(2012, 7, jour), QTime(heure, minute, 59), Qt::UTC), 120);
        m->fenetre->Timer1_Timer();
        return m->Textes({"Label37", "Label34", "Label33"});
    }

private Q_SLOTS:
    void init() { m = std::make_unique<Fenetre_Saisie>(); }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    void ouverture_sur_une_nouvelle_activation_puis_un_log_de_25_lignes() {
        m->env.Ecrire_Fichier(m->Nom_Log(), {});
        m->Ouvrir();
        QCOMPARE(m->Liste_QSO()->count(), 0);
        QCOMPARE(Fenetre_Saisie::Focus(), QStringLiteral("Indi_Q"));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        QCOMPARE(
            m->Actifs({"Dpt_Q", "Prenom_Q", "QRKR_Q", "QRKE_Q", "Observation_Q", "Valide_Q", "Recupere"}),
            QStringList{});
        QCOMPARE(m->Visibles({"Date_Q", "Heure_Q", "Label10", "Label6"}), QStringList{});
        QCOMPARE(m->Textes({"Num_Q", "Mode_Q", "Bande_Q", "QRKR_Q", "QRKE_Q", "Label1", "Label4", "Label21"}),
                 (QStringList{"1", "SSB", "3.5", "59", "59", "Assistant d'activité de F/ON4XYZ/P", "5590",
                              "Halloy"}));
        QVERIFY(m->env.messages.textes.isEmpty());
        // The list's fixed pitch keeps every column under the header.
        QVERIFY(Chasse_Fixe(m->Liste_QSO()->font()));
        QCOMPARE(m->Label("Entete")->font(), m->Liste_QSO()->font());

        const QString suite = QStringLiteral(" Château de Halloy   référence DMF-123 par F/ON4XYZ/P au log ");
        const QString cas[][3] = {{"", "Activation", "Activation" + suite + "F/ON4XYZ/P"},
                                  {"F4ABC", "Château", "Château" + suite + "F4ABC"},
                                  {"F4ABC", "", "Activation" + suite + "F4ABC"}};
        for (const auto& [logger, type, attendu] : cas) {
            m->setup.valeurs.Logger = logger;
            m->setup.valeurs.Type_Activite = type;
            m->Ouvrir();
            QCOMPARE(m->Label("Label3")->text(), attendu);
        }

        // A log of 25 lines: the last one is the current line.
        QByteArray log;
        for (int i = 1; i <= 25; ++i) {
            log += Ligne("01/03/24", qPrintable(QStringLiteral("10:%1").arg(i, 2, 10, QLatin1Char('0'))),
                         qPrintable(QStringLiteral("F%1ABC").arg(i)), "75", "JEAN", "59", "59", "SSB", "7");
        }
        m->env.Ecrire_Fichier(m->Nom_Log(), log);
        m->Ouvrir();
        QCOMPARE(m->Liste_QSO()->count(), 25);
        QCOMPARE(m->Liste_QSO()->item(0)->text(),
                 QStringLiteral("   1  ") + QString::fromLatin1(log.left(104)));
        QCOMPARE(m->Liste_QSO()->currentRow(), 24);
        QCOMPARE(QByteArray::fromStdString(m->fenetre->Ligne_Log_Selectionnee()) + "\r\n", log.right(106));
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("26"));
        QCOMPARE(Fenetre_Saisie::Focus(), QStringLiteral("Indi_Q"));
    }

    void reglages_lus_a_l_ouverture_data() {
        QTest::addColumn<QStringList>("stockes");
        QTest::addColumn<QStringList>("vus"); // mode, band, both reports, then the store after the opening
        const struct {
            const char* nom;
            QStringList stockes, vus;
        } cas[] = {
            {"CW sur 14", {"1", "4"}, {"CW", "14", "599", "599", "1", "4"}},
            {"nom CW converti", {"CW", "7"}, {"SSB", "3.5", "59", "59", "0", "1"}},
            {"nom SSB converti", {"SSB", "10"}, {"SSB", "3.5", "59", "59", "0", "1"}},
            {"texte tapé", {"-1", "-1"}, {"", "", "59", "59", "-1", "-1"}},
            {"valeur illisible", {"x", "99"}, {"SSB", "3.5", "59", "59", "x", "99"}},
        };
        for (const auto& c : cas) {
            QTest::newRow(c.nom) << c.stockes << c.vus;
        }
    }
    void reglages_lus_a_l_ouverture() {
        QFETCH(QStringList, stockes);
        m->env.reglages().Ecrire(QStringLiteral("Mode Activite"), stockes[0]);
        m->env.reglages().Ecrire(QStringLiteral("Bande Activite"), stockes[1]);
        m->Ouvrir();
        QTEST(m->Textes({"Mode_Q", "Bande_Q", "QRKR_Q", "QRKE_Q"}) +
                  m->Reglages_Lus({"Mode Activite", "Bande Activite"}),
              "vus");
    }

    // One line a menu: each item's caption, "[x]" when checked, "-" when disabled, a sub-menu's in brackets.
    // Then "Heure UTC" is checked whatever the store says, and retype is restored from it.
    void menus_dans_leur_ordre() {
        m->Ouvrir();
        const std::function<QString(QMenu*)> decrire = [&](QMenu* menu) {
            QStringList items;
            for (QAction* item : menu->actions()) {
                items << item->text() + (item->menu() ? " (" + decrire(item->menu()) + ")" : QString()) +
                             (item->isChecked() ? " [x]" : "") + (item->isEnabled() ? "" : " -");
            }
            return items.join(QStringLiteral(" | "));
        };
        QStringList vus;
        for (QAction* titre : m->fenetre->menuBar()->actions()) {
            vus << titre->text() + QStringLiteral(": ") + decrire(titre->menu());
        }
        QCOMPARE(vus, (QStringList{
                          "Fichiers: Exporter au format ADIF - | Exporter au format C_Trafic - | Quitter",
                          "Setup: QTR (Heure UTC [x] | Heure Locale) | Saisie differée (NON [x] | OUI) | "
                          "Mode Refrappe (NON [x] | OUI)",
                          "Imprimer: le log de l'activité -",
                          "Sauvegarder: le log de l'activité -",
                          "Afficher: le log de l'activité -",
                          "Etiquettes: Imprimer les étiquettes pour QSL -",
                          "Aide: Historique - | Mode d'emploi - | Mise a jour du programme - | A Ppropos -",
                      }));

        m->env.reglages().Ecrire_Booleen(QStringLiteral("Heure UTC"), false);
        m->env.reglages().Ecrire_Booleen(QStringLiteral("Mode_Refrappe"), true);
        m->Ouvrir();
        QVERIFY(m->Menu("Mnu_UTC_Oui")->isChecked());
        QVERIFY(m->Menu("Mnu_Refrappe_Oui")->isChecked());
    }

    // Two hours east of Greenwich: the local day starts two hours before the UTC one.
    void horloge_des_deux_bases_de_temps() {
        m->Ouvrir();
        QCOMPARE(Horloge(2, 23, 59), (QStringList{"23:59 Utc", "01:59 Loc", "02/07/12"}));
        QCOMPARE(m->Actifs({"Label37", "Label34"}), QStringList{"Label37"});

        m->Menu("Mnu_UTC_Non")->trigger();
        QVERIFY(!m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Heure UTC"), true));
        QCOMPARE(Horloge(2, 22, 5), (QStringList{"22:05 Utc", "00:05 Loc", "03/07/12"}));
        QCOMPARE(m->Actifs({"Label37", "Label34"}), QStringList{"Label34"});

        m->Menu("Mnu_UTC_Oui")->trigger();
        QVERIFY(m->env.Reglages_Relus().Lire_Booleen(QStringLiteral("Heure UTC"), false));
        QCOMPARE(Horloge(3, 0, 0), (QStringList{"00:00 Utc", "02:00 Loc", "03/07/12"}));
    }

    void fermeture_et_quitter_terminent_le_programme() {
        m->Ouvrir();
        m->fenetre->close();
        QCOMPARE(m->env.fins_programme, 1);
        m->Ouvrir();
        m->Menu("Mnu_Quitter")->trigger();
        QCOMPARE(m->env.fins_programme, 2);
    }
};

QTEST_MAIN(Test_Saisie_QSO)
#include "test_saisie_qso.moc"
