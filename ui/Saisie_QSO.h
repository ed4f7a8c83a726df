#pragma once
// The QSO entry window: the activation being logged, the clock, the entry fields and the log's list.
// Its behaviour is split in five files: the frame, load and clock (Saisie_QSO.cpp), the entry of one
// QSO from the keyboard with its validation (Saisie_QSO_Champs.cpp), the editing of logged QSOs
// (Saisie_QSO_Liste.cpp), the log's outputs (Saisie_QSO_Sorties.cpp), the search and the Aide menu
// (Saisie_QSO_Aide.cpp), and the radio (Saisie_QSO_Radio.cpp).

#include "core/Journal.h"
#include "core/Qso.h"
#include "core/Radio.h"
#include "ui/Activation_Courante.h"
#include "ui/Radio.h"
#include "ui/Services.h"

#include <QMainWindow>
#include <QPointer>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Maravel {
struct ActivationRecord;
struct Resultat_Sortie;
} // namespace Maravel

class Affiche_Log;
class Choix_Radio;
class Select_QSO;
class Mise_a_Jour;
class Mode_Emploi;
class Recherche_Indicatif;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;

class Saisie_QSO : public QMainWindow {
    Q_OBJECT
public:
    // The window logs into the activation the set-up window holds now, and keeps it: clearing or editing
    // the set-up fields afterwards never sends its QSOs elsewhere.
    Saisie_QSO(Services& services, const Source_Activation& setup, QWidget* parent = nullptr);

    // "Saisie des QSO" pressed again: on another activation (or the same one described otherwise) the
    // window drops the entry in progress and reloads on it.
    void Ouvrir_Activation(const Activation_Affichee& activation);

    // The callsign of the QSO being typed that turning to `autre` would drop (empty when only its other
    // fields hold text); nothing when nothing typed would be lost, or during an edit or an insertion,
    // which are cancelled and say so in the status line.
    std::optional<QString> Qso_Abandonne_Pour(const Activation_Affichee& autre) const;

    // One tick of the clock (the timer calls it every second; tests call it after setting their clock).
    void Timer1_Timer();

    // Rebuilds the list from the log file and selects its last line.
    void Recharger_Liste();

    bool Mode_Edition() const { return m_mode_edition; }
    bool Mode_Ajout() const { return m_mode_ajout; }
    bool Champ_Refrappe() const { return m_champ_refrappe; }
    const std::string& Date_Courante() const { return m_date_courante; }
    const std::string& Ligne_Selectionnee() const { return m_ligne_selectionnee; }
    const std::string& Ligne_Log_Selectionnee() const { return m_ligne_log_selectionnee; }
    const std::string& Ligne_Effacee() const { return m_ligne_effacee; }

    // A reading of the radio: the status part, and the band and mode it moved, as if the operator had
    // picked them, unless a logged QSO is edited or inserted or the focus is in the band or the mode.
    void Radio_Lue(const Lecture_Radio& lecture);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // Frame and load.
    void Construire_Controles();
    void Construire_Menus();
    void Charger();
    void Afficher_Activation();
    void Ecarter_Lignes_Coupees();
    QString Texte_Label3() const;
    Maravel::Journal Log() const;

    // Keyboard flow of one QSO.
    bool Touche_Indi_Q(QKeyEvent* touche);
    bool Touche_Champ(QLineEdit* champ, QKeyEvent* touche);
    bool Touche_Liste(QComboBox* liste, QKeyEvent* touche);
    void Entree_Indi_Q();
    void Entree_Champ(QLineEdit* champ);
    void Entree_Bande_Q();
    void Entree_Mode_Q();
    void Ouvrir_Champ(QWidget* champ);
    void Separateur_Automatique(QLineEdit* champ);
    void Regle_Refrappe(QLineEdit* champ);
    void Rapports_Par_Defaut();
    bool Reussite_Cherche_Indicatif();
    void Cherche_Prenom(const std::string& indicatif);

    // Validation and cancel.
    bool Touche_Validation(const QKeyEvent* touche) const;
    bool Controle_Touche_Validation(QLineEdit* champ);
    bool Controle_Avant_Ecriture();
    void Refuser(QWidget* champ, const QString& message);
    void Valide_Q_Click();
    void Valider_Depuis_Champ(QLineEdit* champ);
    void Valider(bool depuis_bouton);
    bool Ecrire_Qso();
    std::optional<std::string> Ligne_Depuis_Champs();
    void Mettre_A_Jour_Prenoms();
    bool Date_Heure_Tapees() const;
    void Annule_Saisie();
    void Fin_Edition();
    void Afficher_Date_Heure(bool visibles);
    void Cacher_Date_Heure_Sauf_Differee();

    // The log's list and its editing.
    void Selectionner_Derniere_Ligne();
    void Selection(int ligne);
    void Afficher_Numero_Suivant();
    void Edite_QSO_Click();
    void Efface_QSO_Click();
    void Recupere_Click();
    void Ajout_QSO_Click();
    void Signaler_Echec(Maravel::Resultat_Journal resultat);

    // The log's outputs.
    Maravel::ActivationRecord Activation_1252() const;
    void Montrer_Resultat(const Maravel::Resultat_Sortie& resultat);
    std::optional<std::vector<std::string>> Lignes_Rapport_Imprime();
    void Mnu_Enr_Log_Click();
    void Mnu_Imp_Log_Click();
    void Mnu_Apercu_Log_Click();
    void Mnu_ADIF_Click();
    void Mnu_ADIF_Complet_Click();
    void Mnu_Import_Prenoms_Click();
    void Mnu_C_Trafic_Click();
    void Mnu_Aff_Log_Click();
    void Mnu_Etiquettes_Click();

    // The search and the Aide menu.
    void Recherche_Click();
    void Mnu_Historique_Click();
    void Mnu_Mode_Emploi_Click();
    void Mnu_Maj_Click();
    void Mnu_A_Propos_Click();
    void Mnu_Dossier_Donnees_Click();

    // Entry modes.
    void Choisir_UTC(bool utc);
    void Choisir_Differee(bool differee);
    void Choisir_Refrappe(bool refrappe);

    // The radio.
    void Construire_Menu_Radio(QMenu* setup);
    void Suivre_Radio(const Reglage_Radio& reglage);
    void Mnu_Radio_Click();
    void Choisir_Par_Radio(QComboBox* liste, std::string_view texte, const QString& cle);
    Reglage_Radio m_reglage_radio;
    Maravel::Suivi_Radio m_suivi_radio;
    QLabel* m_etat_radio = nullptr;
    QPointer<Choix_Radio> m_choix_radio;

    Services& m_services;
    Activation_Affichee m_activation;
    bool m_centree = false;

    // Entry fields.
    QLineEdit* m_num_q = nullptr;
    QLineEdit* m_date_q = nullptr;
    QLineEdit* m_heure_q = nullptr;
    QLineEdit* m_indi_q = nullptr;
    QLineEdit* m_dpt_q = nullptr;
    QLineEdit* m_prenom_q = nullptr;
    QLineEdit* m_qrkr_q = nullptr;
    QLineEdit* m_qrke_q = nullptr;
    QLineEdit* m_observation_q = nullptr;
    QComboBox* m_mode_q = nullptr;
    QComboBox* m_bande_q = nullptr;
    QLabel* m_label10 = nullptr; // "Date"
    QLabel* m_label6 = nullptr;  // "Heure"

    QPushButton* m_valide_q = nullptr;
    QPushButton* m_annule_q = nullptr;
    QPushButton* m_edite_qso = nullptr;
    QPushButton* m_efface_qso = nullptr;
    QPushButton* m_recupere = nullptr;
    QPushButton* m_ajout_qso = nullptr;
    QPushButton* m_recherche = nullptr;

    QLabel* m_label1 = nullptr;  // greeting
    QLabel* m_label3 = nullptr;  // activation line
    QLabel* m_label4 = nullptr;  // postal code
    QLabel* m_label21 = nullptr; // commune
    QLabel* m_label37 = nullptr; // UTC clock
    QLabel* m_label34 = nullptr; // local clock
    QLabel* m_label33 = nullptr; // date of the active time base
    QLabel* m_entete = nullptr;
    QLabel* m_status = nullptr;
    QListWidget* m_liste_qso = nullptr;
    QTimer* m_timer1 = nullptr;
    QPointer<Affiche_Log> m_affiche_log;
    QPointer<Select_QSO> m_select_qso;
    QPointer<Recherche_Indicatif> m_recherche_indicatif;
    QPointer<Mode_Emploi> m_mode_emploi;
    QPointer<Mise_a_Jour> m_mise_a_jour;

    QAction* m_mnu_utc_oui = nullptr;
    QAction* m_mnu_utc_non = nullptr;
    QAction* m_mnu_diff_non = nullptr;
    QAction* m_mnu_diff_oui = nullptr;
    QAction* m_mnu_refrappe_non = nullptr;
    QAction* m_mnu_refrappe_oui = nullptr;

    bool m_mode_edition = false;
    bool m_mode_ajout = false;
    bool m_champ_refrappe = false;

    std::string m_date_courante;
    // The time base of the last tick: a QSO takes its date and its time from that same base, even when
    // the operator has just switched to the other one.
    bool m_date_courante_utc = true;

    // The log as last loaded into the list: the list is rebuilt from the file after every change.
    std::vector<std::string> m_lignes;
    std::string m_ligne_selectionnee;
    std::string m_ligne_log_selectionnee;
    std::size_t m_numero_selectionne = 0; // 0: no current line
    std::string m_ligne_effacee;

    // The QSO being edited, as it was when the edit began, and the band and mode in use before it: the
    // edit shows the QSO's own, and the QSOs that follow go back to those of the activation.
    std::size_t m_numero_edite = 0;
    std::string m_ligne_editee;
    QString m_mode_avant_edition;
    QString m_bande_avant_edition;
};
