#include "core/Fichiers.h"

#include "core/Plateforme.h"
#include "core/Texte1252.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace Maravel {

namespace {

// Whatever stood at the name is removed first, so that the exclusive creation only fails on a real error.
std::FILE* Creer_Neuf(const std::filesystem::path& fichier) {
    std::error_code erreur;
    std::filesystem::remove(fichier, erreur);
    if (erreur) {
        return nullptr;
    }
    return Plateforme::Creer_Exclusif(fichier);
}

bool Ecrire_Flux(std::FILE* flux, std::string_view contenu, bool forcer = true) {
    if (flux == nullptr) {
        return false;
    }
    // An empty view may carry a null pointer, which fwrite must never receive.
    bool reussi = contenu.empty() || std::fwrite(contenu.data(), 1, contenu.size(), flux) == contenu.size();
    reussi = (forcer ? Plateforme::Vers_Disque(flux) : std::fflush(flux) == 0) && reussi;
    reussi = std::fclose(flux) == 0 && reussi;
    return reussi;
}

// The file a link points to (through every link of a chain); the path itself otherwise.
std::filesystem::path Sans_Lien(const std::filesystem::path& fichier) {
    std::error_code erreur;
    if (!std::filesystem::is_symlink(fichier, erreur)) {
        return fichier;
    }
    auto cible = std::filesystem::weakly_canonical(fichier, erreur);
    return erreur ? fichier : cible;
}

// Callers read the cause of a failure in errno, whatever system the error code comes from.
void Noter_Cause(std::error_code erreur) {
    errno = erreur.default_error_condition().value();
}

} // namespace

Systeme_Fichiers::Lecture Systeme_Fichiers_Reel::Lire(const std::filesystem::path& fichier) {
    std::error_code erreur;
    if (!std::filesystem::exists(fichier, erreur)) {
        return {erreur ? Etat::Erreur : Etat::Absent, {}};
    }
    // Read in blocks through the C stream: a read error (a folder in place of the file, a failing disk)
    // then shows in ferror instead of escaping as an exception from the stream buffer. The size is only a
    // hint that spares the text repeated growth; the loop reads whatever the file holds.
    std::FILE* flux = Plateforme::Ouvrir(fichier, "rb");
    if (flux == nullptr) {
        return {Etat::Erreur, {}};
    }
    std::string contenu;
    if (const auto taille = std::filesystem::file_size(fichier, erreur); !erreur) {
        contenu.reserve(static_cast<std::size_t>(taille));
    }
    std::array<char, 1 << 16> bloc;
    std::size_t lus = 0;
    while ((lus = std::fread(bloc.data(), 1, bloc.size(), flux)) > 0) {
        contenu.append(bloc.data(), lus);
    }
    const bool echec = std::ferror(flux) != 0;
    std::fclose(flux);
    if (echec) {
        return {Etat::Erreur, {}};
    }
    return {Etat::Present, std::move(contenu)};
}

bool Systeme_Fichiers_Reel::Ecrire(const std::filesystem::path& fichier, std::string_view contenu) {
    return Ecrire_Flux(Creer_Neuf(fichier), contenu);
}

bool Systeme_Fichiers_Reel::Ajouter(const std::filesystem::path& fichier, std::string_view contenu) {
    return Ecrire_Flux(Plateforme::Ouvrir(fichier, "ab"), contenu);
}

bool Systeme_Fichiers_Reel::Renommer(const std::filesystem::path& source,
                                     const std::filesystem::path& cible) {
    return Plateforme::Remplacer(source, Sans_Lien(cible));
}

bool Systeme_Fichiers_Reel::Supprimer(const std::filesystem::path& fichier) {
    std::error_code erreur;
    std::filesystem::remove(fichier, erreur);
    return !erreur;
}

std::optional<char> Systeme_Fichiers_Reel::Dernier_Octet(const std::filesystem::path& fichier) {
    std::FILE* flux = Plateforme::Ouvrir(fichier, "rb");
    if (flux == nullptr) {
        return std::nullopt;
    }
    // Seeking before the start fails, so an empty file gives nothing.
    const int octet = std::fseek(flux, -1, SEEK_END) == 0 ? std::fgetc(flux) : EOF;
    std::fclose(flux);
    if (octet == EOF) {
        return std::nullopt;
    }
    return static_cast<char>(octet);
}

std::optional<std::uintmax_t> Systeme_Fichiers_Reel::Taille(const std::filesystem::path& fichier) {
    std::error_code erreur;
    const auto etat = std::filesystem::status(fichier, erreur);
    if (etat.type() == std::filesystem::file_type::not_found) {
        return 0;
    }
    const auto taille = std::filesystem::file_size(fichier, erreur);
    if (erreur) {
        return std::nullopt;
    }
    return taille;
}

bool Systeme_Fichiers_Reel::Tronquer(const std::filesystem::path& fichier, std::uintmax_t taille) {
    std::FILE* flux = Plateforme::Ouvrir(fichier, "r+b");
    if (flux == nullptr) {
        return false;
    }
    bool reussi = Plateforme::Tronquer(flux, taille);
    reussi = Plateforme::Vers_Disque(flux) && reussi;
    return std::fclose(flux) == 0 && reussi;
}

std::optional<std::vector<Systeme_Dossiers::Entree>>
Systeme_Dossiers_Reel::Lister(const std::filesystem::path& dossier) {
    std::vector<Entree> entrees;
    std::error_code erreur;
    std::filesystem::directory_iterator entree(dossier, erreur);
    if (erreur) {
        if (erreur == std::errc::no_such_file_or_directory) {
            return entrees;
        }
        Noter_Cause(erreur);
        return std::nullopt;
    }
    for (; entree != std::filesystem::directory_iterator(); entree.increment(erreur)) {
        std::error_code type;
        entrees.push_back(
            {entree->path().filename(), entree->is_directory(type) && !entree->is_symlink(type)});
    }
    if (erreur) {
        Noter_Cause(erreur);
        return std::nullopt;
    }
    return entrees;
}

bool Systeme_Dossiers_Reel::Creer_Dossier(const std::filesystem::path& dossier) {
    std::error_code erreur;
    std::filesystem::create_directory(dossier, erreur);
    if (erreur) {
        Noter_Cause(erreur);
        return false;
    }
    // A file of that name is no folder.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(dossier, erreur))) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

bool Systeme_Dossiers_Reel::Deposer(const std::filesystem::path& fichier, std::string_view contenu) {
    return Ecrire_Flux(Creer_Neuf(fichier), contenu, false);
}

bool Systeme_Dossiers_Reel::Forcer_Dossier(const std::filesystem::path& dossier) {
    return Plateforme::Dossier_Entier_Vers_Disque(dossier);
}

bool Systeme_Dossiers_Reel::Renommer_Dossier(const std::filesystem::path& source,
                                             const std::filesystem::path& cible) {
    return Plateforme::Renommer_Sans_Remplacer(source, cible);
}

bool Systeme_Dossiers_Reel::Supprimer_Dossier(const std::filesystem::path& dossier) {
    std::error_code erreur;
    std::filesystem::remove_all(dossier, erreur);
    if (erreur) {
        Noter_Cause(erreur);
    }
    return !erreur;
}

std::vector<std::string> Decouper_Lignes(std::string_view contenu) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < contenu.size()) {
        auto fin = contenu.find('\n', debut);
        if (fin == std::string_view::npos) {
            fin = contenu.size();
        }
        auto ligne = contenu.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.remove_suffix(1);
        }
        lignes.emplace_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

std::string Joindre_Lignes(const std::vector<std::string>& lignes) {
    std::size_t taille = 0;
    for (const auto& ligne : lignes) {
        taille += ligne.size() + 2;
    }
    std::string contenu;
    contenu.reserve(taille);
    for (const auto& ligne : lignes) {
        contenu += ligne;
        contenu += "\r\n";
    }
    return contenu;
}

Lignes_Lues Lire_Lignes(Systeme_Fichiers& fs, const std::filesystem::path& fichier) {
    auto lecture = fs.Lire(fichier);
    switch (lecture.etat) {
    case Systeme_Fichiers::Etat::Present:
        return {true, true, Decouper_Lignes(lecture.contenu)};
    case Systeme_Fichiers::Etat::Absent:
        return {true, false, {}};
    case Systeme_Fichiers::Etat::Erreur:
        break;
    }
    return {false, true, {}};
}

bool Reecrire(Systeme_Fichiers& fs, const std::filesystem::path& fichier,
              const std::filesystem::path& brouillon, const std::vector<std::string>& lignes) {
    return Reecrire_Octets(fs, fichier, brouillon, Joindre_Lignes(lignes));
}

bool Reecrire_Octets(Systeme_Fichiers& fs, const std::filesystem::path& fichier,
                     const std::filesystem::path& brouillon, std::string_view octets) {
    if (fs.Ecrire(brouillon, octets) && fs.Renommer(brouillon, fichier)) {
        return true;
    }
    fs.Supprimer(brouillon);
    return false;
}

bool Ajouter_Ligne(Systeme_Fichiers& fs, const std::filesystem::path& fichier, std::string_view ligne) {
    // Without the old size the append could not be undone, so it is not tried.
    const auto taille = fs.Taille(fichier);
    if (!taille) {
        return false;
    }
    std::string contenu;
    contenu.reserve(ligne.size() + 4);
    const auto dernier = fs.Dernier_Octet(fichier);
    if (dernier == '\r') {
        contenu.append("\n");
    } else if (dernier && *dernier != '\n') {
        contenu.append("\r\n");
    }
    contenu.append(ligne);
    contenu.append("\r\n");
    if (fs.Ajouter(fichier, contenu)) {
        return true;
    }
    // Part of the line may be on the disk: the failure reported must leave no fragment behind.
    fs.Tronquer(fichier, *taille);
    return false;
}

std::filesystem::path Chemin(const std::filesystem::path& dossier, std::string_view nom_1252) {
    return dossier / Plateforme::Nom_Depuis_1252(nom_1252);
}

} // namespace Maravel
