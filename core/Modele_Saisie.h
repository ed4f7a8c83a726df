#pragma once
// The entry of one QSO and the editing of the log, without a window: the QSO being typed field by field,
// which field Enter opens next and why, what a validation refuses and which field to fix, the line written
// and where it goes, and what cancel restores. The entry window forwards its keys and clicks here and shows
// what the model holds; every text is Windows-1252.

#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "core/Journal.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

enum class Champ_Saisie {
    Num_Q,
    Date_Q,
    Heure_Q,
    Indi_Q,
    Dpt_Q,
    Prenom_Q,
    QRKR_Q,
    QRKE_Q,
    Observation_Q,
    Mode_Q,
    Bande_Q,
    Valide_Q
};
inline constexpr std::size_t Nombre_Champs_Saisie = 12;

// The callsign acts on typed characters (Autre, Retour) and Enter; the other fields on every key going down.
enum class Touche_Saisie { Entree, Validation, Retour, Autre };

// One explicit state: a new QSO, a logged QSO edited (its validation replaces it), a QSO inserted at its
// moment, or the edited QSO inserted as a new one ("Inserer un QSO" pressed during an edit).
enum class Etat_Saisie { Nouveau_Qso, Edition, Ajout, Ajout_Pendant_Edition };

struct Etat_Champ {
    std::string texte;
    bool actif = false;
    bool vert = false; // waits for input; the others are yellow
};

inline constexpr std::array<std::string_view, 2> Modes_Saisie = {"SSB", "CW"};
inline constexpr std::array<std::string_view, 11> Bandes_Saisie = {"1.8", "3.5", "7",  "10", "14", "18",
                                                                   "21",  "24",  "28", "50", "144"};

// What the model asks of the world: notices and Yes/No questions, and the settings store.
class Exterieur_Saisie {
public:
    virtual ~Exterieur_Saisie() = default;
    virtual void Information(std::string_view texte) = 0;
    // The text followed by the file's path as the system writes it.
    virtual void Information_Fichier(std::string_view texte, const std::filesystem::path& fichier) = 0;
    virtual bool Question(std::string_view texte) = 0; // true only for Yes
    virtual std::string Lire(std::string_view cle, std::string_view defaut) = 0;
    virtual void Ecrire(std::string_view cle, std::string_view valeur) = 0;
    virtual bool Lire_Booleen(std::string_view cle, bool defaut) = 0;
    virtual void Ecrire_Booleen(std::string_view cle, bool valeur) = 0;
};

class Modele_Saisie {
public:
    Modele_Saisie(Exterieur_Saisie& exterieur, Systeme_Fichiers& fs, std::filesystem::path dossier,
                  const Horloge& horloge);

    // The window opens: band, mode and retype mode from the store, then the activation's log; a mode or band
    // that was typed rather than picked comes back from the log's last QSO.
    void Charger(std::string numero_activite);
    // Another activation: the entry in progress is dropped and nothing deleted from the old log is offered;
    // an edit or an insertion so cancelled is said in the status line.
    void Changer_Activation(std::string numero_activite);
    // The callsign (blank when only the other fields hold text) of a QSO typed but not validated, which
    // another activation would drop; nothing during an edit or an insertion, which are cancelled instead.
    std::optional<std::string> Qso_Abandonne() const;

    // A key going down in a field, before it takes effect; true when the model consumed it.
    bool Touche(Champ_Saisie champ, Touche_Saisie touche);
    // The field's text once a key, a paste or a pick in a list has changed it.
    void Texte(Champ_Saisie champ, std::string texte);
    void Valide_Q_Click();
    void Annule_Saisie();
    void Selection(std::size_t ligne); // from 0
    void Edite_QSO_Click();
    void Efface_QSO_Click();
    void Recupere_Click();
    void Ajout_QSO_Click();
    void Choisir_UTC(bool utc);
    void Choisir_Differee(bool differee);
    void Choisir_Refrappe(bool refrappe);
    void Tic();
    void Recharger_Liste();
    // A band or a mode read from the radio, taken as if the operator had picked it in its list: the field and
    // its setting; reports the operator has already reached stay his. Not during an edit or an insertion,
    // which show the logged QSO's own band and mode.
    bool Prend_La_Radio() const { return m_etat == Etat_Saisie::Nouveau_Qso; }
    void Choisir_Par_Radio(Champ_Saisie liste, std::string_view texte);

    const Etat_Champ& Champ(Champ_Saisie champ) const { return m_champs[static_cast<std::size_t>(champ)]; }
    // The field to give the focus to, once: after that the operator moves it where he likes.
    std::optional<Champ_Saisie> Focus_Demande();
    bool Date_Heure_Visibles() const { return m_date_heure_visibles; }
    const std::string& Status() const { return m_status; }
    bool Recupere_Actif() const { return m_recupere_actif; }
    bool UTC() const { return m_utc; }
    bool Differee() const { return m_differee; }
    bool Refrappe() const { return m_refrappe; }
    Etat_Saisie Etat() const { return m_etat; }
    bool Champ_Refrappe() const { return m_champ_refrappe; }
    // The clock as read at the last tick: "hh:mm Utc", "hh:mm Loc", the date of the base then in use.
    const std::string& Heure_UTC() const { return m_heure_utc; }
    const std::string& Heure_Locale() const { return m_heure_locale; }
    const std::string& Date_Courante() const { return m_date_courante; }
    bool Horloge_En_UTC() const { return m_horloge_utc; }
    // The log as last loaded, and a count that changes at every load.
    const std::vector<std::string>& Lignes() const { return m_lignes; }
    std::size_t Version_Liste() const { return m_version_liste; }
    std::size_t Numero_Selectionne() const { return m_numero_selectionne; } // 0: no current line
    const std::string& Ligne_Effacee() const { return m_ligne_effacee; }

private:
    Etat_Champ& Champ_(Champ_Saisie champ) { return m_champs[static_cast<std::size_t>(champ)]; }
    std::string& Texte_(Champ_Saisie champ) { return Champ_(champ).texte; }
    void Colorer(Champ_Saisie champ, bool vert) { Champ_(champ).vert = vert; }
    void Ouvrir_Champ(Champ_Saisie champ);
    void Ouvrir_Activite(std::string numero_activite);
    void Reprendre_Textes_Tapes();
    Journal Log() const { return Journal(m_fs, m_dossier, m_numero_activite); }

    bool Edition_En_Cours() const;
    bool Ajout_En_Cours() const;
    bool Date_Heure_Tapees() const;
    void Regle_Refrappe(Champ_Saisie champ);
    void Separateur_Automatique(Champ_Saisie champ);
    void Rapports_Par_Defaut();
    void Ecarter_Lignes_Coupees();
    std::string Admettre(std::string_view octets, std::size_t limite, std::string_view origine);

    void Entree_Indi_Q();
    bool Doublon_Abandonne();
    void Cherche_Prenom();
    void Entree_Champ(Champ_Saisie champ);
    void Ecrire_Indice(Champ_Saisie liste);
    std::string_view Refus_Touche_Validation(Champ_Saisie champ) const;
    bool Controle_Avant_Ecriture();
    void Refuser(Champ_Saisie champ, std::string_view message);
    void Valider(bool depuis_bouton);
    bool Ecrire_Qso();
    void Mettre_A_Jour_Prenoms();
    void Fin_Edition();
    void Cacher_Date_Heure_Sauf_Differee();
    void Numero_Suivant();
    void Signaler_Echec(Resultat_Journal resultat);

    Exterieur_Saisie& m_exterieur;
    Systeme_Fichiers& m_fs;
    std::filesystem::path m_dossier;
    const Horloge& m_horloge;
    std::string m_numero_activite;

    std::array<Etat_Champ, Nombre_Champs_Saisie> m_champs;
    std::optional<Champ_Saisie> m_focus;
    bool m_date_heure_visibles = false;
    std::string m_status;
    bool m_recupere_actif = false;

    Etat_Saisie m_etat = Etat_Saisie::Nouveau_Qso;
    bool m_utc = true;
    bool m_differee = false;
    bool m_refrappe = false;
    bool m_champ_refrappe = false; // in retype mode, the field in focus was emptied at its first key

    std::string m_heure_utc;
    std::string m_heure_locale;
    std::string m_date_courante;
    // The base of the last tick: a QSO takes its date and its time from that same base, even when the
    // operator has just switched to the other one.
    bool m_horloge_utc = true;

    std::vector<std::string> m_lignes;
    std::size_t m_version_liste = 0;
    std::size_t m_numero_selectionne = 0;
    std::string m_ligne_log_selectionnee;
    std::string m_ligne_effacee;

    // The QSO being edited, as it was when the edit began, and the band and mode in use before it: the
    // edit shows the QSO's own, and the QSOs that follow go back to those of the activation.
    std::size_t m_numero_edite = 0;
    std::string m_ligne_editee;
    std::string m_mode_avant_edition;
    std::string m_bande_avant_edition;
};

} // namespace Maravel
