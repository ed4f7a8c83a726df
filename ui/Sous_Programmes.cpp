#include "ui/Sous_Programmes.h"

#include "core/Texte1252.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QWidget>

#include <algorithm>

void Colorer(QWidget* champ, const QColor& couleur) {
    QPalette palette = champ->palette();
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(groupe, QPalette::Base, couleur);
    }
    champ->setPalette(palette);
}

QColor Couleur(const QWidget* champ) {
    return champ->palette().color(QPalette::Active, QPalette::Base);
}

std::string Vers_1252(const QString& texte) {
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (const QChar c : texte) {
        octets.push_back(Maravel::Octet_1252(c.unicode()).value_or('?'));
    }
    return octets;
}

QString Depuis_1252(std::string_view octets) {
    return QString::fromStdU16String(Maravel::Depuis_1252(octets));
}

QValidator::State Validateur_1252::validate(QString& texte, int&) const {
    for (const QChar c : texte) {
        if (!Maravel::Caractere_Admis(c.unicode())) {
            return Invalid;
        }
    }
    return Acceptable;
}

void Limiter_Au_1252(QLineEdit* champ) {
    champ->setValidator(new Validateur_1252(champ));
}

bool Chasse_Fixe(const QFont& police) {
    // Measured rather than asked: some monospaced fonts do not declare themselves so.
    const QFontMetrics mesures(police);
    return mesures.horizontalAdvance(QStringLiteral("iiiii")) ==
           mesures.horizontalAdvance(QStringLiteral("WWWWW"));
}

QString Majuscules(const QString& texte) {
    return Depuis_1252(Maravel::Majuscules_1252(Vers_1252(texte)));
}

QFont Police_Fixe() {
    // A bitmap "Terminal" clips the accents of capitals (TRÈS and TRÉS would look alike).
    const QStringList installees = QFontDatabase::families();
    for (const QString& famille : {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                                   QStringLiteral("Courier New")}) {
        if (installees.contains(famille)) {
            QFont police(famille);
            police.setStyleHint(QFont::TypeWriter);
            if (Chasse_Fixe(police)) {
                return police;
            }
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

namespace {

class Delegue_Lignes final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize taille = QStyledItemDelegate::sizeHint(option, index);
        const QRect encre = option.fontMetrics.boundingRect(QStringLiteral("ÉÈÊÖÜÅÇgjpqy"));
        taille.setHeight(std::max(taille.height(), encre.height() + 4));
        return taille;
    }
};

} // namespace

void Espacer_Lignes(QAbstractItemView* liste) {
    liste->setItemDelegate(new Delegue_Lignes(liste));
}

QRect Zone_Disponible(const QWidget* fenetre) {
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    return ecran != nullptr ? ecran->availableGeometry() : QRect();
}

void Dimensionner(QWidget* fenetre, QSize voulue) {
    const QRect zone = Zone_Disponible(fenetre);
    fenetre->resize(zone.isEmpty() ? voulue : voulue.boundedTo(zone.size() - QSize(16, 48)));
}

void Centrer(QWidget* fenetre) {
    const QRect zone = Zone_Disponible(fenetre);
    if (zone.isEmpty()) {
        return;
    }
    const QSize taille = fenetre->frameGeometry().size();
    fenetre->move(zone.x() + std::max(0, (zone.width() - taille.width()) / 2),
                  zone.y() + std::max(0, (zone.height() - taille.height()) / 2));
}

bool Majuscule_Tapee(QLineEdit* champ, QKeyEvent* touche) {
    const QString texte = touche->text();
    if (texte.size() != 1 || texte[0] < QLatin1Char('a') || texte[0] > QLatin1Char('z')) {
        return false;
    }
    champ->insert(texte.toUpper());
    return true;
}

bool Est_Entree(const QKeyEvent* touche) {
    return touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
}

void En_Titre(QLabel* label) {
    QFont titre = label->font();
    titre.setBold(true);
    titre.setPointSizeF(titre.pointSizeF() * 1.2);
    label->setFont(titre);
}
