#include "ui/Etiquettes.h"

#include "core/Etiquettes.h"
#include "ui/Impression.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using Maravel::Disposition;

namespace {

struct Format {
    const char* nom;
    const char* legende;
    Disposition disposition;
};
const Format Formats[] = {
    {"Etiqu_1", "AVERY   L7162            99.1 x 33.9   16 étiquettes", Disposition::A},
    {"Etiqu_2", "AVERY   DP167               105 x 37   16 étiquettes", Disposition::B},
    {"Etiqu_3", "DECADRY   OLW4732   99.1 x 34   16 étiquettes", Disposition::A},
    {"Etiqu_4", "DECADRY   OLW4799    105 x 35   16 étiquettes", Disposition::C},
};

// A fixed example of each model, never updated; the callsigns, activity and station are made up.
struct Exemple {
    const char* noms[6];
    const char* lignes[6];
};
const Exemple Exemple_Francais{{"Label9", "Label17", "Label18", "Label15", "Label16", "Label19"},
                               {"Confirme le QSO avec F9ZZZ 35", "DMF-999 Château de Valfleury",
                                "5999 Valfleury", "14/07/24 10:32 TU  QRG 7 Mhz  RST 59 SSB",
                                "TX : FT-991A Ant : Dipôle", "Merci Pour le QSO  73's de ON9ZZZ"}};
const Exemple Exemple_Anglais{{"Label10", "Label5", "Label11", "Label12", "Label13", "Label14"},
                              {"Confirming QSO with G9ZZZ", "DMF-999 Château de Valfleury", "5999 Valfleury",
                               "14/07/24 10:45 TU  QRG 14 Mhz  RST 599 CW", "TX : FT-991A Ant : Dipôle",
                               "Tnx for the QSO  73's from ON9ZZZ"}};

QFrame* Etiquette_Exemple(const char* nom, const Exemple& exemple, QWidget* parent) {
    auto* frame = Nommer(new QFrame(parent), nom);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Base);
    auto* lignes = new QVBoxLayout(frame);
    lignes->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        auto* ligne = Nommer(new QLabel(QString::fromUtf8(exemple.lignes[i]), frame), exemple.noms[i]);
        QFont police = Police_Fixe();
        police.setBold(i < 2);
        ligne->setFont(police);
        ligne->setAlignment(Qt::AlignCenter);
        lignes->addWidget(ligne);
    }
    return frame;
}

QLabel* Nouveau_Label(const char* nom, const QString& texte, QWidget* parent) {
    return Nommer(new QLabel(texte, parent), nom);
}

// Lengths are those of what is printed: the blanks around the text are not counted.
qsizetype Longueur(const QLineEdit* champ) {
    return champ->text().trimmed().size();
}

constexpr qsizetype Maxi_RxTx = 15;
constexpr qsizetype Maxi_Antenne = 13;

} // namespace

Etiquettes::Etiquettes(Services& services, std::function<std::vector<std::string>()> liste_imprime,
                       std::function<Activation_Affichee()> activation, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services), m_liste_imprime(std::move(liste_imprime)),
      m_activation(std::move(activation)) {
    setObjectName(QStringLiteral("Etiquettes"));
    setWindowTitle(QStringLiteral("Etiquettes pour QSL"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame1 = Nommer(new QGroupBox(this), "Frame1");
    auto* label2 = Nouveau_Label("Label2", QStringLiteral("Impression d'étiquettes pour QSL"), frame1);
    En_Titre(label2);
    label2->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(frame1))->addWidget(label2);

    auto* frame2 = Nommer(new QGroupBox(this), "Frame2");
    auto* label8 = Nouveau_Label("Label8", QStringLiteral("Type d'étiquettes"), frame2);
    label8->setAlignment(Qt::AlignCenter);
    m_type_1 = Nommer(new QRadioButton(QStringLiteral("ModeleN° 1"), frame2), "Type_1");
    auto* type_2 = Nommer(new QRadioButton(QStringLiteral("Modele N°2"), frame2), "Type_2");
    m_type_1->setChecked(true);
    auto* modeles = new QGridLayout(frame2);
    modeles->addWidget(label8, 0, 0, 1, 2);
    modeles->addWidget(m_type_1, 1, 0, Qt::AlignHCenter);
    modeles->addWidget(type_2, 1, 1, Qt::AlignHCenter);
    modeles->addWidget(Etiquette_Exemple("Frame4", Exemple_Francais, frame2), 2, 0);
    modeles->addWidget(Etiquette_Exemple("Frame3", Exemple_Anglais, frame2), 2, 1);

    auto* frame5 = Nommer(new QGroupBox(QStringLiteral("Format d'etiquette"), this), "Frame5");
    auto* formats = new QVBoxLayout(frame5);
    for (std::size_t i = 0; i < std::size(Formats); ++i) {
        m_etiqu[i] = Nommer(new QRadioButton(QString::fromUtf8(Formats[i].legende), frame5), Formats[i].nom);
        m_etiqu[i]->setFont(Police_Fixe()); // the captions' columns line up
        formats->addWidget(m_etiqu[i]);
    }
    m_etiqu[0]->setChecked(true);

    auto* frame6 = Nommer(new QGroupBox(QStringLiteral("Station"), this), "Frame6");
    m_rxtx = Nommer(new QLineEdit(frame6), "RxTx");
    m_antenne = Nommer(new QLineEdit(frame6), "Antenne");
    auto* station = new QGridLayout(frame6);
    station->addWidget(Nouveau_Label("Label1", QStringLiteral("Transceiver "), frame6), 0, 0);
    station->addWidget(m_rxtx, 0, 1);
    station->addWidget(Nouveau_Label("Label20", QStringLiteral("16 caracteres maxi"), frame6), 0, 2);
    station->addWidget(Nouveau_Label("Label7", QStringLiteral("Antenne"), frame6), 1, 0);
    station->addWidget(m_antenne, 1, 1);
    station->addWidget(Nouveau_Label("Label21", QStringLiteral("13 catacteres maxi"), frame6), 1, 2);
    for (QLineEdit* champ : {m_rxtx, m_antenne}) {
        Limiter_Au_1252(champ);
        champ->setMinimumWidth(champ->fontMetrics().horizontalAdvance(QString(17, QLatin1Char('N'))));
    }

    auto* frame7 = Nommer(new QGroupBox(QStringLiteral("Impression"), this), "Frame7");
    m_arret_imp =
        Nommer(new QCheckBox(QStringLiteral("Arret impression a chaque feuille"), frame7), "Arret_Imp");
    m_premiere = Nommer(new QSpinBox(frame7), "Premiere_Etiquette");
    m_premiere->setRange(1, 16);
    m_premiere->setValue(1);
    m_premiere->setToolTip(QStringLiteral("Sur une feuille entamée, le n° de la première étiquette libre "
                                          "(numérotées de gauche à droite, de haut en bas)"));
    auto* impression = new QGridLayout(frame7);
    impression->addWidget(m_arret_imp, 0, 0, 1, 2);
    impression->addWidget(
        Nouveau_Label("Label_Premiere", QStringLiteral("Commencer à l'étiquette n°"), frame7), 1, 0);
    impression->addWidget(m_premiere, 1, 1, Qt::AlignLeft);

    auto* imprime = Nommer(new QPushButton(QStringLiteral("Imprimer"), this), "Imprime");
    auto* apercu = Nommer(new QPushButton(QStringLiteral("Aperçu"), this), "Apercu");
    auto* boutons = new QVBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(imprime);
    boutons->addWidget(apercu);

    auto* bas = new QHBoxLayout;
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(frame5);
    gauche->addWidget(frame7);
    bas->addLayout(gauche);
    auto* droite = new QVBoxLayout;
    droite->addWidget(frame6);
    droite->addLayout(boutons, 1);
    bas->addLayout(droite);

    auto* page = new QVBoxLayout(this);
    page->addWidget(frame1);
    page->addWidget(frame2);
    page->addLayout(bas);

    connect(imprime, &QPushButton::clicked, this, &Etiquettes::Imprime_Click);
    connect(apercu, &QPushButton::clicked, this, &Etiquettes::Apercu_Click);

    m_rxtx->setText(Admettre_Valeur(m_services.reglages.Lire(QStringLiteral("Transceiver")), Maxi_RxTx,
                                    QStringLiteral("Le réglage \"Transceiver\""), m_services.messages));
    m_antenne->setText(Admettre_Valeur(m_services.reglages.Lire(QStringLiteral("Antenne")), Maxi_Antenne,
                                       QStringLiteral("Le réglage \"Antenne\""), m_services.messages));
}

bool Etiquettes::Station_Admise() {
    if (Longueur(m_rxtx) > Maxi_RxTx) {
        m_services.messages.Information(QStringLiteral("15 caracteres maxi"));
        return false;
    }
    if (Longueur(m_antenne) > Maxi_Antenne) {
        m_services.messages.Information(QStringLiteral("12 caracteres maxi"));
        return false;
    }
    return true;
}

Maravel::Valeurs_Communes Etiquettes::Communes() const {
    const Activation_Affichee a = m_activation();
    return {Vers_1252(a.Num_Activite),   Vers_1252(a.Nom_Activite), Vers_1252(a.Num_CP),
            Vers_1252(a.Nom_Commune),    Vers_1252(a.Activeur),     Vers_1252(m_rxtx->text()),
            Vers_1252(m_antenne->text())};
}

Maravel::Choix_Etiquettes Etiquettes::Choix() const {
    Maravel::Choix_Etiquettes choix;
    for (std::size_t i = 0; i < std::size(Formats); ++i) {
        if (m_etiqu[i]->isChecked()) {
            choix.disposition = Formats[i].disposition;
        }
    }
    choix.modele = m_type_1->isChecked() ? Maravel::Modele::Francais : Maravel::Modele::Anglais;
    choix.arret_par_feuille = m_arret_imp->isChecked();
    choix.premiere_etiquette = m_premiere->value();
    return choix;
}

// The station is saved before the dialog; a cancelled dialog prints nothing.
void Etiquettes::Imprime_Click() {
    if (!Station_Admise()) {
        return;
    }
    m_services.reglages.Ecrire(QStringLiteral("Transceiver"), m_rxtx->text());
    m_services.reglages.Ecrire(QStringLiteral("Antenne"), m_antenne->text());
    if (!m_services.impression.Choisir_Imprimante(this)) {
        return;
    }
    const auto fin = Maravel::Imprimer_Etiquettes(
        m_services.impression.Imprimante(), m_liste_imprime(), Communes(), Choix(),
        [this](std::string_view question) { return m_services.messages.Question(Depuis_1252(question)); });
    if (fin == Maravel::Fin_Impression::Refusee) {
        m_services.messages.Information(
            QStringLiteral("Les étiquettes n'ont pas pu être imprimées : l'imprimante choisie a refusé le "
                           "travail ou n'est pas disponible. Vérifiez-la, puis recommencez."));
    }
}

// The sheets as they would come out, without pausing, saving or sending anything.
void Etiquettes::Apercu_Click() {
    if (!Station_Admise()) {
        return;
    }
    const auto lignes = m_liste_imprime();
    const auto communes = Communes();
    auto choix = Choix();
    choix.arret_par_feuille = false;
    m_services.impression.Apercu(this, QStringLiteral("Aperçu des étiquettes"),
                                 [&](Maravel::Imprimante_Lignes& imprimante) {
                                     Maravel::Imprimer_Etiquettes(imprimante, lignes, communes, choix,
                                                                  [](std::string_view) { return true; });
                                 });
}

void Etiquettes::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
