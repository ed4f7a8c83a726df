// QSO entry from the keyboard: fields, callsign check, first-name memory, validation, cancel and the
// entry modes, checked on the files byte for byte.

#include "Fenetre_Saisie.h"

#include <QAction>
#include <QDir>
#include <QTest>

using F = Fenetre_Saisie;

class Test_Saisie_Champs : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre_Saisie> m;

    void Horloge(int jour, int heure, int minute, int decalage = 0) {
        m->env.horloge.Regler(QDateTime(QDate(2024, 3, jour), QTime(heure, minute, 7), Qt::UTC), decalage);
        m->fenetre->Timer1_Timer();
    }
    QStringList Messages() const { return m->env.messages.textes; }
    // After the first QSO: an empty callsign to type, the other fields closed.
    void Pret_Pour_Le_Suivant() {
        QCOMPARE(m->Textes({"Num_Q", "Indi_Q", "Dpt_Q", "Prenom_Q", "Observation_Q"}),
                 (QStringList{"2", "", "", "", ""}));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        QVERIFY(!m->Bouton("Valide_Q")->isEnabled());
        for (const char* nom : {"Dpt_Q", "Prenom_Q", "QRKR_Q", "QRKE_Q", "Observation_Q"}) {
            QVERIFY2(!m->Champ(nom)->isEnabled() && Couleur(m->Champ(nom)) == Jaune_Clair, nom);
        }
    }

private Q_SLOTS:
    void init() {
        m = std::make_unique<Fenetre_Saisie>();
        m->env.Ecrire_Fichier(m->Nom_Log(), {});
    }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    // Each field refuses at Enter what its column cannot hold and keeps the focus, then takes the widest
    // text that fits and opens the next one.
    void qso_en_direct_utc_du_clavier_jusqu_au_bouton() {
        m->Ouvrir();
        Horloge(1, 14, 25);
        const QString dpt = QStringLiteral("2 caractères pour le département");
        const QString maxi_3 = QStringLiteral("3 caracteres maxi");
        const QString observations = QStringLiteral("qrp au château de halloy, 5 w.");
        const struct {
            QString texte, message; // no message: accepted
            const char* suivant;
        } pas[] = {
            {"", "Entrez un indicatif", "Indi_Q"},
            {"f1abcdefghijk", "12 caracteres maxi", "Indi_Q"},
            {"f1abcdefghij", {}, "Dpt_Q"},
            {"7", dpt, "Dpt_Q"},
            {"751", dpt, "Dpt_Q"},
            {"75", {}, "Prenom_Q"},
            {"Marie-Christine1", "15 caracteres maxi", "Prenom_Q"},
            {"Marie-Christine", {}, "QRKR_Q"},
            {"5799", maxi_3, "QRKR_Q"},
            {"579", {}, "QRKE_Q"},
            {"5999", maxi_3, "QRKE_Q"},
            {"599", {}, "Observation_Q"},
            {observations + u'x', "30 caracteres maxi", "Observation_Q"},
            {observations, {}, "Valide_Q"},
        };
        for (const auto& [texte, message, suivant] : pas) {
            const QString champ = F::Focus();
            QLineEdit* cible = m->Champ(qPrintable(champ));
            cible->selectAll();
            m->env.messages.textes.clear();
            F::Taper(texte);
            F::Entree();
            QCOMPARE(Messages(), message.isEmpty() ? QStringList{} : QStringList{message});
            QCOMPARE(F::Focus(), QString::fromLatin1(suivant));
            QVERIFY2(message.isEmpty() == (Couleur(cible) == Jaune_Clair), qPrintable(texte));
        }
        F::Entree(); // on the button
        QCOMPARE(m->Log(), Ligne("01/03/24", "14:25", "F1ABCDEFGHIJ", "75", "MARIE-CHRISTINE", "579", "599",
                                 "SSB", "3.5", "QRP AU CH\xC2TEAU DE HALLOY, 5 W."));
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("Liste_Prenom.txt")),
                 QByteArray("F1ABCDEFGHIJ 75 MARIE-CHRISTINE\r\n"));
        QCOMPARE(m->Liste_QSO()->currentRow(), 0);
        Pret_Pour_Le_Suivant();
        QVERIFY(Messages().isEmpty());

        // A cancel leaves the window as a validation does, with nothing written.
        F::Saisir(QStringLiteral("F2ABC"), {QStringLiteral("75"), QStringLiteral("jean")});
        m->Cliquer("Annule_Q");
        Pret_Pour_Le_Suivant();
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        QCOMPARE(m->Log().count('\n'), 1);
    }

    // Validated before the clock's first tick, in local time an hour east of Greenwich just after midnight.
    void qso_en_heure_locale_avant_le_premier_tic() {
        m->Ouvrir();
        m->Menu("Mnu_UTC_Non")->trigger();
        m->env.horloge.Regler(QDateTime(QDate(2024, 3, 1), QTime(23, 30, 0), Qt::UTC), 60);
        F::Saisir(QStringLiteral("ON4ABC"), {QStringLiteral("Luc")});
        F::Touche(Qt::Key_F9);
        // Back to UTC between two ticks: date and time still come from the one base the clock last read.
        m->Menu("Mnu_UTC_Oui")->trigger();
        F::Saisir(QStringLiteral("G4ABC"), {});
        F::Touche(Qt::Key_F9);
        QCOMPARE(m->Log(), Ligne("02/03/24", "00:30", "ON4ABC", "", "LUC", "59", "59", "SSB", "3.5") +
                               Ligne("02/03/24", "00:30", "G4ABC", "", "", "59", "59", "SSB", "3.5"));
    }

    void saisie_differee_avec_separateurs_automatiques() {
        m->Ouvrir();
        m->Menu("Mnu_Diff_Oui")->trigger();
        QCOMPARE(m->Visibles({"Date_Q", "Heure_Q", "Label10", "Label6"}).size(), 4);
        F::Saisir(QStringLiteral("DL1ABC"), {QStringLiteral("hans"), {}, {}, {}});
        QCOMPARE(F::Focus(), QStringLiteral("Date_Q"));
        // A refused date is emptied; a refused time stays to be corrected.
        F::Taper(QStringLiteral("1/3/24"));
        F::Entree();
        QVERIFY(m->Champ("Date_Q")->text().isEmpty());
        F::Taper(QStringLiteral("010324"));
        F::Entree();
        QCOMPARE(m->Reglages_Lus({"Date Activite"}), QStringList{"01/03/24"});
        F::Taper(QStringLiteral("14h25"));
        F::Entree();
        QCOMPARE(m->Champ("Heure_Q")->text(), QStringLiteral("14:h25"));
        m->Champ("Heure_Q")->selectAll();
        F::Taper(QStringLiteral("1425"));
        F::Entree();
        QCOMPARE(Messages(),
                 (QStringList{"Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques",
                              "Attention le format de l'heure doit etre hhmm les ':' sont automatique"}));
        QCOMPARE(F::Focus(), QStringLiteral("Valide_Q"));
        F::Touche(Qt::Key_Space);
        QCOMPARE(m->Log(), Ligne("01/03/24", "14:25", "DL1ABC", "", "HANS", "59", "59", "SSB", "3.5"));
        // The next QSO of the same day keeps its date, also when cancelled; its time is typed afresh.
        F::Saisir(QStringLiteral("G4ABC"));
        m->Cliquer("Annule_Q");
        QCOMPARE(m->Textes({"Date_Q", "Heure_Q"}), (QStringList{"01/03/24", ""}));
        QVERIFY(m->Champ("Heure_Q")->isVisible());
        // Deferred entry off empties and hides; on again shows it empty.
        m->Menu("Mnu_Diff_Non")->trigger();
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        m->Menu("Mnu_Diff_Oui")->trigger();
        QCOMPARE(m->Textes({"Date_Q"}), QStringList{""});
    }

    // Each Enter stores the list's index (-1 for a typed text, case counting) and the mode's reports.
    void bande_et_mode_avec_leurs_reglages() {
        m->Ouvrir();
        const auto choisir = [this](const char* nom, const char* texte) {
            m->Cliquer(nom);
            m->Liste(nom)->lineEdit()->selectAll();
            F::Taper(QString::fromLatin1(texte));
            F::Entree();
            return m->Reglages_Lus({"Bande Activite", "Mode Activite"}) + m->Textes({"QRKR_Q", "QRKE_Q"})
                   << F::Focus();
        };
        QCOMPARE(choisir("Bande_Q", "144"), (QStringList{"10", "", "59", "59", "Mode_Q"}));
        QCOMPARE(choisir("Mode_Q", "CW"), (QStringList{"10", "1", "599", "599", "Indi_Q"}));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        QCOMPARE(choisir("Bande_Q", "7"), (QStringList{"2", "1", "599", "599", "Mode_Q"}));
        QCOMPARE(choisir("Mode_Q", "cw"), (QStringList{"2", "-1", "59", "59", "Indi_Q"}));
        QCOMPARE(choisir("Mode_Q", "RTTY"), (QStringList{"2", "-1", "59", "59", "Indi_Q"}));
        QVERIFY(Messages().isEmpty());
        QCOMPARE(choisir("Bande_Q", "1296"), (QStringList{"2", "-1", "59", "59", "Bande_Q"}));
        QCOMPARE(choisir("Mode_Q", "PSK31"), (QStringList{"2", "-1", "59", "59", "Mode_Q"}));
        QCOMPARE(Messages(), (QStringList{"3 caracteres maxi", "3 caracteres maxi"}));
    }

    void regle_des_prefixes_francais() {
        m->Ouvrir();
        const auto suivant = [this](const char* indicatif) {
            F::Saisir(QString::fromLatin1(indicatif));
            const QString focus = F::Focus();
            m->Cliquer("Annule_Q");
            return focus;
        };
        for (const char* francais : {"F1ABC", "f5xyz", "TH5A", "TK5A", "TM5A", "TP5A", "TQ5A", "TV5A", "TW5A",
                                     "HW5A", "HX5A", "HY5A"}) {
            QCOMPARE(suivant(francais), QStringLiteral("Dpt_Q"));
        }
        for (const char* etranger : {"TA1ABC", "HB9ABC", "ON4ABC"}) {
            QCOMPARE(suivant(etranger), QStringLiteral("Prenom_Q"));
        }
    }

    void avertissement_de_doublon_meme_bande_et_meme_mode() {
        m->env.Ecrire_Fichier(m->Nom_Log(),
                              Ligne("01/03/24", "10:00", "F1ABC", "75", "JEAN", "59", "59", "SSB", "14") +
                                  Ligne("01/03/24", "10:05", "F1ABC", "75", "JEAN", "599", "599", "CW", "7") +
                                  Ligne("01/03/24", "10:10", "F1ABC", "", "", "59", "59", "SSB", "7") +
                                  Ligne("02/03/24", "11:00", "F1ABC", "75", "JEAN", "59", "59", "SSB", "7"));
        m->env.reglages().Ecrire(QStringLiteral("Bande Activite"), QStringLiteral("2"));
        m->Ouvrir();
        m->env.messages.Repondre(true);
        F::Saisir(QStringLiteral("F1ABC"));
        // The first earlier line on 7 in SSB, which has no first name: two blanks.
        QCOMPARE(m->env.messages.questions,
                 QStringList{"F1ABC  Deja contacté le 01/03/24 a 10:10 sur 7 Mhz. Annuler la saisie ?"});
        QVERIFY(m->Champ("Indi_Q")->text().isEmpty());
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));

        // On 14 in CW, worked on 14 and in CW but never both at once: no warning.
        m->Liste("Bande_Q")->setCurrentText(QStringLiteral("14"));
        m->Liste("Mode_Q")->setCurrentText(QStringLiteral("CW"));
        F::Saisir(QStringLiteral("F1ABC"));
        QCOMPARE(m->env.messages.questions.size(), 1);
        QCOMPARE(F::Focus(), QStringLiteral("Dpt_Q"));
    }

    void memoire_des_prenoms_sur_deux_activations() {
        m->env.Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), "G4XYZ           JOHN\r\n");
        m->Ouvrir();
        Horloge(1, 8, 0);
        F::Saisir(QStringLiteral("F1ABC"), {QStringLiteral("75"), QStringLiteral("Jean")});
        F::Plus();
        m->env.messages.Repondre(false); // worked already on this band and mode: go on
        F::Saisir(QStringLiteral("F1ABC"));
        QCOMPARE(
            m->env.messages.questions,
            QStringList{"F1ABC JEAN Deja contacté le 01/03/24 a 08:00 sur 3.5 Mhz. Annuler la saisie ?"});
        QCOMPARE(m->Textes({"Dpt_Q", "Prenom_Q"}), (QStringList{"75", "JEAN"}));
        m->Cliquer("Annule_Q");

        // Another activation, same program run: its own log, the same memory.
        m->setup.valeurs.Num_Activite = QStringLiteral("DMF-456");
        F::Saisir(QStringLiteral("F1ABC"), {QString()}); // the department from the memory
        m->Champ("Prenom_Q")->selectAll();
        F::Taper(QStringLiteral("Pierre"));
        F::Touche(Qt::Key_F12);
        F::Saisir(QStringLiteral("G4XYZ"));
        F::Touche(Qt::Key_F10);
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("Liste_Prenom.txt")),
                 QByteArray("G4XYZ           JOHN\r\nF1ABC        75 PIERRE\r\n"));
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("DMF-456.txt")),
                 Ligne("01/03/24", "08:00", "F1ABC", "75", "PIERRE", "59", "59", "SSB", "3.5") +
                     Ligne("01/03/24", "08:00", "G4XYZ", "", "JOHN", "59", "59", "SSB", "3.5"));
    }

    // "+" makes no test on the department and keeps the reports for the next QSO; the button puts the
    // mode's default back; F13, and "+" in the callsign, validate nothing.
    void touches_de_validation_et_rapports() {
        m->Ouvrir();
        Horloge(1, 9, 0);
        F::Saisir(QStringLiteral("F1ABC"), {QStringLiteral("7")});
        F::Touche(Qt::Key_F13);
        m->Cliquer("Indi_Q");
        F::Touche(Qt::Key_End);
        F::Plus();
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F1ABC+"));
        F::Touche(Qt::Key_Backspace);
        QCOMPARE(m->Log(), QByteArray());
        m->Cliquer("Dpt_Q");
        F::Plus();
        QCOMPARE(Messages(), QStringList{"2 caractères pour le département"}); // from Enter only
        F::Saisir(QStringLiteral("F2ABC"), {{}, {}});
        m->Champ("QRKR_Q")->selectAll();
        F::Taper(QStringLiteral("57"));
        F::Touche(Qt::Key_F11);
        F::Saisir(QStringLiteral("F3ABC"), {{}, {}});
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("57"));
        m->Cliquer("Valide_Q");
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("59"));
        QCOMPARE(m->Log(), Ligne("01/03/24", "09:00", "F1ABC", "7", "", "59", "59", "SSB", "3.5") +
                               Ligne("01/03/24", "09:00", "F2ABC", "", "", "57", "59", "SSB", "3.5") +
                               Ligne("01/03/24", "09:00", "F3ABC", "", "", "57", "59", "SSB", "3.5"));
    }

    // A validation key checks the date or time it is pressed in; then the button checks every field.
    void validation_refusee_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>(
            "cle"); // the key's message in the field; empty: the key is pressed elsewhere
        QTest::addColumn<QString>("bouton");
        const QString heure =
            QStringLiteral("Attention le format de l'heure doit etre hhmm les ':' sont automatique");
        const QString date =
            QStringLiteral("Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques");
        const QString cinq =
            QStringLiteral("Attention 5 caracteres pour l'heure (format hh:mm. Les ':' sont automatique)");
        const struct {
            const char *nom, *champ, *texte;
            QString cle, bouton;
        } cas[] = {
            {"heure 4", "Heure_Q", "1425", cinq, heure},
            {"heure point", "Heure_Q", "14.25", "Attention le format date doit etre hh:mm", heure},
            {"heure lettre", "Heure_Q", "1a:25", "Attention le format de l'heure doit etre hh:mm", heure},
            {"date", "Date_Q", "1/3/2024", date + u' ', date},
            {"indicatif 13", "Indi_Q", "F1ABCDEFGHIJK", {}, "12 caracteres maxi"},
            {"indicatif vide", "Indi_Q", "", {}, "Entrez un indicatif"},
            {"departement 3", "Dpt_Q", "751", {}, "2 caractères pour le département"},
            {"mode 5", "Mode_Q", "PSK31", {}, "3 caracteres maxi"},
            {"bande 4", "Bande_Q", "1296", {}, "3 caracteres maxi"},
        };
        for (const auto& c : cas) {
            QTest::newRow(c.nom) << QString::fromLatin1(c.champ) << QString::fromLatin1(c.texte) << c.cle
                                 << c.bouton;
        }
    }
    void validation_refusee() {
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        QFETCH(QString, cle);
        QFETCH(QString, bouton);
        m->Ouvrir();
        m->Menu("Mnu_Diff_Oui")->trigger();
        F::Saisir(QStringLiteral("F1ABC"));
        m->Champ("Date_Q")->setText(QStringLiteral("01/03/24"));
        m->Champ("Heure_Q")->setText(QStringLiteral("14:25"));
        // Set whole after the field's own Enter: the separators would reshape typed text.
        if (auto* liste = m->fenetre->findChild<QComboBox*>(champ)) {
            liste->setEditText(texte);
        } else {
            m->Champ(qPrintable(champ))->setText(texte);
        }
        m->Cliquer(cle.isEmpty() ? "QRKR_Q" : qPrintable(champ));
        F::Plus();
        m->Cliquer("Valide_Q");
        QCOMPARE(Messages(), (QStringList{cle.isEmpty() ? bouton : cle, bouton}));
        QCOMPARE(F::Focus(), champ);
        QCOMPARE(m->Log(), QByteArray());
        QVERIFY(!m->env.Existe(QStringLiteral("Liste_Prenom.txt")));
    }

    void log_impossible_a_ecrire_rien_n_est_perdu() {
        m->Ouvrir();
        Horloge(1, 9, 0);
        // A folder where the log should be: the append fails.
        QVERIFY(QFile::remove(QDir(m->env.Dossier()).filePath(m->Nom_Log())));
        QVERIFY(QDir(m->env.Dossier()).mkdir(m->Nom_Log()));
        F::Saisir(QStringLiteral("F1ABC"), {QStringLiteral("75"), QStringLiteral("JEAN")});
        F::Plus();
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().first().startsWith(QStringLiteral("Le log ne peut pas être modifié")));
        QCOMPARE(m->Textes({"Indi_Q", "Prenom_Q", "Num_Q"}), (QStringList{"F1ABC", "JEAN", "1"}));
    }

    void caracteres_que_le_log_ne_peut_garder_refuses() {
        m->Ouvrir();
        F::Taper(QStringLiteral("F1\u2603ABC"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F1ABC"));
        m->Champ("Indi_Q")->insert(QStringLiteral("X\r\nY"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F1ABC"));
    }
};

QTEST_MAIN(Test_Saisie_Champs)
#include "test_saisie_champs.moc"
