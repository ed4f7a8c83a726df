// The log's list and the editing of logged QSOs: selection, edit, delete, recover, insert.

#include "ui/Saisie_QSO.h"

#include "core/Colonnes.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

void Choisir_Texte(QComboBox* liste, const QString& texte) {
    const int indice = liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    liste->setCurrentIndex(indice);
    liste->setEditText(texte);
}

} // namespace

void Saisie_QSO::Recharger_Liste() {
    auto log = Lire_Log(m_services, m_activation.Num_Activite);
    if (!log) {
        return;
    }
    m_lignes = std::move(*log);
    QStringList affichees;
    affichees.reserve(static_cast<qsizetype>(m_lignes.size()));
    for (std::size_t i = 0; i < m_lignes.size(); ++i) {
        affichees << Depuis_1252(Maravel::Ligne_Affichee(i + 1, m_lignes[i]));
    }
    {
        const QSignalBlocker silence(m_liste_qso);
        m_liste_qso->clear();
        m_liste_qso->addItems(affichees);
    }
    m_numero_selectionne = 0;
    m_ligne_selectionnee.clear();
    m_ligne_log_selectionnee.clear();
    Selectionner_Derniere_Ligne();
}

// The last QSO becomes the current line, exactly as if the operator had clicked it.
void Saisie_QSO::Selectionner_Derniere_Ligne() {
    const int derniere = m_liste_qso->count() - 1;
    if (derniere < 0) {
        return;
    }
    m_liste_qso->setCurrentRow(derniere);
    m_liste_qso->scrollToBottom();
    Selection(derniere);
}

void Saisie_QSO::Selection(int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(m_lignes.size())) {
        return;
    }
    m_numero_selectionne = static_cast<std::size_t>(ligne) + 1;
    m_ligne_log_selectionnee = m_lignes[static_cast<std::size_t>(ligne)];
    m_ligne_selectionnee = Maravel::Ligne_Affichee(m_numero_selectionne, m_ligne_log_selectionnee);
}

void Saisie_QSO::Afficher_Numero_Suivant() {
    m_num_q->setText(QString::number(Maravel::Numero_Suivant(m_lignes.size())));
}

void Saisie_QSO::Edite_QSO_Click() {
    if (m_numero_selectionne == 0) {
        m_services.messages.Information(QStringLiteral("Cliquez sur une ligne pour la modifier"));
        return;
    }
    // Editing a logged QSO abandons an insertion that was begun: the validation replaces that QSO.
    if (m_mode_ajout) {
        m_mode_ajout = false;
        m_status->clear();
    }
    if (!m_mode_edition) {
        m_mode_avant_edition = m_mode_q->currentText();
        m_bande_avant_edition = m_bande_q->currentText();
    }
    m_mode_edition = true;
    m_numero_edite = m_numero_selectionne;
    m_ligne_editee = m_ligne_log_selectionnee;
    const std::string_view ligne = m_ligne_editee;

    m_num_q->setText(m_numero_edite < 10 ? QStringLiteral("0") + QString::number(m_numero_edite)
                                         : QString::number(m_numero_edite));
    const Maravel::QsoRecord qso = Maravel::Lire_Ligne_Qso(ligne);
    // A hand-edited log line meets the rules of a typed value before it reaches a field.
    const auto admis = [this](std::string_view octets, qsizetype limite, const char* legende) {
        return Admettre_Valeur(Depuis_1252(octets), limite,
                               QStringLiteral("Le champ \"%1\" du QSO n° %2")
                                   .arg(QString::fromUtf8(legende))
                                   .arg(m_numero_edite),
                               m_services.messages);
    };
    m_indi_q->setText(admis(qso.Indicatif, 12, "Indicatif"));
    // The department as stored, so that a re-validation writes the same columns; two blanks are none.
    const std::string_view departement = Maravel::Colonnes(ligne, 32, 2);
    m_dpt_q->setText(Maravel::Sans_Blancs(departement).empty() ? QString() : admis(departement, 2, "Dpt"));
    m_prenom_q->setText(admis(qso.Prenom, 15, "Prénom"));
    m_qrkr_q->setText(admis(qso.Rst_Recu, 3, "Rst R"));
    m_qrke_q->setText(admis(qso.Rst_Envoye, 3, "Rst E"));
    m_observation_q->setText(admis(qso.Observations, 30, "Observations"));
    for (QLineEdit* champ : {m_dpt_q, m_prenom_q, m_qrkr_q, m_qrke_q, m_observation_q}) {
        champ->setEnabled(true);
    }
    // Mode and band without their padding: the line written back is the same, and the next QSOs keep
    // texts that the duplicate look-up compares exactly.
    Choisir_Texte(m_mode_q, admis(qso.Mode, 4, "Mode"));
    Choisir_Texte(m_bande_q, admis(qso.Bande, 3, "Bande (Mhz)"));
    Afficher_Date_Heure(true);
    m_date_q->setText(admis(Maravel::Colonnes(ligne, 1, 8), 8, "Date"));
    m_heure_q->setText(admis(Maravel::Colonnes(ligne, 11, 5), 5, "Heure"));

    m_champ_refrappe = false;
    Colorer(m_indi_q, Vert_Clair);
    m_indi_q->setFocus();
}

// The reports go with the band and mode: the edited QSO's own are not offered for the next one.
void Saisie_QSO::Fin_Edition() {
    Choisir_Texte(m_mode_q, m_mode_avant_edition);
    Choisir_Texte(m_bande_q, m_bande_avant_edition);
    // The store follows the screen, so that a restart opens on the band and mode really in use.
    m_services.reglages.Ecrire(QStringLiteral("Mode Activite"), QString::number(m_mode_q->currentIndex()));
    m_services.reglages.Ecrire(QStringLiteral("Bande Activite"), QString::number(m_bande_q->currentIndex()));
    Rapports_Par_Defaut();
    m_mode_edition = false;
}

void Saisie_QSO::Efface_QSO_Click() {
    if (m_numero_selectionne == 0) {
        m_services.messages.Information(QStringLiteral("Cliquez sur une ligne pour l'annuler"));
        return;
    }
    m_recupere->setEnabled(true);
    const std::size_t numero = m_numero_selectionne;
    const std::string ligne = m_ligne_log_selectionnee;
    const QString indicatif = Depuis_1252(Maravel::Lire_Ligne_Qso(ligne).Indicatif);
    if (m_services.messages.Question(QStringLiteral("Voulez vous effacer le QSO avec ") + indicatif +
                                     QStringLiteral(" ?"))) {
        const auto resultat = Log().Effacer(numero, ligne);
        if (resultat == Maravel::Resultat_Journal::Fait) {
            m_ligne_effacee = ligne;
        } else {
            Signaler_Echec(resultat);
        }
    }
    Recharger_Liste();
    Annule_Saisie();
    Afficher_Numero_Suivant();
    Selectionner_Derniere_Ligne();
    m_indi_q->setFocus();
}

void Saisie_QSO::Recupere_Click() {
    m_recupere->setEnabled(false);
    if (m_ligne_effacee.empty()) {
        m_services.messages.Information(QStringLiteral(
            "Aucun QSO à récupérer : aucun QSO n'a été supprimé depuis l'ouverture du programme."));
        return;
    }
    const std::string_view ligne = m_ligne_effacee;
    const QString question =
        QStringLiteral("Voulez vous recuperer le QSO avec ") +
        Depuis_1252(Maravel::Sans_Blancs(Maravel::Colonnes(ligne, 18, 12))) + QStringLiteral(" a ") +
        Depuis_1252(Maravel::Colonnes(ligne, 11, 5)) + QStringLiteral(" sur ") +
        Depuis_1252(Maravel::Sans_Blancs(Maravel::Colonnes(ligne, 67, 3))) + QStringLiteral(" Mhz en ") +
        Depuis_1252(Maravel::Sans_Blancs(Maravel::Colonnes(ligne, 61, 4)));
    if (!m_services.messages.Question(question)) {
        return;
    }
    const auto resultat = Log().Inserer_Chrono(m_ligne_effacee);
    if (resultat != Maravel::Resultat_Journal::Fait) {
        Signaler_Echec(resultat);
        return;
    }
    Recharger_Liste();
    if (!m_mode_edition) {
        Afficher_Numero_Suivant();
    }
}

void Saisie_QSO::Ajout_QSO_Click() {
    m_mode_ajout = true;
    Afficher_Date_Heure(true);
    m_status->setText(QStringLiteral("Mode Ajout d'un QSO"));
    m_indi_q->setFocus();
}

void Saisie_QSO::Signaler_Echec(Maravel::Resultat_Journal resultat) {
    const QString fichier = QDir::toNativeSeparators(QString::fromStdU16String(Log().Fichier().u16string()));
    if (resultat == Maravel::Resultat_Journal::Qso_Introuvable) {
        m_services.messages.Information(
            QStringLiteral("Ce QSO n'est plus à sa place dans le log (le fichier a changé) : rien n'a été "
                           "modifié. Sélectionnez-le à nouveau dans la liste.\n") +
            fichier);
    } else {
        m_services.messages.Information(
            QStringLiteral("Le log ne peut pas être modifié : rien n'a été écrit. Vérifiez le dossier des "
                           "données puis recommencez.\n") +
            fichier);
    }
}
