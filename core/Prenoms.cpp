#include "core/Prenoms.h"

#include "core/Colonnes.h"
#include "core/Texte1252.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace Maravel {

namespace {

constexpr std::size_t Largeur_Indicatif = 12;

// Lines shortened by a hand edit still compare on their whole 12 columns, as if filled with blanks.
bool Meme_Cle(std::string_view ligne, std::string_view autre) {
    for (std::size_t i = 0; i < Largeur_Indicatif; ++i) {
        if ((i < ligne.size() ? ligne[i] : ' ') != (i < autre.size() ? autre[i] : ' ')) {
            return false;
        }
    }
    return true;
}

// The lines as Decouper_Lignes cuts them, read in place: the memory is read at every QSO, and a memory
// filled from years of another logger's contacts holds tens of thousands of lines.
template <typename Action> void Pour_Chaque_Ligne(std::string_view contenu, Action action) {
    for (std::size_t debut = 0; debut < contenu.size();) {
        const std::size_t fin = std::min(contenu.find('\n', debut), contenu.size());
        auto ligne = contenu.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.remove_suffix(1);
        }
        action(ligne);
        debut = fin + 1;
    }
}

std::filesystem::path Fichier(const std::filesystem::path& dossier) {
    return Chemin(dossier, Fichier_Prenoms);
}

} // namespace

std::string Ligne_Prenom(std::string_view indicatif, std::string_view departement, std::string_view prenom) {
    std::string ligne = Complete(indicatif, Largeur_Indicatif);
    ligne += ' ';
    ligne += Complete(departement, 2);
    ligne += ' ';
    ligne += prenom;
    return ligne;
}

std::optional<Fiche_Prenom> Cherche_Prenom(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                           std::string_view indicatif) {
    const auto lecture = fs.Lire(Fichier(dossier));
    std::optional<Fiche_Prenom> trouvee;
    // The scan goes to the end: when a callsign appears twice, its last line wins.
    Pour_Chaque_Ligne(lecture.contenu, [&](std::string_view ligne) {
        if (Sans_Blancs(Colonnes(ligne, 1, Largeur_Indicatif)) != indicatif) {
            return;
        }
        const auto departement = Colonnes(ligne, 14, 2);
        trouvee = Fiche_Prenom{Sans_Blancs(departement).empty() ? std::string{} : std::string(departement),
                               Majuscules_1252(Colonnes_Fin(ligne, 17))};
    });
    return trouvee;
}

bool Ajout_Prenom(Systeme_Fichiers& fs, const std::filesystem::path& dossier, std::string_view ligne) {
    // A callsign longer than its 12 columns would be taken for another one and overwrite its line.
    if (ligne.size() < Longueur_Mini_Ligne_Prenom || ligne[Largeur_Indicatif] != ' ' || ligne[15] != ' ') {
        return false;
    }
    const auto fichier = Fichier(dossier);
    const auto lecture = fs.Lire(fichier);
    // Writing over a memory that could not be read would lose every callsign it holds.
    if (lecture.etat == Systeme_Fichiers::Etat::Erreur) {
        return false;
    }
    bool trouvee = false;
    bool changee = false;
    Pour_Chaque_Ligne(lecture.contenu, [&](std::string_view existante) {
        if (Meme_Cle(existante, ligne)) {
            trouvee = true;
            changee = changee || existante != ligne;
        }
    });
    if (!trouvee) {
        return Ajouter_Ligne(fs, fichier, ligne);
    }
    if (!changee) {
        return true;
    }
    std::string contenu;
    contenu.reserve(lecture.contenu.size() + ligne.size() + 2);
    Pour_Chaque_Ligne(lecture.contenu, [&](std::string_view existante) {
        contenu += Meme_Cle(existante, ligne) ? ligne : existante;
        contenu += "\r\n";
    });
    return Reecrire_Octets(fs, fichier, Chemin(dossier, Brouillon), contenu);
}

} // namespace Maravel

namespace Maravel {

std::optional<Bilan_Fusion> Fusionner_Prenoms(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                              const std::vector<Station_Importee>& stations) {
    const auto fichier = Fichier(dossier);
    auto lues = Lire_Lignes(fs, fichier);
    if (!lues.lisible) {
        return std::nullopt;
    }
    auto& lignes = lues.lignes;
    std::unordered_map<std::string, std::size_t> lue_par_indicatif;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        lue_par_indicatif[std::string(Sans_Blancs(Colonnes(lignes[i], 1, Largeur_Indicatif)))] = i;
    }
    Bilan_Fusion bilan;
    for (const auto& station : stations) {
        const auto connue = lue_par_indicatif.find(station.Indicatif);
        if (connue == lue_par_indicatif.end()) {
            lignes.push_back(Ligne_Prenom(station.Indicatif, station.Departement, station.Prenom));
            ++bilan.Ajoutees;
            continue;
        }
        std::string& ligne = lignes[connue->second];
        const auto departement = Colonnes(ligne, 14, 2);
        const auto prenom = Colonnes_Fin(ligne, 17);
        const bool sans_departement = Sans_Blancs(departement).empty() && !station.Departement.empty();
        const bool sans_prenom = Sans_Blancs(prenom).empty() && !station.Prenom.empty();
        if (!sans_departement && !sans_prenom) {
            ++bilan.Inchangees;
            continue;
        }
        ligne = Ligne_Prenom(Colonnes(ligne, 1, Largeur_Indicatif),
                             sans_departement ? std::string_view(station.Departement) : departement,
                             sans_prenom ? std::string_view(station.Prenom) : prenom);
        ++bilan.Completees;
    }
    if (bilan.Ajoutees + bilan.Completees > 0 && !Reecrire(fs, fichier, Chemin(dossier, Brouillon), lignes)) {
        return std::nullopt;
    }
    return bilan;
}

} // namespace Maravel
