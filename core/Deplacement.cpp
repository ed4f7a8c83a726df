#include "core/Deplacement.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <system_error>

namespace Maravel {

namespace {

namespace fsys = std::filesystem;

// No data file ends so: the copy on its way can never be taken for one, nor replace one.
const fsys::path Copie_En_Cours = "Maravel_ON.deplacement.tmp";

// Extensions compared without case: Windows names are.
bool Extension_De_Donnees(const fsys::path& nom) {
    const auto extension = nom.extension().native();
    constexpr std::array<std::string_view, 3> donnees{".txt", ".adi", ".ctf"};
    return std::any_of(donnees.begin(), donnees.end(), [&extension](std::string_view attendue) {
        return extension.size() == attendue.size() &&
               std::equal(extension.begin(), extension.end(), attendue.begin(), [](auto c, char a) {
                   return (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) == static_cast<decltype(c)>(a);
               });
    });
}

bool Fichier_Present(const fsys::path& fichier) {
    std::error_code erreur;
    return fsys::is_regular_file(fichier, erreur);
}

// Copied beside its place, read back and compared, then renamed into a place nothing holds.
bool Placer(Systeme_Fichiers& fs, const fsys::path& copie, const fsys::path& cible,
            const std::string& contenu) {
    if (!fs.Ecrire(copie, contenu)) {
        return false;
    }
    const auto relue = fs.Lire(copie);
    return relue.etat == Systeme_Fichiers::Etat::Present && relue.contenu == contenu &&
           fs.Lire(cible).etat == Systeme_Fichiers::Etat::Absent && fs.Renommer(copie, cible);
}

} // namespace

std::vector<fsys::path> Fichiers_De_Donnees(const fsys::path& dossier) {
    std::vector<fsys::path> noms;
    if (!Fichier_Present(dossier / "Liste_Activite.txt") && !Fichier_Present(dossier / "Liste_Prenom.txt")) {
        return noms;
    }
    std::error_code erreur;
    for (fsys::directory_iterator i(dossier, erreur), fin; !erreur && i != fin; i.increment(erreur)) {
        if (Extension_De_Donnees(i->path()) && Fichier_Present(i->path())) {
            noms.push_back(i->path().filename());
        }
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

Resultat_Deplacement Deplacer_Fichiers(Systeme_Fichiers& fs, const fsys::path& depuis, const fsys::path& vers,
                                       const std::vector<fsys::path>& noms) {
    using Etat = Systeme_Fichiers::Etat;
    Resultat_Deplacement resultat;
    std::vector<std::string> contenus;
    std::vector<bool> deja_la;
    for (const auto& nom : noms) {
        auto source = fs.Lire(depuis / nom);
        if (source.etat != Etat::Present) {
            return {Resultat_Deplacement::Issue::Echec, {nom}, {}};
        }
        const auto cible = fs.Lire(vers / nom);
        if (cible.etat == Etat::Erreur || (cible.etat == Etat::Present && cible.contenu != source.contenu)) {
            resultat.fichiers.push_back(nom);
        }
        deja_la.push_back(cible.etat == Etat::Present);
        contenus.push_back(std::move(source.contenu));
    }
    if (!resultat.fichiers.empty()) {
        resultat.issue = Resultat_Deplacement::Issue::Conflit;
        return resultat;
    }

    std::vector<fsys::path> places;
    const fsys::path copie = vers / Copie_En_Cours;
    for (std::size_t i = 0; i < noms.size(); ++i) {
        if (deja_la[i]) {
            continue;
        }
        const fsys::path cible = vers / noms[i];
        if (!Placer(fs, copie, cible, contenus[i])) {
            // Only the copies made here go: the originals are all still in their folder.
            fs.Supprimer(copie);
            for (const auto& fait : places) {
                fs.Supprimer(fait);
            }
            return {Resultat_Deplacement::Issue::Echec, {noms[i]}, {}};
        }
        places.push_back(cible);
    }
    for (const auto& nom : noms) {
        if (!fs.Supprimer(depuis / nom)) {
            resultat.restes.push_back(nom);
        }
    }
    return resultat;
}

} // namespace Maravel
