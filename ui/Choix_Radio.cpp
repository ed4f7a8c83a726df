#include "ui/Choix_Radio.h"

#include "ui/Sous_Programmes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

const QString Aucune_Radio = QStringLiteral("Aucune radio");

QString Libelle_Vitesse(int vitesse) {
    return vitesse == 0 ? QStringLiteral("Celle du modèle") : QString::number(vitesse);
}

} // namespace

Choix_Radio::Choix_Radio(Radio& radio, const Reglage_Radio& actuel, QWidget* parent)
    : QDialog(parent), m_radio(radio) {
    setObjectName(QStringLiteral("Choix_Radio"));
    setWindowTitle(QStringLiteral("Radio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);

    m_filtre = Nommer(new QLineEdit, "Filtre_Modele");
    m_filtre->setPlaceholderText(QStringLiteral("Chercher une marque, un modèle ou un numéro"));
    m_filtre->setClearButtonEnabled(true);
    m_modeles = Nommer(new QListWidget, "Liste_Modeles");
    m_modeles->addItem(Aucune_Radio);
    m_modeles->item(0)->setData(Qt::UserRole, 0);
    for (const Modele_Radio& modele : radio.Modeles()) {
        auto* ligne = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(modele.libelle).arg(modele.numero));
        ligne->setData(Qt::UserRole, modele.numero);
        m_modeles->addItem(ligne);
    }
    m_port = Nommer(new QComboBox, "Port_Radio");
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    m_port->setCompleter(nullptr);
    m_port->addItems(radio.Ports());
    Limiter_Au_1252(m_port->lineEdit());
    m_port->lineEdit()->setMaxLength(static_cast<int>(Longueur_Port_Radio));
    m_port->setEditText(actuel.port);
    m_vitesse = Nommer(new QComboBox, "Vitesse_Radio");
    for (const int vitesse : Vitesses_Radio) {
        m_vitesse->addItem(Libelle_Vitesse(vitesse), vitesse);
    }
    m_vitesse->setCurrentIndex(std::max(0, m_vitesse->findData(actuel.vitesse)));
    m_tester = Nommer(new QPushButton(QStringLiteral("Tester")), "Tester_Radio");
    m_tester->setAutoDefault(false);
    m_resultat = Nommer(new QLabel, "Resultat_Test");
    m_resultat->setWordWrap(true);
    auto* boutons = new QDialogButtonBox;
    Nommer(boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "OK_Radio");
    Nommer(boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole), "Annule_Radio");

    auto* grille = new QGridLayout(this);
    grille->addWidget(new QLabel(QStringLiteral("Modèle :")), 0, 0);
    grille->addWidget(m_filtre, 0, 1);
    grille->addWidget(m_modeles, 1, 1);
    grille->addWidget(new QLabel(QStringLiteral("Port :")), 2, 0);
    grille->addWidget(m_port, 2, 1);
    grille->addWidget(new QLabel(QStringLiteral("Vitesse :")), 3, 0);
    grille->addWidget(m_vitesse, 3, 1);
    grille->addWidget(m_tester, 4, 0);
    grille->addWidget(m_resultat, 4, 1);
    grille->addWidget(boutons, 5, 0, 1, 2);
    grille->setRowStretch(1, 1);
    resize(560, 420); // within a 1024x600 screen, with a dozen models in sight

    connect(m_filtre, &QLineEdit::textChanged, this, &Choix_Radio::Filtrer);
    connect(m_modeles, &QListWidget::currentRowChanged, this, &Choix_Radio::Modele_Change);
    connect(m_tester, &QPushButton::clicked, this, &Choix_Radio::Tester_Click);
    connect(&radio, &Radio::Testee, this, &Choix_Radio::Resultat_Test);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (int i = 0; i < m_modeles->count(); ++i) {
        if (m_modeles->item(i)->data(Qt::UserRole).toInt() == actuel.modele) {
            m_modeles->setCurrentRow(i);
        }
    }
    Modele_Change();
    m_filtre->setFocus();
}

void Choix_Radio::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    // Once the list has its size: the radio chosen in the middle, among its neighbours.
    m_modeles->scrollToItem(m_modeles->currentItem(), QAbstractItemView::PositionAtCenter);
}

// "Aucune radio" stays in sight whatever is searched; a search goes to its first model unless the current
// one still matches.
void Choix_Radio::Filtrer(const QString& texte) {
    const QString cherche = texte.trimmed();
    int premier = 0;
    for (int i = 1; i < m_modeles->count(); ++i) {
        const bool montre = m_modeles->item(i)->text().contains(cherche, Qt::CaseInsensitive);
        m_modeles->setRowHidden(i, !montre);
        premier = premier == 0 && montre && !cherche.isEmpty() ? i : premier;
    }
    const int courante = m_modeles->currentRow();
    if (courante <= 0 || m_modeles->isRowHidden(courante)) {
        m_modeles->setCurrentRow(premier);
    }
}

const Modele_Radio* Choix_Radio::Modele_Choisi() const {
    const int numero = m_modeles->currentItem() ? m_modeles->currentItem()->data(Qt::UserRole).toInt() : 0;
    const auto& modeles = m_radio.Modeles();
    const auto trouve = std::find_if(modeles.begin(), modeles.end(),
                                     [numero](const Modele_Radio& m) { return m.numero == numero; });
    return trouve == modeles.end() ? nullptr : &*trouve;
}

// Port and speed only where the model has them: a rigctld is reached at « hôte:port ».
void Choix_Radio::Modele_Change() {
    const Modele_Radio* modele = Modele_Choisi();
    const Sorte_Port sorte = modele ? modele->port : Sorte_Port::Aucun;
    m_port->setEnabled(sorte != Sorte_Port::Aucun);
    m_port->lineEdit()->setPlaceholderText(sorte == Sorte_Port::Reseau  ? QStringLiteral("hôte:port")
                                           : sorte == Sorte_Port::Serie ? QStringLiteral("port série")
                                                                        : QString());
    m_vitesse->setEnabled(sorte == Sorte_Port::Serie);
    m_tester->setEnabled(modele != nullptr);
    m_resultat->clear();
}

Reglage_Radio Choix_Radio::Reglage() const {
    const Modele_Radio* modele = Modele_Choisi();
    if (modele == nullptr) {
        return {};
    }
    return {modele->numero, m_port->isEnabled() ? m_port->currentText().trimmed() : QString(),
            m_vitesse->isEnabled() ? m_vitesse->currentData().toInt() : 0};
}

void Choix_Radio::Tester_Click() {
    m_tester->setEnabled(false);
    m_resultat->setText(QStringLiteral("Essai en cours…"));
    m_radio.Tester(Reglage());
}

void Choix_Radio::Resultat_Test(const Lecture_Radio& lecture) {
    m_tester->setEnabled(Modele_Choisi() != nullptr);
    // The answer to a trial of another model or port than the one shown now says nothing of it.
    m_resultat->setText(lecture.reglage == Reglage() ? Texte_Etat_Radio(lecture) : QString());
}
