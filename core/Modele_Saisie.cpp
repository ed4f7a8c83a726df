#include "core/Modele_Saisie.h"

#include "core/Colonnes.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"
#include "core/Qso.h"
#include "core/Saisie.h"
#include "core/Texte1252.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace Maravel {

namespace {

using C = Champ_Saisie;

constexpr std::string_view Indicatif_Vide = "Entrez un indicatif";
constexpr std::string_view Message_Departement = "2 caract\xE8res pour le d\xE9partement";
constexpr std::string_view Message_Date =
    "Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques";
constexpr std::string_view Message_Heure =
    "Attention le format de l'heure doit etre hhmm les ':' sont automatique";

// The widest text each field's column of the log holds and its message, in the order in which a
// validation looks at them, with the field Enter opens next when the text is accepted.
struct Regle_Champ {
    Champ_Saisie champ;
    std::size_t maxi;
    std::string_view message;
    Champ_Saisie suivant;
};
constexpr std::array<Regle_Champ, 8> Regles = {{
    {C::Indi_Q, 12, "12 caracteres maxi", C::Dpt_Q},
    {C::Dpt_Q, 2, Message_Departement, C::Prenom_Q},
    {C::Prenom_Q, 15, "15 caracteres maxi", C::QRKR_Q},
    {C::QRKR_Q, 3, "3 caracteres maxi", C::QRKE_Q},
    {C::QRKE_Q, 3, "3 caracteres maxi", C::Observation_Q},
    {C::Observation_Q, 30, "30 caracteres maxi", C::Valide_Q},
    {C::Mode_Q, 4, "3 caracteres maxi", C::Indi_Q},
    {C::Bande_Q, 3, "3 caracteres maxi", C::Mode_Q},
}};

const Regle_Champ* Regle(Champ_Saisie champ) {
    const auto regle =
        std::find_if(Regles.begin(), Regles.end(), [champ](const auto& r) { return r.champ == champ; });
    return regle == Regles.end() ? nullptr : &*regle;
}

// A stored list index: a number, or the default when an outside edit left something else.
int Indice_Lu(std::string_view texte, int defaut, int taille) {
    texte = Sans_Blancs(texte);
    if (texte.starts_with('+')) {
        texte.remove_prefix(1);
    }
    int indice = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), indice);
    const bool lu = erreur == std::errc{} && fin == texte.data() + texte.size() && !texte.empty();
    return lu && indice >= -1 && indice < taille ? indice : defaut;
}

template <std::size_t N> int Indice(const std::array<std::string_view, N>& liste, std::string_view texte) {
    const auto trouve = std::find(liste.begin(), liste.end(), texte);
    return trouve == liste.end() ? -1 : static_cast<int>(trouve - liste.begin());
}

template <std::size_t N> std::string Entree_De(const std::array<std::string_view, N>& liste, int indice) {
    return indice < 0 ? std::string() : std::string(liste[static_cast<std::size_t>(indice)]);
}

// C0, DEL, and the five bytes Windows-1252 leaves undefined (they stand for C1 controls).
bool Octet_De_Controle(char octet) {
    const auto o = static_cast<unsigned char>(octet);
    return o < 0x20 || o == 0x7F || o == 0x81 || o == 0x8D || o == 0x8F || o == 0x90 || o == 0x9D;
}

std::string Sans_Blancs_Texte(std::string_view texte) {
    return std::string(Sans_Blancs(texte));
}

} // namespace

Modele_Saisie::Modele_Saisie(Exterieur_Saisie& exterieur, Systeme_Fichiers& fs, std::filesystem::path dossier,
                             const Horloge& horloge)
    : m_exterieur(exterieur), m_fs(fs), m_dossier(std::move(dossier)), m_horloge(horloge) {
    for (const C champ : {C::Date_Q, C::Heure_Q, C::Mode_Q, C::Bande_Q}) {
        Champ_(champ).actif = true;
    }
    Texte_(C::QRKR_Q) = Texte_(C::QRKE_Q) = "59";
}

void Modele_Saisie::Charger(std::string numero_activite) {
    const std::string mode_lu = m_exterieur.Lire("Mode Activite", "0");
    if (mode_lu == "SSB" || mode_lu == "CW") {
        // An older store kept the mode's name: it becomes an index, with the default band.
        m_exterieur.Ecrire("Mode Activite", "0");
        m_exterieur.Ecrire("Bande Activite", "1");
        Texte_(C::Mode_Q) = Modes_Saisie[0];
    } else {
        Texte_(C::Mode_Q) = Entree_De(Modes_Saisie, Indice_Lu(mode_lu, 0, Modes_Saisie.size()));
    }
    Rapports_Par_Defaut();
    Texte_(C::Bande_Q) =
        Entree_De(Bandes_Saisie, Indice_Lu(m_exterieur.Lire("Bande Activite", "1"), 1, Bandes_Saisie.size()));
    m_refrappe = m_exterieur.Lire_Booleen("Mode_Refrappe", false);
    Champ_(C::Num_Q) = {"1", true, false};
    Champ_(C::Indi_Q).actif = true;
    m_etat = Etat_Saisie::Nouveau_Qso;
    Ouvrir_Activite(std::move(numero_activite));
    Reprendre_Textes_Tapes();
}

// A typed mode or band is stored as -1, which names no list entry: on a restart the field would be empty
// and the first QSO refused. The last QSO of the log holds it as it was typed.
void Modele_Saisie::Reprendre_Textes_Tapes() {
    if (m_lignes.empty()) {
        return;
    }
    const QsoRecord dernier = Lire_Ligne_Qso(m_lignes.back());
    if (Texte_(C::Mode_Q).empty()) {
        Texte_(C::Mode_Q) = Admettre(dernier.Mode, 4, "Le champ \"Mode\" du dernier QSO");
        Rapports_Par_Defaut();
    }
    if (Texte_(C::Bande_Q).empty()) {
        Texte_(C::Bande_Q) = Admettre(dernier.Bande, 3, "Le champ \"Bande (Mhz)\" du dernier QSO");
    }
}

void Modele_Saisie::Changer_Activation(std::string numero_activite) {
    const std::string annulee = Edition_En_Cours()
                                    ? "Modification du QSO n\xB0 " + std::to_string(m_numero_edite) +
                                          " annul\xE9"
                                          "e"
                                : Ajout_En_Cours() ? "Ajout d'un QSO annul\xE9"
                                                   : "";
    Annule_Saisie();
    m_ligne_effacee.clear(); // a QSO deleted from the other log must not be recovered into this one
    m_recupere_actif = false;
    Ouvrir_Activite(std::move(numero_activite));
    if (!annulee.empty()) {
        m_status = annulee + " : passage \xE0 l'activit\xE9 " + m_numero_activite;
    }
}

std::optional<std::string> Modele_Saisie::Qso_Abandonne() const {
    if (m_etat != Etat_Saisie::Nouveau_Qso) {
        return std::nullopt;
    }
    for (const C champ : {C::Indi_Q, C::Dpt_Q, C::Prenom_Q, C::Observation_Q}) {
        if (!Sans_Blancs(Champ(champ).texte).empty()) {
            return std::string(Sans_Blancs(Champ(C::Indi_Q).texte));
        }
    }
    return std::nullopt;
}

void Modele_Saisie::Ouvrir_Activite(std::string numero_activite) {
    m_numero_activite = std::move(numero_activite);
    Colorer(C::Indi_Q, true);
    Ecarter_Lignes_Coupees();
    Recharger_Liste();
    Numero_Suivant();
    m_champ_refrappe = false;
    m_etat = Etat_Saisie::Nouveau_Qso;
    m_focus = C::Indi_Q;
}

// The start of a line left by a crash in the middle of an append is no QSO: it is moved aside before the
// log is shown, so that the next QSO is not written after it, and the operator is told where it went.
void Modele_Saisie::Ecarter_Lignes_Coupees() {
    const Moment jour = m_horloge.Local();
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", jour.annee, jour.mois, jour.jour);
    for (const auto& ecartee : Maravel::Ecarter_Lignes_Coupees(m_fs, m_dossier, m_numero_activite, date)) {
        m_exterieur.Information("La derni\xE8re ligne de " + ecartee.fichier_1252 +
                                " \xE9tait incompl\xE8te (arr\xEAt brutal pendant une \xE9"
                                "criture ?) : \xAB " +
                                ecartee.octets +
                                " \xBB.\nElle a \xE9t\xE9 retir\xE9"
                                "e et mise de c\xF4t\xE9 dans " +
                                ecartee.ecart_1252 +
                                ", dans le dossier des donn\xE9"
                                "es.");
    }
}

std::optional<Champ_Saisie> Modele_Saisie::Focus_Demande() {
    return std::exchange(m_focus, std::nullopt);
}

void Modele_Saisie::Ouvrir_Champ(Champ_Saisie champ) {
    Champ_(champ).actif = true;
    Colorer(champ, champ != C::Valide_Q);
    m_focus = champ;
}

bool Modele_Saisie::Edition_En_Cours() const {
    return m_etat == Etat_Saisie::Edition || m_etat == Etat_Saisie::Ajout_Pendant_Edition;
}

bool Modele_Saisie::Ajout_En_Cours() const {
    return m_etat == Etat_Saisie::Ajout || m_etat == Etat_Saisie::Ajout_Pendant_Edition;
}

// Date and time are typed by hand in deferred entry, and for a QSO edited or inserted.
bool Modele_Saisie::Date_Heure_Tapees() const {
    return m_differee || m_etat != Etat_Saisie::Nouveau_Qso;
}

bool Modele_Saisie::Touche(Champ_Saisie champ, Touche_Saisie touche) {
    const bool entree = touche == Touche_Saisie::Entree;
    if (champ == C::Indi_Q) {
        entree ? Entree_Indi_Q() : Regle_Refrappe(champ);
        return entree;
    }
    if (champ == C::Mode_Q || champ == C::Bande_Q) {
        if (entree) {
            Entree_Champ(champ);
        }
        return entree;
    }
    if (touche == Touche_Saisie::Validation) {
        if (const auto refus = Refus_Touche_Validation(champ); !refus.empty()) {
            m_exterieur.Information(refus);
        } else {
            Valider(false);
        }
        return true;
    }
    if (champ == C::Observation_Q) {
        // The remarks apply the retype rule to Enter too: confirming them first empties them.
        Regle_Refrappe(champ);
    }
    if (entree) {
        Entree_Champ(champ);
        return true;
    }
    // Backspace shortens a date or a time: it never adds the separator it would then delete.
    if (touche != Touche_Saisie::Retour) {
        Separateur_Automatique(champ);
    }
    if (champ != C::Observation_Q) {
        Regle_Refrappe(champ);
    }
    return false;
}

void Modele_Saisie::Texte(Champ_Saisie champ, std::string texte) {
    Texte_(champ) = std::move(texte);
}

void Modele_Saisie::Separateur_Automatique(Champ_Saisie champ) {
    std::string& texte = Texte_(champ);
    if (champ == C::Date_Q && (texte.size() == 2 || texte.size() == 5)) {
        texte += '/';
    } else if (champ == C::Heure_Q && texte.size() == 2) {
        texte += ':';
    }
}

// While a logged QSO is edited in retype mode, the first key in a field replaces its old content.
void Modele_Saisie::Regle_Refrappe(Champ_Saisie champ) {
    if (m_refrappe && Edition_En_Cours() && !m_champ_refrappe) {
        m_champ_refrappe = true;
        Texte_(champ).clear();
    }
}

void Modele_Saisie::Rapports_Par_Defaut() {
    Texte_(C::QRKE_Q) = Texte_(C::QRKR_Q) = Texte_(C::Mode_Q) == "CW" ? "599" : "59";
}

// A value read from a file meets the rules of a typed one before it reaches a field.
std::string Modele_Saisie::Admettre(std::string_view octets, std::size_t limite, std::string_view origine) {
    std::string refus;
    if (std::any_of(octets.begin(), octets.end(), Octet_De_Controle)) {
        refus = "il contient un caract\xE8re de contr\xF4le (retour \xE0 la ligne, tabulation\x85)";
    } else if (Sans_Blancs(octets).size() > limite) {
        refus = "il d\xE9passe " + std::to_string(limite) + " caract\xE8res";
    } else {
        return std::string(octets);
    }
    m_exterieur.Information(std::string(origine) + " a \xE9t\xE9 ignor\xE9 : " + refus +
                            ". Le champ reste vide.");
    return {};
}

void Modele_Saisie::Entree_Indi_Q() {
    const std::string& indicatif = Texte_(C::Indi_Q);
    if (indicatif.size() > 12) {
        m_exterieur.Information(Regles[0].message);
        return;
    }
    if (indicatif.empty()) {
        m_exterieur.Information(Indicatif_Vide);
        return;
    }
    if (!Edition_En_Cours() && Doublon_Abandonne()) {
        return;
    }
    Cherche_Prenom();
    Colorer(C::Indi_Q, false);
    Champ_(C::Valide_Q).actif = true;
    Ouvrir_Champ(Est_Francais(Texte_(C::Indi_Q)) ? C::Dpt_Q : C::Prenom_Q);
    m_champ_refrappe = false;
}

// True when the station was worked already on this band and mode and the operator drops the entry.
bool Modele_Saisie::Doublon_Abandonne() {
    const std::string& indicatif = Texte_(C::Indi_Q);
    const auto anterieur =
        Cherche_Indicatif(Log().Lire().lignes, indicatif, Texte_(C::Bande_Q), Texte_(C::Mode_Q));
    if (!anterieur || !m_exterieur.Question(indicatif + ' ' + anterieur->Prenom + " Deja contact\xE9 le " +
                                            anterieur->Date + " a " + anterieur->Heure + " sur " +
                                            Texte_(C::Bande_Q) + " Mhz. Annuler la saisie ?")) {
        return false;
    }
    Texte_(C::Indi_Q).clear();
    m_focus = C::Indi_Q;
    return true;
}

void Modele_Saisie::Cherche_Prenom() {
    const std::string& indicatif = Texte_(C::Indi_Q);
    const auto fiche = Maravel::Cherche_Prenom(m_fs, m_dossier, indicatif);
    if (!fiche) {
        return;
    }
    const std::string origine = " de " + indicatif + " lu dans Liste_Prenom.txt";
    Champ_(C::Dpt_Q).actif = true;
    Texte_(C::Dpt_Q) = Admettre(fiche->Departement, 2, "Le d\xE9partement" + origine);
    Champ_(C::Prenom_Q).actif = true;
    Texte_(C::Prenom_Q) = Admettre(fiche->Prenom, 15, "Le pr\xE9nom" + origine);
}

void Modele_Saisie::Entree_Champ(Champ_Saisie champ) {
    std::string& texte = Texte_(champ);
    const Regle_Champ* regle = Regle(champ);
    std::string_view refus = regle && texte.size() > regle->maxi ? regle->message : std::string_view();
    if (champ == C::Dpt_Q && texte.size() == 1) {
        refus = Message_Departement;
    } else if (champ == C::Date_Q && Controle_Date(texte) != 0) {
        refus = Message_Date;
    } else if (champ == C::Heure_Q && Controle_Heure(texte) != 0) {
        refus = Message_Heure;
    }
    if (!refus.empty()) {
        m_exterieur.Information(refus);
        if (champ == C::Date_Q) {
            texte.clear();
        }
        return;
    }
    m_champ_refrappe = false;
    if (champ == C::Date_Q) {
        m_exterieur.Ecrire("Date Activite", texte);
    } else if (champ == C::Mode_Q) {
        Rapports_Par_Defaut();
        Ecrire_Indice(champ);
    } else if (champ == C::Bande_Q) {
        Ecrire_Indice(champ);
        Colorer(C::Indi_Q, false);
    }
    Colorer(champ, false);
    if (champ == C::Observation_Q) {
        Ouvrir_Champ(Date_Heure_Tapees() ? C::Date_Q : C::Valide_Q);
    } else {
        Ouvrir_Champ(regle ? regle->suivant : champ == C::Date_Q ? C::Heure_Q : C::Valide_Q);
    }
}

void Modele_Saisie::Choisir_Par_Radio(Champ_Saisie liste, std::string_view texte) {
    Texte_(liste) = texte;
    Ecrire_Indice(liste);
    if (liste == C::Mode_Q && !Champ(C::QRKR_Q).actif) {
        Rapports_Par_Defaut();
    }
}

// The index of the list entry the text names, -1 for a typed text: a restart selects the same.
void Modele_Saisie::Ecrire_Indice(Champ_Saisie liste) {
    const int indice =
        liste == C::Mode_Q ? Indice(Modes_Saisie, Texte_(liste)) : Indice(Bandes_Saisie, Texte_(liste));
    m_exterieur.Ecrire(liste == C::Mode_Q ? "Mode Activite" : "Bande Activite", std::to_string(indice));
}

// The check a validation key makes on the field in which it is pressed; none on the department.
std::string_view Modele_Saisie::Refus_Touche_Validation(Champ_Saisie champ) const {
    const std::string& texte = Champ(champ).texte;
    if (champ == C::Date_Q) {
        return Controle_Date(texte) != 0
                   ? "Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques "
                   : "";
    }
    if (champ == C::Heure_Q) {
        if (texte.size() != 5) {
            return "Attention 5 caracteres pour l'heure (format hh:mm. Les ':' sont automatique)";
        }
        if (Controle_Heure(texte.substr(0, 2) + ':' + texte.substr(3)) != 0) {
            return "Attention le format de l'heure doit etre hh:mm";
        }
        return Controle_Heure(texte) != 0 ? "Attention le format date doit etre hh:mm" : "";
    }
    const Regle_Champ* regle = Regle(champ);
    return champ != C::Dpt_Q && regle && texte.size() > regle->maxi ? regle->message : "";
}

// Whatever the way of validating, no value may break the log line, and a typed date and time must have
// their form: the field at fault gets its own message and the focus.
bool Modele_Saisie::Controle_Avant_Ecriture() {
    if (Texte_(C::Indi_Q).empty()) {
        Refuser(C::Indi_Q, Indicatif_Vide);
        return false;
    }
    for (const Regle_Champ& regle : Regles) {
        if (Texte_(regle.champ).size() > regle.maxi) {
            Refuser(regle.champ, regle.message);
            return false;
        }
    }
    // A QSO without mode or band is of no use to any export or confirmation.
    if (Sans_Blancs(Texte_(C::Mode_Q)).empty()) {
        Refuser(C::Mode_Q, "Le mode est vide : choisissez SSB ou CW dans la liste, ou tapez le mode, puis "
                           "validez \xE0 nouveau.");
    } else if (Sans_Blancs(Texte_(C::Bande_Q)).empty()) {
        Refuser(C::Bande_Q,
                "La bande est vide : choisissez une bande dans la liste, ou tapez-la, puis validez "
                "\xE0 nouveau.");
    } else if (Date_Heure_Tapees() && Controle_Date(Texte_(C::Date_Q)) != 0) {
        Refuser(C::Date_Q, Message_Date);
    } else if (Date_Heure_Tapees() && Controle_Heure(Texte_(C::Heure_Q)) != 0) {
        Refuser(C::Heure_Q, Message_Heure);
    } else {
        return true;
    }
    return false;
}

void Modele_Saisie::Refuser(Champ_Saisie champ, std::string_view message) {
    m_exterieur.Information(message);
    if (champ == C::Date_Q || champ == C::Heure_Q) {
        m_date_heure_visibles = true;
    }
    // Only the field to fix is green.
    for (std::size_t i = static_cast<std::size_t>(C::Date_Q); i <= static_cast<std::size_t>(C::Bande_Q);
         ++i) {
        m_champs[i].vert = false;
    }
    Ouvrir_Champ(champ);
}

void Modele_Saisie::Valide_Q_Click() {
    Valider(true);
}

void Modele_Saisie::Valider(bool depuis_bouton) {
    if (!Controle_Avant_Ecriture() || !Ecrire_Qso()) {
        return;
    }
    if (Edition_En_Cours()) {
        Fin_Edition();
    }
    for (const C champ : {C::Indi_Q, C::Dpt_Q, C::Prenom_Q, C::Observation_Q, C::Heure_Q}) {
        Texte_(champ).clear();
    }
    if (depuis_bouton) {
        Rapports_Par_Defaut();
    }
    for (const C champ : {C::Dpt_Q, C::Prenom_Q, C::QRKR_Q, C::QRKE_Q, C::Observation_Q, C::Valide_Q}) {
        Champ_(champ).actif = false;
        Colorer(champ, false);
    }
    Colorer(C::Indi_Q, true);
    m_focus = C::Indi_Q;
    m_etat = Etat_Saisie::Nouveau_Qso;
    m_champ_refrappe = false;
}

// Writes the QSO the fields describe: inserted at its moment, replacing the edited one, or appended.
// Nothing changes in the fields when the log cannot be written: the operator can try again. The QSO comes
// first: the first-name memory is updated only once it is on disk, and its failure is only a warning.
bool Modele_Saisie::Ecrire_Qso() {
    if (!Date_Heure_Tapees() && m_date_courante.empty()) {
        Tic(); // validated before the clock's first tick: read it now rather than stamp nothing
    }
    Texte_(C::Prenom_Q) = Majuscules_1252(Texte_(C::Prenom_Q));
    Texte_(C::Observation_Q) = Majuscules_1252(Texte_(C::Observation_Q));
    QsoRecord qso;
    if (Date_Heure_Tapees()) {
        qso.Date = Texte_(C::Date_Q);
        qso.Heure = Texte_(C::Heure_Q);
    } else {
        qso.Date = m_date_courante;
        qso.Heure = (m_horloge_utc ? m_heure_utc : m_heure_locale).substr(0, 5);
    }
    // A value is written whole: the blanks around it go, never its letters.
    qso.Indicatif = Sans_Blancs_Texte(Texte_(C::Indi_Q));
    qso.Departement = Sans_Blancs_Texte(Texte_(C::Dpt_Q));
    qso.Prenom = Sans_Blancs_Texte(Texte_(C::Prenom_Q));
    qso.Rst_Recu = Sans_Blancs_Texte(Texte_(C::QRKR_Q));
    qso.Rst_Envoye = Sans_Blancs_Texte(Texte_(C::QRKE_Q));
    qso.Mode = Sans_Blancs_Texte(Texte_(C::Mode_Q));
    qso.Bande = Sans_Blancs_Texte(Texte_(C::Bande_Q));
    qso.Observations = Sans_Blancs_Texte(Texte_(C::Observation_Q));
    const auto ligne = Ligne_Qso(qso);
    if (!ligne) {
        m_exterieur.Information("Le QSO ne tient pas dans les colonnes du log : il n'a pas \xE9t\xE9 \xE9"
                                "crit.");
        return false;
    }
    Journal journal = Log();
    Resultat_Journal resultat = Resultat_Journal::Fait;
    if (Ajout_En_Cours()) {
        resultat = journal.Inserer_Chrono(*ligne);
    } else if (Edition_En_Cours()) {
        resultat = journal.Remplacer(m_numero_edite, m_ligne_editee, *ligne);
    } else if (!journal.Ajouter(*ligne)) {
        resultat = Resultat_Journal::Erreur_Fichier;
    }
    if (resultat != Resultat_Journal::Fait) {
        Signaler_Echec(resultat);
        return false;
    }
    Mettre_A_Jour_Prenoms();

    if (Ajout_En_Cours()) {
        Texte_(C::Date_Q).clear();
        Texte_(C::Heure_Q).clear();
        m_status.clear();
        m_etat = m_etat == Etat_Saisie::Ajout ? Etat_Saisie::Nouveau_Qso : Etat_Saisie::Edition;
    }
    Cacher_Date_Heure_Sauf_Differee();
    Recharger_Liste();
    Numero_Suivant();
    return true;
}

void Modele_Saisie::Mettre_A_Jour_Prenoms() {
    const std::string ligne = Ligne_Prenom(Sans_Blancs(Texte_(C::Indi_Q)), Sans_Blancs(Texte_(C::Dpt_Q)),
                                           Sans_Blancs(Texte_(C::Prenom_Q)));
    if (!Ajout_Prenom(m_fs, m_dossier, ligne)) {
        m_exterieur.Information(
            "Le QSO est bien \xE9"
            "crit dans le log, mais la liste des pr\xE9noms "
            "(Liste_Prenom.txt) n'a pas pu \xEAtre mise \xE0 jour : elle reste telle qu'elle "
            "\xE9tait. V\xE9rifiez le dossier des donn\xE9"
            "es.");
    }
}

void Modele_Saisie::Annule_Saisie() {
    const bool edition = Edition_En_Cours();
    if (edition) {
        Fin_Edition();
    }
    m_etat = Etat_Saisie::Nouveau_Qso;
    Cacher_Date_Heure_Sauf_Differee();
    m_status.clear();
    Texte_(C::Dpt_Q).clear();
    Texte_(C::Prenom_Q).clear();
    Rapports_Par_Defaut();
    Texte_(C::Observation_Q).clear();
    for (const C champ : {C::Dpt_Q, C::Prenom_Q, C::QRKR_Q, C::QRKE_Q, C::Observation_Q, C::Valide_Q}) {
        Champ_(champ).actif = false;
        Colorer(champ, false);
    }
    Texte_(C::Indi_Q).clear();
    Colorer(C::Indi_Q, true);
    m_focus = C::Indi_Q;
    if (edition) {
        Numero_Suivant(); // the edited QSO's number no longer names the QSO being entered
    }
}

void Modele_Saisie::Cacher_Date_Heure_Sauf_Differee() {
    if (!m_differee) {
        m_date_heure_visibles = false;
    }
}

void Modele_Saisie::Choisir_UTC(bool utc) {
    m_utc = utc;
    m_exterieur.Ecrire_Booleen("Heure UTC", utc);
}

void Modele_Saisie::Choisir_Differee(bool differee) {
    m_differee = differee;
    if (differee) {
        m_date_heure_visibles = true;
    } else if (m_etat == Etat_Saisie::Nouveau_Qso) {
        // An edit or an insertion in progress still needs its date and time.
        Texte_(C::Date_Q).clear();
        Texte_(C::Heure_Q).clear();
        m_date_heure_visibles = false;
    }
}

void Modele_Saisie::Choisir_Refrappe(bool refrappe) {
    m_refrappe = refrappe;
    m_exterieur.Ecrire_Booleen("Mode_Refrappe", refrappe);
}

void Modele_Saisie::Tic() {
    const Moment utc = m_horloge.UTC();
    const Moment local = m_horloge.Local();
    m_heure_utc = Texte_Heure(utc).substr(0, 5) + " Utc";
    m_heure_locale = Texte_Heure(local).substr(0, 5) + " Loc";
    m_date_courante = Texte_Date(m_utc ? utc : local);
    m_horloge_utc = m_utc;
}

// The last QSO becomes the current line, exactly as if the operator had clicked it.
void Modele_Saisie::Recharger_Liste() {
    const Journal journal = Log();
    auto log = journal.Lire();
    if (!log.lisible) {
        m_exterieur.Information_Fichier("Le log ne peut pas \xEAtre lu : ", journal.Fichier());
        return;
    }
    m_lignes = std::move(log.lignes);
    ++m_version_liste;
    m_numero_selectionne = 0;
    m_ligne_log_selectionnee.clear();
    if (!m_lignes.empty()) {
        Selection(m_lignes.size() - 1);
    }
}

void Modele_Saisie::Selection(std::size_t ligne) {
    if (ligne < m_lignes.size()) {
        m_numero_selectionne = ligne + 1;
        m_ligne_log_selectionnee = m_lignes[ligne];
    }
}

void Modele_Saisie::Numero_Suivant() {
    Texte_(C::Num_Q) = std::to_string(Maravel::Numero_Suivant(m_lignes.size()));
}

void Modele_Saisie::Edite_QSO_Click() {
    if (m_numero_selectionne == 0) {
        m_exterieur.Information("Cliquez sur une ligne pour la modifier");
        return;
    }
    // Editing a logged QSO abandons an insertion that was begun: the validation replaces that QSO.
    if (Ajout_En_Cours()) {
        m_status.clear();
    }
    if (!Edition_En_Cours()) {
        m_mode_avant_edition = Texte_(C::Mode_Q);
        m_bande_avant_edition = Texte_(C::Bande_Q);
    }
    m_etat = Etat_Saisie::Edition;
    m_numero_edite = m_numero_selectionne;
    m_ligne_editee = m_ligne_log_selectionnee;
    const std::string_view ligne = m_ligne_editee;

    Texte_(C::Num_Q) = (m_numero_edite < 10 ? "0" : "") + std::to_string(m_numero_edite);
    const QsoRecord qso = Lire_Ligne_Qso(ligne);
    // A hand-edited log line meets the rules of a typed value before it reaches a field.
    const auto admis = [this](std::string_view octets, std::size_t limite, std::string_view legende) {
        return Admettre(octets, limite,
                        "Le champ \"" + std::string(legende) + "\" du QSO n\xB0 " +
                            std::to_string(m_numero_edite));
    };
    Texte_(C::Indi_Q) = admis(qso.Indicatif, 12, "Indicatif");
    // The department as stored, so that a re-validation writes the same columns; two blanks are none.
    const std::string_view departement = Colonnes(ligne, 32, 2);
    Texte_(C::Dpt_Q) = Sans_Blancs(departement).empty() ? std::string() : admis(departement, 2, "Dpt");
    Texte_(C::Prenom_Q) = admis(qso.Prenom, 15, "Pr\xE9nom");
    Texte_(C::QRKR_Q) = admis(qso.Rst_Recu, 3, "Rst R");
    Texte_(C::QRKE_Q) = admis(qso.Rst_Envoye, 3, "Rst E");
    Texte_(C::Observation_Q) = admis(qso.Observations, 30, "Observations");
    for (const C champ : {C::Dpt_Q, C::Prenom_Q, C::QRKR_Q, C::QRKE_Q, C::Observation_Q}) {
        Champ_(champ).actif = true;
    }
    // Mode and band without their padding: the line written back is the same, and the next QSOs keep
    // texts that the duplicate look-up compares exactly.
    Texte_(C::Mode_Q) = admis(qso.Mode, 4, "Mode");
    Texte_(C::Bande_Q) = admis(qso.Bande, 3, "Bande (Mhz)");
    m_date_heure_visibles = true;
    Texte_(C::Date_Q) = admis(Colonnes(ligne, 1, 8), 8, "Date");
    Texte_(C::Heure_Q) = admis(Colonnes(ligne, 11, 5), 5, "Heure");

    m_champ_refrappe = false;
    Colorer(C::Indi_Q, true);
    m_focus = C::Indi_Q;
}

// The reports go with the band and mode: the edited QSO's own are not offered for the next one.
void Modele_Saisie::Fin_Edition() {
    Texte_(C::Mode_Q) = m_mode_avant_edition;
    Texte_(C::Bande_Q) = m_bande_avant_edition;
    // The store follows the screen, so that a restart opens on the band and mode really in use.
    Ecrire_Indice(C::Mode_Q);
    Ecrire_Indice(C::Bande_Q);
    Rapports_Par_Defaut();
}

void Modele_Saisie::Efface_QSO_Click() {
    if (m_numero_selectionne == 0) {
        m_exterieur.Information("Cliquez sur une ligne pour l'annuler");
        return;
    }
    m_recupere_actif = true;
    const std::size_t numero = m_numero_selectionne;
    const std::string ligne = m_ligne_log_selectionnee;
    if (m_exterieur.Question("Voulez vous effacer le QSO avec " + Lire_Ligne_Qso(ligne).Indicatif + " ?")) {
        const auto resultat = Log().Effacer(numero, ligne);
        if (resultat == Resultat_Journal::Fait) {
            m_ligne_effacee = ligne;
        } else {
            Signaler_Echec(resultat);
        }
    }
    Recharger_Liste();
    Annule_Saisie();
    Numero_Suivant();
}

void Modele_Saisie::Recupere_Click() {
    m_recupere_actif = false;
    if (m_ligne_effacee.empty()) {
        m_exterieur.Information("Aucun QSO \xE0 r\xE9"
                                "cup\xE9rer : aucun QSO n'a \xE9t\xE9 supprim\xE9 depuis "
                                "l'ouverture du programme.");
        return;
    }
    const std::string_view ligne = m_ligne_effacee;
    const auto colonnes = [ligne](std::size_t debut, std::size_t largeur) {
        return std::string(Sans_Blancs(Colonnes(ligne, debut, largeur)));
    };
    if (!m_exterieur.Question("Voulez vous recuperer le QSO avec " + colonnes(18, 12) + " a " +
                              std::string(Colonnes(ligne, 11, 5)) + " sur " + colonnes(67, 3) + " Mhz en " +
                              colonnes(61, 4))) {
        return;
    }
    const auto resultat = Log().Inserer_Chrono(m_ligne_effacee);
    if (resultat != Resultat_Journal::Fait) {
        Signaler_Echec(resultat);
        return;
    }
    Recharger_Liste();
    if (!Edition_En_Cours()) {
        Numero_Suivant();
    }
}

void Modele_Saisie::Ajout_QSO_Click() {
    m_etat = Edition_En_Cours() ? Etat_Saisie::Ajout_Pendant_Edition : Etat_Saisie::Ajout;
    m_date_heure_visibles = true;
    m_status = "Mode Ajout d'un QSO";
    m_focus = C::Indi_Q;
}

void Modele_Saisie::Signaler_Echec(Resultat_Journal resultat) {
    m_exterieur.Information_Fichier(resultat == Resultat_Journal::Qso_Introuvable
                                        ? "Ce QSO n'est plus \xE0 sa place dans le log (le fichier a "
                                          "chang\xE9) : rien n'a \xE9t\xE9 modifi\xE9. "
                                          "S\xE9lectionnez-le \xE0 nouveau dans la liste.\n"
                                        : "Le log ne peut pas \xEAtre modifi\xE9 : rien n'a \xE9t\xE9 \xE9"
                                          "crit. V\xE9rifiez le dossier des "
                                          "donn\xE9"
                                          "es puis recommencez.\n",
                                    Log().Fichier());
}

} // namespace Maravel
