#include "ui/Etiquettes.h"

#include "core/Etiquettes.h"
#include "ui/Impression.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <cmath>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using Maravel::Format_Etiquette;

namespace {

struct Format {
    const char* nom;
    const char* legende;
    Format_Etiquette format;
};
const Format Formats[] = {
    {"Etiqu_1", "AVERY   L7162            99.1 x 33.9   16 étiquettes", Format_Etiquette::L7162},
    {"Etiqu_2", "AVERY   DP167               105 x 37   16 étiquettes", Format_Etiquette::DP167},
    {"Etiqu_3", "DECADRY   OLW4732   99.1 x 34   16 étiquettes", Format_Etiquette::OLW4732},
    {"Etiqu_4", "DECADRY   OLW4799    105 x 35   16 étiquettes", Format_Etiquette::OLW4799},
};

// The sample label the test sheet prints, never updated.
QFrame* Etiquette_Exemple(const char* nom, const std::array<const char*, 6>& noms, Maravel::Modele modele,
                          QWidget* parent) {
    auto* frame = Nommer(new QFrame(parent), nom);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Base);
    auto* lignes = new QVBoxLayout(frame);
    lignes->setContentsMargins(4, 3, 4, 3);
    lignes->setSpacing(0);
    const auto textes = Maravel::Lignes_Exemple(modele);
    for (std::size_t i = 0; i < textes.size(); ++i) {
        auto* ligne = Nommer(new QLabel(Depuis_1252(textes[i]), frame), noms[i]);
        QFont police = Police_Fixe();
        police.setPointSizeF(frame->font().pointSizeF() * 0.9); // a miniature of the label
        police.setBold(i < 2);
        ligne->setFont(police);
        ligne->setAlignment(Qt::AlignCenter);
        lignes->addWidget(ligne);
    }
    return frame;
}

// An offset typed with a comma or a point, and only in steps of 0.5 mm: the rule of a stored value.
class Champ_Decalage final : public QDoubleSpinBox {
public:
    explicit Champ_Decalage(QWidget* parent) : QDoubleSpinBox(parent) {
        setLocale(QLocale(QLocale::French, QLocale::France));
        setDecimals(1);
        setRange(-Maravel::Decalage_Maxi, Maravel::Decalage_Maxi);
        setSingleStep(Maravel::Pas_Decalage);
    }

protected:
    QValidator::State validate(QString& texte, int&) const override {
        texte.replace(u'.', u',');
        const QString lu = QString(texte).replace(u',', u'.');
        if (Maravel::Lire_Decalage(lu.toStdString())) {
            return QValidator::Acceptable;
        }
        const bool en_route = lu.isEmpty() || lu == QLatin1String("-") ||
                              (lu.endsWith(u'.') && Maravel::Lire_Decalage(lu.chopped(1).toStdString()));
        return en_route ? QValidator::Intermediate : QValidator::Invalid;
    }
    double valueFromText(const QString& texte) const override {
        return Maravel::Lire_Decalage(QString(texte).replace(u',', u'.').toStdString()).value_or(0);
    }
    QString textFromValue(double valeur) const override {
        return QString::fromStdString(Maravel::Texte_Decalage(valeur)).replace(u'.', u',');
    }
};

QString Decimal(double mm) {
    return QString::fromStdString(Maravel::Texte_Decalage(mm)).replace(u'.', u',');
}

// Which rows would be cut and by how much (rounded up to the tenth of a millimetre), and the offsets
// that bring them back.
QString Question_Hors_Zone(const Maravel::Hors_Zone& hors, const Maravel::Decalage& actuel) {
    QStringList lignes{QStringLiteral("Une partie du texte tomberait hors de la zone que cette imprimante "
                                      "peut atteindre (ses marges minimales) :")};
    for (const auto& r : hors.rangees) {
        QStringList ecarts;
        for (const auto& [mm, sens] : {std::pair{r.haut, "trop haut"},
                                       {r.bas, "trop bas"},
                                       {r.gauche, "trop à gauche"},
                                       {r.droite, "trop à droite"}}) {
            if (mm > 1e-6) {
                ecarts << QString::number(std::ceil(mm * 10 - 1e-6) / 10, 'f', 1).replace(u'.', u',') +
                              QStringLiteral(" mm ") + QString::fromUtf8(sens);
            }
        }
        lignes << QStringLiteral("– rangée %1 : ").arg(r.rangee) + ecarts.join(QStringLiteral(", "));
    }
    if (hors.remede) {
        QStringList reglages;
        if (hors.remede->horizontal != actuel.horizontal) {
            reglages << QStringLiteral("« Décalage horizontal (mm) » sur ") +
                            Decimal(hors.remede->horizontal);
        }
        if (hors.remede->vertical != actuel.vertical) {
            reglages << QStringLiteral("« Décalage vertical (mm) » sur ") + Decimal(hors.remede->vertical);
        }
        lignes << QStringLiteral("Réglez ") + reglages.join(QStringLiteral(" et ")) +
                      QStringLiteral(" pour tout y ramener.");
    } else {
        lignes << QStringLiteral("Aucun décalage ne ramène tout le texte dans cette zone.");
    }
    lignes << QStringLiteral("Imprimer quand même ?");
    return lignes.join(u'\n');
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
    modeles->addWidget(Etiquette_Exemple("Frame4",
                                         {"Label9", "Label17", "Label18", "Label15", "Label16", "Label19"},
                                         Maravel::Modele::Francais, frame2),
                       2, 0);
    modeles->addWidget(Etiquette_Exemple("Frame3",
                                         {"Label10", "Label5", "Label11", "Label12", "Label13", "Label14"},
                                         Maravel::Modele::Anglais, frame2),
                       2, 1);

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

    auto* frame8 = Nommer(new QGroupBox(QStringLiteral("Calibrage"), this), "Frame8");
    m_decalage_h = Nommer(new Champ_Decalage(frame8), "Decalage_Horizontal");
    m_decalage_v = Nommer(new Champ_Decalage(frame8), "Decalage_Vertical");
    auto* calibrage = new QGridLayout(frame8);
    calibrage->addWidget(
        Nouveau_Label("Label_Decalage_H", QStringLiteral("Décalage horizontal (mm)"), frame8), 0, 0);
    calibrage->addWidget(m_decalage_h, 1, 0, Qt::AlignLeft);
    calibrage->addWidget(Nouveau_Label("Label_Decalage_V", QStringLiteral("Décalage vertical (mm)"), frame8),
                         2, 0);
    calibrage->addWidget(m_decalage_v, 3, 0, Qt::AlignLeft);
    calibrage->setRowStretch(4, 1);
    // The test sheet is how the offsets are checked: it stands with them.
    auto* page_essai = Nommer(new QPushButton(QStringLiteral("Page d'essai"), frame8), "Page_Essai");
    calibrage->addWidget(page_essai, 5, 0);
    for (auto* champ : {m_decalage_h, m_decalage_v}) {
        champ->setToolTip(
            QStringLiteral("De -10 à 10 mm par pas de 0,5 : positif vers la droite et vers le bas "
                           "de la feuille. Vérifiez avec la page d'essai."));
    }

    auto* frame7 = Nommer(new QGroupBox(QStringLiteral("Impression"), this), "Frame7");
    m_arret_imp =
        Nommer(new QCheckBox(QStringLiteral("Arret impression a chaque feuille"), frame7), "Arret_Imp");
    m_premiere = Nommer(new QSpinBox(frame7), "Premiere_Etiquette");
    m_premiere->setRange(1, 16);
    m_premiere->setValue(1);
    m_premiere->setToolTip(QStringLiteral("Sur une feuille entamée, le n° de la première étiquette libre "
                                          "(numérotées de gauche à droite, de haut en bas)"));
    // The print run's options and its two actions on one row: no row of buttons under the window, which
    // then stands whole on a 600-pixel screen.
    auto* apercu = Nommer(new QPushButton(QStringLiteral("Aperçu"), frame7), "Apercu");
    auto* imprime = Nommer(new QPushButton(QStringLiteral("Imprimer"), frame7), "Imprime");
    auto* impression = new QHBoxLayout(frame7);
    impression->addWidget(m_arret_imp);
    impression->addStretch(1);
    impression->addWidget(
        Nouveau_Label("Label_Premiere", QStringLiteral("Commencer à l'étiquette n°"), frame7));
    impression->addWidget(m_premiere);
    impression->addSpacing(12);
    impression->addWidget(apercu);
    impression->addWidget(imprime);

    auto* bas = new QGridLayout;
    bas->addWidget(frame5, 0, 0);
    bas->addWidget(frame6, 1, 0);
    bas->addWidget(frame8, 0, 1, 2, 1);
    bas->addWidget(frame7, 2, 0, 1, 2);

    // Narrow enough to stand beside the selection window on a 1366-pixel screen.
    auto* page = new QVBoxLayout(this);
    page->addWidget(frame1);
    page->addWidget(frame2);
    page->addLayout(bas);
    for (auto* layout : {page->layout(), frame1->layout(), frame2->layout(), frame5->layout(),
                         frame6->layout(), frame7->layout(), frame8->layout()}) {
        layout->setContentsMargins(6, 6, 6, 6);
    }

    m_rxtx->setText(Admettre_Valeur(m_services.reglages.Lire(QStringLiteral("Transceiver")), Maxi_RxTx,
                                    QStringLiteral("Le réglage \"Transceiver\""), m_services.messages));
    m_antenne->setText(Admettre_Valeur(m_services.reglages.Lire(QStringLiteral("Antenne")), Maxi_Antenne,
                                       QStringLiteral("Le réglage \"Antenne\""), m_services.messages));
    for (const auto& [champ, cle] :
         {std::pair{m_decalage_h, "Decalage Horizontal"}, {m_decalage_v, "Decalage Vertical"}}) {
        champ->setValue(Decalage_Lu(QString::fromUtf8(cle)));
        connect(champ, &QDoubleSpinBox::valueChanged, this, [this, cle](double valeur) {
            m_services.reglages.Ecrire(QString::fromUtf8(cle),
                                       QString::fromStdString(Maravel::Texte_Decalage(valeur)));
        });
    }

    connect(imprime, &QPushButton::clicked, this, &Etiquettes::Imprime_Click);
    connect(apercu, &QPushButton::clicked, this, &Etiquettes::Apercu_Click);
    connect(page_essai, &QPushButton::clicked, this, &Etiquettes::Page_Essai_Click);
}

// A stored offset passes the checks of a typed one; refused, the operator is told and the grid stays put.
double Etiquettes::Decalage_Lu(const QString& cle) {
    const QString valeur = m_services.reglages.Lire(cle).trimmed();
    if (valeur.isEmpty()) {
        return 0;
    }
    auto refus = Refus_Valeur_Entrante(valeur, 5);
    const auto lu = refus ? std::nullopt : Maravel::Lire_Decalage(Vers_1252(valeur));
    if (!lu) {
        m_services.messages.Information(
            QStringLiteral("Le réglage \"%1\" a été ignoré : ").arg(cle) +
            refus.value_or(
                QStringLiteral(
                    "ce n'est pas un nombre de -10 à 10 par pas de 0.5, écrit avec un point (« %1 »)")
                    .arg(valeur)) +
            QStringLiteral(". Le décalage reste à 0."));
    }
    return lu.value_or(0);
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

Maravel::Choix_Etiquettes Etiquettes::Choix(Maravel::Contours contours) const {
    Maravel::Choix_Etiquettes choix;
    for (std::size_t i = 0; i < std::size(Formats); ++i) {
        if (m_etiqu[i]->isChecked()) {
            choix.format = Formats[i].format;
        }
    }
    choix.modele = m_type_1->isChecked() ? Maravel::Modele::Francais : Maravel::Modele::Anglais;
    choix.arret_par_feuille = m_arret_imp->isChecked() && contours == Maravel::Contours::Aucun;
    choix.premiere_etiquette = m_premiere->value();
    choix.decalage = {m_decalage_h->value(), m_decalage_v->value()};
    choix.contours = contours;
    return choix;
}

// The station is saved before the dialog; a cancelled dialog prints nothing.
void Etiquettes::Imprime_Click() {
    if (!Station_Admise()) {
        return;
    }
    m_services.reglages.Ecrire(QStringLiteral("Transceiver"), m_rxtx->text());
    m_services.reglages.Ecrire(QStringLiteral("Antenne"), m_antenne->text());
    const auto choix = Choix(Maravel::Contours::Aucun);
    Imprimer(Maravel::Pages_Etiquettes(m_liste_imprime(), Communes(), choix), choix,
             QStringLiteral("Les étiquettes n'ont pas pu être imprimées"));
}

void Etiquettes::Page_Essai_Click() {
    const auto choix = Choix(Maravel::Contours::Essai);
    Imprimer({Maravel::Page_Essai(choix)}, choix, QStringLiteral("La page d'essai n'a pas pu être imprimée"));
}

// What the printer can reach depends on the printer chosen: the operator hears of a cut text before
// anything is sent.
void Etiquettes::Imprimer(const std::vector<Maravel::Page_Etiquettes>& pages,
                          const Maravel::Choix_Etiquettes& choix, const QString& echec) {
    if (!m_services.impression.Choisir_Imprimante(this)) {
        return;
    }
    auto& imprimante = m_services.impression.Imprimante();
    const auto hors = Maravel::Verifier_Zone(
        pages, imprimante.Zone_Imprimable(Maravel::Feuille_De(choix.format).papier), choix.decalage);
    if (!hors.rangees.empty() && !m_services.messages.Question(Question_Hors_Zone(hors, choix.decalage))) {
        return;
    }
    const auto fin =
        Maravel::Imprimer_Etiquettes(imprimante, pages, choix, [this](std::string_view question) {
            return m_services.messages.Question(Depuis_1252(question));
        });
    if (fin == Maravel::Fin_Impression::Refusee) {
        m_services.messages.Information(
            echec + QStringLiteral(" : l'imprimante choisie a refusé le travail ou "
                                   "n'est pas disponible. Vérifiez-la, puis recommencez."));
    }
}

// The sheets as they would come out, each label outlined in light grey, without pausing, saving or
// sending anything.
void Etiquettes::Apercu_Click() {
    if (!Station_Admise()) {
        return;
    }
    const auto choix = Choix(Maravel::Contours::Gris);
    const auto pages = Maravel::Pages_Etiquettes(m_liste_imprime(), Communes(), choix);
    m_services.impression.Apercu(this, QStringLiteral("Aperçu des étiquettes"),
                                 [&](Maravel::Imprimante_Lignes& imprimante) {
                                     Maravel::Imprimer_Etiquettes(imprimante, pages, choix, {});
                                 });
}
