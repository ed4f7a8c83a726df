// The set-up window driven as an operator would: keys, clicks, the messages answered by the test.

#include "support/Support.h"
#include "ui/Setup.h"

#include "ui/Saisie_QSO.h"
#include "ui/Sous_Programmes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstdlib>
#include <memory>

namespace {

const QStringList Champs{QStringLiteral("Activeur"),      QStringLiteral("Logger"),
                         QStringLiteral("Num_Activite"),  QStringLiteral("Nom_Activite"),
                         QStringLiteral("Num_CP"),        QStringLiteral("Nom_Commune"),
                         QStringLiteral("Type_Activite"), QStringLiteral("Date_Activite")};

const QString Refus_Nom_De_Fichier =
    QStringLiteral("Numéro d'activité refusé : il sert de nom au fichier du log et ne peut "
                   "contenir aucun des caractères \\ / : * ? \" < > |, ni être fait seulement "
                   "de points ou de blancs, ni être un nom réservé par Windows (CON, PRN, "
                   "AUX, NUL, COM1 à COM9, LPT1 à LPT9)");

const QString Nouvelle = QStringLiteral("Nouvelle Activation, pret pour demarrer la saisie des QSO");
const QString En_Cours = QStringLiteral("Activation en cours, pret pour continuer la saisie des QSO");

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

// QTest::keyClicks only knows ASCII; an accented letter is sent as the key event a keyboard would give.
void Frapper(QWidget* champ, const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(champ, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QByteArray Fichier_Liste(const QStringList& lignes) {
    QByteArray octets;
    for (const auto& ligne : lignes) {
        octets += En_1252(ligne) + "\r\n";
    }
    return octets;
}

} // namespace

class Test_Setup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_env = std::make_unique<Environnement_Test>(); }
    void cleanup() {
        m_env->Verifier_Reponses();
        m_setup.reset();
        m_env.reset();
    }

    void premier_demarrage();
    void demarrage_sur_l_activation_enregistree();
    void section_setup_avec_son_blanc();
    void majuscules_tapees();
    void caracteres_hors_1252_refuses();
    void marche_des_champs_par_entree();
    void refus_sur_entree_data();
    void refus_sur_entree();
    void date_acceptee_sans_bouton_actif();
    void clic_dans_la_liste();
    void raz();
    void supprimer();
    void saisie_nouvelle_activation_puis_reprise();
    void saisie_reponse_non();
    void saisie_activation_connue_remplacee();
    void saisie_trois_champs_obligatoires();
    void saisie_limites_reverifiees_data();
    void saisie_limites_reverifiees();
    void fermeture();

private:
    void Demarrer() {
        m_setup = std::make_unique<Setup>(m_env->services());
        m_setup->Demarrer();
        m_setup->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_setup.get()));
    }
    QLineEdit* Champ(const QString& nom) const { return Trouver<QLineEdit>(nom); }
    QPushButton* Bouton(const QString& nom) const { return Trouver<QPushButton>(nom); }
    QListWidget* Liste() const { return Trouver<QListWidget>(QStringLiteral("Liste_Activite")); }
    template <typename T> T* Trouver(const QString& nom) const {
        auto* controle = m_setup->findChild<T*>(nom);
        if (controle == nullptr) {
            qFatal("Controle absent : %s", qPrintable(nom));
        }
        return controle;
    }
    QString Focus() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }
    void Taper(const QString& nom, const QString& texte, Qt::Key entree = Qt::Key_Return) {
        Champ(nom)->setFocus();
        Frapper(Champ(nom), texte);
        QTest::keyClick(Champ(nom), entree);
    }
    void Cliquer_Numero(int rang) {
        auto* item = Liste()->item(rang);
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, Liste()->visualItemRect(item).center());
    }
    QStringList Numeros_Affiches() const {
        QStringList numeros;
        for (int i = 0; i < Liste()->count(); ++i) {
            numeros << Liste()->item(i)->text();
        }
        return numeros;
    }
    // Exactly these controls enabled among the eight fields and "Saisie des QSO".
    void Verifier_Actifs(const QStringList& actifs) const {
        for (const auto& nom : Champs + QStringList{QStringLiteral("Saisie_des_QSO")}) {
            const QWidget* controle = Trouver<QWidget>(nom);
            QVERIFY2(controle->isEnabled() == actifs.contains(nom), qPrintable(nom));
        }
    }
    // Exactly these fields light green, the others light yellow.
    void Verifier_Verts(const QStringList& verts) const {
        for (const auto& nom : Champs) {
            QVERIFY2(Couleur(Champ(nom)) == (verts.contains(nom) ? Vert_Clair : Jaune_Clair),
                     qPrintable(nom));
        }
    }
    QStringList Textes() const {
        QStringList textes;
        for (const auto& nom : Champs) {
            textes << Champ(nom)->text();
        }
        return textes;
    }
    void Enregistrer_Halloy_Dans_Le_Store() {
        const QStringList valeurs{"ON4XYZ/P", "ON4ABC", "DMF-123",    "Château d'Halloy",
                                  "5590",     "Halloy", "Activation", "12/11/05"};
        for (int i = 0; i < Cles.size(); ++i) {
            m_env->reglages().Ecrire(Cles[i], valeurs[i]);
        }
    }

    const QStringList Cles{QStringLiteral("Indicatif"),     QStringLiteral("Logger"),
                           QStringLiteral("N° Activite"),   QStringLiteral("Nom Activite"),
                           QStringLiteral("N° CP"),         QStringLiteral("Commune"),
                           QStringLiteral("Type Activite"), QStringLiteral("Date Activite")};
    std::unique_ptr<Environnement_Test> m_env;
    std::unique_ptr<Setup> m_setup;
};

void Test_Setup::premier_demarrage() {
    Demarrer();
    QCOMPARE(m_setup->windowTitle(), QStringLiteral("  Maravel_ON    Revision  1.0.0"));
    QCOMPARE(Textes(), QStringList(8, QString()));
    QCOMPARE(Liste()->count(), 0);
    QVERIFY(!m_env->Existe(QStringLiteral("Liste_Activite.txt")));
    Verifier_Actifs(
        {"Activeur", "Logger", "Num_Activite", "Num_CP", "Nom_Commune", "Type_Activite", "Date_Activite"});
    Verifier_Verts({"Activeur"});
    QCOMPARE(Focus(), QStringLiteral("Activeur"));
    QCOMPARE(m_env->reglages().Lire(QStringLiteral("Revision")), QStringLiteral(" 1.0.0"));
    QCOMPARE(m_env->reglages().Lire(QStringLiteral("Chemin Repertoire")),
             QDir::toNativeSeparators(m_env->Dossier()));

    const QList<std::pair<const char*, QString>> libelles{{"Etiquette_Activeur", "Indicatif de l'activeur *"},
                                                          {"Etiquette_Logger", "Logger (euse)"},
                                                          {"Etiquette_Num_Activite", "N° de l'Activité *"},
                                                          {"Etiquette_Nom_Activite", "Nom de l'Activité *"},
                                                          {"Etiquette_Num_CP", "N° du Code Postal *"},
                                                          {"Etiquette_Nom_Commune", "Nom de la Commune *"},
                                                          {"Etiquette_Type_Activite", "Type de l'Activité *"},
                                                          {"Etiquette_Date_Activite", "Date de l'Activité *"},
                                                          {"Exemple_Nom_Activite", "ex: Chateau Halloy"},
                                                          {"Exemple_Num_CP", "ex: 5590"},
                                                          {"Exemple_Nom_Commune", "ex: Halloy"},
                                                          {"Exemple_Type_Activite", "ex: Activation"},
                                                          {"Exemple_Date_Activite", "ex: 12/11/05"},
                                                          {"Etiquette_Liste_Activite", "Activités "},
                                                          {"Note", " (*)  Informations Obligatoires"}};
    for (const auto& [nom, texte] : libelles) {
        QCOMPARE(Trouver<QLabel>(nom)->text(), texte);
    }
    QCOMPARE(Trouver<QGroupBox>("Frame1")->title(), QStringLiteral("ENREGISTREMENT DE L'ACTIVATION"));
    QVERIFY(Trouver<QLabel>("Etiquette_Activeur")->parent() == Trouver<QGroupBox>("Frame2"));
    QCOMPARE(Bouton("Saisie_des_QSO")->text(), QStringLiteral("Saisie des QSO"));
    QCOMPARE(Bouton("RAZ")->text(), QStringLiteral("RAZ pour nouvelle activation"));
    QCOMPARE(Bouton("Supprimer")->text(), QStringLiteral("Supprimer activation"));

    // Centred on the screen, give or take the frame that the platform may add after the move.
    const QPoint ecart = m_setup->frameGeometry().center() - m_setup->screen()->geometry().center();
    QVERIFY2(std::abs(ecart.x()) <= 3 && std::abs(ecart.y()) <= 3, qPrintable(QDebug::toString(ecart)));
    QVERIFY(m_env->messages.textes.isEmpty());
}

void Test_Setup::demarrage_sur_l_activation_enregistree() {
    Enregistrer_Halloy_Dans_Le_Store();
    m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"),
                          Fichier_Liste({Ligne_Moulin, Ligne_Halloy, Ligne_Abbaye}));
    Demarrer();
    QCOMPARE(Textes(), (QStringList{"ON4XYZ/P", "ON4ABC", "DMF-123", "Château d'Halloy", "5590", "Halloy",
                                    "Activation", "12/11/05"}));
    QCOMPARE(Numeros_Affiches(), (QStringList{"ONM-0042", "DMF-123", "DMF-777"}));
    Verifier_Actifs(Champs + QStringList{"Saisie_des_QSO"});
    Verifier_Verts({"Activeur"});
    QCOMPARE(Focus(), QStringLiteral("Activeur"));
}

// "Setup " with its blank and "Setup" are two sections: the window reads and writes only the first.
void Test_Setup::section_setup_avec_son_blanc() {
    QTemporaryDir dossier;
    const QString ini = dossier.filePath(QStringLiteral("Assistant.ini"));
    QSettings(ini, QSettings::IniFormat)
        .setValue(QStringLiteral("Setup/Indicatif"), QStringLiteral("F1SANS"));
    Reglages reglages(ini);
    Services services = m_env->services();
    Services avec_ce_store{services.messages, reglages,         services.horloge,
                           services.fichiers, services.dossier, services.fin_programme};
    m_setup = std::make_unique<Setup>(avec_ce_store);
    m_setup->Demarrer();
    QCOMPARE(Champ("Activeur")->text(), QString());

    reglages.Ecrire(QStringLiteral("Indicatif"), QStringLiteral("F1AVEC"));
    QSettings relu(ini, QSettings::IniFormat);
    QCOMPARE(relu.value(QStringLiteral("Setup /Indicatif")).toString(), QStringLiteral("F1AVEC"));
    QCOMPARE(relu.value(QStringLiteral("Setup/Indicatif")).toString(), QStringLiteral("F1SANS"));
}

void Test_Setup::majuscules_tapees() {
    Demarrer();
    const QList<std::array<QString, 3>> frappes{{"Activeur", "on4xyz/p", "ON4XYZ/P"},
                                                {"Logger", "on4abc", "ON4ABC"},
                                                {"Num_Activite", "dmf-12a", "DMF-12A"},
                                                {"Nom_Activite", "château xé", "château xé"},
                                                {"Num_CP", "b590", "B590"},
                                                {"Nom_Commune", "halloy-é", "halloy-é"},
                                                {"Type_Activite", "activation", "activation"},
                                                {"Date_Activite", "12/nov/05", "12/NOV/05"}};
    Champ("Nom_Activite")->setEnabled(true);
    for (const auto& [nom, tape, attendu] : frappes) {
        Champ(nom)->setFocus();
        Frapper(Champ(nom), tape);
        QCOMPARE(Champ(nom)->text(), attendu);
    }
    // An accented small letter is never converted, even in a callsign field.
    Frapper(Champ("Activeur"), QStringLiteral("é"));
    QCOMPARE(Champ("Activeur")->text(), QStringLiteral("ON4XYZ/Pé"));
}

// Only what Windows-1252 can store, and no control character, reaches a field, typed or pasted.
void Test_Setup::caracteres_hors_1252_refuses() {
    Demarrer();
    auto* activeur = Champ("Activeur");
    activeur->setText(QStringLiteral("ON4"));
    for (const QString& texte : {QStringLiteral("Ł"), QStringLiteral("☃"), QStringLiteral("\t")}) {
        QKeyEvent touche(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte);
        QApplication::sendEvent(activeur, &touche);
    }
    activeur->insert(QStringLiteral("A\r\nB"));
    QCOMPARE(activeur->text(), QStringLiteral("ON4"));
    activeur->insert(QStringLiteral("€°"));
    QCOMPARE(activeur->text(), QStringLiteral("ON4€°"));
}

// The whole walk of a first start, keypad Enter as good as Return.
void Test_Setup::marche_des_champs_par_entree() {
    Demarrer();
    struct Pas {
        QString champ;
        QString tape;
        Qt::Key entree;
        QStringList verts;
        QStringList actifs_en_plus;
        QString focus;
    };
    const QList<Pas> marche{
        {"Activeur", "on4xyz/p", Qt::Key_Return, {"Logger"}, {}, "Logger"},
        {"Logger", "", Qt::Key_Enter, {"Num_Activite"}, {}, "Num_Activite"},
        {"Num_Activite", "dmf-123", Qt::Key_Return, {"Nom_Activite"}, {"Nom_Activite"}, "Nom_Activite"},
        {"Nom_Activite", "Château d'Halloy", Qt::Key_Return, {}, {"Saisie_des_QSO"}, "Num_CP"},
        {"Num_CP", "5590", Qt::Key_Enter, {"Nom_Commune"}, {}, "Nom_Commune"},
        {"Nom_Commune", "Halloy", Qt::Key_Return, {"Type_Activite"}, {}, "Type_Activite"},
        {"Type_Activite", "Activation", Qt::Key_Return, {"Date_Activite"}, {}, "Date_Activite"},
        {"Date_Activite", "12/11/05", Qt::Key_Return, {}, {}, "Saisie_des_QSO"},
    };
    QStringList actifs{"Activeur",    "Logger",        "Num_Activite", "Num_CP",
                       "Nom_Commune", "Type_Activite", "Date_Activite"};
    for (const auto& pas : marche) {
        QCOMPARE(Focus(), pas.champ);
        Frapper(Champ(pas.champ), pas.tape);
        QTest::keyClick(Champ(pas.champ), pas.entree);
        actifs += pas.actifs_en_plus;
        Verifier_Actifs(actifs);
        Verifier_Verts(pas.verts);
        QCOMPARE(Focus(), pas.focus);
    }
    QCOMPARE(Textes(), (QStringList{"ON4XYZ/P", "", "DMF-123", "Château d'Halloy", "5590", "Halloy",
                                    "Activation", "12/11/05"}));
    QVERIFY(m_env->messages.textes.isEmpty());
}

// Every message is checked against its rule in the core tests; here, one of each kind as the window shows it.
void Test_Setup::refus_sur_entree_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    const auto cas = [](const char* nom, const QString& champ, const QString& texte, const QString& message) {
        QTest::newRow(nom) << champ << texte << message;
    };
    cas("activeur long", "Activeur", "ON4XYZ/P/MM", "10 caracteres maxi");
    cas("activeur vide", "Activeur", "", "Nom de l'activeur obligatoire");
    cas("numero barre", "Num_Activite", "DMF/123", Refus_Nom_De_Fichier);
    cas("numero points", "Num_Activite", "..", Refus_Nom_De_Fichier);
    cas("cp vide", "Num_CP", "", "4 caracteres pour le C.P.");
    cas("cp long", "Num_CP", "55900", "4 caracteres pour le C.P.");
    cas("type long", "Type_Activite", QString(36, 'x'), "35 caracteres maxi");
    cas("date longue", "Date_Activite", "12/11/2005", "8 caracteres pour la date JJ/MM/AA");
}

// A refused field shows its message, keeps the focus and its colour, and moves nothing on.
void Test_Setup::refus_sur_entree() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Demarrer();
    Champ(champ)->setEnabled(true);
    Colorer(Champ(champ), Vert_Clair);
    Taper(champ, texte);
    QCOMPARE(m_env->messages.textes, QStringList{message});
    QCOMPARE(Focus(), champ);
    QCOMPARE(Champ(champ)->text(), texte);
    QCOMPARE(Couleur(Champ(champ)), Vert_Clair);
    QVERIFY(!Bouton("Saisie_des_QSO")->isEnabled());
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")), QByteArray());
}

// At the very first start the date field is open while the button is not: Enter accepts the date and
// the focus stays there.
void Test_Setup::date_acceptee_sans_bouton_actif() {
    Demarrer();
    Colorer(Champ("Date_Activite"), Vert_Clair);
    Taper(QStringLiteral("Date_Activite"), QStringLiteral("12/11/05"));
    QCOMPARE(Focus(), QStringLiteral("Date_Activite"));
    QCOMPARE(Couleur(Champ("Date_Activite")), Jaune_Clair);
    QVERIFY(m_env->messages.textes.isEmpty());
}

// A click fills the fields from the last line of that number, leaves the logger alone, and enables
// what a look-up enables: not the logger, not the commune.
void Test_Setup::clic_dans_la_liste() {
    const QString halloy_recent = Ligne_Halloy.left(13) + QStringLiteral("ON4ZZZ    ") +
                                  Ligne_Halloy.mid(23, 70) + QStringLiteral("Ciney").leftJustified(36);
    m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"),
                          Fichier_Liste({Ligne_Halloy, Ligne_Moulin, halloy_recent, Ligne_Abbaye.left(93)}));
    m_env->reglages().Ecrire(QStringLiteral("Logger"), QStringLiteral("ON4ABC"));
    Demarrer();
    QCOMPARE(Numeros_Affiches(), (QStringList{"DMF-123", "ONM-0042", "DMF-123", "DMF-777"}));

    Cliquer_Numero(0);
    QCOMPARE(Textes(), (QStringList{"ON4ZZZ", "ON4ABC", "DMF-123", "Château d'Halloy", "5590", "Ciney",
                                    "Activation", "12/11/05"}));
    QCOMPARE(Focus(), QStringLiteral("Saisie_des_QSO"));

    Bouton("RAZ")->click();
    Cliquer_Numero(3); // a 93-character line: no commune
    QCOMPARE(Textes(),
             (QStringList{"ON4XYZ", "", "DMF-777", "Abbaye d'Aulne", "6534", "", "Patrimoine", "21/09/24"}));
    Verifier_Actifs({"Activeur", "Num_Activite", "Nom_Activite", "Num_CP", "Type_Activite", "Date_Activite",
                     "Saisie_des_QSO"});
    QCOMPARE(Focus(), QStringLiteral("Saisie_des_QSO"));
    QVERIFY(m_env->messages.textes.isEmpty());
}

void Test_Setup::raz() {
    Enregistrer_Halloy_Dans_Le_Store();
    Demarrer();
    Taper(QStringLiteral("Activeur"), QString());
    Taper(QStringLiteral("Logger"), QString());
    Bouton("RAZ")->setFocus();
    QTest::keyClick(Bouton("RAZ"), Qt::Key_Return);
    QCOMPARE(Textes(), QStringList(8, QString()));
    // The number keeps its state and its colour: green, as Enter in the logger left it.
    Verifier_Actifs({"Activeur", "Num_Activite"});
    Verifier_Verts({"Activeur", "Num_Activite"});
    QCOMPARE(Focus(), QStringLiteral("Activeur"));
    QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("N° Activite")), QStringLiteral("DMF-123"));
}

void Test_Setup::supprimer() {
    const QByteArray liste = Fichier_Liste({Ligne_Halloy, Ligne_Moulin, Ligne_Halloy, Ligne_Abbaye});
    m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"), liste);
    Enregistrer_Halloy_Dans_Le_Store();
    Demarrer();

    QTest::mouseClick(Bouton("Supprimer"), Qt::LeftButton);
    QCOMPARE(m_env->messages.textes, QStringList{"Cliquez sur une activité pour la selectionner"});
    QCOMPARE(Champ("Num_Activite")->text(), QStringLiteral("DMF-123")); // the message only: nothing cleared

    m_env->messages.textes.clear();
    Cliquer_Numero(2);
    m_env->messages.Repondre(false);
    QTest::mouseClick(Bouton("Supprimer"), Qt::LeftButton);
    QCOMPARE(m_env->messages.textes, QStringList{"Voulez vous effacer l'activité DMF-123 ?"});
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")), liste);
    QCOMPARE(Textes(), QStringList(8, QString()));
    QCOMPARE(Focus(), QStringLiteral("Activeur"));

    m_env->messages.Repondre(true);
    QTest::mouseClick(Bouton("Supprimer"), Qt::LeftButton);
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")),
             Fichier_Liste({Ligne_Moulin, Ligne_Abbaye}));
    QCOMPARE(Numeros_Affiches(), (QStringList{"ONM-0042", "DMF-777"}));
    QVERIFY(!m_env->Existe(QStringLiteral("Temporaire.txt")));

    // The selection is remembered: the same number is asked again and nothing more goes.
    m_env->messages.Repondre(true);
    QTest::mouseClick(Bouton("Supprimer"), Qt::LeftButton);
    QCOMPARE(m_env->messages.questions.last(), QStringLiteral("Voulez vous effacer l'activité DMF-123 ?"));
    QCOMPARE(Numeros_Affiches(), (QStringList{"ONM-0042", "DMF-777"}));

    for (int fois = 0; fois < 2; ++fois) {
        Cliquer_Numero(0);
        m_env->messages.Repondre(true);
        QTest::mouseClick(Bouton("Supprimer"), Qt::LeftButton);
    }
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")), QByteArray());
    QVERIFY(m_env->Existe(QStringLiteral("Liste_Activite.txt")));
    QCOMPARE(Liste()->count(), 0);
}

void Test_Setup::saisie_nouvelle_activation_puis_reprise() {
    m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"), Fichier_Liste({Ligne_Moulin}));
    Demarrer();
    for (const auto& [nom, texte] : QList<std::pair<QString, QString>>{{"Activeur", "on4xyz/p"},
                                                                       {"Logger", "on4abc"},
                                                                       {"Num_Activite", "dmf-123"},
                                                                       {"Nom_Activite", "Château d'Halloy"},
                                                                       {"Num_CP", "5590"},
                                                                       {"Nom_Commune", "Halloy"},
                                                                       {"Type_Activite", "Activation"},
                                                                       {"Date_Activite", "12/11/05"}}) {
        Taper(nom, texte);
    }
    QCOMPARE(Focus(), QStringLiteral("Saisie_des_QSO"));
    m_env->messages.Repondre(true);
    QTest::keyClick(Bouton("Saisie_des_QSO"), Qt::Key_Return);

    QCOMPARE(m_env->messages.textes,
             (QStringList{QStringLiteral("Enregistrer l'activité ") + Ligne_Halloy + QStringLiteral(" ?"),
                          Nouvelle}));
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")),
             Fichier_Liste({Ligne_Moulin, Ligne_Halloy}));
    QVERIFY(m_env->Existe(QStringLiteral("DMF-123.txt")));
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("DMF-123.txt")), QByteArray());
    QCOMPARE(Numeros_Affiches(), (QStringList{"ONM-0042", "DMF-123"}));
    const Reglages relus = m_env->Reglages_Relus();
    const QStringList ecrits{"ON4XYZ/P", "ON4ABC", "DMF-123",    "Château d'Halloy",
                             "5590",     "Halloy", "Activation", "12/11/05"};
    for (int i = 0; i < Cles.size(); ++i) {
        QCOMPARE(relus.Lire(Cles[i]), ecrits[i]);
    }
    QCOMPARE(Textes(), ecrits);

    Saisie_QSO* saisie = m_setup->Fenetre_Saisie();
    QVERIFY(saisie != nullptr);
    QVERIFY(saisie->isVisible());
    QVERIFY(!saisie->isModal());
    QCOMPARE(saisie->windowTitle(), QStringLiteral("  Maravel    Revision  1.0.0"));

    // A second press finds the activation and its log: no question, the log kept, the same window.
    const QByteArray qso = "12/11/05  14:25  F4ABC         59  JEAN             59  59  SSB    3.5 Mhz \r\n";
    m_env->Ecrire_Fichier(QStringLiteral("DMF-123.txt"), qso);
    m_env->messages.textes.clear();
    QTest::mouseClick(Bouton("Saisie_des_QSO"), Qt::LeftButton);
    QCOMPARE(m_env->messages.textes, QStringList{En_Cours});
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("DMF-123.txt")), qso);
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")),
             Fichier_Liste({Ligne_Moulin, Ligne_Halloy}));
    QCOMPARE(m_setup->Fenetre_Saisie(), saisie);
    QCOMPARE(m_setup->findChildren<Saisie_QSO*>().size(), 1);
    QVERIFY(saisie->isVisible());
    QCOMPARE(m_env->fins_programme, 0);
}

// No: the window is cleared, nothing reaches the files, but the store keeps what was typed and shows
// it again at the next start.
void Test_Setup::saisie_reponse_non() {
    Enregistrer_Halloy_Dans_Le_Store();
    Demarrer();
    Champ("Num_Activite")->clear();
    Taper(QStringLiteral("Num_Activite"), QStringLiteral("dmf-124"));
    m_env->messages.Repondre(false);
    QTest::mouseClick(Bouton("Saisie_des_QSO"), Qt::LeftButton);
    QCOMPARE(m_env->messages.questions.size(), 1);
    QCOMPARE(m_env->messages.textes.size(), 1);
    QCOMPARE(Textes(), QStringList(8, QString()));
    QVERIFY(m_setup->Fenetre_Saisie() == nullptr);
    QVERIFY(!m_env->Existe(QStringLiteral("Liste_Activite.txt")));
    QVERIFY(!m_env->Existe(QStringLiteral("DMF-124.txt")));

    Demarrer();
    QCOMPARE(Champ("Num_Activite")->text(), QStringLiteral("DMF-124"));
    QCOMPARE(Champ("Activeur")->text(), QStringLiteral("ON4XYZ/P"));
}

// A known number is saved without a question: its line is replaced where it stands, and the fields
// end with the values typed, not with those the look-up took from the list (the type cut to 12).
void Test_Setup::saisie_activation_connue_remplacee() {
    m_env->Ecrire_Fichier(QStringLiteral("Liste_Activite.txt"), Fichier_Liste({Ligne_Halloy, Ligne_Abbaye}));
    m_env->Ecrire_Fichier(QStringLiteral("DMF-123.txt"), "ancien\r\n");
    Enregistrer_Halloy_Dans_Le_Store();
    Demarrer();
    Champ("Num_CP")->clear();
    Taper(QStringLiteral("Num_CP"), QStringLiteral("5591"));
    Champ("Type_Activite")->setFocus();
    Frapper(Champ("Type_Activite"), QStringLiteral(" du château"));
    QTest::mouseClick(Bouton("Saisie_des_QSO"), Qt::LeftButton);

    QCOMPARE(m_env->messages.textes, QStringList{En_Cours});
    const QString remplacee =
        QString(Ligne_Halloy)
            .replace(QStringLiteral("5590  Activation   "), QStringLiteral("5591  Activation d "));
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Liste_Activite.txt")),
             Fichier_Liste({remplacee, Ligne_Abbaye}));
    QCOMPARE(m_env->Lire_Fichier(QStringLiteral("DMF-123.txt")), QByteArray("ancien\r\n"));
    QCOMPARE(Champ("Type_Activite")->text(), QStringLiteral("Activation du château"));
    QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("Type Activite")),
             QStringLiteral("Activation du château"));
    QCOMPARE(Champ("Num_CP")->text(), QStringLiteral("5591"));
}

void Test_Setup::saisie_trois_champs_obligatoires() {
    Enregistrer_Halloy_Dans_Le_Store();
    m_env->reglages().Ecrire(QStringLiteral("Indicatif"), QString());
    Demarrer();
    QTest::mouseClick(Bouton("Saisie_des_QSO"), Qt::LeftButton);
    QCOMPARE(m_env->messages.textes, QStringList{"Les trois premiers champs sont obligatoires"});
    QVERIFY(!m_env->Existe(QStringLiteral("Liste_Activite.txt")));
    QVERIFY(!m_env->Existe(QStringLiteral("DMF-123.txt")));
    QVERIFY(m_setup->Fenetre_Saisie() == nullptr);
}

void Test_Setup::saisie_limites_reverifiees_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("ajout");
    QTest::addColumn<QString>("message");
    const auto cas = [](const char* nom, const QString& champ, const QString& texte, const QString& message) {
        QTest::newRow(nom) << champ << texte << message;
    };
    cas("commune", "Nom_Commune", " sur Meuse en Belgique", "26 caracteres maxi");
    cas("logger", "Logger", "/P/MM", "10 caracteres maxi");
    cas("code postal", "Num_CP", "0", "4 caracteres pour le C.P.");
    cas("numero", "Num_Activite", "/2", Refus_Nom_De_Fichier);
}

// A value typed without Enter is checked before anything is saved: its own message, the focus in it,
// and no file nor store touched.
void Test_Setup::saisie_limites_reverifiees() {
    QFETCH(QString, champ);
    QFETCH(QString, ajout);
    QFETCH(QString, message);
    Enregistrer_Halloy_Dans_Le_Store();
    Demarrer();
    Champ(champ)->setFocus();
    Champ(champ)->end(false);
    Frapper(Champ(champ), ajout);
    QTest::mouseClick(Bouton("Saisie_des_QSO"), Qt::LeftButton);
    QCOMPARE(m_env->messages.textes, QStringList{message});
    QCOMPARE(Focus(), champ);
    QCOMPARE(Couleur(Champ(champ)), Vert_Clair);
    QVERIFY(!m_env->Existe(QStringLiteral("Liste_Activite.txt")));
    QCOMPARE(QDir(m_env->Dossier()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("Commune")), QStringLiteral("Halloy"));
    QCOMPARE(m_env->Reglages_Relus().Lire(QStringLiteral("N° Activite")), QStringLiteral("DMF-123"));
}

void Test_Setup::fermeture() {
    Demarrer();
    QCOMPARE(m_env->fins_programme, 0);
    m_setup->close();
    QCOMPARE(m_env->fins_programme, 1);
}

QTEST_MAIN(Test_Setup)
#include "test_setup.moc"
