#pragma once
// Routines the windows share.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

class QAbstractItemView;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QWidget;

inline const QColor Vert_Clair{192, 255, 192};
inline const QColor Jaune_Clair{255, 255, 192};

// Background of a text box (kept when the box is disabled, as operators expect from the yellow fields).
void Colorer(QWidget* champ, const QColor& couleur);
QColor Couleur(const QWidget* champ);

// The one pair between the windows' text and the files' Windows-1252. Fields only hold characters the
// code page can store, so the conversion to 1252 replaces nothing in practice; a stray character
// becomes "?" rather than being lost silently.
std::string Vers_1252(const QString& texte);
QString Depuis_1252(std::string_view octets);

// Refuses any text holding a character Windows-1252 cannot store or a control character, so that a
// pasted line break or an emoji never reaches a file.
// Every control is named: the tests and the accessibility tools find it by that name.
template <typename Controle> Controle* Nommer(Controle* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

// A window's title line: the label's own font, bold and a fifth larger.
void En_Titre(QLabel* label);

class Validateur_1252 final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};
void Limiter_Au_1252(QLineEdit* champ);

// Capitals as the files store them: a letter becomes its capital only when that capital is one
// Windows-1252 character, so the length never changes ("ß" and "µ" stay as they are).
QString Majuscules(const QString& texte);

// The fixed-pitch font of the lists and labels: one that draws accented capitals whole (Liberation Mono,
// DejaVu Sans Mono, Courier New), else the system's fixed font, so that columns line up under headers.
QFont Police_Fixe();

// Gives the lines of a list in that font the height of its accented capitals, so that no accent is
// clipped (TRÈS and TRÉS must not look alike).
void Espacer_Lignes(QAbstractItemView* liste);
bool Chasse_Fixe(const QFont& police);

// Left and top that centre the window on its screen's available area (integer halves), never off it.
void Centrer(QWidget* fenetre);

// The available area of the screen the window is on (or of the primary screen).
QRect Zone_Disponible(const QWidget* fenetre);

// The size a window wants, within the available area of its screen less a desktop's frame around it.
void Dimensionner(QWidget* fenetre, QSize voulue);

// Small letters a-z typed into a callsign-like field become capitals: the key is consumed and its
// capital inserted. True when the event was handled.
bool Majuscule_Tapee(QLineEdit* champ, QKeyEvent* touche);

bool Est_Entree(const QKeyEvent* touche);
