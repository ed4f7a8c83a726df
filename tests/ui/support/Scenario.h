#pragma once
// Window scenarios written as tables. A case gives the data folder and the store before the window
// opens, the operator's steps, then what must hold: every message shown, the controls' states and texts,
// the store and the files' bytes. Any window can be driven: the test says how to build it, and controls
// are found under it by their objectName.
//
// Steps:  "Nom> texte"  click into the field Nom (a button: focus it), select its text, then type
//         "> texte"     type into the control that has the focus
//         "clic Nom"    click the control; "clic Nom 3": line 3 of the list Nom
//         "menu Nom"    trigger the menu item;  "oui", "non": queue the answer to the next question
//         "rouvrir"     build the window again on the same folder and store;  "?attendu": check now
//         other         a verb of the test, named by the first word
// Typed text: "\r" is Enter; "[Pave]" and "[+]" the keypad's Enter and plus; "[F9]".."[F13]", "[Fin]",
// "[Haut]",
// "[Retour]" (Backspace), "[Espace]".
// Expectations:  "Nom1 Nom2=texte"  each control shows this text (a list: its current line)
//                "Nom1 Nom2: mots"  each is all of: vert jaune actif inactif visible cache coche decoche
//                                   lignes=N (a list's count) ligne=N (its current line, 0: none)
//                "focus=Nom"        "$Cle=valeur": the store as a restarted program reads it

#include "Support.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using Fichiers = std::vector<std::pair<QString, QByteArray>>;
inline const QByteArray Absent; // the expected bytes of a file that must not exist

struct Cas {
    const char* nom = "";
    Fichiers fichiers{};    // the data folder before the window opens
    QStringList reglages{}; // "Cle=valeur" in the store before the window opens
    QStringList etapes{};
    QStringList messages{}; // every text shown, in order; one ending with "..." is a text's beginning
    QStringList attendus{};
    Fichiers fichiers_apres{};
};

class Scenario {
public:
    using Fabrique = std::function<std::unique_ptr<QWidget>(Environnement_Test&)>;
    using Verbe = std::function<void(QWidget* fenetre, Environnement_Test& env, const QString& argument)>;

    explicit Scenario(Fabrique fabrique, std::map<QString, Verbe> verbes = {})
        : m_fabrique(std::move(fabrique)), m_verbes(std::move(verbes)) {}

    static void Lignes(const std::vector<Cas>& table); // in a test's _data function: one row per case
    void Jouer(const std::vector<Cas>& table);         // in the test function: the row's case

private:
    void Jouer(const Cas& cas, Environnement_Test& env);
    void Etape(Environnement_Test& env, const QString& etape);

    Fabrique m_fabrique;
    std::map<QString, Verbe> m_verbes;
    std::unique_ptr<QWidget> m_fenetre;
};

// Types as the operator does, into whatever has the focus when each key arrives.
void Taper(const QString& texte);

// Every named control under the window, one line each, sorted: its text, hint, colour, the entries of a
// list in brackets (a menu's items, a main window's menus), and "inactif", "cache", "coche" when so.
QStringList Table_Des_Controles(const QWidget* fenetre);
// The same, as a test writes it out: entries separated by "|" or line breaks, in any order.
QStringList Table_Attendue(const QString& texte);
