#include "core/Activation.h"

#include "core/Colonnes.h"
#include "core/Texte1252.h"

#include <algorithm>
#include <utility>

namespace Maravel {

namespace {

struct Colonne {
    Champ_Setup champ;
    std::size_t debut; // 1-based
    std::size_t largeur;
};

// Columns 61-65 hold five blanks of no field; every field is followed by one separating blank.
constexpr std::array<Colonne, 7> Disposition{{
    {Champ_Setup::Num_Activite, 1, 12},
    {Champ_Setup::Activeur, 14, 10},
    {Champ_Setup::Nom_Activite, 25, 35},
    {Champ_Setup::Num_CP, 66, 5},
    {Champ_Setup::Type_Activite, 72, 12},
    {Champ_Setup::Date_Activite, 85, 8},
    {Champ_Setup::Nom_Commune, 94, 35},
}};

// A line that ends after the date and its blank carries no commune.
constexpr std::size_t Longueur_Sans_Commune = 93;
// The commune is read from its separating blank on, so that a hand edit one column off still reads.
constexpr std::size_t Debut_Lecture_Commune = 93;
constexpr std::size_t Largeur_Lecture_Commune = 36;

// Number, activator and name with their padding: what identifies a line for add-or-replace.
constexpr std::size_t Largeur_Identite = 60;

struct Regle_Champ {
    std::size_t maxi;
    bool exacte;
    std::string_view trop_long;
    std::string_view vide; // empty: the field may stay empty
};

constexpr std::array<Regle_Champ, 8> Regles{{
    {10, false, "10 caracteres maxi", "Nom de l'activeur obligatoire"},
    {10, false, "10 caracteres maxi", ""},
    {12, false, "12 caracteres maxi", "Numero de l'activit\xE9 obligatoire"},
    {30, false, "30 caracteres maxi", "Nom de l'activit\xE9 obligatoire"},
    {4, true, "4 caracteres pour le C.P.", ""},
    {26, false, "26 caracteres maxi", "Nom de la commune obligatoire"},
    {35, false, "35 caracteres maxi", "Type de l'activit\xE9 obligatoire"},
    {8, false, "8 caracteres pour la date JJ/MM/AA", "Date de l'activit\xE9 obligatoire"},
}};

// Two short lines: the reason, then what to avoid.
constexpr std::string_view Message_Nom_De_Fichier =
    "Num\xE9ro d'activit\xE9 refus\xE9 : il sert de nom au fichier du log.\n"
    "Ni \\ / : * ? \" < > |, ni que des points, ni CON, AUX, NUL, COMn, LPTn.";

// The log of these numbers would be a file of the program itself, on a case-blind file system too.
constexpr std::string_view Message_Fichier_Du_Programme =
    "Num\xE9ro d'activit\xE9 refus\xE9 : son log porterait le nom d'un fichier du programme.\n"
    "Ni Temporaire, Temporaire6, Liste_Activite, ni Liste_Prenom (en majuscules ou en minuscules).";
constexpr std::array<std::string_view, 4> Noms_Du_Programme{"TEMPORAIRE", "TEMPORAIRE6", "LISTE_ACTIVITE",
                                                            "LISTE_PRENOM"};

bool Nom_Du_Programme(std::string_view numero) {
    const std::string majuscules = Majuscules_1252(Sans_Blancs(numero));
    return std::ranges::find(Noms_Du_Programme, majuscules) != Noms_Du_Programme.end();
}

const Regle_Champ& Regle(Champ_Setup champ) {
    return Regles[static_cast<std::size_t>(champ)];
}

} // namespace

std::size_t Longueur_Maxi(Champ_Setup champ) {
    return Regle(champ).maxi;
}

namespace {

bool Longueur_Refusee(const Regle_Champ& regle, std::string_view texte) {
    const std::size_t longueur = Sans_Blancs(texte).size();
    return regle.exacte ? longueur != regle.maxi : longueur > regle.maxi;
}

// Windows reserves these device names whatever extension follows them.
bool Nom_Reserve_Windows(std::string_view nom) {
    const std::string majuscules = Majuscules_1252(Sans_Blancs_Fin(nom.substr(0, nom.find('.'))));
    for (const std::string_view reserve : {"CON", "PRN", "AUX", "NUL"}) {
        if (majuscules == reserve) {
            return true;
        }
    }
    return majuscules.size() == 4 && (majuscules.starts_with("COM") || majuscules.starts_with("LPT")) &&
           majuscules[3] >= '1' && majuscules[3] <= '9';
}

template <typename Record> auto& Membre(Record& activation, Champ_Setup champ) {
    switch (champ) {
    case Champ_Setup::Activeur:
        return activation.Activeur;
    case Champ_Setup::Logger:
        return activation.Logger;
    case Champ_Setup::Num_Activite:
        return activation.Num_Activite;
    case Champ_Setup::Nom_Activite:
        return activation.Nom_Activite;
    case Champ_Setup::Num_CP:
        return activation.Num_CP;
    case Champ_Setup::Nom_Commune:
        return activation.Nom_Commune;
    case Champ_Setup::Type_Activite:
        return activation.Type_Activite;
    case Champ_Setup::Date_Activite:
        break;
    }
    return activation.Date_Activite;
}

} // namespace

std::string& Valeur(ActivationRecord& activation, Champ_Setup champ) {
    return Membre(activation, champ);
}

const std::string& Valeur(const ActivationRecord& activation, Champ_Setup champ) {
    return Membre(activation, champ);
}

std::string Ligne_Activite(const ActivationRecord& activation) {
    std::string ligne(Longueur_Ligne_Activite, ' ');
    for (const auto& colonne : Disposition) {
        // Lengths are checked without the blanks around a value: they go, never its letters.
        const std::string_view texte =
            Sans_Blancs(Valeur(activation, colonne.champ)).substr(0, colonne.largeur);
        ligne.replace(colonne.debut - 1, texte.size(), texte);
    }
    return ligne;
}

ActivationRecord Lire_Ligne_Activite(std::string_view ligne) {
    ActivationRecord activation;
    for (const auto& colonne : Disposition) {
        if (colonne.champ != Champ_Setup::Nom_Commune) {
            Valeur(activation, colonne.champ) = Sans_Blancs(Colonnes(ligne, colonne.debut, colonne.largeur));
        }
    }
    if (ligne.size() != Longueur_Sans_Commune) {
        activation.Nom_Commune = Sans_Blancs(Colonnes(ligne, Debut_Lecture_Commune, Largeur_Lecture_Commune));
    }
    return activation;
}

std::string_view Numero_Ligne_Activite(std::string_view ligne) {
    return Sans_Blancs(Colonnes(ligne, Disposition[0].debut, Disposition[0].largeur));
}

Liste_Activites::Liste_Activites(Systeme_Fichiers& fs, std::filesystem::path dossier)
    : m_fs(fs), m_dossier(std::move(dossier)), m_fichier(Chemin(m_dossier, Fichier_Liste_Activite)) {}

std::vector<std::string> Liste_Activites::Numeros() const {
    std::vector<std::string> numeros;
    for (const auto& ligne : Lire_Lignes(m_fs, m_fichier).lignes) {
        const auto numero = Numero_Ligne_Activite(ligne);
        if (!numero.empty()) {
            numeros.emplace_back(numero);
        }
    }
    return numeros;
}

std::optional<ActivationRecord> Liste_Activites::Chercher(std::string_view numero) const {
    std::optional<ActivationRecord> trouvee;
    if (numero.empty()) {
        return trouvee;
    }
    for (const auto& ligne : Lire_Lignes(m_fs, m_fichier).lignes) {
        if (Numero_Ligne_Activite(ligne) == numero) {
            trouvee = Lire_Ligne_Activite(ligne);
        }
    }
    return trouvee;
}

bool Liste_Activites::Ajouter_Ou_Remplacer(std::string_view ligne) {
    auto lues = Lire_Lignes(m_fs, m_fichier);
    if (!lues.lisible) {
        return false;
    }
    const auto identite = Colonnes(ligne, 1, Largeur_Identite);
    bool remplacee = false;
    for (auto& existante : lues.lignes) {
        if (Colonnes(existante, 1, Largeur_Identite) == identite) {
            existante = ligne;
            remplacee = true;
        }
    }
    if (!remplacee) {
        lues.lignes.emplace_back(ligne);
    }
    return Reecrire(m_fs, m_fichier, Chemin(m_dossier, Brouillon), lues.lignes);
}

bool Liste_Activites::Effacer(std::string_view numero) {
    const auto cible = Sans_Blancs(numero);
    auto lues = Lire_Lignes(m_fs, m_fichier);
    if (!lues.lisible || cible.empty()) {
        return false;
    }
    const auto effacees = std::erase_if(
        lues.lignes, [cible](const std::string& ligne) { return Numero_Ligne_Activite(ligne) == cible; });
    if (effacees == 0) {
        return true;
    }
    return Reecrire(m_fs, m_fichier, Chemin(m_dossier, Brouillon), lues.lignes);
}

Etat_Log Creer_Log_Si_Absent(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                             std::string_view numero) {
    const auto fichier = Chemin(dossier, std::string(numero) + ".txt");
    if (fs.Lire(fichier).etat != Systeme_Fichiers::Etat::Absent) {
        return Etat_Log::Existant;
    }
    // An append of nothing creates the file and can never empty one that appeared meanwhile.
    return fs.Ajouter(fichier, {}) ? Etat_Log::Cree : Etat_Log::Echec;
}

bool Numero_Utilisable_Comme_Nom(std::string_view numero) {
    const auto interdit = [](char c) {
        const auto octet = static_cast<unsigned char>(c);
        return octet < 0x20 || octet == 0x7F ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    };
    if (std::ranges::any_of(numero, interdit)) {
        return false;
    }
    const auto nom = Sans_Blancs(numero);
    if (std::ranges::all_of(nom, [](char c) { return c == '.' || c == ' '; })) {
        return false;
    }
    return !Nom_Reserve_Windows(nom) && !Nom_Du_Programme(nom);
}

std::optional<std::string_view> Refus_Sur_Entree(Champ_Setup champ, std::string_view texte) {
    const auto& regle = Regle(champ);
    if (Longueur_Refusee(regle, texte)) {
        return regle.trop_long;
    }
    if (!regle.vide.empty() && texte.empty()) {
        return regle.vide;
    }
    if (champ == Champ_Setup::Num_Activite && !Numero_Utilisable_Comme_Nom(texte)) {
        return Nom_Du_Programme(texte) ? Message_Fichier_Du_Programme : Message_Nom_De_Fichier;
    }
    return std::nullopt;
}

std::optional<std::string_view> Refus_Avant_Enregistrement(Champ_Setup champ, std::string_view texte) {
    if (texte.empty()) {
        return std::nullopt;
    }
    return Refus_Sur_Entree(champ, texte);
}

} // namespace Maravel
