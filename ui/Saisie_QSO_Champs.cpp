// Entry of one QSO from the keyboard: each field's check on Enter, the walk from field to field, the
// callsign look-ups, validation and cancel.

#include "ui/Saisie_QSO.h"

#include "core/Prenoms.h"
#include "core/Saisie.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString Indicatif_Vide = QStringLiteral("Entrez un indicatif");
const QString Message_Departement = QStringLiteral("2 caractères pour le département");
const QString Message_Date =
    QStringLiteral("Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques");
const QString Message_Heure =
    QStringLiteral("Attention le format de l'heure doit etre hhmm les ':' sont automatique");

// The widest text each field's column of the log holds, and the field's message when it is exceeded;
// in the order in which a validation looks at them.
struct Limite {
    const char* champ;
    int maxi;
    const char* message;
};
constexpr Limite Limites[] = {
    {"Indi_Q", 12, "12 caracteres maxi"},   {"Dpt_Q", 2, "2 caractères pour le département"},
    {"Prenom_Q", 15, "15 caracteres maxi"}, {"QRKR_Q", 3, "3 caracteres maxi"},
    {"QRKE_Q", 3, "3 caracteres maxi"},     {"Observation_Q", 30, "30 caracteres maxi"},
    {"Mode_Q", 4, "3 caracteres maxi"},     {"Bande_Q", 3, "3 caracteres maxi"},
};

QString Texte(const QWidget* champ) {
    if (const auto* liste = qobject_cast<const QComboBox*>(champ)) {
        return liste->currentText();
    }
    return static_cast<const QLineEdit*>(champ)->text();
}

int Longueur(const QWidget* champ) {
    return static_cast<int>(Texte(champ).size());
}

// The field's message when its text is longer than its column, else nothing.
QString Trop_Long(const QWidget* champ) {
    for (const Limite& limite : Limites) {
        if (champ->objectName() == QLatin1String(limite.champ)) {
            return Longueur(champ) > limite.maxi ? QString::fromUtf8(limite.message) : QString();
        }
    }
    return {};
}

bool Est_Tabulation(const QKeyEvent* touche) {
    return touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab;
}

int Controle_Date(const QString& texte) {
    return Maravel::Controle_Date(Vers_1252(texte));
}

int Controle_Heure(const QString& texte) {
    return Maravel::Controle_Heure(Vers_1252(texte));
}

} // namespace

bool Saisie_QSO::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(objet, evenement);
    }
    auto* touche = static_cast<QKeyEvent*>(evenement);
    if (objet == m_indi_q) {
        return Touche_Indi_Q(touche);
    }
    if (objet == m_bande_q || objet == m_bande_q->lineEdit()) {
        return Touche_Liste(m_bande_q, touche);
    }
    if (objet == m_mode_q || objet == m_mode_q->lineEdit()) {
        return Touche_Liste(m_mode_q, touche);
    }
    if (objet == m_valide_q) {
        // Enter on the focused button validates, as the space bar does.
        if (Est_Entree(touche)) {
            m_valide_q->click();
            return true;
        }
        return false;
    }
    return Touche_Champ(static_cast<QLineEdit*>(objet), touche);
}

// The callsign acts on typed characters: small letters become capitals, Enter confirms.
bool Saisie_QSO::Touche_Indi_Q(QKeyEvent* touche) {
    if (Est_Entree(touche)) {
        Entree_Indi_Q();
        return true;
    }
    if (Est_Tabulation(touche) || (touche->text().isEmpty() && touche->key() != Qt::Key_Backspace)) {
        return false;
    }
    Regle_Refrappe(m_indi_q);
    return Majuscule_Tapee(m_indi_q, touche);
}

bool Saisie_QSO::Touche_Champ(QLineEdit* champ, QKeyEvent* touche) {
    if (Est_Tabulation(touche)) {
        return false; // moving between fields by hand neither types nor empties anything
    }
    if (Touche_Validation(touche)) {
        Valider_Depuis_Champ(champ);
        return true;
    }
    if (champ == m_observation_q) {
        // The remarks apply the retype rule to Enter too: confirming them first empties them.
        Regle_Refrappe(champ);
    }
    if (Est_Entree(touche)) {
        Entree_Champ(champ);
        return true;
    }
    // Backspace shortens a date or a time: it never adds the separator it would then delete.
    if ((champ == m_date_q || champ == m_heure_q) && touche->key() != Qt::Key_Backspace) {
        Separateur_Automatique(champ);
    }
    if (champ != m_observation_q) {
        Regle_Refrappe(champ);
    }
    return false;
}

bool Saisie_QSO::Touche_Liste(QComboBox* liste, QKeyEvent* touche) {
    if (!Est_Entree(touche)) {
        return false;
    }
    if (liste == m_bande_q) {
        Entree_Bande_Q();
    } else {
        Entree_Mode_Q();
    }
    return true;
}

bool Saisie_QSO::Touche_Validation(const QKeyEvent* touche) const {
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

void Saisie_QSO::Separateur_Automatique(QLineEdit* champ) {
    const int longueur = Longueur(champ);
    if (champ == m_date_q && (longueur == 2 || longueur == 5)) {
        champ->setText(champ->text() + QLatin1Char('/'));
    } else if (champ == m_heure_q && longueur == 2) {
        champ->setText(champ->text() + QLatin1Char(':'));
    } else {
        return;
    }
    champ->setCursorPosition(Longueur(champ));
}

// While a logged QSO is edited in retype mode, the first key in a field replaces its old content.
void Saisie_QSO::Regle_Refrappe(QLineEdit* champ) {
    if (m_mnu_refrappe_oui->isChecked() && m_mode_edition && !m_champ_refrappe) {
        m_champ_refrappe = true;
        champ->clear();
    }
}

void Saisie_QSO::Rapports_Par_Defaut() {
    const QString rapport =
        m_mode_q->currentText() == QLatin1String("CW") ? QStringLiteral("599") : QStringLiteral("59");
    m_qrke_q->setText(rapport);
    m_qrkr_q->setText(rapport);
}

void Saisie_QSO::Ouvrir_Champ(QWidget* champ) {
    champ->setEnabled(true);
    if (champ != m_valide_q) {
        Colorer(champ, Vert_Clair);
    }
    champ->setFocus();
    if (auto* liste = qobject_cast<QComboBox*>(champ)) {
        liste->lineEdit()->selectAll(); // typing replaces the band or mode in use
    }
}

void Saisie_QSO::Entree_Indi_Q() {
    if (const QString refus = Trop_Long(m_indi_q); !refus.isEmpty()) {
        m_services.messages.Information(refus);
        return;
    }
    if (m_indi_q->text().isEmpty()) {
        m_services.messages.Information(Indicatif_Vide);
        return;
    }
    if (!m_mode_edition && Reussite_Cherche_Indicatif()) {
        return;
    }
    const std::string indicatif = Vers_1252(m_indi_q->text());
    Cherche_Prenom(indicatif);
    Colorer(m_indi_q, Jaune_Clair);
    m_valide_q->setEnabled(true);
    Ouvrir_Champ(Maravel::Est_Francais(indicatif) ? m_dpt_q : m_prenom_q);
    m_champ_refrappe = false;
}

// True when the station was worked already on this band and mode and the operator drops the entry.
bool Saisie_QSO::Reussite_Cherche_Indicatif() {
    const auto log = Log().Lire();
    const auto anterieur =
        Maravel::Cherche_Indicatif(log.lignes, Vers_1252(m_indi_q->text()),
                                   Vers_1252(m_bande_q->currentText()), Vers_1252(m_mode_q->currentText()));
    if (!anterieur) {
        return false;
    }
    const QString question = m_indi_q->text() + QLatin1Char(' ') + Depuis_1252(anterieur->Prenom) +
                             QStringLiteral(" Deja contacté le ") + Depuis_1252(anterieur->Date) +
                             QStringLiteral(" a ") + Depuis_1252(anterieur->Heure) + QStringLiteral(" sur ") +
                             m_bande_q->currentText() + QStringLiteral(" Mhz. Annuler la saisie ?");
    if (!m_services.messages.Question(question)) {
        return false;
    }
    m_indi_q->clear();
    m_indi_q->setFocus();
    return true;
}

void Saisie_QSO::Cherche_Prenom(const std::string& indicatif) {
    const auto fiche = Maravel::Cherche_Prenom(m_services.fichiers, m_services.dossier, indicatif);
    if (!fiche) {
        return;
    }
    // A hand-edited memory line meets the rules of a typed value.
    const QString origine =
        QStringLiteral(" de ") + m_indi_q->text() + QStringLiteral(" lu dans Liste_Prenom.txt");
    m_dpt_q->setEnabled(true);
    m_dpt_q->setText(Admettre_Valeur(Depuis_1252(fiche->Departement), 2,
                                     QStringLiteral("Le département") + origine, m_services.messages));
    m_prenom_q->setEnabled(true);
    m_prenom_q->setText(Admettre_Valeur(Depuis_1252(fiche->Prenom), 15, QStringLiteral("Le prénom") + origine,
                                        m_services.messages));
}

void Saisie_QSO::Entree_Champ(QLineEdit* champ) {
    QString refus = Trop_Long(champ);
    if (champ == m_dpt_q && Longueur(champ) == 1) {
        refus = Message_Departement;
    } else if (champ == m_date_q && Controle_Date(champ->text()) != 0) {
        refus = Message_Date;
    } else if (champ == m_heure_q && Controle_Heure(champ->text()) != 0) {
        refus = Message_Heure;
    }
    if (!refus.isEmpty()) {
        m_services.messages.Information(refus);
        if (champ == m_date_q) {
            champ->clear();
        }
        return;
    }

    m_champ_refrappe = false;
    if (champ == m_date_q) {
        m_services.reglages.Ecrire(QStringLiteral("Date Activite"), champ->text());
    }
    Colorer(champ, Jaune_Clair);

    if (champ == m_dpt_q) {
        Ouvrir_Champ(m_prenom_q);
    } else if (champ == m_prenom_q) {
        Ouvrir_Champ(m_qrkr_q);
    } else if (champ == m_qrkr_q) {
        Ouvrir_Champ(m_qrke_q);
    } else if (champ == m_qrke_q) {
        Ouvrir_Champ(m_observation_q);
    } else if (champ == m_observation_q) {
        Ouvrir_Champ(Date_Heure_Tapees() ? static_cast<QWidget*>(m_date_q) : m_valide_q);
    } else if (champ == m_date_q) {
        Ouvrir_Champ(m_heure_q);
    } else if (champ == m_heure_q) {
        Ouvrir_Champ(m_valide_q);
    }
}

void Saisie_QSO::Entree_Bande_Q() {
    if (const QString refus = Trop_Long(m_bande_q); !refus.isEmpty()) {
        m_services.messages.Information(refus);
        return;
    }
    const int indice =
        m_bande_q->findText(m_bande_q->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_services.reglages.Ecrire(QStringLiteral("Bande Activite"), QString::number(indice));
    m_champ_refrappe = false;
    Colorer(m_indi_q, Jaune_Clair);
    Colorer(m_bande_q, Jaune_Clair);
    Ouvrir_Champ(m_mode_q);
}

void Saisie_QSO::Entree_Mode_Q() {
    if (const QString refus = Trop_Long(m_mode_q); !refus.isEmpty()) {
        m_services.messages.Information(refus);
        return;
    }
    Rapports_Par_Defaut();
    const int indice = m_mode_q->findText(m_mode_q->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_services.reglages.Ecrire(QStringLiteral("Mode Activite"), QString::number(indice));
    m_champ_refrappe = false;
    Colorer(m_mode_q, Jaune_Clair);
    Ouvrir_Champ(m_indi_q);
}

// Date and time are typed by hand in deferred entry, and for a QSO edited or inserted.
bool Saisie_QSO::Date_Heure_Tapees() const {
    return m_mnu_diff_oui->isChecked() || m_mode_ajout || m_mode_edition;
}

// The check a validation key makes on the field in which it is pressed; none on the department.
bool Saisie_QSO::Controle_Touche_Validation(QLineEdit* champ) {
    QString refus;
    if (champ == m_date_q) {
        if (Controle_Date(champ->text()) != 0) {
            refus = QStringLiteral("Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques ");
        }
    } else if (champ == m_heure_q) {
        const QString heure = champ->text();
        if (heure.size() != 5) {
            refus = QStringLiteral(
                "Attention 5 caracteres pour l'heure (format hh:mm. Les ':' sont automatique)");
        } else if (Controle_Heure(heure.left(2) + QLatin1Char(':') + heure.right(2)) != 0) {
            refus = QStringLiteral("Attention le format de l'heure doit etre hh:mm");
        } else if (Controle_Heure(heure) != 0) {
            refus = QStringLiteral("Attention le format date doit etre hh:mm");
        }
    } else if (champ != m_dpt_q) {
        refus = Trop_Long(champ);
    }
    if (refus.isEmpty()) {
        return true;
    }
    m_services.messages.Information(refus);
    return false;
}

// Whatever the way of validating, no value may break the log line, and a typed date and time must have
// their form: the field at fault gets its own message and the focus.
bool Saisie_QSO::Controle_Avant_Ecriture() {
    if (m_indi_q->text().isEmpty()) {
        Refuser(m_indi_q, Indicatif_Vide);
        return false;
    }
    for (const Limite& limite : Limites) {
        auto* champ = findChild<QWidget*>(QLatin1String(limite.champ));
        if (const QString refus = Trop_Long(champ); !refus.isEmpty()) {
            Refuser(champ, refus);
            return false;
        }
    }
    // A QSO without mode or band is of no use to any export or confirmation.
    if (m_mode_q->currentText().trimmed().isEmpty()) {
        Refuser(m_mode_q, QStringLiteral("Le mode est vide : choisissez SSB ou CW dans la liste, ou tapez "
                                         "le mode, puis validez à nouveau."));
    } else if (m_bande_q->currentText().trimmed().isEmpty()) {
        Refuser(m_bande_q, QStringLiteral("La bande est vide : choisissez une bande dans la liste, ou "
                                          "tapez-la, puis validez à nouveau."));
    } else if (Date_Heure_Tapees() && Controle_Date(m_date_q->text()) != 0) {
        Refuser(m_date_q, Message_Date);
    } else if (Date_Heure_Tapees() && Controle_Heure(m_heure_q->text()) != 0) {
        Refuser(m_heure_q, Message_Heure);
    } else {
        return true;
    }
    return false;
}

void Saisie_QSO::Refuser(QWidget* champ, const QString& message) {
    m_services.messages.Information(message);
    if (champ == m_date_q || champ == m_heure_q) {
        Afficher_Date_Heure(true);
    }
    // Only the field to fix is green.
    for (QWidget* autre : {static_cast<QWidget*>(m_indi_q), static_cast<QWidget*>(m_dpt_q),
                           static_cast<QWidget*>(m_prenom_q), static_cast<QWidget*>(m_qrkr_q),
                           static_cast<QWidget*>(m_qrke_q), static_cast<QWidget*>(m_observation_q),
                           static_cast<QWidget*>(m_date_q), static_cast<QWidget*>(m_heure_q),
                           static_cast<QWidget*>(m_mode_q), static_cast<QWidget*>(m_bande_q)}) {
        Colorer(autre, Jaune_Clair);
    }
    Ouvrir_Champ(champ);
}

void Saisie_QSO::Valide_Q_Click() {
    Valider(true);
}

void Saisie_QSO::Valider_Depuis_Champ(QLineEdit* champ) {
    if (Controle_Touche_Validation(champ)) {
        Valider(false);
    }
}

void Saisie_QSO::Valider(bool depuis_bouton) {
    if (!Controle_Avant_Ecriture() || !Ecrire_Qso()) {
        return;
    }
    if (m_mode_edition) {
        Fin_Edition();
    }
    m_indi_q->clear();
    m_dpt_q->clear();
    m_prenom_q->clear();
    m_observation_q->clear();
    m_heure_q->clear();
    if (depuis_bouton) {
        Rapports_Par_Defaut();
    }
    for (QLineEdit* champ : {m_dpt_q, m_prenom_q, m_qrkr_q, m_qrke_q}) {
        Colorer(champ, Jaune_Clair);
    }
    for (QWidget* champ : {static_cast<QWidget*>(m_qrkr_q), static_cast<QWidget*>(m_qrke_q),
                           static_cast<QWidget*>(m_dpt_q), static_cast<QWidget*>(m_prenom_q),
                           static_cast<QWidget*>(m_observation_q), static_cast<QWidget*>(m_valide_q)}) {
        champ->setEnabled(false);
    }
    Colorer(m_observation_q, Jaune_Clair);
    Colorer(m_indi_q, Vert_Clair);
    m_indi_q->setFocus();
    m_mode_edition = false;
    m_champ_refrappe = false;
}

// Writes the QSO the fields describe: inserted at its moment, replacing the edited one, or appended.
// Nothing changes on screen when the log cannot be written: the operator can try again. The QSO comes
// first: the first-name memory is updated only once it is on disk, and its failure is only a warning.
bool Saisie_QSO::Ecrire_Qso() {
    if (!Date_Heure_Tapees() && m_date_courante.empty()) {
        Timer1_Timer(); // validated before the clock's first tick: read it now rather than stamp nothing
    }
    const auto ligne = Ligne_Depuis_Champs();
    if (!ligne) {
        return false;
    }
    Maravel::Journal journal = Log();
    Maravel::Resultat_Journal resultat = Maravel::Resultat_Journal::Fait;
    if (m_mode_ajout) {
        resultat = journal.Inserer_Chrono(*ligne);
    } else if (m_mode_edition) {
        resultat = journal.Remplacer(m_numero_edite, m_ligne_editee, *ligne);
    } else if (!journal.Ajouter(*ligne)) {
        resultat = Maravel::Resultat_Journal::Erreur_Fichier;
    }
    if (resultat != Maravel::Resultat_Journal::Fait) {
        Signaler_Echec(resultat);
        return false;
    }
    Mettre_A_Jour_Prenoms();

    if (m_mode_ajout) {
        m_date_q->clear();
        m_heure_q->clear();
        m_status->clear();
        m_mode_ajout = false;
    }
    Cacher_Date_Heure_Sauf_Differee();
    Recharger_Liste();
    Afficher_Numero_Suivant();
    return true;
}

// A value is written whole: the blanks around it go, never its letters.
static std::string Valeur_Ecrite(const QString& texte) {
    return Vers_1252(texte.trimmed());
}

std::optional<std::string> Saisie_QSO::Ligne_Depuis_Champs() {
    m_prenom_q->setText(Majuscules(m_prenom_q->text()));
    m_observation_q->setText(Majuscules(m_observation_q->text()));
    Maravel::QsoRecord qso;
    if (Date_Heure_Tapees()) {
        qso.Date = Vers_1252(m_date_q->text());
        qso.Heure = Vers_1252(m_heure_q->text());
    } else {
        const QLabel* horloge = m_date_courante_utc ? m_label37 : m_label34;
        qso.Date = m_date_courante;
        qso.Heure = Vers_1252(horloge->text().left(5));
    }
    qso.Indicatif = Valeur_Ecrite(m_indi_q->text());
    qso.Departement = Valeur_Ecrite(m_dpt_q->text());
    qso.Prenom = Valeur_Ecrite(m_prenom_q->text());
    qso.Rst_Recu = Valeur_Ecrite(m_qrkr_q->text());
    qso.Rst_Envoye = Valeur_Ecrite(m_qrke_q->text());
    qso.Mode = Valeur_Ecrite(m_mode_q->currentText());
    qso.Bande = Valeur_Ecrite(m_bande_q->currentText());
    qso.Observations = Valeur_Ecrite(m_observation_q->text());
    auto ligne = Maravel::Ligne_Qso(qso);
    if (!ligne) {
        m_services.messages.Information(
            QStringLiteral("Le QSO ne tient pas dans les colonnes du log : il n'a "
                           "pas été écrit."));
    }
    return ligne;
}

void Saisie_QSO::Mettre_A_Jour_Prenoms() {
    const std::string ligne = Maravel::Ligne_Prenom(
        Valeur_Ecrite(m_indi_q->text()), Valeur_Ecrite(m_dpt_q->text()), Valeur_Ecrite(m_prenom_q->text()));
    if (!Maravel::Ajout_Prenom(m_services.fichiers, m_services.dossier, ligne)) {
        m_services.messages.Information(QStringLiteral(
            "Le QSO est bien écrit dans le log, mais la liste des prénoms (Liste_Prenom.txt) "
            "n'a pas pu être mise à jour : elle reste telle qu'elle était. Vérifiez le dossier "
            "des données."));
    }
}

void Saisie_QSO::Annule_Saisie() {
    const bool edition = m_mode_edition;
    if (edition) {
        Fin_Edition();
    }
    m_mode_ajout = false;
    Cacher_Date_Heure_Sauf_Differee();
    m_status->clear();
    for (QLineEdit* champ : {m_dpt_q, m_prenom_q}) {
        champ->clear();
        Colorer(champ, Jaune_Clair);
        champ->setEnabled(false);
    }
    Rapports_Par_Defaut();
    for (QLineEdit* champ : {m_qrkr_q, m_qrke_q}) {
        champ->setEnabled(false);
        Colorer(champ, Jaune_Clair);
    }
    m_observation_q->clear();
    m_observation_q->setEnabled(false);
    Colorer(m_observation_q, Jaune_Clair);
    m_valide_q->setEnabled(false);
    m_indi_q->clear();
    Colorer(m_indi_q, Vert_Clair);
    m_indi_q->setFocus();
    if (edition) {
        Afficher_Numero_Suivant(); // the edited QSO's number no longer names the QSO being entered
    }
}

void Saisie_QSO::Afficher_Date_Heure(bool visibles) {
    for (QWidget* controle : {static_cast<QWidget*>(m_date_q), static_cast<QWidget*>(m_heure_q),
                              static_cast<QWidget*>(m_label10), static_cast<QWidget*>(m_label6)}) {
        controle->setVisible(visibles);
    }
}

void Saisie_QSO::Cacher_Date_Heure_Sauf_Differee() {
    if (!m_mnu_diff_oui->isChecked()) {
        Afficher_Date_Heure(false);
    }
}
