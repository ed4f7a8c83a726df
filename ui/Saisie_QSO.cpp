// The entry window's frame: controls, menus, the load sequence and the clock.

#include "ui/Saisie_QSO.h"

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
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

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
    // Room for the field's widest text in capitals of average width, and no more: the room left goes to
    // the remarks.
    champ->setFixedWidth(champ->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('N'))) + 12);
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

template <std::size_t N> QStringList Entrees(const std::array<std::string_view, N>& liste) {
    QStringList entrees;
    for (const std::string_view entree : liste) {
        entrees << Depuis_1252(entree);
    }
    return entrees;
}

} // namespace

Saisie_QSO::Saisie_QSO(Services& services, const Source_Activation& setup, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_activation(setup.Activation()),
      m_modele(*this, services.fichiers, services.dossier, services.horloge) {
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
    m_label1->setWordWrap(true); // a long callsign goes under the greeting on a small screen
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
    m_observation_q->setMaximumWidth(QWIDGETSIZE_MAX);
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
    // A long message takes a second line rather than widening the window past a small screen.
    m_status->setWordWrap(true);
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
    // In the status bar, whose right end stays free for a permanent part (the radio's state).
    statusBar()->addWidget(label18, 1);

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
    connect(m_recherche, &QPushButton::clicked, this, &Saisie_QSO::Recherche_Click);
    Relier_Au_Modele();
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
    using M = Maravel::Modele_Saisie;
    for (const auto& [item, choix, valeur] : {std::tuple{m_mnu_utc_oui, &M::Choisir_UTC, true},
                                              {m_mnu_utc_non, &M::Choisir_UTC, false},
                                              {m_mnu_diff_oui, &M::Choisir_Differee, true},
                                              {m_mnu_diff_non, &M::Choisir_Differee, false},
                                              {m_mnu_refrappe_oui, &M::Choisir_Refrappe, true},
                                              {m_mnu_refrappe_non, &M::Choisir_Refrappe, false}}) {
        connect(item, &QAction::triggered, this, [this, choix, valeur] {
            (m_modele.*choix)(valeur);
            Afficher();
        });
    }
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
    Ceder_Largeur();
    // Never larger than the screen's available area, whatever is shown or hidden later.
    Dimensionner(this, QSize(1180, 700));

    m_mode_q->addItems(Entrees(Maravel::Modes_Saisie));
    m_bande_q->addItems(Entrees(Maravel::Bandes_Saisie));
    m_entete->setText(Texte_Entete);
    setWindowTitle(QStringLiteral("  Maravel    Revision ") + Revision);
    Afficher_Activation();
    m_modele.Charger(Vers_1252(m_activation.Num_Activite));
    Afficher();
}

// Each field is as wide as its longest value where the screen allows it. On a narrower screen the remarks
// give up width first, then the first name and the callsign, down to a few characters: their text then
// scrolls, nothing typed is cut, and the window keeps within the screen with the frame Dimensionner allows.
void Saisie_QSO::Ceder_Largeur() {
    const QRect zone = Zone_Disponible(this);
    if (zone.isEmpty()) {
        return;
    }
    // Measured as it will be shown: word-wrapped captions reflow once the layout is active.
    ensurePolished();
    layout()->activate();
    int trop = minimumSizeHint().width() - (zone.width() - 16);
    for (QLineEdit* champ : {m_observation_q, m_prenom_q, m_indi_q}) {
        const int plancher = champ->fontMetrics().horizontalAdvance(QString(4, QLatin1Char('N'))) + 12;
        const int cede = std::clamp(trop, 0, std::max(0, champ->minimumWidth() - plancher));
        champ->setMinimumWidth(champ->minimumWidth() - cede);
        trop -= cede;
    }
    // Each layout keeps the minimum it measured of its boxes, which the window would take for its own.
    for (QWidget* w = m_observation_q->parentWidget(); w != this; w = w->parentWidget()) {
        w->updateGeometry();
    }
    layout()->activate();
}

// The greeting and the activation's lines.
void Saisie_QSO::Afficher_Activation() {
    m_label1->setText(QStringLiteral("Assistant d'activité de ") + m_activation.Activeur);
    m_label4->setText(m_activation.Num_CP);
    m_label21->setText(m_activation.Nom_Commune);
    m_label3->setText(Texte_Label3());
}

void Saisie_QSO::Ouvrir_Activation(const Activation_Affichee& activation) {
    if (activation == m_activation) {
        return;
    }
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
    Afficher_Activation();
    m_modele.Changer_Activation(Vers_1252(m_activation.Num_Activite));
    Afficher();
}

std::optional<QString> Saisie_QSO::Qso_Abandonne_Pour(const Activation_Affichee& autre) const {
    if (autre == m_activation) {
        return std::nullopt;
    }
    const auto indicatif = m_modele.Qso_Abandonne();
    return indicatif ? std::optional(Depuis_1252(*indicatif)) : std::nullopt;
}

QString Saisie_QSO::Texte_Label3() const {
    const Activation_Affichee& a = m_activation;
    const QString type = a.Type_Activite.isEmpty() ? QStringLiteral("Activation") : a.Type_Activite;
    const QString operateur = a.Logger.isEmpty() ? a.Activeur : a.Logger;
    return type + QLatin1Char(' ') + a.Nom_Activite + QStringLiteral("   référence ") + a.Num_Activite +
           QStringLiteral(" par ") + a.Activeur + QStringLiteral(" au log ") + operateur;
}

void Saisie_QSO::Timer1_Timer() {
    m_modele.Tic();
    Afficher();
}

void Saisie_QSO::Recharger_Liste() {
    m_modele.Recharger_Liste();
    Afficher();
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
