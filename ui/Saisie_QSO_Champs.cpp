// The view of the entry model: keys, clicks and typed texts go to the model; the fields, their colours and
// states, the list, the clock and the menus' check marks show what it holds; its messages go through the
// messages service.

#include "ui/Saisie_QSO.h"

#include "ui/Sous_Programmes.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using Maravel::Champ_Saisie;
using Maravel::Touche_Saisie;

bool Est_Tabulation(const QKeyEvent* touche) {
    return touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab;
}

// The keypad's "+" and F9 to F12.
bool Touche_Validation(const QKeyEvent* touche) {
    switch (touche->key()) {
    case Qt::Key_F9:
    case Qt::Key_F10:
    case Qt::Key_F11:
    case Qt::Key_F12:
        return true;
    case Qt::Key_Plus:
        return (touche->modifiers() & Qt::KeypadModifier) != 0;
    default:
        return false;
    }
}

// The list's entry that the text names, or none, with the text as it stands. A text being typed is left
// alone, caret and selection included.
void Montrer_Texte(QComboBox* liste, const QString& texte) {
    if (liste->currentText() == texte) {
        return;
    }
    liste->setCurrentIndex(liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive));
    liste->setEditText(texte);
}

} // namespace

void Saisie_QSO::Relier_Au_Modele() {
    m_controles = {m_num_q,  m_date_q, m_heure_q,       m_indi_q, m_dpt_q,   m_prenom_q,
                   m_qrkr_q, m_qrke_q, m_observation_q, m_mode_q, m_bande_q, m_valide_q};
    for (std::size_t i = 0; i < m_controles.size(); ++i) {
        const auto champ = static_cast<Champ_Saisie>(i);
        const auto texte = [this, champ](const QString& t) { m_modele.Texte(champ, Vers_1252(t)); };
        if (auto* ligne = qobject_cast<QLineEdit*>(m_controles[i])) {
            connect(ligne, &QLineEdit::textChanged, this, texte);
        } else if (auto* liste = qobject_cast<QComboBox*>(m_controles[i])) {
            connect(liste, &QComboBox::currentTextChanged, this, texte);
        }
    }
    using M = Maravel::Modele_Saisie;
    for (const auto& [bouton, action] : {std::pair{m_valide_q, &M::Valide_Q_Click},
                                         {m_annule_q, &M::Annule_Saisie},
                                         {m_edite_qso, &M::Edite_QSO_Click},
                                         {m_efface_qso, &M::Efface_QSO_Click},
                                         {m_recupere, &M::Recupere_Click},
                                         {m_ajout_qso, &M::Ajout_QSO_Click}}) {
        connect(bouton, &QPushButton::clicked, this, [this, action] { Agir(action); });
    }
    const auto selection = [this](int ligne) {
        if (ligne >= 0) {
            m_modele.Selection(static_cast<std::size_t>(ligne));
        }
    };
    connect(m_liste_qso, &QListWidget::currentRowChanged, this, selection);
    connect(m_liste_qso, &QListWidget::itemClicked, this,
            [this, selection](QListWidgetItem* item) { selection(m_liste_qso->row(item)); });
}

void Saisie_QSO::Agir(void (Maravel::Modele_Saisie::*action)()) {
    (m_modele.*action)();
    Afficher();
}

bool Saisie_QSO::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(objet, evenement);
    }
    auto* touche = static_cast<QKeyEvent*>(evenement);
    if (objet == m_valide_q) {
        // Enter on the focused button validates, as the space bar does.
        if (Est_Entree(touche)) {
            m_valide_q->click();
            return true;
        }
        return false;
    }
    // The callsign acts on typed characters only; moving between fields by hand neither types nor empties.
    const bool indicatif = objet == m_indi_q;
    if (Est_Tabulation(touche) || (indicatif && !Est_Entree(touche) && touche->text().isEmpty() &&
                                   touche->key() != Qt::Key_Backspace)) {
        return false;
    }
    auto champ = static_cast<Champ_Saisie>(std::find(m_controles.begin(), m_controles.end(), objet) -
                                           m_controles.begin());
    if (objet == m_mode_q->lineEdit() || objet == m_bande_q->lineEdit()) {
        champ = objet == m_mode_q->lineEdit() ? Champ_Saisie::Mode_Q : Champ_Saisie::Bande_Q;
    }
    const Touche_Saisie sorte = Est_Entree(touche)                        ? Touche_Saisie::Entree
                                : !indicatif && Touche_Validation(touche) ? Touche_Saisie::Validation
                                : touche->key() == Qt::Key_Backspace      ? Touche_Saisie::Retour
                                                                          : Touche_Saisie::Autre;
    const std::string avant = m_modele.Champ(champ).texte;
    const bool consommee = m_modele.Touche(champ, sorte);
    // A key the model lets through changes at most the field's own text (a separator, the retype rule):
    // the rest of the window is shown again only when the model acted.
    if (consommee || m_modele.Champ(champ).texte != avant) {
        Afficher();
    }
    return consommee || (indicatif && Majuscule_Tapee(m_indi_q, touche));
}

void Saisie_QSO::Afficher() {
    for (QWidget* controle : {static_cast<QWidget*>(m_date_q), static_cast<QWidget*>(m_heure_q),
                              static_cast<QWidget*>(m_label10), static_cast<QWidget*>(m_label6)}) {
        controle->setVisible(m_modele.Date_Heure_Visibles());
    }
    for (std::size_t i = 0; i < m_controles.size(); ++i) {
        QWidget* controle = m_controles[i];
        const Maravel::Etat_Champ& etat = m_modele.Champ(static_cast<Champ_Saisie>(i));
        const QString texte = Depuis_1252(etat.texte);
        const QSignalBlocker silence(controle);
        if (auto* ligne = qobject_cast<QLineEdit*>(controle); ligne && ligne->text() != texte) {
            ligne->setText(texte);
        } else if (auto* liste = qobject_cast<QComboBox*>(controle)) {
            Montrer_Texte(liste, texte);
        }
        controle->setEnabled(etat.actif);
        if (controle != m_valide_q && Couleur(controle) != (etat.vert ? Vert_Clair : Jaune_Clair)) {
            Colorer(controle, etat.vert ? Vert_Clair : Jaune_Clair);
        }
    }
    m_status->setText(Depuis_1252(m_modele.Status()));
    m_recupere->setEnabled(m_modele.Recupere_Actif());
    for (const auto& [oui, non, coche] : {std::tuple{m_mnu_utc_oui, m_mnu_utc_non, m_modele.UTC()},
                                          {m_mnu_diff_oui, m_mnu_diff_non, m_modele.Differee()},
                                          {m_mnu_refrappe_oui, m_mnu_refrappe_non, m_modele.Refrappe()}}) {
        oui->setChecked(coche);
        non->setChecked(!coche);
    }
    m_label37->setText(Depuis_1252(m_modele.Heure_UTC()));
    m_label37->setEnabled(m_modele.Horloge_En_UTC());
    m_label34->setText(Depuis_1252(m_modele.Heure_Locale()));
    m_label34->setEnabled(!m_modele.Horloge_En_UTC());
    m_label33->setText(Depuis_1252(m_modele.Date_Courante()));
    Afficher_Liste();
    if (const auto focus = m_modele.Focus_Demande()) {
        QWidget* controle = m_controles[static_cast<std::size_t>(*focus)];
        controle->setFocus();
        if (auto* liste = qobject_cast<QComboBox*>(controle)) {
            liste->lineEdit()->selectAll(); // typing replaces the band or mode in use
        }
    }
}

// The list is rebuilt only when the model read the log again; its current line is the model's.
void Saisie_QSO::Afficher_Liste() {
    const QSignalBlocker silence(m_liste_qso);
    if (m_version_liste != m_modele.Version_Liste()) {
        m_version_liste = m_modele.Version_Liste();
        const auto& lignes = m_modele.Lignes();
        QStringList affichees;
        affichees.reserve(static_cast<qsizetype>(lignes.size()));
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            affichees << Depuis_1252(Maravel::Ligne_Affichee(i + 1, lignes[i]));
        }
        m_liste_qso->clear();
        m_liste_qso->addItems(affichees);
        m_liste_qso->setCurrentRow(static_cast<int>(m_modele.Numero_Selectionne()) - 1);
        m_liste_qso->scrollToBottom();
    }
}

void Saisie_QSO::Information(std::string_view texte) {
    m_services.messages.Information(Depuis_1252(texte));
}

void Saisie_QSO::Information_Fichier(std::string_view texte, const std::filesystem::path& fichier) {
    m_services.messages.Information(Depuis_1252(texte) +
                                    QDir::toNativeSeparators(QString::fromStdU16String(fichier.u16string())));
}

// The window shows the state the question is about.
bool Saisie_QSO::Question(std::string_view texte) {
    Afficher();
    return m_services.messages.Question(Depuis_1252(texte));
}

std::string Saisie_QSO::Lire(std::string_view cle, std::string_view defaut) {
    return Vers_1252(m_services.reglages.Lire(Depuis_1252(cle), Depuis_1252(defaut)));
}

void Saisie_QSO::Ecrire(std::string_view cle, std::string_view valeur) {
    m_services.reglages.Ecrire(Depuis_1252(cle), Depuis_1252(valeur));
}

bool Saisie_QSO::Lire_Booleen(std::string_view cle, bool defaut) {
    return m_services.reglages.Lire_Booleen(Depuis_1252(cle), defaut);
}

void Saisie_QSO::Ecrire_Booleen(std::string_view cle, bool valeur) {
    m_services.reglages.Ecrire_Booleen(Depuis_1252(cle), valeur);
}
