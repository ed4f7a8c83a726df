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
    // Callsign, Enter, then Enter through the fields the walk opens, typing the given texts.
    void Saisir(const QString& indicatif, const QStringList& suite) {
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        F::Taper(indicatif);
        F::Entree();
        for (const QString& texte : suite) {
            F::Taper(texte);
            F::Entree();
        }
    }
    QStringList Messages() const { return m->env.messages.textes; }

private Q_SLOTS:
    void init() {
        m = std::make_unique<Fenetre_Saisie>();
        m->env.Ecrire_Fichier(m->Nom_Log(), {});
    }
    void cleanup() {
        m->env.Verifier_Reponses();
        m.reset();
    }

    void qso_en_direct_utc_du_clavier_jusqu_au_bouton() {
        m->Ouvrir();
        Horloge(1, 14, 25);
        F::Taper(QStringLiteral("f1abc"));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F1ABC"));
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Dpt_Q"));
        QCOMPARE(Couleur(m->Champ("Dpt_Q")), Vert_Clair);
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Jaune_Clair);
        QVERIFY(m->Bouton("Valide_Q")->isEnabled());
        for (const auto& [texte, suivant] :
             std::vector<std::pair<QString, QString>>{{"75", "Prenom_Q"},
                                                      {"jean", "QRKR_Q"},
                                                      {"", "QRKE_Q"},
                                                      {"", "Observation_Q"},
                                                      {"château", "Valide_Q"}}) {
            F::Taper(texte);
            F::Entree();
            QCOMPARE(F::Focus(), suivant);
        }
        F::Entree(); // on the button
        QCOMPARE(m->Log(),
                 Ligne("01/03/24", "14:25", "F1ABC", "75", "JEAN", "59", "59", "SSB", "3.5", "CH\xC2TEAU"));
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("Liste_Prenom.txt")),
                 QByteArray("F1ABC        75 JEAN\r\n"));
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("2"));
        QCOMPARE(m->Liste_QSO()->count(), 1);
        QCOMPARE(m->Liste_QSO()->currentRow(), 0);
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        for (const char* nom : {"Indi_Q", "Dpt_Q", "Prenom_Q", "Observation_Q"}) {
            QVERIFY2(m->Champ(nom)->text().isEmpty(), nom);
        }
        for (const char* nom : {"Dpt_Q", "Prenom_Q", "QRKR_Q", "QRKE_Q", "Observation_Q"}) {
            QVERIFY2(!m->Champ(nom)->isEnabled(), nom);
            QCOMPARE(Couleur(m->Champ(nom)), Jaune_Clair);
        }
        QVERIFY(!m->Bouton("Valide_Q")->isEnabled());
        QVERIFY(m->env.messages.textes.isEmpty());
    }

    void qso_en_heure_locale_a_l_est_juste_apres_minuit() {
        m->Ouvrir();
        m->Menu("Mnu_UTC_Non")->trigger();
        Horloge(1, 23, 30, 60); // 00:30 on the 2nd, local
        Saisir(QStringLiteral("ON4ABC"), {QStringLiteral("Luc")});
        F::Plus();
        QCOMPARE(m->Log(), Ligne("02/03/24", "00:30", "ON4ABC", "", "LUC", "59", "59", "SSB", "3.5"));
    }

    void qso_valide_avant_le_premier_tic_prend_l_heure_de_l_horloge() {
        m->Ouvrir();
        m->env.horloge.Regler(QDateTime(QDate(2024, 3, 5), QTime(9, 5, 0), Qt::UTC));
        Saisir(QStringLiteral("DL1ABC"), {});
        F::Touche(Qt::Key_F9);
        QCOMPARE(m->Log(), Ligne("05/03/24", "09:05", "DL1ABC", "", "", "59", "59", "SSB", "3.5"));
    }

    void saisie_differee_avec_separateurs_automatiques() {
        m->Ouvrir();
        m->Menu("Mnu_Diff_Oui")->trigger();
        QVERIFY(m->Champ("Date_Q")->isVisible());
        QVERIFY(m->Label("Label6")->isVisible());
        Saisir(QStringLiteral("DL1ABC"), {QStringLiteral("hans"), {}, {}, {}});
        QCOMPARE(F::Focus(), QStringLiteral("Date_Q"));
        F::Taper(QStringLiteral("010324"));
        QCOMPARE(m->Champ("Date_Q")->text(), QStringLiteral("01/03/24"));
        F::Entree();
        QCOMPARE(m->env.Reglages_Relus().Lire(QStringLiteral("Date Activite")), QStringLiteral("01/03/24"));
        QCOMPARE(F::Focus(), QStringLiteral("Heure_Q"));
        F::Taper(QStringLiteral("1425"));
        QCOMPARE(m->Champ("Heure_Q")->text(), QStringLiteral("14:25"));
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Valide_Q"));
        F::Touche(Qt::Key_Space);
        QCOMPARE(m->Log(), Ligne("01/03/24", "14:25", "DL1ABC", "", "HANS", "59", "59", "SSB", "3.5"));
        // The next QSO of the same day keeps its date; its time is typed afresh.
        QCOMPARE(m->Champ("Date_Q")->text(), QStringLiteral("01/03/24"));
        QVERIFY(m->Champ("Heure_Q")->text().isEmpty());
        QVERIFY(m->Champ("Heure_Q")->isVisible());

        // A validation key before the time is typed writes nothing.
        Saisir(QStringLiteral("G4ABC"), {});
        F::Plus();
        QCOMPARE(Messages(),
                 QStringList{"Attention le format de l'heure doit etre hhmm les ':' sont automatique"});
        QCOMPARE(F::Focus(), QStringLiteral("Heure_Q"));
        QCOMPARE(m->Log().count('\n'), 1);
    }

    void controles_a_l_entree_des_champs_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("suivant");
        QTest::newRow("dpt vide") << "Dpt_Q"
                                  << ""
                                  << ""
                                  << "Prenom_Q";
        QTest::newRow("dpt 1") << "Dpt_Q"
                               << "7"
                               << "2 caractères pour le département"
                               << "Dpt_Q";
        QTest::newRow("dpt 3") << "Dpt_Q"
                               << "751"
                               << "2 caractères pour le département"
                               << "Dpt_Q";
        QTest::newRow("prenom 15") << "Prenom_Q"
                                   << "ABCDEFGHIJKLMNO"
                                   << ""
                                   << "QRKR_Q";
        QTest::newRow("prenom 16") << "Prenom_Q"
                                   << "ABCDEFGHIJKLMNOP"
                                   << "15 caracteres maxi"
                                   << "Prenom_Q";
        QTest::newRow("rst r 4") << "QRKR_Q"
                                 << "5999"
                                 << "3 caracteres maxi"
                                 << "QRKR_Q";
        QTest::newRow("rst e 3") << "QRKE_Q"
                                 << "579"
                                 << ""
                                 << "Observation_Q";
        QTest::newRow("obs 31") << "Observation_Q" << QString(31, 'x') << "30 caracteres maxi"
                                << "Observation_Q";
        QTest::newRow("obs 30") << "Observation_Q" << QString(30, 'x') << ""
                                << "Valide_Q";
    }
    void controles_a_l_entree_des_champs() {
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QFETCH(QString, suivant);
        m->Ouvrir();
        Saisir(QStringLiteral("F1ABC"), {});
        QLineEdit* cible = m->Champ(qPrintable(champ));
        cible->setEnabled(true);
        QTest::mouseClick(cible, Qt::LeftButton);
        cible->clear();
        F::Taper(texte);
        F::Entree();
        QCOMPARE(Messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(F::Focus(), suivant);
        QCOMPARE(cible->text(), texte);
        if (message.isEmpty()) {
            QCOMPARE(Couleur(cible), Jaune_Clair);
        }
    }

    void controles_de_l_indicatif() {
        m->Ouvrir();
        F::Entree();
        F::Taper(QStringLiteral("ABCDEFGHIJKLM"));
        F::Entree();
        QCOMPARE(Messages(), (QStringList{"Entrez un indicatif", "12 caracteres maxi"}));
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        F::Touche(Qt::Key_Backspace);
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Prenom_Q"));
        // "+" is an ordinary character in the callsign, and F13 validates nothing.
        QTest::mouseClick(m->Champ("Indi_Q"), Qt::LeftButton);
        F::Touche(Qt::Key_End);
        F::Plus();
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("ABCDEFGHIJKL+"));
        QTest::mouseClick(m->Champ("Prenom_Q"), Qt::LeftButton);
        F::Touche(Qt::Key_F13);
        QCOMPARE(m->Log(), QByteArray());
    }

    void date_et_heure_controlees_a_l_entree() {
        m->Ouvrir();
        m->Menu("Mnu_Diff_Oui")->trigger();
        QTest::mouseClick(m->Champ("Date_Q"), Qt::LeftButton);
        F::Taper(QStringLiteral("1/3/24"));
        F::Entree();
        QCOMPARE(Messages(),
                 QStringList{"Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques"});
        QVERIFY(m->Champ("Date_Q")->text().isEmpty());
        F::Taper(QStringLiteral("321399"));
        F::Entree();
        QCOMPARE(F::Focus(), QStringLiteral("Heure_Q"));
        F::Taper(QStringLiteral("14h25"));
        F::Entree();
        QCOMPARE(Messages().last(),
                 QStringLiteral("Attention le format de l'heure doit etre hhmm les ':' sont automatique"));
        QCOMPARE(m->Champ("Heure_Q")->text(), QStringLiteral("14:h25"));
    }

    void bande_et_mode_avec_leurs_reglages_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("bande_stockee");
        QTest::addColumn<QString>("mode_stocke");
        QTest::addColumn<QString>("rapport");
        QTest::newRow("144 CW") << "144"
                                << "CW" << QStringList{} << "10"
                                << "1"
                                << "599";
        QTest::newRow("RTTY tapé") << "7"
                                   << "RTTY" << QStringList{} << "2"
                                   << "-1"
                                   << "59";
        QTest::newRow("cw en minuscules") << "21"
                                          << "cw" << QStringList{} << "6"
                                          << "-1"
                                          << "59";
        QTest::newRow("1296 refusé") << "1296"
                                     << "" << QStringList{"3 caracteres maxi"} << ""
                                     << ""
                                     << "59";
        QTest::newRow("PSK31 refusé") << "10"
                                      << "PSK31" << QStringList{"3 caracteres maxi"} << "3"
                                      << ""
                                      << "59";
    }
    void bande_et_mode_avec_leurs_reglages() {
        QFETCH(QString, bande);
        QFETCH(QString, mode);
        m->Ouvrir();
        QComboBox* liste_bande = m->Liste("Bande_Q");
        QTest::mouseClick(liste_bande->lineEdit(), Qt::LeftButton);
        liste_bande->lineEdit()->selectAll();
        F::Taper(bande);
        F::Entree();
        if (F::Focus() == QLatin1String("Mode_Q")) {
            m->Liste("Mode_Q")->lineEdit()->selectAll();
            F::Taper(mode);
            F::Entree();
        }
        QTEST(Messages(), "messages");
        QTEST(m->env.Reglages_Relus().Lire(QStringLiteral("Bande Activite")), "bande_stockee");
        QTEST(m->env.Reglages_Relus().Lire(QStringLiteral("Mode Activite")), "mode_stocke");
        QTEST(m->Champ("QRKR_Q")->text(), "rapport");
        QTEST(m->Champ("QRKE_Q")->text(), "rapport");
        if (Messages().isEmpty()) {
            QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
            QCOMPARE(Couleur(m->Champ("Indi_Q")), Vert_Clair);
        }
    }

    void regle_des_prefixes_francais_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("suivant");
        QTest::newRow("F") << "F1ABC"
                           << "Dpt_Q";
        QTest::newRow("f tapé") << "f5xyz"
                                << "Dpt_Q";
        for (const char* prefixe : {"TH", "TK", "TM", "TP", "TQ", "TV", "TW", "HW", "HX", "HY"}) {
            QTest::newRow(prefixe) << QString::fromLatin1(prefixe) + QStringLiteral("5ABC") << "Dpt_Q";
        }
        QTest::newRow("TA") << "TA1ABC"
                            << "Prenom_Q";
        QTest::newRow("HB") << "HB9ABC"
                            << "Prenom_Q";
        QTest::newRow("ON") << "ON4ABC"
                            << "Prenom_Q";
    }
    void regle_des_prefixes_francais() {
        QFETCH(QString, indicatif);
        m->Ouvrir();
        Saisir(indicatif, {});
        QTEST(F::Focus(), "suivant");
        QVERIFY(m->Champ(qPrintable(F::Focus()))->isEnabled());
    }

    void avertissement_de_doublon_meme_bande_et_meme_mode() {
        m->env.Ecrire_Fichier(m->Nom_Log(),
                              Ligne("01/03/24", "10:00", "F1ABC", "75", "JEAN", "59", "59", "SSB", "14") +
                                  Ligne("01/03/24", "10:05", "F1ABC", "75", "JEAN", "599", "599", "CW", "7") +
                                  Ligne("01/03/24", "10:10", "F1ABC", "", "", "59", "59", "SSB", "7") +
                                  Ligne("02/03/24", "11:00", "F1ABC", "75", "JEAN", "59", "59", "SSB", "7"));
        m->env.Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), "F1ABC        75 JEAN\r\n");
        m->env.reglages().Ecrire(QStringLiteral("Bande Activite"), QStringLiteral("2"));
        m->Ouvrir();
        m->env.messages.Repondre(true);
        Saisir(QStringLiteral("F1ABC"), {});
        // The first earlier line on 7 in SSB, which has no first name: two blanks.
        QCOMPARE(m->env.messages.questions,
                 QStringList{"F1ABC  Deja contacté le 01/03/24 a 10:10 sur 7 Mhz. Annuler la saisie ?"});
        QVERIFY(m->Champ("Indi_Q")->text().isEmpty());
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QVERIFY(m->Champ("Dpt_Q")->text().isEmpty());
        QVERIFY(!m->Champ("Dpt_Q")->isEnabled());

        m->env.messages.Repondre(false);
        Saisir(QStringLiteral("F1ABC"), {});
        QCOMPARE(m->env.messages.questions.size(), 2);
        QCOMPARE(F::Focus(), QStringLiteral("Dpt_Q"));
        QCOMPARE(m->Champ("Dpt_Q")->text(), QStringLiteral("75"));
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("JEAN"));

        // Another band, or another mode: no warning.
        QTest::mouseClick(m->Bouton("Annule_Q"), Qt::LeftButton);
        m->Liste("Bande_Q")->setCurrentText(QStringLiteral("21"));
        Saisir(QStringLiteral("F1ABC"), {});
        QTest::mouseClick(m->Bouton("Annule_Q"), Qt::LeftButton);
        m->Liste("Bande_Q")->setCurrentText(QStringLiteral("14"));
        m->Liste("Mode_Q")->setCurrentText(QStringLiteral("CW"));
        Saisir(QStringLiteral("F1ABC"), {});
        QCOMPARE(m->env.messages.questions.size(), 2);
    }

    void memoire_des_prenoms_sur_deux_activations() {
        m->env.Ecrire_Fichier(QStringLiteral("Liste_Prenom.txt"), "G4XYZ           JOHN\r\n");
        m->Ouvrir();
        Horloge(1, 8, 0);
        Saisir(QStringLiteral("F1ABC"), {QStringLiteral("75"), QStringLiteral("Jean")});
        F::Plus();
        m->env.messages.Repondre(false); // worked already on this band and mode: go on
        Saisir(QStringLiteral("F1ABC"), {});
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("JEAN"));
        QTest::mouseClick(m->Bouton("Annule_Q"), Qt::LeftButton);

        // Another activation, same program run: its own log, the same memory.
        m->setup.valeurs.Num_Activite = QStringLiteral("DMF-456");
        Saisir(QStringLiteral("F1ABC"), {});
        QCOMPARE(m->Champ("Dpt_Q")->text(), QStringLiteral("75"));
        F::Entree();
        m->Champ("Prenom_Q")->selectAll();
        F::Taper(QStringLiteral("Pierre"));
        F::Touche(Qt::Key_F12);
        Saisir(QStringLiteral("G4XYZ"), {});
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("JOHN"));
        QVERIFY(m->Champ("Dpt_Q")->text().isEmpty());
        F::Touche(Qt::Key_F10);
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("Liste_Prenom.txt")),
                 QByteArray("G4XYZ           JOHN\r\nF1ABC        75 PIERRE\r\n"));
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("DMF-456.txt")),
                 Ligne("01/03/24", "08:00", "F1ABC", "75", "PIERRE", "59", "59", "SSB", "3.5") +
                     Ligne("01/03/24", "08:00", "G4XYZ", "", "JOHN", "59", "59", "SSB", "3.5"));
        QCOMPARE(m->env.Lire_Fichier(QStringLiteral("DMF-123.txt")),
                 Ligne("01/03/24", "08:00", "F1ABC", "75", "JEAN", "59", "59", "SSB", "3.5"));
    }

    void touches_de_validation_et_rapports() {
        m->Ouvrir();
        Horloge(1, 9, 0);
        // "+" keeps the reports for the next QSO, and makes no test on the department.
        Saisir(QStringLiteral("F1ABC"), {QStringLiteral("7")});
        m->env.messages.textes.clear();
        F::Plus();
        QVERIFY(Messages().isEmpty());
        Saisir(QStringLiteral("F2ABC"), {{}, {}});
        m->Champ("QRKR_Q")->selectAll();
        F::Taper(QStringLiteral("57"));
        F::Touche(Qt::Key_F11);
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("57"));
        // The button puts the mode's default back.
        Saisir(QStringLiteral("F3ABC"), {{}, {}});
        QTest::mouseClick(m->Bouton("Valide_Q"), Qt::LeftButton);
        QCOMPARE(m->Champ("QRKR_Q")->text(), QStringLiteral("59"));
        QCOMPARE(m->Log(), Ligne("01/03/24", "09:00", "F1ABC", "7", "", "59", "59", "SSB", "3.5") +
                               Ligne("01/03/24", "09:00", "F2ABC", "", "", "57", "59", "SSB", "3.5") +
                               Ligne("01/03/24", "09:00", "F3ABC", "", "", "57", "59", "SSB", "3.5"));
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("4"));
        QCOMPARE(m->Liste_QSO()->currentRow(), 2);
    }

    void controles_des_touches_de_validation_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::newRow("heure 4")
            << "Heure_Q"
            << "1425"
            << "Attention 5 caracteres pour l'heure (format hh:mm. Les ':' sont automatique)";
        QTest::newRow("heure point") << "Heure_Q"
                                     << "14.25"
                                     << "Attention le format date doit etre hh:mm";
        QTest::newRow("heure lettre") << "Heure_Q"
                                      << "1a:25"
                                      << "Attention le format de l'heure doit etre hh:mm";
        QTest::newRow("date") << "Date_Q"
                              << "1/3/2024"
                              << "Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques ";
        QTest::newRow("prenom") << "Prenom_Q" << QString(16, 'A') << "15 caracteres maxi";
        QTest::newRow("rst") << "QRKE_Q"
                             << "5999"
                             << "3 caracteres maxi";
        QTest::newRow("obs") << "Observation_Q" << QString(31, 'A') << "30 caracteres maxi";
    }
    void controles_des_touches_de_validation() {
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        m->Ouvrir();
        m->Menu("Mnu_Diff_Oui")->trigger();
        Saisir(QStringLiteral("F1ABC"), {});
        QLineEdit* cible = m->Champ(qPrintable(champ));
        cible->setEnabled(true);
        cible->setText(texte); // set whole: the separators would reshape typed text
        QTest::mouseClick(cible, Qt::LeftButton);
        F::Plus();
        QCOMPARE(Messages(), QStringList{message});
        QCOMPARE(cible->text(), texte);
        QCOMPARE(F::Focus(), champ);
        QCOMPARE(m->Log(), QByteArray());
    }

    void validation_refusee_pour_un_champ_qui_deborde_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::newRow("indicatif 13") << "Indi_Q"
                                      << "F1ABCDEFGHIJK"
                                      << "12 caracteres maxi";
        QTest::newRow("indicatif vide") << "Indi_Q"
                                        << ""
                                        << "Entrez un indicatif";
        QTest::newRow("departement 3") << "Dpt_Q"
                                       << "751"
                                       << "2 caractères pour le département";
        QTest::newRow("mode 5") << "Mode_Q"
                                << "PSK31"
                                << "3 caracteres maxi";
        QTest::newRow("bande 4") << "Bande_Q"
                                 << "1296"
                                 << "3 caracteres maxi";
    }
    void validation_refusee_pour_un_champ_qui_deborde() {
        QFETCH(QString, champ);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        m->Ouvrir();
        Horloge(1, 9, 0);
        Saisir(QStringLiteral("F1ABC"), {{}, {}});
        // Changed after its own Enter, then validated from another field, by key and by button.
        if (auto* liste = m->fenetre->findChild<QComboBox*>(champ)) {
            liste->setEditText(texte);
        } else {
            m->Champ(qPrintable(champ))->setText(texte);
        }
        QTest::mouseClick(m->Champ("QRKR_Q"), Qt::LeftButton);
        F::Plus();
        QTest::mouseClick(m->Bouton("Valide_Q"), Qt::LeftButton);
        QCOMPARE(Messages(), (QStringList{message, message}));
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
        Saisir(QStringLiteral("F1ABC"), {QStringLiteral("75"), QStringLiteral("JEAN")});
        F::Plus();
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().first().startsWith(QStringLiteral("Le log ne peut pas être modifié")));
        QCOMPARE(m->Champ("Indi_Q")->text(), QStringLiteral("F1ABC"));
        QCOMPARE(m->Champ("Prenom_Q")->text(), QStringLiteral("JEAN"));
        QCOMPARE(m->Champ("Num_Q")->text(), QStringLiteral("1"));
    }

    void annulation_selon_la_saisie_differee() {
        m->Ouvrir();
        Saisir(QStringLiteral("F1ABC"), {QStringLiteral("75"), QStringLiteral("JEAN")});
        QTest::mouseClick(m->Bouton("Annule_Q"), Qt::LeftButton);
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        for (const char* nom : {"Indi_Q", "Dpt_Q", "Prenom_Q", "Observation_Q"}) {
            QVERIFY2(m->Champ(nom)->text().isEmpty(), nom);
        }
        QCOMPARE(F::Focus(), QStringLiteral("Indi_Q"));
        QVERIFY(!m->Bouton("Valide_Q")->isEnabled());

        m->Menu("Mnu_Diff_Oui")->trigger();
        m->Champ("Date_Q")->setText(QStringLiteral("01/03/24"));
        Saisir(QStringLiteral("F1ABC"), {});
        QTest::mouseClick(m->Bouton("Annule_Q"), Qt::LeftButton);
        QVERIFY(m->Champ("Date_Q")->isVisible());
        QCOMPARE(m->Champ("Date_Q")->text(), QStringLiteral("01/03/24"));
        // Deferred entry off empties and hides; on again shows it empty.
        m->Menu("Mnu_Diff_Non")->trigger();
        QVERIFY(!m->Champ("Date_Q")->isVisible());
        m->Menu("Mnu_Diff_Oui")->trigger();
        QVERIFY(m->Champ("Date_Q")->isVisible());
        QVERIFY(m->Champ("Date_Q")->text().isEmpty());
        QCOMPARE(m->Log(), QByteArray());
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
