#include "core/Sauvegardes.h"

#include "core/Activation.h"
#include "core/Prenoms.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <optional>

namespace Maravel {

namespace {

// "aaaa-mm-jj" as a folder name of the backups; nothing for any other name.
std::optional<std::string> Jour_De(const std::filesystem::path& nom) {
    const auto& natif = nom.native();
    if (natif.size() != 10) {
        return std::nullopt;
    }
    std::string jour;
    for (std::size_t i = 0; i < natif.size(); ++i) {
        const auto c = natif[i];
        const bool tiret = i == 4 || i == 7;
        if (tiret ? c != '-' : (c < '0' || c > '9')) {
            return std::nullopt;
        }
        jour.push_back(static_cast<char>(c));
    }
    return jour;
}

// Each file read, deposited in the scratch folder and read back: a copy that differs by one byte, or
// that a full disk cut short, fails the backup.
bool Copier(Systeme_Fichiers& fs, Systeme_Dossiers& ds, const std::filesystem::path& dossier,
            const std::filesystem::path& brouillon, const std::vector<std::string>& noms) {
    for (const auto& nom : noms) {
        const auto lecture = fs.Lire(Chemin(dossier, nom));
        if (lecture.etat == Systeme_Fichiers::Etat::Absent) {
            continue;
        }
        if (lecture.etat == Systeme_Fichiers::Etat::Erreur) {
            return false;
        }
        const auto copie = Chemin(brouillon, nom);
        if (!ds.Deposer(copie, lecture.contenu)) {
            return false;
        }
        errno = 0;
        const auto relue = fs.Lire(copie);
        if (relue.etat != Systeme_Fichiers::Etat::Present || relue.contenu != lecture.contenu) {
            return false;
        }
    }
    return true;
}

// The most recent days stay; a folder that cannot be removed now is tried again at the next backup.
void Elaguer(Systeme_Dossiers& ds, const std::filesystem::path& racine) {
    const auto entrees = ds.Lister(racine);
    if (!entrees) {
        return;
    }
    std::vector<std::string> jours;
    for (const auto& entree : *entrees) {
        if (auto jour = Jour_De(entree.nom); jour && entree.dossier) {
            jours.push_back(std::move(*jour));
        }
    }
    if (jours.size() <= Jours_Gardes) {
        return;
    }
    std::sort(jours.begin(), jours.end(), std::greater<>());
    for (std::size_t i = Jours_Gardes; i < jours.size(); ++i) {
        ds.Supprimer_Dossier(racine / jours[i]);
    }
}

std::string_view Cause(std::error_code erreur) {
    if (erreur == std::errc::no_space_on_device) {
        return "le disque est plein";
    }
    if (erreur == std::errc::permission_denied || erreur == std::errc::operation_not_permitted ||
        erreur == std::errc::read_only_file_system) {
        return "l'\351criture est refus\351e (droits du dossier, ou support prot\351g\351)";
    }
    if (erreur == std::errc::file_exists || erreur == std::errc::not_a_directory ||
        erreur == std::errc::is_a_directory) {
        return "un fichier occupe la place d'un dossier de sauvegarde";
    }
    return {};
}

} // namespace

std::string Nom_Jour(const Moment& date_locale) {
    char jour[16];
    std::snprintf(jour, sizeof jour, "%04d-%02d-%02d", date_locale.annee % 10000, date_locale.mois % 100,
                  date_locale.jour % 100);
    return jour;
}

std::vector<std::string> Fichiers_A_Sauvegarder(std::string_view liste_activites) {
    std::vector<std::string> noms{std::string(Fichier_Liste_Activite), std::string(Fichier_Prenoms)};
    for (const auto& ligne : Decouper_Lignes(liste_activites)) {
        const auto numero = Numero_Ligne_Activite(ligne);
        // A hand-edited number that cannot name a log ("../x") never leads out of the data folder.
        if (numero.empty() || !Numero_Utilisable_Comme_Nom(numero)) {
            continue;
        }
        std::string nom = std::string(numero) + ".txt";
        if (std::find(noms.begin(), noms.end(), nom) == noms.end()) {
            noms.push_back(std::move(nom));
        }
    }
    return noms;
}

Resultat_Sauvegarde Sauvegarde_Du_Jour(Systeme_Fichiers& fs, Systeme_Dossiers& ds,
                                       const std::filesystem::path& dossier, const Moment& date_locale) {
    Resultat_Sauvegarde resultat{Etat_Sauvegarde::Echec, Nom_Jour(date_locale), {}};
    const auto racine = dossier / Dossier_Sauvegardes;
    const auto brouillon = racine / (resultat.jour + std::string(Extension_Brouillon));
    const auto echec = [&] {
        resultat.erreur = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
        ds.Supprimer_Dossier(brouillon);
        return resultat;
    };
    // A scratch file left by a crash belongs to no one: it goes before anything else.
    fs.Supprimer(Chemin(dossier, Brouillon));
    errno = 0;
    const auto entrees = ds.Lister(racine);
    if (!entrees) {
        return echec();
    }
    for (const auto& entree : *entrees) {
        if (entree.nom.extension() == Extension_Brouillon && !ds.Supprimer_Dossier(racine / entree.nom)) {
            return echec();
        }
    }
    const auto deja = std::find_if(entrees->begin(), entrees->end(),
                                   [&](const auto& entree) { return entree.nom == resultat.jour; });
    if (deja != entrees->end()) {
        if (deja->dossier) {
            resultat.etat = Etat_Sauvegarde::Deja_Faite;
            return resultat;
        }
        errno = EEXIST;
        return echec();
    }
    const auto liste = fs.Lire(Chemin(dossier, Fichier_Liste_Activite));
    if (liste.etat == Systeme_Fichiers::Etat::Erreur) {
        return echec();
    }
    // A data folder still new has nothing to keep: no folder for it.
    if (liste.etat == Systeme_Fichiers::Etat::Absent &&
        fs.Lire(Chemin(dossier, Fichier_Prenoms)).etat == Systeme_Fichiers::Etat::Absent) {
        resultat.etat = Etat_Sauvegarde::Rien_A_Sauvegarder;
        return resultat;
    }
    if (!ds.Creer_Dossier(racine) || !ds.Creer_Dossier(brouillon) ||
        !Copier(fs, ds, dossier, brouillon, Fichiers_A_Sauvegarder(liste.contenu)) ||
        !ds.Forcer_Dossier(brouillon) || !ds.Renommer_Dossier(brouillon, racine / resultat.jour)) {
        return echec();
    }
    resultat.etat = Etat_Sauvegarde::Faite;
    Elaguer(ds, racine);
    return resultat;
}

std::string Message_Sauvegarde(const Resultat_Sauvegarde& resultat) {
    std::string cause(Cause(resultat.erreur));
    if (cause.empty()) {
        cause = "erreur " + std::to_string(resultat.erreur.value()) + " du syst\350me";
    }
    return "La sauvegarde du jour n'a pas pu \352tre faite : " + cause +
           ".\nVos donn\351es ne sont pas touch\351es et le programme continue. Les sauvegardes des jours "
           "pr\351c\351dents restent dans le dossier Sauvegardes du dossier des donn\351es.";
}

} // namespace Maravel
