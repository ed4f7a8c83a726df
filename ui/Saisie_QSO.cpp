// The entry window's frame: controls, menus, the load sequence and the clock.

#include "ui/Saisie_QSO.h"

#include "core/Horloge.h"
#include "core/Lignes_Coupees.h"
#include "ui/Affiche_Log.h"
#include "ui/Entete_Colonnes.h"
#include "ui/Recherche_Indicatif.h"
#include "ui/Select_QSO.h"
#include "ui/Sous_Programmes.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QStringList Modes = {QStringLiteral("SSB"), QStringLiteral("CW")};
const QStringList Bandes = {QStringLiteral("1.8"), QStringLiteral("3.5"), QStringLiteral("7"),
                            QStringLiteral("10"),  QStringLiteral("14"),  QStringLiteral("18"),
                            QStringLiteral("21"),  QStringLiteral("24"),  QStringLiteral("28"),
                            QStringLiteral("50"),  QStringLiteral("144")};

const QString Bulle_Validation = QStringLiteral(
    "Si tout est correct, appuyez sur la touche \"+\", F10\", \"F11\", F12\", \"F13\"  ou sur le "
    "bouton validez");

const QString Texte_Entete =
    QStringLiteral("   N°    Date     Heure   Indicatif        Dpt  Prenom        RST R    "
                   "E   Mode     Bande      Observations");

QLineEdit* Nouveau_Champ(const char* nom, int caracteres) {
    auto* champ = Nommer(new QLineEdit, nom);
    Limiter_Au_1252(champ);
    Colorer(champ, Jaune_Clair);
    champ->setEnabled(false);
    // Room for the field's widest text in capitals of average width: the entry row fits a 1280-pixel
    // screen with the date and time shown.
    champ->setMinimumWidth(champ->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('N'))) +
                           12);
    return champ;
}

QComboBox* Nouvelle_Liste(const char* nom, const QStringList& entrees) {
    auto* liste = Nommer(new QComboBox, nom);
    liste->setEditable(true);
    liste->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: no completion ("cw" is not "CW", "2" is not "21").
    liste->setCompleter(nullptr);
    liste->addItems(entrees);
    Limiter_Au_1252(liste->lineEdit());
    Colorer(liste, Jaune_Clair);
    return liste;
}

QPushButton* Nouveau_Bouton(const char* nom, const QString& legende, const QString& bulle = {}) {
    auto* bouton = Nommer(new QPushButton(legende), nom);
    bouton->setToolTip(bulle);
    return bouton;
}

// A stored list index: a number, or the default when an outside edit left something else.
int Indice_Lu(const QString& texte, int defaut, int taille) {
    bool lu = false;
    const int indice = texte.trimmed().toInt(&lu);
    return lu && indice >= -1 && indice < taille ? indice : defaut;
}

void Selectionner(QComboBox* liste, int indice) {
    liste->setCurrentIndex(indice);
    if (indice < 0) {
        liste->setEditText(QString());
    }
}

} // namespace

Saisie_QSO::Saisie_QSO(Services& services, const Source_Activation& setup, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_activation(setup.Activation()) {
    setObjectName(QStringLiteral("Saisie_QSO"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Maravel_ON"));
    Construire_Controles();
    Construire_Menus();

    m_timer1 = Nommer(new QTimer(this), "Timer1");
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Saisie_QSO::Timer1_Timer);
    m_timer1->start();

    Charger();
    if (m_services.radio != nullptr) {
        Suivre_Radio(Lire_Reglage_Radio(m_services.reglages, m_services.messages, *m_services.radio));
    }
}

void Saisie_QSO::Construire_Controles() {
    auto* centre = new QWidget;
    auto* page = new QVBoxLayout(centre);

    // Header: greeting, activation, clock.
    auto* frame1 = Nommer(new QGroupBox, "Frame1");
    m_label1 = Nommer(new QLabel, "Label1");
    QFont grand = m_label1->font();
    grand.setPointSizeF(grand.pointSizeF() * 1.3);
    grand.setBold(true);
    m_label1->setFont(grand);
    (new QVBoxLayout(frame1))->addWidget(m_label1);

    auto* frame2 = Nommer(new QGroupBox(QStringLiteral("Activité")), "Frame2");
    m_label3 = Nommer(new QLabel, "Label3");
    m_label3->setWordWrap(true);
    m_label21 = Nommer(new QLabel, "Label21");
    m_label4 = Nommer(new QLabel, "Label4");
    auto* grille_activite = new QGridLayout(frame2);
    grille_activite->addWidget(m_label3, 0, 0, 1, 4);
    grille_activite->addWidget(Nommer(new QLabel(QStringLiteral("Commune :")), "Label19"), 1, 0);
    grille_activite->addWidget(m_label21, 1, 1);
    grille_activite->addWidget(Nommer(new QLabel(QStringLiteral("N° du C P :")), "Label7"), 1, 2);
    grille_activite->addWidget(m_label4, 1, 3);
    grille_activite->setColumnStretch(1, 1);

    auto* frame6 = Nommer(new QGroupBox, "Frame6");
    m_label37 = Nommer(new QLabel, "Label37");
    m_label34 = Nommer(new QLabel, "Label34");
    QFont horloge = m_label37->font();
    horloge.setPointSizeF(horloge.pointSizeF() * 1.4);
    horloge.setBold(true);
    m_label37->setFont(horloge);
    m_label34->setFont(horloge);
    auto* disposition_heures = new QVBoxLayout(frame6);
    disposition_heures->addWidget(m_label37);
    disposition_heures->addWidget(m_label34);
    auto* frame5 = Nommer(new QGroupBox, "Frame5");
    m_label33 = Nommer(new QLabel, "Label33");
    m_label33->setFont(horloge);
    (new QVBoxLayout(frame5))->addWidget(m_label33);

    auto* entete = new QHBoxLayout;
    entete->addWidget(frame1);
    entete->addWidget(frame2, 1);
    entete->addWidget(frame6);
    entete->addWidget(frame5);
    page->addLayout(entete);

    // Entry area: captions over the fields, in the order of the walk.
    auto* frame3 = Nommer(new QGroupBox, "Frame3");
    auto* grille = new QGridLayout(frame3);
    m_num_q = Nouveau_Champ("Num_Q", 5);
    m_num_q->setReadOnly(true);
    m_date_q = Nouveau_Champ("Date_Q", 8);
    m_heure_q = Nouveau_Champ("Heure_Q", 5);
    m_indi_q = Nouveau_Champ("Indi_Q", 12);
    m_dpt_q = Nouveau_Champ("Dpt_Q", 2);
    m_prenom_q = Nouveau_Champ("Prenom_Q", 15);
    m_qrkr_q = Nouveau_Champ("QRKR_Q", 3);
    m_qrke_q = Nouveau_Champ("QRKE_Q", 3);
    m_observation_q = Nouveau_Champ("Observation_Q", 30);
    m_qrkr_q->setText(QStringLiteral("59"));
    m_qrke_q->setText(QStringLiteral("59"));
    for (QLineEdit* champ : {m_dpt_q, m_prenom_q, m_qrkr_q, m_qrke_q}) {
        champ->setToolTip(Bulle_Validation);
    }
    m_date_q->setEnabled(true);
    m_heure_q->setEnabled(true);
    m_mode_q = Nouvelle_Liste("Mode_Q", {});
    m_bande_q = Nouvelle_Liste("Bande_Q", {});
    // A typed mode ("RTTY") or band shows whole beside the list's arrow.
    for (const auto& [liste, caracteres] : {std::pair{m_mode_q, 4}, std::pair{m_bande_q, 3}}) {
        liste->setMinimumWidth(liste->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('N'))) +
                               liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
    }
    m_label10 = Nommer(new QLabel(QStringLiteral("Date")), "Label10");
    m_label6 = Nommer(new QLabel(QStringLiteral("Heure")), "Label6");

    const std::vector<std::pair<QLabel*, QWidget*>> colonnes = {
        {Nommer(new QLabel(QStringLiteral("N° QSO")), "Label2"), m_num_q},
        {m_label10, m_date_q},
        {m_label6, m_heure_q},
        {Nommer(new QLabel(QStringLiteral("Indicatif")), "Label5"), m_indi_q},
        {Nommer(new QLabel(QStringLiteral("Dpt")), "Label8"), m_dpt_q},
        {Nommer(new QLabel(QStringLiteral("Prénom")), "Label9"), m_prenom_q},
        {Nommer(new QLabel(QStringLiteral("Rst R")), "Label11"), m_qrkr_q},
        {Nommer(new QLabel(QStringLiteral("Rst E")), "Label12"), m_qrke_q},
        {Nommer(new QLabel(QStringLiteral("Mode")), "Label13"), m_mode_q},
        {Nommer(new QLabel(QStringLiteral("Bande (Mhz)")), "Label14"), m_bande_q},
        {Nommer(new QLabel(QStringLiteral("Observations")), "Label15"), m_observation_q},
    };
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c) {
        grille->addWidget(colonnes[c].first, 0, c);
        grille->addWidget(colonnes[c].second, 1, c);
    }
    grille->setColumnStretch(static_cast<int>(colonnes.size()) - 1, 1);
    for (QWidget* controle : {static_cast<QWidget*>(m_date_q), static_cast<QWidget*>(m_heure_q),
                              static_cast<QWidget*>(m_label10), static_cast<QWidget*>(m_label6)}) {
        // Their room is kept while they are hidden: showing them moves no field and widens nothing.
        QSizePolicy politique = controle->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        controle->setSizePolicy(politique);
        controle->setVisible(false);
    }
    m_num_q->setFocusPolicy(Qt::NoFocus);
    for (const auto& [label, champ] : colonnes) {
        champ->setAccessibleName(label->text());
        label->setBuddy(champ);
    }

    m_status = Nommer(new QLabel, "Status");
    QFont gras = m_status->font();
    gras.setBold(true);
    m_status->setFont(gras);
    m_status->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    grille->addWidget(m_status, 2, 0, 1, static_cast<int>(colonnes.size()));

    m_valide_q = Nouveau_Bouton("Valide_Q", QStringLiteral("Validez"), QStringLiteral("Valide le QSO entré"));
    m_valide_q->setEnabled(false);
    m_annule_q = Nouveau_Bouton("Annule_Q", QStringLiteral("Annuler  une saisie"),
                                QStringLiteral("Annule les saisies en cours"));
    m_edite_qso =
        Nouveau_Bouton("Edite_QSO", QStringLiteral("Editer un QSO"),
                       QStringLiteral("Selectionnez un QSO dans la liste des QSO puis cliquer sur le "
                                      "bouton \"Editer un QSO\""));
    m_efface_qso =
        Nouveau_Bouton("Efface_QSO", QStringLiteral("Supprimer un QSO"),
                       QStringLiteral("Selectionnez un QSO dans la liste des QSO puis cliquer sur le "
                                      "bouton \"Supprimer un QSO\""));
    m_recupere = Nouveau_Bouton("Recupere", QStringLiteral("Recuperer un QSO"));
    m_recupere->setEnabled(false);
    m_ajout_qso = Nouveau_Bouton("Ajout_QSO", QStringLiteral("Inserer un QSO"));
    m_recherche =
        Nouveau_Bouton("Recherche", QStringLiteral("Rechercher un QSO"),
                       QStringLiteral("Permet la recherche d'un QSO par Indicatif, Date ou Departement"));
    auto* boutons = new QHBoxLayout;
    for (QPushButton* bouton :
         {m_valide_q, m_annule_q, m_edite_qso, m_efface_qso, m_recupere, m_ajout_qso, m_recherche}) {
        bouton->setAutoDefault(false);
        boutons->addWidget(bouton);
    }
    boutons->addStretch();
    grille->addLayout(boutons, 3, 0, 1, static_cast<int>(colonnes.size()));
    page->addWidget(frame3);

    // The log, under its column header, in a fixed-pitch font so that both line up.
    auto* frame4 = Nommer(new QGroupBox(QStringLiteral("Liste des QSO")), "Frame4");
    auto* disposition_liste = new QVBoxLayout(frame4);
    const QFont fixe = Police_Fixe();
    m_entete = Nommer(new Entete_Colonnes(Colonnes_Entete_Log(Maravel::Decalage_Affichage + 1)), "Entete");
    m_entete->setFont(fixe);
    m_liste_qso = Nommer(new QListWidget, "Liste_QSO");
    m_liste_qso->setFont(fixe);
    Espacer_Lignes(m_liste_qso);
    m_liste_qso->setUniformItemSizes(true);
    m_liste_qso->setToolTip(QStringLiteral("Cliquez sur un QSO pour l'editer ou l'effacer"));
    m_liste_qso->setFocusPolicy(Qt::ClickFocus);
    // The list's own frame and margin: the header starts where the list's text starts.
    m_entete->setContentsMargins(m_liste_qso->frameWidth() + 2, 0, 0, 0);
    disposition_liste->addWidget(m_entete);
    disposition_liste->addWidget(m_liste_qso, 1);
    page->addWidget(frame4, 1);

    auto* label18 = Nommer(new QLabel(QStringLiteral("Maravel_ON  -  assistant de log pour les activations "
                                                     "radioamateurs")),
                           "Label18");
    label18->setEnabled(false);
    page->addWidget(label18);

    setCentralWidget(centre);

    for (QWidget* champ :
         {static_cast<QWidget*>(m_date_q), static_cast<QWidget*>(m_heure_q), static_cast<QWidget*>(m_indi_q),
          static_cast<QWidget*>(m_dpt_q), static_cast<QWidget*>(m_prenom_q), static_cast<QWidget*>(m_qrkr_q),
          static_cast<QWidget*>(m_qrke_q), static_cast<QWidget*>(m_observation_q),
          static_cast<QWidget*>(m_mode_q), static_cast<QWidget*>(m_mode_q->lineEdit()),
          static_cast<QWidget*>(m_bande_q), static_cast<QWidget*>(m_bande_q->lineEdit()),
          static_cast<QWidget*>(m_valide_q)}) {
        champ->installEventFilter(this);
    }
    // Tab walks as Enter does: the QSO's fields, its validation, the buttons, then band and mode, which
    // lead back to the callsign.
    const std::vector<QWidget*> tabulation = {
        m_indi_q,   m_dpt_q,     m_prenom_q,  m_qrkr_q,   m_qrke_q,    m_observation_q,
        m_date_q,   m_heure_q,   m_valide_q,  m_annule_q, m_edite_qso, m_efface_qso,
        m_recupere, m_ajout_qso, m_recherche, m_bande_q,  m_mode_q};
    for (std::size_t i = 1; i < tabulation.size(); ++i) {
        setTabOrder(tabulation[i - 1], tabulation[i]);
    }
    connect(m_valide_q, &QPushButton::clicked, this, &Saisie_QSO::Valide_Q_Click);
    connect(m_annule_q, &QPushButton::clicked, this, &Saisie_QSO::Annule_Saisie);
    connect(m_edite_qso, &QPushButton::clicked, this, &Saisie_QSO::Edite_QSO_Click);
    connect(m_efface_qso, &QPushButton::clicked, this, &Saisie_QSO::Efface_QSO_Click);
    connect(m_recupere, &QPushButton::clicked, this, &Saisie_QSO::Recupere_Click);
    connect(m_ajout_qso, &QPushButton::clicked, this, &Saisie_QSO::Ajout_QSO_Click);
    connect(m_recherche, &QPushButton::clicked, this, &Saisie_QSO::Recherche_Click);
    connect(m_liste_qso, &QListWidget::currentRowChanged, this, &Saisie_QSO::Selection);
    connect(m_liste_qso, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Selection(m_liste_qso->row(item)); });
}

void Saisie_QSO::Construire_Menus() {
    auto action = [this](QMenu* menu, const char* nom, const QString& legende) {
        QAction* item = menu->addAction(legende);
        item->setObjectName(QLatin1String(nom));
        return item;
    };
    auto sous_menu = [](QMenu* parent, const char* nom, const QString& legende) {
        QMenu* menu = parent->addMenu(legende);
        menu->setObjectName(QLatin1String(nom));
        return menu;
    };
    auto menu = [this](const char* nom, const QString& legende) {
        QMenu* m = menuBar()->addMenu(legende);
        m->setObjectName(QLatin1String(nom));
        return m;
    };
    // A pair of items of which exactly one carries the check mark.
    auto paire = [this, &action](QMenu* parent, const char* nom_1, const QString& legende_1,
                                 const char* nom_2, const QString& legende_2) {
        QAction* premier = action(parent, nom_1, legende_1);
        QAction* second = action(parent, nom_2, legende_2);
        auto* groupe = new QActionGroup(this);
        for (QAction* item : {premier, second}) {
            item->setCheckable(true);
            groupe->addAction(item);
        }
        return std::pair{premier, second};
    };

    QMenu* fichier = menu("Mnu_Fichier", QStringLiteral("Fichiers"));
    connect(action(fichier, "Mnu_ADIF", QStringLiteral("Exporter au format ADIF")), &QAction::triggered, this,
            &Saisie_QSO::Mnu_ADIF_Click);
    connect(action(fichier, "Mnu_ADIF_Complet", QStringLiteral("Exporter au format ADIF complet")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_ADIF_Complet_Click);
    connect(action(fichier, "Mnu_C_Trafic", QStringLiteral("Exporter au format C_Trafic")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_C_Trafic_Click);
    connect(action(fichier, "Mnu_Import_Prenoms", QStringLiteral("Importer les prénoms d'un fichier ADIF…")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Import_Prenoms_Click);
    connect(action(fichier, "Mnu_Dossier_Donnees", QStringLiteral("Ouvrir le dossier des données")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Dossier_Donnees_Click);
    connect(action(fichier, "Mnu_Quitter", QStringLiteral("Quitter")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* setup = menu("Mnu_Setup", QStringLiteral("Setup"));
    std::tie(m_mnu_utc_oui, m_mnu_utc_non) =
        paire(sous_menu(setup, "Mnu_QTR", QStringLiteral("QTR")), "Mnu_UTC_Oui", QStringLiteral("Heure UTC"),
              "Mnu_UTC_Non", QStringLiteral("Heure Locale"));
    std::tie(m_mnu_diff_non, m_mnu_diff_oui) =
        paire(sous_menu(setup, "Mnu_Differee", QStringLiteral("Saisie differée")), "Mnu_Diff_Non",
              QStringLiteral("NON"), "Mnu_Diff_Oui", QStringLiteral("OUI"));
    std::tie(m_mnu_refrappe_non, m_mnu_refrappe_oui) =
        paire(sous_menu(setup, "Mnu_Refrappe", QStringLiteral("Mode Refrappe")), "Mnu_Refrappe_Non",
              QStringLiteral("NON"), "Mnu_Refrappe_Oui", QStringLiteral("OUI"));
    m_mnu_utc_oui->setChecked(true);
    m_mnu_diff_non->setChecked(true);
    m_mnu_refrappe_non->setChecked(true);
    connect(m_mnu_utc_oui, &QAction::triggered, this, [this] { Choisir_UTC(true); });
    connect(m_mnu_utc_non, &QAction::triggered, this, [this] { Choisir_UTC(false); });
    connect(m_mnu_diff_oui, &QAction::triggered, this, [this] { Choisir_Differee(true); });
    connect(m_mnu_diff_non, &QAction::triggered, this, [this] { Choisir_Differee(false); });
    connect(m_mnu_refrappe_oui, &QAction::triggered, this, [this] { Choisir_Refrappe(true); });
    connect(m_mnu_refrappe_non, &QAction::triggered, this, [this] { Choisir_Refrappe(false); });
    Construire_Menu_Radio(setup);

    QMenu* imprimer = menu("Mnu_Imprimer", QStringLiteral("Imprimer"));
    connect(action(imprimer, "Mnu_Imp_Log", QStringLiteral("le log de l'activité")), &QAction::triggered,
            this, &Saisie_QSO::Mnu_Imp_Log_Click);
    connect(action(imprimer, "Mnu_Apercu_Log", QStringLiteral("Aperçu du log de l'activité")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Apercu_Log_Click);
    connect(action(menu("Mnu_Sauvegarder", QStringLiteral("Sauvegarder")), "Mnu_Enr_Log",
                   QStringLiteral("le log de l'activité")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Enr_Log_Click);
    connect(action(menu("Mnu_Afficher", QStringLiteral("Afficher")), "Mnu_Aff_Log",
                   QStringLiteral("le log de l'activité")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Aff_Log_Click);

    connect(action(menu("Mnu_Etique", QStringLiteral("Etiquettes")), "Mnu_Etiquettes",
                   QStringLiteral("Imprimer les étiquettes pour QSL")),
            &QAction::triggered, this, &Saisie_QSO::Mnu_Etiquettes_Click);

    QMenu* aide = menu("Mnu_Help", QStringLiteral("Aide"));
    connect(action(aide, "Mnu_Historique", QStringLiteral("Historique")), &QAction::triggered, this,
            &Saisie_QSO::Mnu_Historique_Click);
    connect(action(aide, "Mnu_Mode_Emploi", QStringLiteral("Mode d'emploi")), &QAction::triggered, this,
            &Saisie_QSO::Mnu_Mode_Emploi_Click);
    connect(action(aide, "Mnu_Maj", QStringLiteral("Mise a jour du programme")), &QAction::triggered, this,
            &Saisie_QSO::Mnu_Maj_Click);
    connect(action(aide, "Mnu_A_Propos", QStringLiteral("A Ppropos")), &QAction::triggered, this,
            &Saisie_QSO::Mnu_A_Propos_Click);
}

void Saisie_QSO::Charger() {
    // Never larger than the screen's available area, whatever is shown or hidden later.
    const QRect zone = Zone_Disponible(this);
    const int cadre_largeur = 16;
    const int cadre_hauteur = 48;
    resize(zone.isEmpty() ? 1180 : std::min(1180, zone.width() - cadre_largeur),
           zone.isEmpty() ? 700 : std::min(700, zone.height() - cadre_hauteur));

    m_mode_q->addItems(Modes);
    m_bande_q->addItems(Bandes);

    Reglages& reglages = m_services.reglages;
    const QString mode_lu = reglages.Lire(QStringLiteral("Mode Activite"), QStringLiteral("0"));
    if (mode_lu == QLatin1String("SSB") || mode_lu == QLatin1String("CW")) {
        // An older store kept the mode's name: it becomes an index, with the default band.
        reglages.Ecrire(QStringLiteral("Mode Activite"), QStringLiteral("0"));
        reglages.Ecrire(QStringLiteral("Bande Activite"), QStringLiteral("1"));
        Selectionner(m_mode_q, 0);
    } else {
        Selectionner(m_mode_q, Indice_Lu(mode_lu, 0, static_cast<int>(Modes.size())));
    }
    Rapports_Par_Defaut();
    Selectionner(m_bande_q, Indice_Lu(reglages.Lire(QStringLiteral("Bande Activite"), QStringLiteral("1")), 1,
                                      static_cast<int>(Bandes.size())));

    const bool refrappe = reglages.Lire_Booleen(QStringLiteral("Mode_Refrappe"), false);
    m_mnu_refrappe_oui->setChecked(refrappe);
    m_mnu_refrappe_non->setChecked(!refrappe);

    m_num_q->setEnabled(true);
    m_num_q->setText(QStringLiteral("1"));
    m_indi_q->setEnabled(true);
    m_mode_edition = false;
    m_entete->setText(Texte_Entete);
    setWindowTitle(QStringLiteral("  Maravel    Revision ") + Revision);
    Afficher_Activation();
}

// The greeting, the activation's lines and its log, with the focus in the callsign.
void Saisie_QSO::Afficher_Activation() {
    m_label1->setText(QStringLiteral("Assistant d'activité de ") + m_activation.Activeur);
    m_label4->setText(m_activation.Num_CP);
    m_label21->setText(m_activation.Nom_Commune);
    m_label3->setText(Texte_Label3());
    Colorer(m_indi_q, Vert_Clair);
    Ecarter_Lignes_Coupees();
    Recharger_Liste();
    Afficher_Numero_Suivant();
    m_champ_refrappe = false;
    m_mode_ajout = false;
    m_indi_q->setFocus();
}

// The start of a line left by a crash in the middle of an append is no QSO: it is moved aside before the
// log is shown, so that the next QSO is not written after it, and the operator is told where it went.
void Saisie_QSO::Ecarter_Lignes_Coupees() {
    const Maravel::Moment aujourd_hui = m_services.horloge.Local();
    const std::string date = QDate(aujourd_hui.annee, aujourd_hui.mois, aujourd_hui.jour)
                                 .toString(QStringLiteral("yyyy-MM-dd"))
                                 .toStdString();
    for (const auto& ecartee : Maravel::Ecarter_Lignes_Coupees(m_services.fichiers, m_services.dossier,
                                                               Vers_1252(m_activation.Num_Activite), date)) {
        m_services.messages.Information(
            QStringLiteral(
                "La dernière ligne de %1 était incomplète (arrêt brutal pendant une écriture ?) : "
                "« %2 ».\nElle a été retirée et mise de côté dans %3, dans le dossier des données.")
                .arg(Depuis_1252(ecartee.fichier_1252), Depuis_1252(ecartee.octets),
                     Depuis_1252(ecartee.ecart_1252)));
    }
}

void Saisie_QSO::Ouvrir_Activation(const Activation_Affichee& activation) {
    if (activation == m_activation) {
        return;
    }
    const QString annulee = m_mode_edition
                                ? QStringLiteral("Modification du QSO n° %1 annulée").arg(m_numero_edite)
                            : m_mode_ajout ? QStringLiteral("Ajout d'un QSO annulé")
                                           : QString();
    Annule_Saisie();
    // The display and search windows show one activation's log: they must not be taken for the new one's.
    if (m_affiche_log != nullptr) {
        m_affiche_log->close();
    }
    if (m_select_qso != nullptr) {
        m_select_qso->close();
    }
    if (m_recherche_indicatif != nullptr) {
        m_recherche_indicatif->close();
    }
    m_activation = activation;
    m_ligne_effacee.clear(); // a QSO deleted from the other log must not be recovered into this one
    m_recupere->setEnabled(false);
    Afficher_Activation();
    if (!annulee.isEmpty()) {
        m_status->setText(annulee + QStringLiteral(" : passage à l'activité ") + activation.Num_Activite);
    }
}

std::optional<QString> Saisie_QSO::Qso_Abandonne_Pour(const Activation_Affichee& autre) const {
    if (autre == m_activation || m_mode_edition || m_mode_ajout) {
        return std::nullopt;
    }
    for (const QLineEdit* champ : {m_indi_q, m_dpt_q, m_prenom_q, m_observation_q}) {
        if (!champ->text().trimmed().isEmpty()) {
            return m_indi_q->text().trimmed();
        }
    }
    return std::nullopt;
}

QString Saisie_QSO::Texte_Label3() const {
    const Activation_Affichee& a = m_activation;
    const QString type = a.Type_Activite.isEmpty() ? QStringLiteral("Activation") : a.Type_Activite;
    const QString operateur = a.Logger.isEmpty() ? a.Activeur : a.Logger;
    return type + QLatin1Char(' ') + a.Nom_Activite + QStringLiteral("   référence ") + a.Num_Activite +
           QStringLiteral(" par ") + a.Activeur + QStringLiteral(" au log ") + operateur;
}

Maravel::Journal Saisie_QSO::Log() const {
    return Maravel::Journal(m_services.fichiers, m_services.dossier, Vers_1252(m_activation.Num_Activite));
}

void Saisie_QSO::Timer1_Timer() {
    const bool utc = m_mnu_utc_oui->isChecked();
    const Maravel::Moment maintenant_utc = m_services.horloge.UTC();
    const Maravel::Moment maintenant_local = m_services.horloge.Local();
    m_label37->setText(QString::fromStdString(Maravel::Texte_Heure(maintenant_utc).substr(0, 5)) +
                       QStringLiteral(" Utc"));
    m_label37->setEnabled(utc);
    m_label34->setText(QString::fromStdString(Maravel::Texte_Heure(maintenant_local).substr(0, 5)) +
                       QStringLiteral(" Loc"));
    m_label34->setEnabled(!utc);
    m_date_courante = Maravel::Texte_Date(utc ? maintenant_utc : maintenant_local);
    m_date_courante_utc = utc;
    m_label33->setText(QString::fromStdString(m_date_courante));
}

void Saisie_QSO::Choisir_UTC(bool utc) {
    m_mnu_utc_oui->setChecked(utc);
    m_mnu_utc_non->setChecked(!utc);
    m_services.reglages.Ecrire_Booleen(QStringLiteral("Heure UTC"), utc);
}

void Saisie_QSO::Choisir_Differee(bool differee) {
    m_mnu_diff_oui->setChecked(differee);
    m_mnu_diff_non->setChecked(!differee);
    if (differee) {
        Afficher_Date_Heure(true);
    } else if (!m_mode_edition && !m_mode_ajout) {
        // An edit or an insertion in progress still needs its date and time.
        m_date_q->clear();
        m_heure_q->clear();
        Afficher_Date_Heure(false);
    }
}

void Saisie_QSO::Choisir_Refrappe(bool refrappe) {
    m_mnu_refrappe_oui->setChecked(refrappe);
    m_mnu_refrappe_non->setChecked(!refrappe);
    m_services.reglages.Ecrire_Booleen(QStringLiteral("Mode_Refrappe"), refrappe);
}

void Saisie_QSO::showEvent(QShowEvent* evenement) {
    QMainWindow::showEvent(evenement);
    if (!m_centree) {
        // Once shown, when the size of the window's frame is known.
        m_centree = true;
        Centrer(this);
    }
}

void Saisie_QSO::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    m_services.fin_programme();
}
