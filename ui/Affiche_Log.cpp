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
    // The log line starts in column 8, after the number's five columns and two blanks.
    auto* label2 = Nommer(new Entete_Colonnes(Colonnes_Entete_Log(8), frame2), "Label2");
    m_label2 = label2;
    m_liste_qso = Nommer(new QListWidget(frame2), "Liste_QSO");
    label2->Poser_Sur(m_liste_qso);
    auto* dans_frame = new QVBoxLayout(frame2);
    dans_frame->addWidget(m_label2);
    dans_frame->addWidget(m_liste_qso, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_label3);
    page->addWidget(frame2, 1);

    // Room for the 111 columns of a list line, the frames and the list's scroll bar, within the screen.
    const int largeur = m_liste_qso->fontMetrics().horizontalAdvance(QString(115, QLatin1Char('0'))) + 60;
    Dimensionner(this, {largeur, 600});
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
