#pragma once
// The QSO entry window: the activation being logged, the clock, the entry fields and the log's list. It is
// a view of the entry model (core/Modele_Saisie): keys and clicks go to the model, and the fields, colours,
// messages and the list show what the model holds. Its files: the frame, load and clock (Saisie_QSO.cpp),
// the view of the model (Saisie_QSO_Champs.cpp), the log's outputs (Saisie_QSO_Sorties.cpp), the search
// and the Aide menu (Saisie_QSO_Aide.cpp), and the radio (Saisie_QSO_Radio.cpp).

#include "core/Modele_Saisie.h"
#include "core/Qso.h"
#include "core/Radio.h"
#include "ui/Activation_Courante.h"
#include "ui/Radio.h"
#include "ui/Services.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>
#include <string>
#include <string_view>
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

class Saisie_QSO : public QMainWindow, private Maravel::Exterieur_Saisie {
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

    const Maravel::Modele_Saisie& Modele() const { return m_modele; }

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
    void Ceder_Largeur();
    void Afficher_Activation();
    QString Texte_Label3() const;

    // The view of the model: what it holds shown, keys and clicks forwarded.
    void Afficher();
    void Afficher_Liste();
    void Agir(void (Maravel::Modele_Saisie::*action)());
    void Relier_Au_Modele();

    // What the model asks of the world.
    void Information(std::string_view texte) override;
    void Information_Fichier(std::string_view texte, const std::filesystem::path& fichier) override;
    bool Question(std::string_view texte) override;
    std::string Lire(std::string_view cle, std::string_view defaut) override;
    void Ecrire(std::string_view cle, std::string_view valeur) override;
    bool Lire_Booleen(std::string_view cle, bool defaut) override;
    void Ecrire_Booleen(std::string_view cle, bool valeur) override;

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

    // The radio.
    void Construire_Menu_Radio(QMenu* setup);
    void Suivre_Radio(const Reglage_Radio& reglage);
    void Mnu_Radio_Click();
    Reglage_Radio m_reglage_radio;
    Maravel::Suivi_Radio m_suivi_radio;
    QLabel* m_etat_radio = nullptr;
    QPointer<Choix_Radio> m_choix_radio;

    Services& m_services;
    Activation_Affichee m_activation;
    Maravel::Modele_Saisie m_modele;
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

    // The controls of the model's fields, in its order, and the version of the list they show.
    std::array<QWidget*, Maravel::Nombre_Champs_Saisie> m_controles{};
    std::size_t m_version_liste = 0;
};
