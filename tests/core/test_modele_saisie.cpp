// The entry model driven as the window drives it, with the steps and expectations of the window scenarios
// (tests/ui/support/Scenario.h): keys in, field states, messages, the store and the files' bytes out. Texts
// in the tables are UTF-8, the model's Windows-1252 is converted for the comparison; the clock reads
// 01/03/24 14:25 in UTC and in local time.

#include "Dossier_Temporaire.h"
#include "core/Colonnes.h"
#include "core/Modele_Saisie.h"
#include "core/Qso.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <iterator>
#include <map>
#include <sstream>

using namespace Maravel;
using Ch = Champ_Saisie;

namespace {

const std::string Absent = "(absent)";      // the expected bytes of a file that must not exist
std::string Log_De(int fin, int debut = 1); // QSOs debut to fin of a sample log

struct Cas {
    const char* nom = "";
    std::vector<std::pair<std::string, std::string>> fichiers{}; // the data folder before opening
    std::vector<std::string> reglages{};                         // "Cle=valeur" in the store
    std::vector<std::string> etapes{};
    std::vector<std::string> messages{}; // every text shown, in order; "..." ends a text's beginning
    std::vector<std::string> attendus{};
    std::vector<std::pair<std::string, std::string>> fichiers_apres{};
};

constexpr std::array<std::string_view, Nombre_Champs_Saisie> Noms = {
    "Num_Q",  "Date_Q", "Heure_Q",       "Indi_Q", "Dpt_Q",   "Prenom_Q",
    "QRKR_Q", "QRKE_Q", "Observation_Q", "Mode_Q", "Bande_Q", "Valide_Q"};

std::optional<Ch> Champ_Nomme(std::string_view nom) {
    const auto trouve = std::find(Noms.begin(), Noms.end(), nom);
    return trouve == Noms.end() ? std::nullopt : std::optional(static_cast<Ch>(trouve - Noms.begin()));
}

std::vector<std::string> Mots(const std::string& texte) {
    std::istringstream flux(texte);
    return {std::istream_iterator<std::string>(flux), {}};
}

std::string Utf8(std::string_view octets) {
    const std::u8string texte = Utf8_Depuis_1252(octets);
    return {texte.begin(), texte.end()};
}

// The model and the world it asks: answers from a queue, a store and a data folder of its own, the clock.
class Banc final : public Exterieur_Saisie, public Horloge {
public:
    std::vector<std::string> textes;
    std::deque<bool> reponses;
    std::map<std::string, std::string, std::less<>> store;
    Dossier_Temporaire dossier;

    void Etape(const std::string& etape);
    void Verifier(const std::string& attendu);

private:
    void Information(std::string_view texte) override { textes.push_back(Utf8(texte)); }
    void Information_Fichier(std::string_view texte, const std::filesystem::path&) override {
        Information(texte);
    }
    bool Question(std::string_view texte) override {
        Information(texte);
        if (reponses.empty()) {
            ADD_FAILURE() << "unexpected question: " << textes.back();
            return false;
        }
        const bool oui = reponses.front();
        reponses.pop_front();
        return oui;
    }
    std::string Lire(std::string_view cle, std::string_view defaut) override {
        const auto valeur = store.find(cle);
        return valeur == store.end() ? std::string(defaut) : valeur->second;
    }
    void Ecrire(std::string_view cle, std::string_view valeur) override { store[std::string(cle)] = valeur; }
    bool Lire_Booleen(std::string_view cle, bool defaut) override {
        return Lire(cle, defaut ? "True" : "False") == "True";
    }
    void Ecrire_Booleen(std::string_view cle, bool valeur) override {
        Ecrire(cle, valeur ? "True" : "False");
    }
    Moment UTC() const override { return {2024, 3, 1, 14, 25, 0}; }
    Moment Local() const override { return UTC(); }

    void Taper(std::string_view cle);
    std::string Valeur(const std::string& nom) const;
    std::vector<std::string> Etats(const std::string& nom) const;

    Systeme_Fichiers_Reel fs;
    std::optional<Modele_Saisie> m;
    Ch focus = Ch::Indi_Q;
    bool choisi = false; // the focused field's text is selected: the next character replaces it
    std::string activite = "DMF-123";
};

// One key into the focus, as the window forwards it and as a line edit then takes it.
void Banc::Taper(std::string_view cle) {
    const bool entree = cle == "\r", retour = cle == "[Retour]", plus = cle == "[+]";
    const bool caractere = cle.size() == 1 && !entree;
    if (focus == Ch::Valide_Q) {
        if (entree || cle == "[Espace]") {
            m->Valide_Q_Click();
        }
        return;
    }
    if (focus == Ch::Indi_Q && !entree && !retour && !caractere && !plus) {
        return; // the callsign acts on characters only
    }
    const bool validation = plus || cle == "[F9]" || cle == "[F10]" || cle == "[F11]" || cle == "[F12]";
    const Touche_Saisie sorte = entree                              ? Touche_Saisie::Entree
                                : focus != Ch::Indi_Q && validation ? Touche_Saisie::Validation
                                : retour                            ? Touche_Saisie::Retour
                                                                    : Touche_Saisie::Autre;
    const Ch champ = focus;
    const std::string avant = m->Champ(champ).texte;
    if (!m->Touche(champ, sorte) && (caractere || retour || plus)) {
        std::string texte = choisi && m->Champ(champ).texte == avant ? "" : m->Champ(champ).texte;
        const char c = plus ? '+' : cle[0];
        if (!retour) {
            texte += champ == Ch::Indi_Q && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        } else if (!texte.empty()) {
            texte.pop_back();
        }
        m->Texte(champ, texte);
    }
    choisi = false;
}

void Banc::Etape(const std::string& etape) {
    const auto chevron = etape.find('>');
    const std::string nom = etape.substr(0, std::min(etape.find(' '), chevron));
    const std::string reste = etape.substr(std::min(etape.size(), nom.size() + 1));
    if (etape.starts_with('?')) {
        return Verifier(etape.substr(1));
    }
    if (nom.size() == chevron) { // "Nom> texte": the field's text selected, then typed; "> texte": typed
        if (const auto champ = Champ_Nomme(nom); champ && m->Champ(*champ).actif) {
            focus = *champ;
            choisi = true;
        }
        const std::string texte = reste.starts_with(' ') ? reste.substr(1) : reste;
        for (std::size_t i = 0; i < texte.size(); ++i) {
            const std::size_t fin = texte[i] == '[' ? texte.find(']', i) : i;
            Taper(std::string_view(texte).substr(i, fin - i + 1));
            i = fin;
            if (const auto demande = m->Focus_Demande()) {
                focus = *demande;
                choisi = focus == Ch::Mode_Q || focus == Ch::Bande_Q; // a list's text is selected
            }
        }
        return;
    }
    using M = Modele_Saisie;
    const std::map<std::string, void (M::*)(), std::less<>> boutons = {
        {"Valide_Q", &M::Valide_Q_Click},   {"Annule_Q", &M::Annule_Saisie},
        {"Edite_QSO", &M::Edite_QSO_Click}, {"Efface_QSO", &M::Efface_QSO_Click},
        {"Recupere", &M::Recupere_Click},   {"Ajout_QSO", &M::Ajout_QSO_Click}};
    const std::string cible = reste.substr(0, reste.find(' '));
    const auto champ = Champ_Nomme(cible);
    if (nom == "oui" || nom == "non") {
        reponses.push_back(nom == "oui");
    } else if (nom == "rouvrir") {
        m.emplace(*this, fs, dossier.Chemin(), *this);
        m->Charger(activite);
    } else if (nom == "changer") { // "Saisie des QSO" on another activation
        m->Changer_Activation(activite = reste);
    } else if (nom == "log") {
        dossier.Ecrire(activite + ".txt", Log_De(std::stoi(reste)));
    } else if (nom == "dossier") { // a folder where a file should be: no write can reach it
        std::filesystem::remove(dossier.Fichier(reste));
        std::filesystem::create_directory(dossier.Fichier(reste));
    } else if (nom == "texte") {
        m->Texte(*champ, reste.substr(cible.size() + 1));
    } else if (nom == "menu") {
        const bool oui = reste.ends_with("_Oui");
        reste.starts_with("Mnu_Diff") ? m->Choisir_Differee(oui) : m->Choisir_Refrappe(oui);
    } else if (nom == "clic" && cible == "Liste_QSO") {
        m->Selection(std::stoul(reste.substr(cible.size())) - 1);
    } else if (nom == "clic" && boutons.contains(cible)) {
        ((*m).*boutons.at(cible))();
    } else if (nom == "clic" && champ && m->Champ(*champ).actif) {
        focus = *champ;
    } else {
        ADD_FAILURE() << "unknown step: " << etape;
    }
    if (const auto demande = m->Focus_Demande()) {
        focus = *demande;
    }
}

std::string Banc::Valeur(const std::string& nom) const {
    const auto valeur = store.find(nom.substr(1));
    const auto champ = Champ_Nomme(nom);
    const std::size_t n = m->Numero_Selectionne();
    return nom.starts_with('$') ? (valeur == store.end() ? "" : valeur->second)
           : champ              ? Utf8(m->Champ(*champ).texte)
           : nom == "focus"     ? std::string(Noms[static_cast<std::size_t>(focus)])
           : nom == "Status"    ? Utf8(m->Status())
           : nom == "abandon"   ? Utf8(m->Qso_Abandonne().value_or("(rien)"))
           : n > 0              ? Utf8(Ligne_Affichee(n, m->Lignes()[n - 1])) // the list's current line
                                : "";
}

// What the control is, in the words of the expectations.
std::vector<std::string> Banc::Etats(const std::string& nom) const {
    const auto champ = Champ_Nomme(nom);
    const bool actif = champ ? m->Champ(*champ).actif : nom != "Recupere" || m->Recupere_Actif();
    const bool cache =
        (nom == "Date_Q" || nom == "Heure_Q" || nom.starts_with("Label")) && !m->Date_Heure_Visibles();
    return {actif ? "actif" : "inactif", champ && m->Champ(*champ).vert ? "vert" : "jaune",
            cache ? "cache" : "visible"};
}

void Banc::Verifier(const std::string& attendu) {
    // "=" before any ":" expects a text ("$Cle" a value of the store); otherwise the words of a state.
    const auto egal = attendu.find('='), deux_points = attendu.find(':');
    const bool texte = egal < deux_points;
    const std::size_t separateur = texte ? egal : deux_points;
    const std::string gauche = attendu.substr(0, separateur), valeur = attendu.substr(separateur + 1);
    for (const std::string& nom : gauche.starts_with('$') ? std::vector{gauche} : Mots(gauche)) {
        std::string vu = texte ? Valeur(nom) : "";
        for (const std::string& mot : texte ? std::vector<std::string>{} : Mots(valeur)) {
            const auto etats = Etats(nom);
            vu += (vu.empty() ? "" : " ") +
                  (std::find(etats.begin(), etats.end(), mot) != etats.end() ? mot : "pas " + mot);
        }
        EXPECT_EQ(nom + attendu[separateur] + vu,
                  nom + attendu[separateur] + (texte ? valeur : std::string(Sans_Blancs(valeur))));
    }
}

void Jouer(const std::vector<Cas>& table) {
    for (const Cas& cas : table) {
        SCOPED_TRACE(cas.nom);
        Banc banc;
        for (const auto& [nom, octets] : cas.fichiers) {
            banc.dossier.Ecrire(nom, octets);
        }
        for (const std::string& reglage : cas.reglages) {
            banc.store[reglage.substr(0, reglage.find('='))] = reglage.substr(reglage.find('=') + 1);
        }
        banc.Etape("rouvrir");
        for (const std::string& etape : cas.etapes) {
            SCOPED_TRACE(etape);
            banc.Etape(etape);
        }
        std::vector<std::string> vus = banc.textes;
        for (std::size_t i = 0; i < std::min(vus.size(), cas.messages.size()); ++i) {
            const std::string& attendu = cas.messages[i];
            if (attendu.ends_with("...") && vus[i].starts_with(attendu.substr(0, attendu.size() - 3))) {
                vus[i] = attendu;
            }
        }
        EXPECT_EQ(vus, cas.messages);
        for (const std::string& attendu : cas.attendus) {
            banc.Verifier(attendu);
        }
        for (const auto& [nom, octets] : cas.fichiers_apres) {
            EXPECT_EQ(banc.dossier.Existe(nom) ? banc.dossier.Lire(nom) : Absent, octets) << nom;
        }
        EXPECT_TRUE(banc.reponses.empty());
    }
}

// A log line as the program must write it, from its fields separated by blanks ("-" for an empty one) and
// the remarks after a "|": "01/03/24 14:25 F1ABC 75 JEAN 59 59 SSB 3.5 | QRP".
std::string Ligne(const std::string& champs) {
    const auto barre = champs.find('|');
    std::vector<std::string> c = Mots(champs.substr(0, barre));
    c.resize(9);
    std::string ligne;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t largeur = std::array{10, 7, 14, 4, 17, 4, 4, 6}[i];
        const std::string texte = c[i] == "-" ? "" : c[i];
        ligne += texte + std::string(largeur - std::min(largeur, texte.size()), ' ');
    }
    const std::string remarques(barre == std::string::npos ? "" : Sans_Blancs(champs.substr(barre + 1)));
    return ligne + std::string(3 - c[8].size(), ' ') + c[8] + " Mhz " + remarques +
           std::string(30 - remarques.size(), ' ') + "\r\n";
}

std::string Qso(int n, const std::string& observations = "PORTABLE") {
    return Ligne("01/03/24 10:" + std::string(n < 10 ? "0" : "") + std::to_string(n) + " F" +
                 std::to_string(n) + "ABC 75 JEAN 59 59 SSB 7 | " + observations);
}
std::string Log_De(int fin, int debut) {
    return fin < debut ? "" : Log_De(fin - 1, debut) + Qso(fin);
}
const std::string Log = "DMF-123.txt";
const std::string Memoire = "Liste_Prenom.txt";
// A validation or a cancel leaves the window ready for the next QSO.
const std::vector<std::string> Pret{"Indi_Q Dpt_Q Prenom_Q Observation_Q=", "Indi_Q: vert actif",
                                    "focus=Indi_Q", "Valide_Q: inactif",
                                    "Dpt_Q Prenom_Q QRKR_Q QRKE_Q Observation_Q: jaune inactif"};
std::vector<std::string> Pret_Et(std::vector<std::string> autres) {
    autres.insert(autres.begin(), Pret.begin(), Pret.end());
    return autres;
}
const std::string Message_Date = "Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques";
const std::string Message_Heure = "Attention le format de l'heure doit etre hhmm les ':' sont automatique";

// A validation key in a field checks that field alone; the button then checks every field.
Cas Validation_Refusee(const char* nom, const std::string& champ, const std::string& texte,
                       const std::string& cle, const std::string& bouton) {
    return {.nom = nom,
            .etapes = {"menu Mnu_Diff_Oui", "> F1ABC\r", "texte Date_Q 01/03/24", "texte Heure_Q 14:25",
                       "texte " + champ + ' ' + texte, "clic " + (cle.empty() ? "Dpt_Q" : champ), "> [+]",
                       "clic Valide_Q"},
            .messages = {cle.empty() ? bouton : cle, bouton},
            .attendus = {"focus=" + champ},
            .fichiers_apres = {{Log, Absent}, {Memoire, Absent}}};
}

const std::string Qso7_CW = Ligne("01/03/24 10:07 F7ABC 75 JEAN 599 599 CW 7 | PORTABLE");
const std::string Jumeau = Ligne("01/03/24 10:00 DL1ABC - HANS 59 59 SSB 14");

// clang-format off
const std::vector<Cas> Ouverture{
    {.nom = "nom CW d'un ancien store converti", .reglages = {"Mode Activite=CW", "Bande Activite=7"},
     .attendus = {"Mode_Q=SSB", "Bande_Q=3.5", "QRKR_Q QRKE_Q=59", "$Mode Activite=0", "$Bande Activite=1"}},
    {.nom = "texte tape: rien de choisi", .reglages = {"Mode Activite=-1", "Bande Activite=-1"},
     .attendus = {"Mode_Q Bande_Q=", "QRKR_Q QRKE_Q=59", "$Mode Activite=-1", "$Bande Activite=-1"}},
    {.nom = "valeurs illisibles: les defauts", .reglages = {"Mode Activite=x", "Bande Activite=99"},
     .attendus = {"Mode_Q=SSB", "Bande_Q=3.5", "$Mode Activite=x", "$Bande Activite=99"}},
    // A value read from a file meets the rules of a typed one; a line torn by a crash is moved aside.
    {.nom = "ligne coupee mise de cote, prenoms de la memoire refuses",
     .fichiers = {{Log, Qso(1) + "01/03/24  10:0"}, {Memoire, "F2ABC        75 PA\tUL\r\nF3ABC           MARIE-CHRISTINE-X\r\n"}},
     .etapes = {"> F2ABC\r", "?Dpt_Q=75", "?Prenom_Q=", "clic Annule_Q", "> F3ABC\r", "?Prenom_Q="},
     .messages = {"La dernière ligne de DMF-123.txt était incomplète (arrêt brutal pendant une écriture ?) : "
         "« 01/03/24  10:0 ».\nElle a été retirée et mise de côté dans DMF-123_coupe_2024-03-01.txt, dans le dossier des données.",
         "Le prénom de F2ABC lu dans Liste_Prenom.txt a été ignoré : il contient un caractère de contrôle (retour à la "
         "ligne, tabulation…). Le champ reste vide.",
         "Le prénom de F3ABC lu dans Liste_Prenom.txt a été ignoré : il dépasse 15 caractères. Le champ reste vide."},
     .fichiers_apres = {{Log, Qso(1)}, {"DMF-123_coupe_2024-03-01.txt", "01/03/24  10:0\r\n"}}},
    // A restart after a typed mode or band: the log's last QSO gives it back as typed, each key on its own.
    {.nom = "mode tape: CW du dernier QSO, la bande choisie", .fichiers = {{Log, Ligne("01/03/24 10:07 G4ABC - - 59 59 cw 5.3") + Qso7_CW}},
     .reglages = {"Mode Activite=-1", "Bande Activite=4"}, .attendus = {"Mode_Q=CW", "Bande_Q=14", "QRKR_Q QRKE_Q=599"}},
    {.nom = "mode du dernier QSO illisible: dit, le champ vide", .fichiers = {{Log, std::string(Qso7_CW).replace(61, 1, "\t")}},
     .reglages = {"Mode Activite=-1"}, .messages = {"Le champ \"Mode\" du dernier QSO a été ignoré : il contient un caractère "
         "de contrôle (retour à la ligne, tabulation…). Le champ reste vide."}, .attendus = {"Mode_Q="}},
};

const std::vector<Cas> Saisie{
    {.nom = "Annuler une saisie vide tout et n'ecrit rien", .etapes = {"> f2abc\r75\rjean\r", "QRKR_Q> 57\r\rqrp",
         "clic Annule_Q"}, .attendus = Pret_Et({"Num_Q=1", "QRKR_Q QRKE_Q=59", "Date_Q Heure_Q: cache"}),
     .fichiers_apres = {{Log, Absent}, {Memoire, Absent}}},
    // The line on 7 in SSB, not the one in CW; it has no first name: two blanks. "Oui" drops the callsign
    // and leaves the department and first name alone; on 14 it was never worked.
    {.nom = "doublon meme bande et meme mode: Oui abandonne",
     .fichiers = {{Log, Ligne("01/03/24 10:05 F1ABC 75 JEAN 599 599 CW 7") + Ligne("01/03/24 10:10 F1ABC - - 59 59 SSB 7")},
         {Memoire, "F1ABC        75 JEAN\r\n"}}, .reglages = {"Bande Activite=2"}, .etapes = {"oui", "> F1ABC\r",
         "?Indi_Q Dpt_Q Prenom_Q=", "?Dpt_Q Prenom_Q: inactif", "?focus=Indi_Q", "Bande_Q> 14\r\r", "> F1ABC\r"},
     .messages = {"F1ABC  Deja contacté le 01/03/24 a 10:10 sur 7 Mhz. Annuler la saisie ?"},
     .attendus = {"focus=Dpt_Q", "Dpt_Q=75", "Prenom_Q=JEAN"}},
    // "Non" goes on with the memory; another activation has its own log and the same memory.
    {.nom = "memoire des prenoms: Non au doublon, puis une autre activation",
     .fichiers = {{Memoire, "G4XYZ           JOHN\r\n"}}, .etapes = {"> F1ABC\r75\rJean[+]", "non", "> F1ABC\r",
         "?Dpt_Q=75", "?Prenom_Q=JEAN", "changer DMF-456", "> F1ABC\r\r",
         "Prenom_Q> Pierre[F12]", "> G4XYZ\r[F10]"},
     .messages = {"F1ABC JEAN Deja contacté le 01/03/24 a 14:25 sur 3.5 Mhz. Annuler la saisie ?"},
     .fichiers_apres = {{Memoire, "G4XYZ           JOHN\r\nF1ABC        75 PIERRE\r\n"},
         {Log, Ligne("01/03/24 14:25 F1ABC 75 JEAN 59 59 SSB 3.5")},
         {"DMF-456.txt", Ligne("01/03/24 14:25 F1ABC 75 PIERRE 59 59 SSB 3.5") +
         Ligne("01/03/24 14:25 G4XYZ - JOHN 59 59 SSB 3.5")}}},
    Validation_Refusee("heure de 4", "Heure_Q", "1425",
                       "Attention 5 caracteres pour l'heure (format hh:mm. Les ':' sont automatique)", Message_Heure),
    Validation_Refusee("heure au point", "Heure_Q", "14.25", "Attention le format date doit etre hh:mm",
                       Message_Heure),
    Validation_Refusee("heure a lettre", "Heure_Q", "1a:25", "Attention le format de l'heure doit etre hh:mm",
                       Message_Heure),
    Validation_Refusee("date", "Date_Q", "1/3/2024", Message_Date + ' ', Message_Date),
    Validation_Refusee("indicatif de 13", "Indi_Q", "F1ABCDEFGHIJK", {}, "12 caracteres maxi"),
    Validation_Refusee("indicatif vide", "Indi_Q", "", {}, "Entrez un indicatif"),
    Validation_Refusee("departement de 3", "Dpt_Q", "751", {}, "2 caractères pour le département"),
    Validation_Refusee("mode de 5", "Mode_Q", "PSK31", {}, "3 caracteres maxi"),
    Validation_Refusee("bande de 4", "Bande_Q", "1296", {}, "3 caracteres maxi"),
    // "+" in the department checks no field itself: the validation it starts refuses the first one at fault.
    {.nom = "plus dans le departement: l'indicatif refuse d'abord", .etapes = {"> F1ABC\r", "texte Indi_Q F1ABCDEFGHIJK",
         "texte Dpt_Q 751", "> [+]"}, .messages = {"12 caracteres maxi"}, .attendus = {"focus=Indi_Q"}},
    // What is typed is what is logged, blanks around it apart.
    {.nom = "mode et bande tapes: loges tels quels, indice -1", .etapes = {"Bande_Q> 2\r", "> cw\r", "?Mode_Q=cw",
         "?Bande_Q=2", "?$Bande Activite=-1", "?$Mode Activite=-1", "?QRKR_Q=59", ">  G4ABC\r[F9]", "Bande_Q> 5\r",
         "> s\r", "?Mode_Q=s", "?Bande_Q=5", "> G5ABC\r[F9]"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 G4ABC - - 59 59 cw 2 |") + Ligne("01/03/24 14:25 G5ABC - - 59 59 s 5 |")}}},
    {.nom = "memoire illisible: le QSO ecrit, puis l'avertissement", .etapes = {"dossier Liste_Prenom.txt", "> G4ABC\rjohn[F9]"},
     .messages = {"Le QSO est bien écrit dans le log, mais la liste des prénoms..."}, .attendus = Pret_Et({"Num_Q=2"}),
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 G4ABC - JOHN 59 59 SSB 3.5 |")}}},
    {.nom = "log impossible: rien de perdu a l'ecran, la memoire intacte", .fichiers = {{Log, ""},
         {Memoire, "G4ABC           JOHN\r\n"}}, .etapes = {"dossier DMF-123.txt", "> G4ABC\rpaul[F9]"},
     .messages = {"Le log ne peut pas être modifié..."}, .attendus = {"Indi_Q=G4ABC", "Prenom_Q=JOHNPAUL", "Num_Q=1"},
     .fichiers_apres = {{Memoire, "G4ABC           JOHN\r\n"}}},
    // Only the field to fix is green; once filled, the QSO goes.
    {.nom = "mode ou bande vide refuse", .reglages = {"Mode Activite=-1", "Bande Activite=-1"},
     .etapes = {"> G4ABC\r[F9]", "?focus=Mode_Q", "?Mode_Q: vert", "?Prenom_Q: jaune", "> SSB", "clic Valide_Q",
         "?focus=Bande_Q", "> 7", "clic Valide_Q"}, .messages = {"Le mode est vide...", "La bande est vide..."},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 G4ABC - - 59 59 SSB 7 |")}}},
    {.nom = "fin d'edition: le store suit la bande et le mode revenus",
     .fichiers = {{Log, Ligne("01/03/24 10:00 G4ABC - - 599 599 CW 7 |")}}, .reglages = {"Bande Activite=4"},
     .etapes = {"clic Edite_QSO", "Bande_Q> 7\r", "> CW\r", "?$Bande Activite=2", "?$Mode Activite=1", "> \r[F9]"},
     .attendus = {"Bande_Q=14", "Mode_Q=SSB", "$Bande Activite=4", "$Mode Activite=0"}},
};

const std::vector<Cas> Edition{
    // Enter through every field, no duplicate warning for its own line, then "+": the same line. The next
    // QSOs are logged on the activation's band, mode and reports again. Cancel gives the next number back.
    {.nom = "edition d'un QSO CW: la meme ligne reecrite", .fichiers = {{Log, Log_De(6) + Qso7_CW + Log_De(12, 8)}},
     .etapes = {"clic Liste_QSO 7", "clic Edite_QSO", "?Num_Q=07", "?Indi_Q=F7ABC", "?Dpt_Q=75", "?Prenom_Q=JEAN",
         "?QRKR_Q QRKE_Q=599", "?Mode_Q=CW", "?Bande_Q=7", "?Observation_Q=PORTABLE", "?Date_Q=01/03/24",
         "?Heure_Q=10:07", "?Date_Q Heure_Q Label10 Label6: visible", "?focus=Indi_Q", "> \r\r\r\r\r\r\r",
         "?focus=Heure_Q", "> [+]", "?Num_Q=13", "?Mode_Q=SSB", "?Bande_Q=3.5", "?QRKR_Q=59", "?Date_Q: cache",
         "clic Liste_QSO 10", "clic Edite_QSO", "?Num_Q=10", "clic Annule_Q"}, .attendus = {"Num_Q=13", "Bande_Q=3.5",
         "$Date Activite=01/03/24"}, .fichiers_apres = {{Log, Log_De(6) + Qso7_CW + Log_De(12, 8)}}},
    // The callsign's Enter refills the department and first name from the memory; deferred entry off
    // leaves the date and time the edit needs; the remarks lead to the date, whose Enter stores it.
    {.nom = "edition: memoire relue, saisie differee NON sans effet sur la date",
     .fichiers = {{Log, Qso(1) + Qso(2, "")}, {Memoire, "F2ABC        13 PAUL\r\n"}},
     .reglages = {"Date Activite=12/11/05"}, .etapes = {"clic Edite_QSO", "?Dpt_Q=75", "> \r", "?Dpt_Q=13",
         "?Prenom_Q=PAUL", "?focus=Dpt_Q", "menu Mnu_Diff_Oui", "menu Mnu_Diff_Non", "?Date_Q=01/03/24",
         "?Heure_Q=10:02", "?Date_Q Heure_Q: visible", "> \r\r\r\r\r", "?focus=Date_Q", "> \r",
         "?$Date Activite=01/03/24", "> \r\r"}, .attendus = Pret_Et({"Date_Q: cache"}),
     .fichiers_apres = {{Log, Qso(1) + Ligne("01/03/24 10:02 F2ABC 13 PAUL 59 59 SSB 7")},
         {Memoire, "F2ABC        13 PAUL\r\n"}}},
    // Of two identical QSOs, the one the edit began on, even once the other is clicked; its department of
    // two blanks shows as none. The edit abandons an insertion begun.
    {.nom = "edition d'un seul de deux QSO identiques", .fichiers = {{Log, Qso(1) + Jumeau + Qso(3) + Jumeau}},
     .etapes = {"clic Ajout_QSO", "clic Liste_QSO 4", "clic Edite_QSO", "?Status=", "?Indi_Q=DL1ABC", "?Dpt_Q=",
         "?Prenom_Q=HANS", "clic Liste_QSO 2", "Observation_Q> qrp[F9]"},
     .fichiers_apres = {{Log, Qso(1) + Jumeau + Qso(3) + Ligne("01/03/24 10:00 DL1ABC - HANS 59 59 SSB 14 | QRP")}}},
    // A delete answered No enables recovery and drops the entry in progress; one that fails (the log changed
    // on the disk) leaves nothing to recover; a later delete answered No keeps the deleted QSO recoverable.
    // The only QSO deleted, there is no current line any more.
    {.nom = "suppressions refusees, echouees, et recuperation refusee", .fichiers = {{Log, Log_De(3)}},
     .etapes = {"> F9ABC", "non", "clic Efface_QSO", "?Indi_Q=", "?Recupere: actif", "log 2", "oui", "clic Efface_QSO", "clic Recupere",
         "?Recupere: inactif", "oui", "clic Efface_QSO", "non", "clic Efface_QSO", "non", "clic Recupere", "oui",
         "clic Efface_QSO", "clic Edite_QSO"}, .messages = {"Voulez vous effacer le QSO avec F3ABC ?",
         "Voulez vous effacer le QSO avec F3ABC ?", "Ce QSO n'est plus à sa place dans le log...",
         "Aucun QSO à récupérer : aucun QSO n'a été supprimé depuis l'ouverture du programme.",
         "Voulez vous effacer le QSO avec F2ABC ?", "Voulez vous effacer le QSO avec F1ABC ?",
         "Voulez vous recuperer le QSO avec F2ABC a 10:02 sur 7 Mhz en SSB",
         "Voulez vous effacer le QSO avec F1ABC ?", "Cliquez sur une ligne pour la modifier"},
     .fichiers_apres = {{Log, ""}}},
    // An insertion goes at its moment (the rule's cases are Insere_Ligne_Chrono's), checks for a duplicate
    // and feeds the first-name memory.
    {.nom = "insertion a sa place dans le temps", .fichiers = {{Log, ""}}, .etapes = {"clic Edite_QSO",
         "clic Efface_QSO", "?Recupere: inactif", "clic Ajout_QSO", "?Status=Mode Ajout d'un QSO",
         "?Date_Q Heure_Q Label10 Label6: visible", "> G4BBB\rjohn\r\r\r\r010200\r0700\r\r", "?Status=",
         "?Date_Q: cache", "clic Ajout_QSO", "non", "> G4BBB\r\r\r\r\r311299\r2359\r\r"},
     .messages = {"Cliquez sur une ligne pour la modifier", "Cliquez sur une ligne pour l'annuler",
         "G4BBB JOHN Deja contacté le 01/02/00 a 07:00 sur 3.5 Mhz. Annuler la saisie ?"},
     .attendus = Pret_Et({"Num_Q=3", "Status="}),
     .fichiers_apres = {{Log, Ligne("31/12/99 23:59 G4BBB - JOHN 59 59 SSB 3.5") +
         Ligne("01/02/00 07:00 G4BBB - JOHN 59 59 SSB 3.5")}, {Memoire, "G4BBB           JOHN\r\n"}}},
    // "Inserer un QSO" during an edit inserts the edited QSO as a new one, without a duplicate check, and the
    // edit's end brings the activation's band and mode back.
    {.nom = "insertion pendant une edition", .fichiers = {{Log, Qso(1) + Qso7_CW}}, .etapes = {"clic Edite_QSO",
         "clic Ajout_QSO", "?Status=Mode Ajout d'un QSO", "> \r", "Heure_Q> 1008", "Observation_Q> [F9]"},
     .attendus = {"Mode_Q=SSB", "Bande_Q=3.5", "Status=", "Num_Q=4"},
     .fichiers_apres = {{Log, Qso(1) + Qso7_CW + Ligne("01/03/24 10:08 F7ABC 75 JEAN 599 599 CW 7 | PORTABLE")}}},
    // Another activation drops the QSO typed (the question names its callsign, blanks alone are nothing
    // typed) and offers nothing deleted from the first log; an edit or an insertion is cancelled and said.
    {.nom = "autre activation", .fichiers = {{Log, Log_De(2)}, {"DMF-456.txt", Qso(1)}}, .etapes = {"oui",
         "clic Efface_QSO", "> G4ABC", "?abandon=G4ABC", "changer DMF-456", "?Indi_Q=", "?Recupere: inactif",
         "clic Recupere", "texte Observation_Q  ", "?abandon=(rien)", "texte Prenom_Q JEAN", "?abandon=",
         "clic Edite_QSO", "?abandon=(rien)", "changer DMF-123",
         "?Status=Modification du QSO n° 1 annulée : passage à l'activité DMF-123", "clic Ajout_QSO", "> G4XYZ",
         "?abandon=(rien)", "changer DMF-456"}, .messages = {"Voulez vous effacer le QSO avec F2ABC ?",
         "Aucun QSO à récupérer : aucun QSO n'a été supprimé depuis l'ouverture du programme."},
     .attendus = {"Status=Ajout d'un QSO annulé : passage à l'activité DMF-456"}},
    {.nom = "edition apres une recuperation qui decale les numeros", .fichiers = {{Log, Log_De(4)}},
     .etapes = {"clic Liste_QSO 2", "oui", "clic Efface_QSO", "clic Liste_QSO 3", "clic Edite_QSO", "oui",
         "clic Recupere", "?Num_Q=03", "Observation_Q> qrp[+]"}, .messages = {"Voulez vous effacer le QSO avec F2ABC ?",
         "Voulez vous recuperer le QSO avec F2ABC a 10:02 sur 7 Mhz en SSB"},
     .fichiers_apres = {{Log, Log_De(3) + Qso(4, "QRP")}}},
};
// clang-format on

} // namespace

TEST(Modele_Saisie, Ouverture) {
    Jouer(Ouverture);
}

TEST(Modele_Saisie, Saisie) {
    Jouer(Saisie);
}

TEST(Modele_Saisie, Edition) {
    Jouer(Edition);
}
