#include "ui/Setup.h"

#include "core/Sauvegardes.h"
#include "ui/Horloge_Douteuse.h"
#include "ui/Saisie_QSO.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

using Maravel::Champ_Setup;

namespace {

struct Description_Champ {
    const char* nom;
    QString etiquette;
    QString exemple;
    QString cle; // settings store key
    bool majuscules;
};

const std::array<Description_Champ, 8> Descriptions{{
    {"Activeur", QStringLiteral("Indicatif de l'activeur *"), QStringLiteral("ex: F/ON4XYZ/P"),
     QStringLiteral("Indicatif"), true},
    {"Logger", QStringLiteral("Logger (euse)"), QStringLiteral("ex: ON4ABC"), QStringLiteral("Logger"), true},
    {"Num_Activite", QStringLiteral("N° de l'Activité *"), QStringLiteral("ex: DMF-123"),
     QStringLiteral("N° Activite"), true},
    {"Nom_Activite", QStringLiteral("Nom de l'Activité *"), QStringLiteral("ex: Chateau Halloy"),
     QStringLiteral("Nom Activite"), false},
    {"Num_CP", QStringLiteral("N° du Code Postal *"), QStringLiteral("ex: 5590"), QStringLiteral("N° CP"),
     true},
    {"Nom_Commune", QStringLiteral("Nom de la Commune *"), QStringLiteral("ex: Halloy"),
     QStringLiteral("Commune"), false},
    {"Type_Activite", QStringLiteral("Type de l'Activité *"), QStringLiteral("ex: Activation"),
     QStringLiteral("Type Activite"), false},
    {"Date_Activite", QStringLiteral("Date de l'Activité *"), QStringLiteral("ex: 12/11/05"),
     QStringLiteral("Date Activite"), true},
}};

// Where Enter leads once a field is accepted. No focus target means the "Saisie des QSO" button.
struct Suite_Entree {
    std::vector<Champ_Setup> a_activer;
    bool activer_bouton;
    std::optional<Champ_Setup> en_vert;
    std::optional<Champ_Setup> focus;
};

const std::array<Suite_Entree, 8> Suites{{
    {{Champ_Setup::Logger}, false, Champ_Setup::Logger, Champ_Setup::Logger},
    {{Champ_Setup::Num_Activite}, false, Champ_Setup::Num_Activite, Champ_Setup::Num_Activite},
    {{Champ_Setup::Nom_Activite}, false, Champ_Setup::Nom_Activite, Champ_Setup::Nom_Activite},
    {{Champ_Setup::Num_CP, Champ_Setup::Type_Activite, Champ_Setup::Date_Activite},
     true,
     std::nullopt,
     Champ_Setup::Num_CP},
    {{Champ_Setup::Nom_Commune}, false, Champ_Setup::Nom_Commune, Champ_Setup::Nom_Commune},
    {{}, false, Champ_Setup::Type_Activite, Champ_Setup::Type_Activite},
    {{}, false, Champ_Setup::Date_Activite, Champ_Setup::Date_Activite},
    {{}, false, std::nullopt, std::nullopt},
}};

// The fields a look-up in the list enables; the logger and the commune keep their state.
constexpr std::array Actives_Par_Recherche{Champ_Setup::Activeur, Champ_Setup::Nom_Activite,
                                           Champ_Setup::Num_CP, Champ_Setup::Type_Activite,
                                           Champ_Setup::Date_Activite};

constexpr std::size_t Indice(Champ_Setup champ) {
    return static_cast<std::size_t>(champ);
}

QPushButton* Bouton(const char* nom, const QString& texte, QWidget* parent) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setMinimumHeight(34);
    return bouton;
}

} // namespace

Setup::Setup(Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_liste(services.fichiers, services.dossier) {
    setObjectName(QStringLiteral("Setup"));
    Construire();

    for (auto* champ : m_champs) {
        Colorer(champ, Jaune_Clair);
    }
    Colorer(Champ(Champ_Setup::Activeur), Vert_Clair);
    Champ(Champ_Setup::Activeur)->setEnabled(false);
    Champ(Champ_Setup::Nom_Activite)->setEnabled(false);
    m_saisie_des_qso->setEnabled(false);

    connect(m_liste_activite, &QListWidget::itemClicked, this, [this](const QListWidgetItem* item) {
        m_numero_selectionne = item->text();
        Cherche_Activite(m_numero_selectionne);
    });
    connect(m_raz, &QPushButton::clicked, this, &Setup::RAZ_Setup);
    connect(m_supprimer, &QPushButton::clicked, this, &Setup::Efface_Activite);
    connect(m_saisie_des_qso, &QPushButton::clicked, this, &Setup::Saisie_Des_QSO);
}

void Setup::Construire() {
    auto* frame1 = new QGroupBox(QStringLiteral("ENREGISTREMENT DE L'ACTIVATION"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setAlignment(Qt::AlignHCenter);
    frame1->setStyleSheet(QStringLiteral("QGroupBox#Frame1 { font-weight: bold; }"));

    auto* frame2 = new QGroupBox(frame1);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* grille = new QGridLayout(frame2);
    grille->setHorizontalSpacing(12);
    grille->setVerticalSpacing(8);
    for (std::size_t i = 0; i < Descriptions.size(); ++i) {
        const auto& description = Descriptions[i];
        const int rang = static_cast<int>(i);
        auto* etiquette = new QLabel(description.etiquette, frame2);
        etiquette->setObjectName(QStringLiteral("Etiquette_") + QString::fromLatin1(description.nom));
        auto* champ = new QLineEdit(frame2);
        champ->setObjectName(QString::fromLatin1(description.nom));
        Limiter_Au_1252(champ);
        champ->installEventFilter(this);
        auto* exemple = new QLabel(description.exemple, frame2);
        exemple->setObjectName(QStringLiteral("Exemple_") + QString::fromLatin1(description.nom));
        exemple->setStyleSheet(QStringLiteral("color: #505050; font-style: italic;"));
        etiquette->setBuddy(champ);
        champ->setAccessibleName(description.etiquette);
        grille->addWidget(etiquette, rang, 0);
        grille->addWidget(champ, rang, 1);
        grille->addWidget(exemple, rang, 2);
        m_champs[i] = champ;
    }
    grille->setColumnStretch(1, 1);

    auto* titre_liste = new QLabel(QStringLiteral("Activités "), frame1);
    titre_liste->setObjectName(QStringLiteral("Etiquette_Liste_Activite"));
    m_liste_activite = new QListWidget(frame1);
    m_liste_activite->setObjectName(QStringLiteral("Liste_Activite"));
    m_liste_activite->setMinimumWidth(170);
    auto* colonne_liste = new QVBoxLayout;
    colonne_liste->addWidget(titre_liste);
    colonne_liste->addWidget(m_liste_activite, 1);

    auto* note = new QLabel(QStringLiteral(" (*)  Informations Obligatoires"), frame1);
    note->setObjectName(QStringLiteral("Note"));

    auto* haut = new QHBoxLayout;
    haut->addWidget(frame2, 1);
    haut->addLayout(colonne_liste);
    auto* dans_frame1 = new QVBoxLayout(frame1);
    dans_frame1->addLayout(haut);
    dans_frame1->addWidget(note);

    m_saisie_des_qso = Bouton("Saisie_des_QSO", QStringLiteral("Saisie des QSO"), this);
    m_raz = Bouton("RAZ", QStringLiteral("RAZ pour nouvelle activation"), this);
    m_supprimer = Bouton("Supprimer", QStringLiteral("Supprimer activation"), this);
    auto* boutons = new QHBoxLayout;
    for (auto* bouton : {m_saisie_des_qso, m_raz, m_supprimer}) {
        bouton->installEventFilter(this);
        boutons->addWidget(bouton);
    }

    auto* fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(14, 14, 14, 14);
    fenetre->setSpacing(12);
    fenetre->addWidget(frame1);
    fenetre->addLayout(boutons);
    // The fields' column as wide as the longest value in capitals of average width, where the screen
    // allows it; else narrower, the fields' text scrolling.
    const auto plus_long = std::ranges::max(Maravel::Champs_Setup, {}, Maravel::Longueur_Maxi);
    const int longueur = static_cast<int>(Maravel::Longueur_Maxi(plus_long));
    const int voulue = fontMetrics().horizontalAdvance(QString(longueur, u'N')) + 12;
    Dimensionner(this, sizeHint() + QSize(std::max(0, voulue - m_champs[0]->sizeHint().width()), 0));
}

QLineEdit* Setup::Champ(Champ_Setup champ) const {
    return m_champs[Indice(champ)];
}

Maravel::ActivationRecord Setup::Valeurs() const {
    Maravel::ActivationRecord activation;
    for (const auto champ : Maravel::Champs_Setup) {
        Maravel::Valeur(activation, champ) = Vers_1252(Champ(champ)->text());
    }
    return activation;
}

Activation_Affichee Setup::Activation() const {
    const auto texte = [this](Champ_Setup champ) { return Champ(champ)->text(); };
    return {texte(Champ_Setup::Activeur),      texte(Champ_Setup::Logger),
            texte(Champ_Setup::Num_Activite),  texte(Champ_Setup::Nom_Activite),
            texte(Champ_Setup::Num_CP),        texte(Champ_Setup::Nom_Commune),
            texte(Champ_Setup::Type_Activite), texte(Champ_Setup::Date_Activite)};
}

void Setup::Lire_Reglages(bool avec_logger) {
    for (const auto champ : Maravel::Champs_Setup) {
        if (avec_logger || champ != Champ_Setup::Logger) {
            const QString& cle = Descriptions[Indice(champ)].cle;
            Champ(champ)->setText(Admettre_Dans_Setup(champ, m_services.reglages.Lire(cle),
                                                      QStringLiteral("Le réglage \"%1\"").arg(cle),
                                                      m_services.messages));
        }
    }
}

void Setup::Ecrire_Reglages() {
    for (const auto champ : Maravel::Champs_Setup) {
        m_services.reglages.Ecrire(Descriptions[Indice(champ)].cle, Champ(champ)->text());
    }
}

void Setup::Demarrer() {
    Lire_Reglages(true);
    m_services.reglages.Ecrire(
        QStringLiteral("Chemin Repertoire"),
        QDir::toNativeSeparators(QString::fromStdU16String(m_services.dossier.u16string())));
    m_services.reglages.Ecrire(QStringLiteral("Revision"), Revision);
    setWindowTitle(QStringLiteral("  Maravel_ON    Revision ") + Revision);
    if (!Champ(Champ_Setup::Num_Activite)->text().isEmpty()) {
        for (const auto champ : Actives_Par_Recherche) {
            Champ(champ)->setEnabled(true);
        }
        m_saisie_des_qso->setEnabled(true);
    }
    show();
    // Centred once shown, when the size of the window's frame is known.
    Centrer(this);
    Cherche_Num_Activite();
    Champ(Champ_Setup::Activeur)->setEnabled(true);
    Champ(Champ_Setup::Activeur)->setFocus();
}

bool Setup::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(objet, evenement);
    }
    auto* touche = static_cast<QKeyEvent*>(evenement);
    // Operators confirm with Enter everywhere, buttons included.
    if (auto* bouton = qobject_cast<QPushButton*>(objet); bouton != nullptr && Est_Entree(touche)) {
        bouton->click();
        return true;
    }
    for (const auto champ : Maravel::Champs_Setup) {
        if (objet != Champ(champ)) {
            continue;
        }
        if (Est_Entree(touche)) {
            Entree(champ);
            return true;
        }
        return Descriptions[Indice(champ)].majuscules && Majuscule_Tapee(Champ(champ), touche);
    }
    return QWidget::eventFilter(objet, evenement);
}

void Setup::Entree(Champ_Setup champ) {
    if (const auto refus = Maravel::Refus_Sur_Entree(champ, Vers_1252(Champ(champ)->text()))) {
        m_services.messages.Information(Depuis_1252(*refus));
        return;
    }
    Colorer(Champ(champ), Jaune_Clair);
    const auto& suite = Suites[Indice(champ)];
    for (const auto suivant : suite.a_activer) {
        Champ(suivant)->setEnabled(true);
    }
    if (suite.activer_bouton) {
        m_saisie_des_qso->setEnabled(true);
    }
    if (suite.en_vert) {
        Colorer(Champ(*suite.en_vert), Vert_Clair);
    }
    // A target still disabled (the button at the very first start) leaves the focus where it is.
    QWidget* cible = suite.focus ? static_cast<QWidget*>(Champ(*suite.focus)) : m_saisie_des_qso;
    if (cible->isEnabled()) {
        cible->setFocus();
    }
}

void Setup::Cherche_Num_Activite() {
    m_liste_activite->clear();
    for (const auto& numero : m_liste.Numeros()) {
        m_liste_activite->addItem(Depuis_1252(numero));
    }
}

bool Setup::Cherche_Activite(const QString& numero) {
    const auto trouvee = m_liste.Chercher(Vers_1252(numero));
    if (trouvee) {
        for (const auto champ : Maravel::Champs_Setup) {
            if (champ != Champ_Setup::Logger) {
                const QString etiquette =
                    QString(Descriptions[Indice(champ)].etiquette).remove(u'*').trimmed();
                Champ(champ)->setText(Admettre_Dans_Setup(
                    champ, Depuis_1252(Maravel::Valeur(*trouvee, champ)),
                    QStringLiteral("Le champ \"%1\" lu dans Liste_Activite.txt").arg(etiquette),
                    m_services.messages));
            }
        }
    }
    for (const auto champ : Actives_Par_Recherche) {
        Champ(champ)->setEnabled(true);
    }
    m_saisie_des_qso->setEnabled(true);
    m_saisie_des_qso->setFocus();
    return trouvee.has_value();
}

void Setup::Ajout_Activite(const std::string& ligne) {
    m_liste.Ajouter_Ou_Remplacer(ligne);
    Cherche_Num_Activite();
}

void Setup::RAZ_Setup() {
    for (auto* champ : m_champs) {
        champ->clear();
    }
    for (const auto champ : {Champ_Setup::Num_CP, Champ_Setup::Nom_Commune, Champ_Setup::Type_Activite,
                             Champ_Setup::Date_Activite}) {
        Colorer(Champ(champ), Jaune_Clair);
    }
    for (const auto champ :
         {Champ_Setup::Nom_Activite, Champ_Setup::Logger, Champ_Setup::Num_CP, Champ_Setup::Nom_Commune,
          Champ_Setup::Type_Activite, Champ_Setup::Date_Activite}) {
        Champ(champ)->setEnabled(false);
    }
    m_saisie_des_qso->setEnabled(false);
    auto* activeur = Champ(Champ_Setup::Activeur);
    activeur->setEnabled(true);
    Colorer(activeur, Vert_Clair);
    activeur->setFocus();
}

void Setup::Efface_Activite() {
    if (m_numero_selectionne.isEmpty()) {
        m_services.messages.Information(QStringLiteral("Cliquez sur une activité pour la selectionner"));
        return;
    }
    const QString numero = m_numero_selectionne.trimmed();
    if (m_services.messages.Question(QStringLiteral("Voulez vous effacer l'activité ") + numero +
                                     QStringLiteral(" ?"))) {
        m_liste.Effacer(Vers_1252(numero));
    }
    RAZ_Setup();
    Cherche_Num_Activite();
}

// The three first fields must be filled; every field must then fit its column, so that a value typed
// without Enter never breaks the list line nor names an impossible log file.
bool Setup::Champs_Enregistrables() {
    for (const auto champ : {Champ_Setup::Activeur, Champ_Setup::Num_Activite, Champ_Setup::Nom_Activite}) {
        if (Champ(champ)->text().isEmpty()) {
            m_services.messages.Information(Depuis_1252(Maravel::Message_Trois_Champs));
            return false;
        }
    }
    for (const auto champ : Maravel::Champs_Setup) {
        if (const auto refus = Maravel::Refus_Avant_Enregistrement(champ, Vers_1252(Champ(champ)->text()))) {
            m_services.messages.Information(Depuis_1252(*refus));
            Champ(champ)->setEnabled(true);
            Colorer(Champ(champ), Vert_Clair);
            Champ(champ)->setFocus();
            return false;
        }
    }
    return true;
}

// The entry window drops the QSO being typed when it turns to another activation: the operator
// decides, before anything is saved.
bool Setup::Abandon_Accepte() {
    const auto indicatif = m_saisie != nullptr ? m_saisie->Qso_Abandonne_Pour(Activation()) : std::nullopt;
    if (!indicatif) {
        return true;
    }
    const QString qso = indicatif->isEmpty() ? QString() : QStringLiteral(" (") + *indicatif + u')';
    return m_services.messages.Question(QStringLiteral("Un QSO est en cours de saisie") + qso +
                                        QStringLiteral(" : l'abandonner pour passer à l'activité ") +
                                        Champ(Champ_Setup::Num_Activite)->text().trimmed() +
                                        QStringLiteral(" ?"));
}

// Each file step that fails is left out and the sequence goes on: the operator must reach QSO entry.
void Setup::Saisie_Des_QSO() {
    if (!Champs_Enregistrables() || !Abandon_Accepte()) {
        return;
    }
    Ecrire_Reglages();
    const auto activation = Valeurs();
    const std::string ligne = Maravel::Ligne_Activite(activation);

    const bool connue = Cherche_Activite(Champ(Champ_Setup::Num_Activite)->text());
    if (!connue && !m_services.messages.Question_Ligne(QStringLiteral("Enregistrer l'activité "),
                                                       Depuis_1252(ligne), QStringLiteral(" ?"))) {
        RAZ_Setup();
        return;
    }
    Ajout_Activite(ligne);

    const auto log =
        Maravel::Creer_Log_Si_Absent(m_services.fichiers, m_services.dossier, activation.Num_Activite);
    // The values just saved win over those the look-up took from the list.
    Lire_Reglages(false);
    if (log == Maravel::Etat_Log::Echec) {
        // Nothing could be logged there: say so rather than announce a log that does not exist.
        m_services.messages.Information(
            QStringLiteral("Le log de l'activité ne peut pas être créé :\n") +
            QDir::toNativeSeparators(QString::fromStdU16String(
                Maravel::Chemin(m_services.dossier, activation.Num_Activite + ".txt").u16string())) +
            QStringLiteral(
                "\nVérifiez le dossier des données, puis appuyez de nouveau sur « Saisie des QSO »."));
        return;
    }
    m_services.messages.Information(
        log == Maravel::Etat_Log::Existant
            ? QStringLiteral("Activation en cours, pret pour continuer la saisie des QSO")
            : QStringLiteral("Nouvelle Activation, pret pour demarrer la saisie des QSO"));
    Ouvrir_Saisie();
}

Saisie_QSO* Setup::Fenetre_Saisie() const {
    return m_saisie;
}

void Setup::Ouvrir_Saisie() {
    Verifier_Date_Ordinateur(m_services);
    if (m_saisie == nullptr) {
        m_saisie = new Saisie_QSO(m_services, *this, this);
    } else {
        m_saisie->Ouvrir_Activation(Activation());
    }
    m_saisie->show();
    m_saisie->raise();
    m_saisie->activateWindow();
}

void Setup::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    m_services.fin_programme();
}

void Sauvegarde_Au_Demarrage(Services& services) {
    Maravel::Systeme_Dossiers_Reel dossiers;
    const auto resultat =
        Maravel::Sauvegarde_Du_Jour(services.fichiers, dossiers, services.dossier, services.horloge.Local());
    if (resultat.etat == Maravel::Etat_Sauvegarde::Echec) {
        services.messages.Information(Depuis_1252(Maravel::Message_Sauvegarde(resultat)));
    }
}
