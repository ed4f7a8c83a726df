#include "ui/Recherche_Indicatif.h"

#include "core/Qso.h"
#include "core/Recherche.h"
#include "ui/Entete_Colonnes.h"
#include "ui/Sous_Programmes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString Titres_Colonnes =
    QStringLiteral("N°  Date  QTR  Indicatif  Dpt  Prenom  RST R      E    Mode  Bande  Observations");

// Lines differ at least by their number within these first characters.
constexpr qsizetype Debut_Compare = 134;

} // namespace

Recherche_Indicatif::Recherche_Indicatif(Services& services, QListWidget* liste_qso, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services), m_liste_qso(liste_qso) {
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(QStringLiteral("Recherche QSO"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* cadre = Nommer(new QGroupBox(QStringLiteral("Rechercher un QSO par ...")), "Label3");
    m_option_indicatif = Nommer(new QRadioButton(QStringLiteral("Indicatif")), "Option1_1");
    m_option_date = Nommer(new QRadioButton(QStringLiteral("Date")), "Option1_2");
    m_option_indicatif->setChecked(true);
    m_indica = Nommer(new QLineEdit, "Indica");
    m_data = Nommer(new QLineEdit, "Data");
    for (QLineEdit* boite : {m_indica, m_data}) {
        Limiter_Au_1252(boite);
        boite->setMaximumWidth(boite->fontMetrics().horizontalAdvance(QString(16, QLatin1Char('W'))));
        boite->installEventFilter(this);
    }
    auto* grille = new QGridLayout(cadre);
    grille->addWidget(m_option_indicatif, 0, 0);
    grille->addWidget(m_indica, 0, 1);
    grille->addWidget(m_option_date, 1, 0);
    grille->addWidget(m_data, 1, 1);
    grille->setColumnStretch(2, 1);

    auto* entete =
        Nommer(new Entete_Colonnes(Colonnes_Entete_Log(Maravel::Decalage_Affichage + 1)), "Entete");
    entete->setText(Titres_Colonnes);
    m_qso_effectues = Nommer(new QListWidget, "QSO_Effectues");
    entete->Poser_Sur(m_qso_effectues);
    m_qso_effectues->setToolTip(QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    m_qso_effectues->setFocusPolicy(Qt::ClickFocus);

    auto* command1 = Nommer(new QPushButton(QStringLiteral("Quitter")), "Command1");
    command1->setAutoDefault(false);

    auto* page = new QVBoxLayout(this);
    page->addWidget(cadre);
    page->addWidget(entete);
    page->addWidget(m_qso_effectues, 1);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(command1);
    page->addLayout(bas);

    connect(m_option_indicatif, &QRadioButton::clicked, m_indica, [this] { m_indica->setFocus(); });
    connect(m_option_date, &QRadioButton::clicked, m_data, [this] { m_data->setFocus(); });
    connect(m_qso_effectues, &QListWidget::itemClicked, this, &Recherche_Indicatif::QSO_Effectues_Click);
    connect(command1, &QPushButton::clicked, this, &QWidget::close);

    // Room for the 110 columns of a list line and the scroll bar, within the screen.
    const int largeur = m_qso_effectues->fontMetrics().horizontalAdvance(QString(114, QLatin1Char('0'))) + 40;
    Dimensionner(this, {largeur, 520});
    setTabOrder(m_indica, m_data);
    m_indica->setFocus();
}

bool Recherche_Indicatif::eventFilter(QObject* objet, QEvent* evenement) {
    auto* boite = qobject_cast<QLineEdit*>(objet);
    if (boite == nullptr) {
        return QWidget::eventFilter(objet, evenement);
    }
    if (evenement->type() == QEvent::MouseButtonPress) {
        (boite == m_indica ? m_option_indicatif : m_option_date)->setChecked(true);
    } else if (evenement->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(evenement);
        if (Est_Entree(touche)) {
            boite == m_indica ? Entree_Indica() : Entree_Data();
            return true;
        }
        return boite == m_indica && Majuscule_Tapee(m_indica, touche);
    }
    return QWidget::eventFilter(objet, evenement);
}

void Recherche_Indicatif::Entree_Indica() {
    if (const auto refus = Maravel::Refus_Indicatif_Cherche(Vers_1252(m_indica->text()))) {
        m_services.messages.Information(Depuis_1252(*refus));
        return;
    }
    Rechercher();
}

void Recherche_Indicatif::Entree_Data() {
    if (const auto refus = Maravel::Refus_Date_Cherchee(Vers_1252(m_data->text()))) {
        m_services.messages.Information(Depuis_1252(*refus));
        return;
    }
    Rechercher();
}

// The selected option decides what is looked for, whichever box Enter came from.
void Recherche_Indicatif::Rechercher() {
    m_qso_effectues->clear();
    if (m_liste_qso == nullptr) {
        return;
    }
    std::vector<std::string> lignes;
    lignes.reserve(static_cast<std::size_t>(m_liste_qso->count()));
    for (int i = 0; i < m_liste_qso->count(); ++i) {
        lignes.push_back(Vers_1252(m_liste_qso->item(i)->text()));
    }
    const bool par_indicatif = m_option_indicatif->isChecked();
    const auto resultat = Maravel::Rechercher(
        lignes, par_indicatif ? Maravel::Critere_Recherche::Indicatif : Maravel::Critere_Recherche::Date,
        Vers_1252((par_indicatif ? m_indica : m_data)->text()));
    if (resultat.refus) {
        m_services.messages.Information(Depuis_1252(*resultat.refus));
        (par_indicatif ? m_indica : m_data)->clear();
        return;
    }
    for (const std::size_t i : resultat.trouvees) {
        m_qso_effectues->addItem(m_liste_qso->item(static_cast<int>(i))->text());
    }
    if (m_qso_effectues->count() == 0) {
        m_services.messages.Information(QStringLiteral("Pas de QSO trouvé"));
    }
    m_indica->clear();
    m_data->clear();
}

void Recherche_Indicatif::QSO_Effectues_Click(QListWidgetItem* resultat) {
    const QString cle = resultat->text().left(Debut_Compare);
    int trouvee = -1;
    for (int i = 0; m_liste_qso != nullptr && i < m_liste_qso->count(); ++i) {
        if (m_liste_qso->item(i)->text().left(Debut_Compare) == cle) {
            trouvee = i; // the last equal line wins
        }
    }
    if (trouvee < 0) {
        // The log changed since the search: the operator must not edit or delete another QSO unawares.
        m_services.messages.Information(
            QStringLiteral("Ce QSO n'est plus dans la liste des QSO (le log a changé depuis la recherche) : "
                           "la ligne sélectionnée reste la même. Relancez la recherche."));
    } else {
        m_liste_qso->setCurrentRow(trouvee);
        m_liste_qso->scrollToItem(m_liste_qso->item(trouvee));
    }
    close();
}

void Recherche_Indicatif::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
