#include "ui/Entete_Colonnes.h"

#include "core/Qso.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

std::vector<int> Colonnes_Entete_Log(int debut_ligne) {
    using Maravel::Champ_Qso;
    const auto liste = [debut_ligne](Champ_Qso champ) {
        return static_cast<int>(Maravel::Colonne_Debut(champ)) + debut_ligne - 1;
    };
    return {debut_ligne - 4,
            liste(Champ_Qso::Date),
            liste(Champ_Qso::Heure),
            liste(Champ_Qso::Indicatif),
            liste(Champ_Qso::Departement),
            liste(Champ_Qso::Prenom),
            liste(Champ_Qso::Rst_Recu) - 4,
            liste(Champ_Qso::Rst_Recu),
            liste(Champ_Qso::Rst_Envoye),
            liste(Champ_Qso::Mode),
            liste(Champ_Qso::Bande),
            liste(Champ_Qso::Observations)};
}

Entete_Colonnes::Entete_Colonnes(std::vector<int> colonnes, QWidget* parent)
    : QLabel(parent), m_colonnes(std::move(colonnes)) {
    setTextFormat(Qt::PlainText);
}

void Entete_Colonnes::paintEvent(QPaintEvent* evenement) {
    static const QRegularExpression blancs(QStringLiteral("\\s+"));
    const QStringList mots = text().split(blancs, Qt::SkipEmptyParts);
    if (mots.size() != static_cast<qsizetype>(m_colonnes.size())) {
        QLabel::paintEvent(evenement); // another text (a title line): drawn as it stands
        return;
    }
    QPainter peintre(this);
    peintre.setPen(palette().color(foregroundRole()));
    const QRect zone = contentsRect();
    // Measured on the whole run of characters before the column: glyph advances are fractional.
    const QFontMetricsF mesures(font());
    const qreal ligne_de_base = zone.top() + (zone.height() - mesures.height()) / 2 + mesures.ascent();
    for (qsizetype i = 0; i < mots.size(); ++i) {
        const QString devant(m_colonnes[static_cast<std::size_t>(i)] - 1, QLatin1Char('0'));
        peintre.drawText(QPointF(zone.left() + mesures.horizontalAdvance(devant), ligne_de_base), mots[i]);
    }
}
