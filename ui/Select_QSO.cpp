#include "ui/Select_QSO.h"

#include "core/Etiquettes.h"
#include "ui/Etiquettes.h"
#include "ui/Sous_Programmes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {

QListWidget* Nouvelle_Liste(const char* nom, QWidget* parent) {
    auto* liste = new QListWidget(parent);
    liste->setObjectName(QLatin1String(nom));
    liste->setFont(Police_Fixe());
    liste->setUniformItemSizes(true);
    Espacer_Lignes(liste);
    return liste;
}

QStringList Textes(const std::vector<std::string>& lignes) {
    QStringList textes;
    textes.reserve(static_cast<qsizetype>(lignes.size()));
    for (const auto& ligne : lignes) {
        textes << Depuis_1252(ligne);
    }
    return textes;
}

} // namespace

Select_QSO::Select_QSO(Services& services, std::function<Activation_Affichee()> activation, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services), m_activation(std::move(activation)) {
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(QStringLiteral("Selection QSO"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* label2 = new QLabel(QStringLiteral("Selection des QSO pour impression d'étiquettes"), frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    En_Titre(label2);
    label2->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(frame1))->addWidget(label2);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* label3 = new QLabel(QStringLiteral("Cliquez sur un QSO pour le selectionner "), frame2);
    label3->setObjectName(QStringLiteral("Label3"));
    m_liste_qso = Nouvelle_Liste("Liste_QSO", frame2);
    auto* label4 =
        new QLabel(QStringLiteral("QSO selectionné(s) pour impression d'etiquettes . Cliquez sur un "
                                  "QSO pour le déselctionner."),
                   frame2);
    label4->setObjectName(QStringLiteral("Label4"));
    m_liste_imprime = Nouvelle_Liste("Liste_Imprime", frame2);
    auto* dans_frame = new QVBoxLayout(frame2);
    dans_frame->addWidget(label3);
    dans_frame->addWidget(m_liste_qso, 1);
    dans_frame->addWidget(label4);
    dans_frame->addWidget(m_liste_imprime, 1);

    auto* select_all = new QPushButton(QStringLiteral("Tout séléctionner"), this);
    select_all->setObjectName(QStringLiteral("Select_All"));
    auto* impression = new QPushButton(QStringLiteral("Vers page Impression"), this);
    impression->setObjectName(QStringLiteral("Impression"));
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(select_all);
    boutons->addSpacing(40);
    boutons->addWidget(impression);
    boutons->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(frame1);
    page->addWidget(frame2, 1);
    page->addLayout(boutons);

    connect(m_liste_qso, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Deplacer(item, m_liste_qso, m_qso, m_liste_imprime, m_imprime);
    });
    connect(m_liste_imprime, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Deplacer(item, m_liste_imprime, m_imprime, m_liste_qso, m_qso);
    });
    connect(select_all, &QPushButton::clicked, this, &Select_QSO::Select_All_Click);
    connect(impression, &QPushButton::clicked, this, &Select_QSO::Impression_Click);

    // The 79 columns of a line and the scroll bar, within the screen.
    const int largeur =
        QFontMetrics(m_liste_qso->font()).horizontalAdvance(QString(84, QLatin1Char('0'))) + 60;
    Dimensionner(this, {largeur, 640});
    Charger();
}

// Sorted once and added at once: a sorted insert line by line would make a long log slow to open.
void Select_QSO::Charger() {
    const auto log = Lire_Log(m_services, m_activation().Num_Activite);
    if (!log) {
        return;
    }
    m_qso = Maravel::Lignes_Selection_Triees(*log);
    m_liste_qso->addItems(Textes(m_qso));
}

void Select_QSO::Deplacer(QListWidgetItem* item, QListWidget* depuis, std::vector<std::string>& lignes_depuis,
                          QListWidget* vers, std::vector<std::string>& lignes_vers) {
    const int ligne = depuis->row(item);
    if (ligne < 0) {
        return;
    }
    const std::string texte = lignes_depuis[static_cast<std::size_t>(ligne)];
    const std::size_t place = Maravel::Place_Triee(lignes_vers, texte);
    lignes_vers.insert(lignes_vers.begin() + static_cast<std::ptrdiff_t>(place), texte);
    vers->insertItem(static_cast<int>(place), Depuis_1252(texte));
    lignes_depuis.erase(lignes_depuis.begin() + ligne);
    delete depuis->takeItem(ligne);
    // The list would make the clicked line's neighbour current and selected, which reads as picked: no
    // line is (no current line, no selection).
    depuis->setCurrentRow(-1);
}

void Select_QSO::Select_All_Click() {
    std::vector<std::string> toutes;
    toutes.reserve(m_qso.size() + m_imprime.size());
    std::merge(m_imprime.begin(), m_imprime.end(), m_qso.begin(), m_qso.end(), std::back_inserter(toutes));
    m_imprime = std::move(toutes);
    m_qso.clear();
    m_liste_qso->clear();
    m_liste_imprime->clear();
    m_liste_imprime->addItems(Textes(m_imprime));
}

// One label window, kept with the selection it prints from, and opened beside it.
void Select_QSO::Impression_Click() {
    if (m_etiquettes == nullptr) {
        m_etiquettes = new Etiquettes(
            m_services, [this] { return m_imprime; }, m_activation, this);
        Placer_A_Cote(m_etiquettes);
    }
    m_etiquettes->setWindowState(m_etiquettes->windowState() & ~Qt::WindowMinimized);
    m_etiquettes->show();
    m_etiquettes->raise();
    m_etiquettes->activateWindow();
}

// Side by side, the pair centred, when the screen is wide enough; else the selection on the left edge and
// the label window on the right one, so that the callsigns of the print list stay in sight. Placed before
// it is first shown, where the window manager then frames it; its frame is taken to be this window's.
void Select_QSO::Placer_A_Cote(QWidget* etiquettes) {
    const QRect zone = Zone_Disponible(this);
    if (zone.isEmpty()) {
        return;
    }
    const QRect selection = frameGeometry();
    etiquettes->adjustSize();
    const QSize taille = etiquettes->size() + selection.size() - size();
    const int libre = zone.width() - selection.width() - taille.width();
    const int x = libre >= 0 ? zone.x() + libre / 2 : zone.x();
    const auto dans_l_ecran = [&zone](int y, int hauteur) {
        return std::clamp(y, zone.y(), std::max(zone.y(), zone.y() + zone.height() - hauteur));
    };
    move(x, dans_l_ecran(selection.y(), selection.height()));
    etiquettes->move(libre >= 0 ? x + selection.width() : zone.x() + zone.width() - taille.width(),
                     dans_l_ecran(selection.y(), taille.height()));
}

void Select_QSO::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
