#pragma once
// An entry window on a test activation, shown and active so that focus and keys behave as on screen.

#include "Support.h"
#include "ui/Activation_Courante.h"
#include "ui/Saisie_QSO.h"
#include "ui/Sous_Programmes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <initializer_list>
#include <memory>

class Activation_Test final : public Source_Activation {
public:
    Activation_Affichee valeurs{QStringLiteral("F/ON4XYZ/P"), QString(),
                                QStringLiteral("DMF-123"),    QStringLiteral("Château de Halloy"),
                                QStringLiteral("5590"),       QStringLiteral("Halloy"),
                                QStringLiteral("Activation"), QStringLiteral("12/11/05")};
    Activation_Affichee Activation() const override { return valeurs; }
};

class Fenetre_Saisie {
public:
    Environnement_Test env;
    Activation_Test setup;
    std::unique_ptr<Saisie_QSO> fenetre;

    // The log file of the test activation.
    QString Nom_Log() const { return setup.valeurs.Num_Activite + QStringLiteral(".txt"); }
    QByteArray Log() const { return env.Lire_Fichier(Nom_Log()); }

    void Ouvrir() {
        fenetre = std::make_unique<Saisie_QSO>(env.services(), setup);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    }

    template <typename T = QLineEdit> T* Controle(const char* nom) const {
        T* controle = fenetre->findChild<T*>(QLatin1String(nom));
        if (controle == nullptr) {
            qFatal("Contrôle introuvable : %s", nom);
        }
        return controle;
    }
    QLineEdit* Champ(const char* nom) const { return Controle<QLineEdit>(nom); }
    QComboBox* Liste(const char* nom) const { return Controle<QComboBox>(nom); }
    QLabel* Label(const char* nom) const { return Controle<QLabel>(nom); }
    QPushButton* Bouton(const char* nom) const { return Controle<QPushButton>(nom); }
    QListWidget* Liste_QSO() const { return Controle<QListWidget>("Liste_QSO"); }
    QAction* Menu(const char* nom) const { return Controle<QAction>(nom); }

    // The text each named field, list or label shows, in the given order.
    QStringList Textes(std::initializer_list<const char*> noms) const {
        QStringList textes;
        for (const char* nom : noms) {
            QWidget* controle = Controle<QWidget>(nom);
            const auto* liste = qobject_cast<QComboBox*>(controle);
            const auto* label = qobject_cast<QLabel*>(controle);
            textes << (liste ? liste->currentText() : label ? label->text() : Champ(nom)->text());
        }
        return textes;
    }
    // The named controls that are enabled, or visible: a group of controls checked at once.
    QStringList Actifs(std::initializer_list<const char*> noms) const {
        return Ceux(noms, [](QWidget* c) { return c->isEnabled(); });
    }
    QStringList Visibles(std::initializer_list<const char*> noms) const {
        return Ceux(noms, [](QWidget* c) { return c->isVisible(); });
    }

    // The values of the given keys in the store as a restarted program would read them.
    QStringList Reglages_Lus(std::initializer_list<const char*> cles) const {
        const Reglages relus = env.Reglages_Relus();
        QStringList valeurs;
        for (const char* cle : cles) {
            valeurs << relus.Lire(QString::fromUtf8(cle));
        }
        return valeurs;
    }

    void Cliquer(const char* nom) const { QTest::mouseClick(Controle<QWidget>(nom), Qt::LeftButton); }
    // Puts the focus in a field by a click, its text selected so that typing replaces it.
    void Remplacer_Dans(const char* nom) const {
        Cliquer(nom);
        Champ(nom)->selectAll();
    }

    // Types into the widget that has the focus, as the operator does.
    static void Taper(const QString& texte) {
        for (const QChar c : texte) {
            QWidget* cible = QApplication::focusWidget();
            if (c.unicode() < 0x80) {
                QTest::keyClick(cible, c.toLatin1());
            } else { // QTest only maps ASCII to keys: the rest arrives as text, as from a keyboard layout
                QTest::sendKeyEvent(QTest::Press, cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }
    static void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), touche, modificateurs);
    }
    static void Entree() { Touche(Qt::Key_Return); }
    static void Plus() { Touche(Qt::Key_Plus, Qt::KeypadModifier); }
    static QString Focus() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The callsign and Enter, then each text and Enter in the fields the walk opens.
    static void Saisir(const QString& indicatif, const QStringList& suite = {}) {
        QCOMPARE(Focus(), QStringLiteral("Indi_Q"));
        Taper(indicatif);
        Entree();
        for (const QString& texte : suite) {
            Taper(texte);
            Entree();
        }
    }

private:
    template <typename Test> QStringList Ceux(std::initializer_list<const char*> noms, Test test) const {
        QStringList retenus;
        for (const char* nom : noms) {
            if (test(Controle<QWidget>(nom))) {
                retenus << QString::fromLatin1(nom);
            }
        }
        return retenus;
    }
};

// A log line as the program writes it: date, time, callsign, department, first name, reports, mode, band,
// remarks, each padded to its columns.
inline QByteArray Ligne(const char* date, const char* heure, const char* indicatif, const char* dpt,
                        const char* prenom, const char* rst_r, const char* rst_e, const char* mode,
                        const char* bande, const char* observations = "") {
    auto champ = [](const char* texte, int largeur) { return QByteArray(texte).leftJustified(largeur, ' '); };
    return champ(date, 10) + champ(heure, 7) + champ(indicatif, 14) + champ(dpt, 4) + champ(prenom, 17) +
           champ(rst_r, 4) + champ(rst_e, 4) + champ(mode, 6) + QByteArray(bande).rightJustified(3, ' ') +
           " Mhz " + champ(observations, 30) + "\r\n";
}
