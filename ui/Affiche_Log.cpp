#include "ui/Affiche_Log.h"

#include "core/Sorties.h"
#include "ui/Entete_Colonnes.h"
#include "ui/Sous_Programmes.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

Affiche_Log::Affiche_Log(Services& services, const Activation_Affichee& activation, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(QStringLiteral("Affiche_Log"));
    setWindowTitle(QStringLiteral("Affichage du Log"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    En_Titre(m_label3);

    auto* frame2 = new QGroupBox(QStringLiteral("Liste des QSO"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    const QFont fixe = Police_Fixe();
    // The log line starts in column 8, after the number's five columns and two blanks.
    m_label2 = new Entete_Colonnes(Colonnes_Entete_Log(8), frame2);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(fixe);
    m_liste_qso = new QListWidget(frame2);
    m_liste_qso->setObjectName(QStringLiteral("Liste_QSO"));
    m_liste_qso->setFont(fixe);
    m_liste_qso->setUniformItemSizes(true);
    Espacer_Lignes(m_liste_qso);
    // The header starts where the list's text starts.
    m_label2->setContentsMargins(m_liste_qso->frameWidth() + 2, 0, 0, 0);
    auto* dans_frame = new QVBoxLayout(frame2);
    dans_frame->addWidget(m_label2);
    dans_frame->addWidget(m_liste_qso, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_label3);
    page->addWidget(frame2, 1);

    // Room for the 106 columns of the header and the list's scroll bar, within the screen.
    const int largeur = QFontMetrics(fixe).horizontalAdvance(QString(112, QLatin1Char('0'))) + 60;
    const QRect zone = Zone_Disponible(this);
    resize(zone.isEmpty() ? largeur : std::min(largeur, zone.width() - 16),
           zone.isEmpty() ? 600 : std::min(600, zone.height() - 48));
    Charger(activation);
}

void Affiche_Log::Charger(const Activation_Affichee& activation) {
    m_label2->setText(Depuis_1252(Maravel::Entete_Affiche_Log));
    m_label3->setText(Depuis_1252(Maravel::Titre_Affiche_Log(Vers_1252(activation.Num_Activite))));
    m_liste_qso->clear();
    const auto log = Lire_Log(m_services, activation.Num_Activite);
    if (!log) {
        return;
    }
    QStringList lignes;
    lignes.reserve(static_cast<qsizetype>(log->size()));
    for (std::size_t i = 0; i < log->size(); ++i) {
        lignes << Depuis_1252(Maravel::Ligne_Affiche_Log(i + 1, (*log)[i]));
    }
    m_liste_qso->addItems(lignes);
}

void Affiche_Log::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
