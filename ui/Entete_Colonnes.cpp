#include "ui/Entete_Colonnes.h"

#include "core/Qso.h"
#include "ui/Sous_Programmes.h"

#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>

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

void Entete_Colonnes::Poser_Sur(QListWidget* liste) {
    const QFont fixe = Police_Fixe();
    setFont(fixe);
    liste->setFont(fixe);
    liste->setUniformItemSizes(true);
    Espacer_Lignes(liste);
    // The list's own frame and margin: the header starts where the list's text starts. As narrow as the
    // list: never wider for the words it cannot show.
    setContentsMargins(liste->frameWidth() + 2, 0, liste->frameWidth(), 0);
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
    // Sideways, a list of lines scrolls by pixels.
    connect(liste->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int decalage) {
        m_decalage = decalage;
        update();
    });
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
    peintre.setClipRect(zone);
    // Measured on the whole run of characters before the column: glyph advances are fractional.
    const QFontMetricsF mesures(font());
    const qreal ligne_de_base = zone.top() + (zone.height() - mesures.height()) / 2 + mesures.ascent();
    for (qsizetype i = 0; i < mots.size(); ++i) {
        const QString devant(m_colonnes[static_cast<std::size_t>(i)] - 1, QLatin1Char('0'));
        peintre.drawText(QPointF(zone.left() - m_decalage + mesures.horizontalAdvance(devant), ligne_de_base),
                         mots[i]);
    }
}
