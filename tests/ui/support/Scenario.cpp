#include "Scenario.h"

#include "ui/Sous_Programmes.h"

#include <QTest>
#include <QtWidgets>

namespace {

// clang-format off
const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> Touches{
    {"\r", {Qt::Key_Return, {}}}, {"[Pave]", {Qt::Key_Enter, Qt::KeypadModifier}}, {"[+]", {Qt::Key_Plus, Qt::KeypadModifier}},
    {"[F9]", {Qt::Key_F9, {}}}, {"[F10]", {Qt::Key_F10, {}}}, {"[F11]", {Qt::Key_F11, {}}}, {"[F12]", {Qt::Key_F12, {}}},
    {"[F13]", {Qt::Key_F13, {}}}, {"[Fin]", {Qt::Key_End, {}}}, {"[Haut]", {Qt::Key_Up, {}}}, {"[Retour]", {Qt::Key_Backspace, {}}},
    {"[Espace]", {Qt::Key_Space, {}}}};
// Each word of a state: the property of widgets and menu items it reads, and the value it stands for.
const std::map<QString, std::pair<const char*, bool>> Mots{
    {"actif", {"enabled", true}}, {"inactif", {"enabled", false}}, {"visible", {"visible", true}},
    {"cache", {"visible", false}}, {"coche", {"checked", true}}, {"decoche", {"checked", false}}};
// clang-format on

QString Texte(const QObject* c) {
    if (const auto* liste = qobject_cast<const QListWidget*>(c)) {
        return liste->currentItem() ? liste->currentItem()->text() : QString();
    }
    for (const char* propriete : {"currentText", "text", "title", "windowTitle"}) {
        if (c->metaObject()->indexOfProperty(propriete) >= 0) {
            return c->property(propriete).toString();
        }
    }
    return {};
}

QString Couleur_Nommee(const QObject* champ) {
    const QColor couleur = Couleur(static_cast<const QWidget*>(champ));
    return couleur == Vert_Clair ? "vert" : couleur == Jaune_Clair ? "jaune" : couleur.name();
}

// The word itself when the control is so, else what it is.
QString Mot(const QObject* c, const QString& mot) {
    if (const auto* liste = qobject_cast<const QListWidget*>(c); mot.startsWith(QLatin1String("ligne"))) {
        const bool lignes = mot.startsWith(QLatin1String("lignes="));
        return mot.section(u'=', 0, 0) + '=' +
               QString::number(lignes ? liste->count() : liste->currentRow() + 1);
    }
    if (!Mots.contains(mot)) {
        return Couleur_Nommee(c);
    }
    return c->property(Mots.at(mot).first).toBool() == Mots.at(mot).second ? mot : "pas " + mot;
}

QObject* Controle(QWidget* fenetre, const QString& nom) {
    QObject* c = fenetre->objectName() == nom ? fenetre : fenetre->findChild<QObject*>(nom);
    if (c == nullptr) {
        QTest::qFail(qPrintable("no control named " + nom), __FILE__, __LINE__);
    }
    return c;
}

// The text of a control, the store's value of "$Cle", the focus; with words, what the control is.
QString Valeur(QWidget* fenetre, Environnement_Test& env, const QString& nom, const QString& mots) {
    if (nom == QLatin1String("focus")) {
        const QWidget* focus = QApplication::focusWidget();
        // The focus of an editable list is on its inner line.
        return focus && qobject_cast<const QComboBox*>(focus->parent()) ? focus->parentWidget()->objectName()
               : focus                                                  ? focus->objectName()
                                                                        : QString();
    }
    if (nom.startsWith(u'$')) {
        return env.Reglages_Relus().Lire(nom.mid(1));
    }
    const QObject* controle = Controle(fenetre, nom);
    if (controle == nullptr || mots.isNull()) {
        return controle ? Texte(controle) : QString();
    }
    QStringList vus;
    for (const QString& mot : mots.split(u' ', Qt::SkipEmptyParts)) {
        vus << Mot(controle, mot);
    }
    return vus.join(u' ');
}

void Verifier(QWidget* fenetre, Environnement_Test& env, const QString& attendu) {
    // "=" before any ":" expects a text ("$Cle" a value of the store); otherwise the words of a state.
    const qsizetype egal = attendu.indexOf(u'='), deux_points = attendu.indexOf(u':');
    const bool texte = egal >= 0 && (deux_points < 0 || egal < deux_points);
    const qsizetype separateur = texte ? egal : deux_points;
    QVERIFY2(separateur > 0, qPrintable("unreadable expectation: " + attendu));
    const QString valeur = attendu.mid(separateur + 1).trimmed();
    const QStringList noms = attendu.startsWith(u'$')
                                 ? QStringList{attendu.left(separateur)}
                                 : attendu.left(separateur).split(u' ', Qt::SkipEmptyParts);
    for (const QString& nom : noms) {
        const QString vu = Valeur(fenetre, env, nom, texte ? QString() : valeur);
        QCOMPARE(nom + attendu[separateur] + vu,
                 nom + attendu[separateur] + (texte ? attendu.mid(egal + 1) : valeur));
    }
}

// Every window the operator sees lies inside the screen's available area, with room above for a desktop's
// title bar, and could still on a desktop whose panel takes part of the screen: the offscreen screen draws
// neither.
void Verifier_Ecran() {
    const QSize bureau(16, 32 + 30); // frame and title bar, then a panel
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) {
            const QRect zone = w->screen()->availableGeometry(), cadre = w->frameGeometry();
            const QSize minimum = w->minimumSizeHint().expandedTo(w->minimumSize()) + bureau;
            QVERIFY2(zone.contains(cadre) && cadre.height() + 32 <= zone.height() &&
                         minimum.width() <= zone.width() && minimum.height() <= zone.height(),
                     qPrintable(w->objectName() + " off the screen: " + QDebug::toString(cadre)));
        }
    }
}

} // namespace

void Taper(const QString& texte) {
    static const QRegularExpression morceaux(QStringLiteral("\\[[^\\]]+\\]|."),
                                             QRegularExpression::DotMatchesEverythingOption);
    for (const auto& morceau : morceaux.globalMatch(texte)) {
        QWidget* cible = QApplication::focusWidget();
        QVERIFY2(cible != nullptr, "no control has the focus");
        const QString c = morceau.captured();
        if (const auto touche = Touches.find(c); touche != Touches.end()) {
            QTest::keyClick(cible, touche->second.first, touche->second.second);
        } else if (c[0].unicode() < 0x80) {
            QTest::keyClick(cible, c[0].toLatin1());
        } else { // QTest maps only ASCII to keys: the rest arrives as text, as from a keyboard layout
            QTest::sendKeyEvent(QTest::Click, cible, Qt::Key_unknown, c, Qt::NoModifier);
        }
    }
}

void Scenario::Lignes(const std::vector<Cas>& table) {
    QTest::addColumn<int>("cas");
    for (std::size_t i = 0; i < table.size(); ++i) {
        QTest::newRow(table[i].nom) << static_cast<int>(i);
    }
}

void Scenario::Jouer(const std::vector<Cas>& table) {
    QFETCH(int, cas);
    Environnement_Test env;
    Jouer(table[static_cast<std::size_t>(cas)], env);
    m_fenetre.reset(); // before its services, however the case ended
}

void Scenario::Jouer(const Cas& cas, Environnement_Test& env) {
    for (const auto& [nom, octets] : cas.fichiers) {
        env.Ecrire_Fichier(nom, octets);
    }
    for (const QString& reglage : cas.reglages) {
        env.reglages().Ecrire(reglage.section(u'=', 0, 0), reglage.section(u'=', 1));
    }
    for (const QString& etape : QStringList{QStringLiteral("rouvrir")} + cas.etapes) {
        if (Etape(env, etape), Verifier_Ecran(), QTest::currentTestFailed()) {
            return qWarning("at step: %s", qPrintable(etape));
        }
    }
    QStringList vus = env.messages.textes;
    for (qsizetype i = 0; i < std::min(vus.size(), cas.messages.size()); ++i) {
        if (cas.messages[i].endsWith(QLatin1String("...")) && vus[i].startsWith(cas.messages[i].chopped(3))) {
            vus[i] = cas.messages[i];
        }
    }
    QCOMPARE(vus, cas.messages);
    for (const QString& attendu : cas.attendus) {
        if (Verifier(m_fenetre.get(), env, attendu), QTest::currentTestFailed()) {
            return;
        }
    }
    for (const auto& [nom, octets] : cas.fichiers_apres) {
        QCOMPARE(nom + (env.Existe(nom) ? " present" : " absent"),
                 nom + (octets.isNull() ? " absent" : " present"));
        QCOMPARE(env.Lire_Fichier(nom), octets);
    }
    env.Verifier_Reponses();
}

void Scenario::Etape(Environnement_Test& env, const QString& etape) {
    static const QRegularExpression frappe(QStringLiteral("^(\\w*)> ?(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QString verbe = etape.section(u' ', 0, 0);
    const QString argument = etape.section(u' ', 1);
    const auto tape = frappe.match(etape);
    if (etape.startsWith(u'?')) {
        Verifier(m_fenetre.get(), env, etape.mid(1));
    } else if (etape == QLatin1String("oui") || etape == QLatin1String("non")) {
        env.messages.Repondre(etape == QLatin1String("oui"));
    } else if (etape == QLatin1String("rouvrir")) {
        m_fenetre.reset();
        m_fenetre = m_fabrique(env);
        m_fenetre->show();
        QTRY_VERIFY((m_fenetre->activateWindow(), m_fenetre->isActiveWindow()));
    } else if (tape.hasMatch()) {
        auto* controle = qobject_cast<QWidget*>(
            tape.captured(1).isEmpty() ? nullptr : Controle(m_fenetre.get(), tape.captured(1)));
        auto* liste = qobject_cast<QComboBox*>(controle);
        if (auto* ligne = liste ? liste->lineEdit() : qobject_cast<QLineEdit*>(controle)) {
            QTest::mouseClick(controle, Qt::LeftButton);
            ligne->selectAll();
        } else if (controle != nullptr) { // a button: focused, for the keys to reach it
            controle->setFocus();
        }
        Taper(tape.captured(2));
    } else if (verbe == QLatin1String("clic")) {
        auto* controle = qobject_cast<QWidget*>(Controle(m_fenetre.get(), argument.section(u' ', 0, 0)));
        auto* liste = qobject_cast<QListWidget*>(controle);
        if (QListWidgetItem* item = liste ? liste->item(argument.section(u' ', 1).toInt() - 1) : nullptr) {
            liste->scrollToItem(item);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(item).center());
        } else if (controle != nullptr) {
            QTest::mouseClick(controle, Qt::LeftButton);
        }
    } else if (verbe == QLatin1String("menu")) {
        if (auto* item = qobject_cast<QAction*>(Controle(m_fenetre.get(), argument))) {
            item->trigger();
        }
    } else {
        QVERIFY2(m_verbes.contains(verbe), qPrintable("unknown step: " + etape));
        m_verbes.at(verbe)(m_fenetre.get(), env, argument);
    }
}

QStringList Table_Des_Controles(const QWidget* fenetre) {
    QStringList table;
    for (const QObject* c :
         fenetre->findChildren<QObject*>() + QList<QObject*>{const_cast<QWidget*>(fenetre)}) {
        const auto* widget = qobject_cast<const QWidget*>(c);
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) ||
            (widget == nullptr && qobject_cast<const QAction*>(c) == nullptr)) {
            continue;
        }
        QString ligne = c->objectName() + " \"" + Texte(c) + '"';
        ligne += widget && !widget->toolTip().isEmpty() ? " bulle \"" + widget->toolTip() + '"' : QString();
        ligne += qobject_cast<const QLineEdit*>(c) || qobject_cast<const QComboBox*>(c)
                     ? ' ' + Couleur_Nommee(c)
                     : "";
        QStringList entrees; // of a drop-down list; the items of a menu, or of a main window's menu bar
        if (const auto* liste = qobject_cast<const QComboBox*>(c)) {
            for (int i = 0; i < liste->count(); ++i) {
                entrees << liste->itemText(i);
            }
        }
        const auto* principale = qobject_cast<const QMainWindow*>(c);
        const auto* menu = qobject_cast<const QMenu*>(c);
        for (const QAction* a : principale ? principale->menuBar()->actions()
                                : menu     ? menu->actions()
                                           : QList<QAction*>()) {
            entrees << (a->menu() ? a->menu()->objectName() : a->objectName());
        }
        ligne += entrees.isEmpty() ? "" : " [" + entrees.join(u' ') + ']';
        if (const auto* liste = qobject_cast<const QListWidget*>(c)) {
            ligne += " lignes=" + QString::number(liste->count());
        }
        ligne += c->property("enabled").toBool() ? "" : " inactif";
        const bool cache = widget && !menu && c != fenetre && !widget->isVisibleTo(fenetre);
        table << ligne + (cache ? " cache" : "") + (c->property("checked").toBool() ? " coche" : "");
    }
    table.sort();
    return table;
}

QStringList Table_Attendue(const QString& texte) {
    QStringList table = texte.split(QRegularExpression(QStringLiteral("\\s*[|\\n]\\s*")), Qt::SkipEmptyParts);
    table.sort();
    return table;
}
