// The set-up window driven as an operator would: keys, clicks, the messages answered by the test.

#include "Fenetre_Saisie.h"
#include "ui/Setup.h"

#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

const QStringList Champs{"Activeur", "Logger",      "Num_Activite",  "Nom_Activite",
                         "Num_CP",   "Nom_Commune", "Type_Activite", "Date_Activite"};
const QStringList Cles{"Indicatif", "Logger",  "N° Activite",   "Nom Activite",
                       "N° CP",     "Commune", "Type Activite", "Date Activite"};
const QStringList Halloy{"ON4XYZ/P", "ON4ABC", "DMF-123",    "Château d'Halloy",
                         "5590",     "Halloy", "Activation", "12/11/05"};
const QStringList Vides(8, QString());

// Lines of Liste_Activite.txt as the window must write them, every blank counted.
const QString Ligne_Halloy =
    QStringLiteral("DMF-123      ON4XYZ/P   Château d'Halloy                    "
                   "     5590  Activation   12/11/05 Halloy                              ");
const QString Ligne_Moulin =
    QStringLiteral("ONM-0042     F4ABC      Moulin de Braine                    "
                   "     1420  Moulin       03/06/23 Braine-l'Alleud                     ");
const QString Ligne_Abbaye =
    QStringLiteral("DMF-777      ON4XYZ     Abbaye d'Aulne                      "
                   "     6534  Patrimoine   21/09/24 Thuin                               ");

// Written apart from the program's own conversion: Latin-1 and Windows-1252 agree on these letters.
QByteArray Fichier_Liste(const QStringList& lignes) {
    QByteArray octets;
    for (const auto& ligne : lignes) {
        octets += ligne.toLatin1() + "\r\n";
    }
    return octets;
}

} // namespace

class Test_Setup : public QObject {
    Q_OBJECT

    std::unique_ptr<Environnement_Test> m_env;
    std::unique_ptr<Setup> m_setup;

    // With the activation of Halloy in the settings store when asked.
    void Demarrer(bool halloy = false) {
        for (int i = 0; halloy && i < Cles.size(); ++i) {
            m_env->reglages().Ecrire(Cles[i], Halloy[i]);
        }
        m_setup = std::make_unique<Setup>(m_env->services());
        m_setup->Demarrer();
        m_setup->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_setup.get()));
    }
    template <typename T = QLineEdit> T* Champ(const QString& nom) const {
        auto* controle = m_setup->findChild<T*>(nom);
        return controle != nullptr ? controle : (qFatal("Controle absent : %s", qPrintable(nom)), nullptr);
    }
    QPushButton* Bouton(const QString& nom) const { return Champ<QPushButton>(nom); }
    QListWidget* Liste() const { return Champ<QListWidget>(QStringLiteral("Liste_Activite")); }
    QStringList& Messages() { return m_env->messages.textes; }
    void Taper(const QString& nom, const QString& texte, Qt::Key entree = Qt::Key_Return) {
        Champ(nom)->setFocus();
        Fenetre_Saisie::Taper(texte);
        QTest::keyClick(Champ(nom), entree);
    }
    void Cliquer(const QString& bouton) { QTest::mouseClick(Bouton(bouton), Qt::LeftButton); }
    void Cliquer_Numero(int rang) {
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(Liste()->item(rang)).center());
    }
    QStringList Numeros_Affiches() const {
        QStringList numeros;
        for (int i = 0; i < Liste()->count(); ++i) {
            numeros << Liste()->item(i)->text();
        }
        return numeros;
    }
    QStringList Textes() const {
        QStringList textes;
        for (const auto& nom : Champs) {
            textes << Champ(nom)->text();
        }
        return textes;
    }
    // Exactly these controls enabled (among the fields and "Saisie des QSO") and these fields green.
    void Verifier(const QStringList& actifs, const QStringList& verts, const QString& focus) const {
        for (const auto& nom : Champs + QStringList{QStringLiteral("Saisie_des_QSO")}) {
            QVERIFY2(Champ<QWidget>(nom)->isEnabled() == actifs.contains(nom), qPrintable(nom));
            QVERIFY2(!Champs.contains(nom) ||
                         Couleur(Champ(nom)) == (verts.contains(nom) ? Vert_Clair : Jaune_Clair),
                     qPrintable(nom));
        }
        QCOMPARE(Fenetre_Saisie::Focus(), focus);
    }
    QByteArray Liste_Lue() const { return m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")); }

private Q_SLOTS:
    void init() { m_env = std::make_unique<Environnement_Test>(); }
    void cleanup() {
        m_env->Verifier_Reponses();
        m_setup.reset();
        m_env.reset();
    }

    // A first start, every field refused and accepted in turn (keypad Enter as good as Return), the checks
    // before saving, then "No": the window cleared, no file, but the store keeps what was typed.
    void premier_demarrage_marche_par_entree_et_enregistrement_refuse() {
        Demarrer();
        QCOMPARE(m_setup->windowTitle(), QStringLiteral("  Maravel_ON    Revision  1.0.0"));
        QCOMPARE(m_env->reglages().Lire(QStringLiteral("Revision")), QStringLiteral(" 1.0.0"));
        QCOMPARE(m_env->reglages().Lire(QStringLiteral("Chemin Repertoire")),
                 QDir::toNativeSeparators(m_env->Dossier()));
        // Centred on the screen, give or take the frame that the platform may add after the move.
        const QPoint ecart = m_setup->frameGeometry().center() - m_setup->screen()->geometry().center();
        QVERIFY2(std::abs(ecart.x()) <= 3 && std::abs(ecart.y()) <= 3, qPrintable(QDebug::toString(ecart)));
        QCOMPARE(Textes(), Vides);
        QStringList actifs{"Activeur",    "Logger",        "Num_Activite", "Num_CP",
                           "Nom_Commune", "Type_Activite", "Date_Activite"};
        Verifier(actifs, {"Activeur"}, "Activeur");

        const QString nom_fichier =
            Depuis_1252(*Maravel::Refus_Sur_Entree(Maravel::Champ_Setup::Num_Activite, "/"));
        struct Pas {
            QString champ, tape, message; // no message: accepted
            QStringList verts, actifs_en_plus;
            QString focus;
            Qt::Key entree = Qt::Key_Return;
        };
        const QList<Pas> marche{
            // The date is open while the button is not: accepted, and the focus stays.
            {"Date_Activite", "12/11/05", "", {"Activeur"}, {}, "Date_Activite"},
            {"Activeur", "", "Nom de l'activeur obligatoire", {"Activeur"}, {}, "Activeur"},
            {"Activeur", "on4xyz/p", "", {"Logger"}, {}, "Logger"},
            {"Logger", "on4abc", "", {"Num_Activite"}, {}, "Num_Activite", Qt::Key_Enter},
            {"Num_Activite", "dmf/123", nom_fichier, {"Num_Activite"}, {}, "Num_Activite"},
            {"Num_Activite", "dmf-123", "", {"Nom_Activite"}, {"Nom_Activite"}, "Nom_Activite"},
            {"Nom_Activite", "Château d'Halloy", "", {}, {"Saisie_des_QSO"}, "Num_CP"},
            {"Num_CP", "559", "4 caracteres pour le C.P.", {}, {}, "Num_CP"},
            {"Num_CP", "5590", "", {"Nom_Commune"}, {}, "Nom_Commune", Qt::Key_Enter},
            {"Nom_Commune", "Halloy", "", {"Type_Activite"}, {}, "Type_Activite"},
            {"Type_Activite", "Activation", "", {"Date_Activite"}, {}, "Date_Activite"},
            {"Date_Activite", "12/11/05", "", {}, {}, "Saisie_des_QSO"},
        };
        for (const auto& pas : marche) {
            Champ(pas.champ)->clear();
            Taper(pas.champ, pas.tape, pas.entree);
            QCOMPARE(Messages(), pas.message.isEmpty() ? QStringList() : QStringList{pas.message});
            Messages().clear();
            actifs += pas.actifs_en_plus;
            Verifier(actifs, pas.verts, pas.focus);
        }
        QCOMPARE(Textes(), Halloy);

        // Typed without Enter, a value is checked again before saving: its message, the field open, green
        // and focused. The three first fields must be filled. Neither the store nor a file is written.
        Champ("Num_Activite")->setFocus();
        Fenetre_Saisie::Taper(QStringLiteral("/2"));
        Cliquer(QStringLiteral("Saisie_des_QSO"));
        QCOMPARE(Messages(), QStringList{nom_fichier});
        Verifier(actifs, {"Num_Activite"}, "Num_Activite");
        Champ("Num_Activite")->setText(QStringLiteral("DMF-123"));
        Champ("Nom_Activite")->clear();
        Cliquer(QStringLiteral("Saisie_des_QSO"));
        QCOMPARE(Messages().last(), QStringLiteral("Les trois premiers champs sont obligatoires"));
        QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("N° Activite")), QString());
        Champ("Nom_Activite")->setText(QStringLiteral("Château d'Halloy"));
        Messages().clear();

        m_env->messages.Repondre(false);
        QTest::keyClick(Bouton("Saisie_des_QSO"), Qt::Key_Return);
        QCOMPARE(Messages(), QStringList{"Enregistrer l'activité " + Ligne_Halloy + " ?"});
        QCOMPARE(Textes(), Vides);
        QVERIFY(m_setup->Fenetre_Saisie() == nullptr);
        QCOMPARE(QDir(m_env->Dossier()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
        Demarrer();
        QCOMPARE(Textes(), Halloy);
    }

    // "Setup " with its blank and "Setup" are two sections: the window reads and writes only the first.
    void section_setup_avec_son_blanc() {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(QStringLiteral("Assistant.ini"));
        QSettings(ini, QSettings::IniFormat)
            .setValue(QStringLiteral("Setup/Indicatif"), QStringLiteral("F1SANS"));
        Reglages reglages(ini);
        const Services s = m_env->services();
        Services avec_ce_store{s.messages, reglages, s.horloge, s.fichiers, s.dossier, s.fin_programme};
        m_setup = std::make_unique<Setup>(avec_ce_store);
        m_setup->Demarrer();
        QCOMPARE(Champ("Activeur")->text(), QString());
        reglages.Ecrire(QStringLiteral("Indicatif"), QStringLiteral("F1AVEC"));
        QSettings relu(ini, QSettings::IniFormat);
        QCOMPARE(relu.value(QStringLiteral("Setup /Indicatif")).toString(), QStringLiteral("F1AVEC"));
        QCOMPARE(relu.value(QStringLiteral("Setup/Indicatif")).toString(), QStringLiteral("F1SANS"));
    }

    // Callsign-like fields turn a-z to capitals as typed, never an accented letter. Only what Windows-1252
    // can store ("€" yes, "Ł" no) reaches a field.
    void majuscules_et_caracteres_hors_1252() {
        Demarrer();
        Champ("Nom_Activite")->setEnabled(true);
        const QStringList tapes{"on4xé/pŁ", "on4abc",   "dmf-12a",    "château x☃",
                                "b590",     "halloy-€", "activation", "12/nov/05"};
        const QStringList attendus{"ON4Xé/P", "ON4ABC",   "DMF-12A",    "château x",
                                   "B590",    "halloy-€", "activation", "12/NOV/05"};
        for (int i = 0; i < Champs.size(); ++i) {
            Champ(Champs[i])->setFocus();
            Fenetre_Saisie::Taper(tapes[i]);
            QCOMPARE(Champ(Champs[i])->text(), attendus[i]);
        }
    }

    // A start on a stored activation enables everything. A click fills the fields from the last line of
    // that number (a 93-character line has no commune) but the logger, and enables what a look-up
    // enables. RAZ empties, closes all but the activator and the number, and leaves the number's colour.
    // Delete asks for the number last clicked, and takes every line of it away.
    void demarrage_clic_raz_et_suppression() {
        const QString halloy_recent = Ligne_Halloy.left(13) + QStringLiteral("ON4ZZZ    ") +
                                      Ligne_Halloy.mid(23, 70) + QStringLiteral("Ciney").leftJustified(36);
        const QStringList lignes{Ligne_Halloy, Ligne_Moulin, halloy_recent, "", Ligne_Abbaye.left(93)};
        m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"), Fichier_Liste(lignes));
        Demarrer(true);
        QCOMPARE(Textes(), Halloy);
        QCOMPARE(Numeros_Affiches(), (QStringList{"DMF-123", "ONM-0042", "DMF-123", "DMF-777"}));
        Verifier(Champs + QStringList{"Saisie_des_QSO"}, {"Activeur"}, "Activeur");
        Cliquer(QStringLiteral("Supprimer"));
        QCOMPARE(Messages(), QStringList{"Cliquez sur une activité pour la selectionner"});
        QCOMPARE(Textes(), Halloy); // the message only: nothing cleared

        Cliquer_Numero(0);
        QCOMPARE(Textes(), (QStringList{"ON4ZZZ", "ON4ABC", "DMF-123", "Château d'Halloy", "5590", "Ciney",
                                        "Activation", "12/11/05"}));
        Taper(QStringLiteral("Logger"), QString());        // the number turns green
        Taper(QStringLiteral("Type_Activite"), QString()); // the date turns green
        QTest::keyClick(Bouton("RAZ"), Qt::Key_Return);
        QCOMPARE(Textes(), Vides);
        Verifier({"Activeur", "Num_Activite"}, {"Activeur", "Num_Activite"}, "Activeur");

        Cliquer_Numero(3);
        QCOMPARE(Textes(), (QStringList{"ON4XYZ", "", "DMF-777", "Abbaye d'Aulne", "6534", "", "Patrimoine",
                                        "21/09/24"}));
        Verifier({"Activeur", "Num_Activite", "Nom_Activite", "Num_CP", "Type_Activite", "Date_Activite",
                  "Saisie_des_QSO"},
                 {"Activeur", "Num_Activite"}, "Saisie_des_QSO");

        const QString question = QStringLiteral("Voulez vous effacer l'activité DMF-123 ?");
        Cliquer_Numero(2);
        m_env->messages.Repondre(false);
        Cliquer(QStringLiteral("Supprimer"));
        QCOMPARE(Liste_Lue(), Fichier_Liste(lignes));
        QCOMPARE(Textes(), Vides);
        QCOMPARE(Fenetre_Saisie::Focus(), QStringLiteral("Activeur"));
        for (int fois = 0; fois < 2; ++fois) { // the second time, nothing more goes
            m_env->messages.Repondre(true);
            Cliquer(QStringLiteral("Supprimer"));
            QCOMPARE(Liste_Lue(), Fichier_Liste({Ligne_Moulin, "", Ligne_Abbaye.left(93)}));
        }
        QCOMPARE(m_env->messages.questions, QStringList(3, question));
        QCOMPARE(Numeros_Affiches(), (QStringList{"ONM-0042", "DMF-777"}));
        QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("N° Activite")), QStringLiteral("DMF-123"));
    }

    // A new activation is saved after "Yes" with an empty log; a second press finds it: no question, its
    // line replaced where it stands, the log kept, the fields keeping what was typed rather than what the
    // look-up read back (the type cut to 12), and the same entry window raised. Closing ends the program.
    void saisie_nouvelle_activation_reprise_et_fermeture() {
        Demarrer(true);
        m_env->messages.Repondre(true);
        QTest::keyClick(Bouton("Saisie_des_QSO"), Qt::Key_Return);
        QCOMPARE(Messages(), (QStringList{"Enregistrer l'activité " + Ligne_Halloy + " ?",
                                          "Nouvelle Activation, pret pour demarrer la saisie des QSO"}));
        QCOMPARE(Liste_Lue(), Fichier_Liste({Ligne_Halloy}));
        QVERIFY(m_env->Existe(QStringLiteral("DMF-123.txt")));
        QCOMPARE(m_env->Lire_Fichier(QStringLiteral("DMF-123.txt")), QByteArray());
        QCOMPARE(Numeros_Affiches(), QStringList{"DMF-123"});
        Saisie_QSO* saisie = m_setup->Fenetre_Saisie();
        QVERIFY(saisie != nullptr && saisie->isVisible() && !saisie->isModal());

        const QByteArray qso =
            "12/11/05  14:25  F4ABC         59  JEAN             59  59  SSB    3.5 Mhz \r\n";
        m_env->Ecrire_Fichier(QStringLiteral("DMF-123.txt"), qso);
        m_setup->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_setup.get()));
        Messages().clear();
        Champ("Num_CP")->clear();
        Taper(QStringLiteral("Num_CP"), QStringLiteral("5591"));
        Champ("Type_Activite")->setFocus();
        Fenetre_Saisie::Taper(QStringLiteral(" du château"));
        Cliquer(QStringLiteral("Saisie_des_QSO"));
        QCOMPARE(Messages(), QStringList{"Activation en cours, pret pour continuer la saisie des QSO"});
        const QString remplacee = QString(Ligne_Halloy).replace("5590  Activation   ", "5591  Activation d ");
        QCOMPARE(Liste_Lue(), Fichier_Liste({remplacee}));
        QCOMPARE(m_env->Lire_Fichier(QStringLiteral("DMF-123.txt")), qso);
        QCOMPARE(Champ("Type_Activite")->text(), QStringLiteral("Activation du château"));
        QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("Type Activite")),
                 Champ("Type_Activite")->text());
        QCOMPARE(m_setup->findChildren<Saisie_QSO*>(), QList<Saisie_QSO*>{saisie});
        QTRY_VERIFY(saisie->isActiveWindow());
        QCOMPARE(m_env->fins_programme, 0);
        m_setup->close();
        QCOMPARE(m_env->fins_programme, 1);
    }
};

QTEST_MAIN(Test_Setup)
#include "test_setup.moc"
