#include "core/Fichiers.h"

#include "core/Texte1252.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Maravel {

namespace {

std::FILE* Ouvrir_Ajout(const std::filesystem::path& fichier) {
#ifdef _WIN32
    return _wfopen(fichier.c_str(), L"ab");
#else
    return std::fopen(fichier.c_str(), "ab");
#endif
}

// Exclusive creation that never follows a link: a link planted at the scratch name cannot redirect the
// write into another file.
std::FILE* Creer_Neuf(const std::filesystem::path& fichier) {
    std::error_code erreur;
    std::filesystem::remove(fichier, erreur);
    if (erreur) {
        return nullptr;
    }
#ifdef _WIN32
    return _wfopen(fichier.c_str(), L"wbx");
#else
    const int fd = ::open(fichier.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* flux = ::fdopen(fd, "wb");
    if (flux == nullptr) {
        ::close(fd);
    }
    return flux;
#endif
}

bool Vers_Disque(std::FILE* flux) {
    if (std::fflush(flux) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(flux)) == 0;
#else
    return ::fsync(fileno(flux)) == 0;
#endif
}

bool Ecrire_Flux(std::FILE* flux, std::string_view contenu) {
    if (flux == nullptr) {
        return false;
    }
    // An empty view may carry a null pointer, which fwrite must never receive.
    bool reussi = contenu.empty() || std::fwrite(contenu.data(), 1, contenu.size(), flux) == contenu.size();
    reussi = Vers_Disque(flux) && reussi;
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

// A rename is durable only once the folder's entry is on the disk too.
void Dossier_Vers_Disque([[maybe_unused]] const std::filesystem::path& dossier) {
#ifndef _WIN32
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
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
#ifdef _WIN32
    std::FILE* flux = _wfopen(fichier.c_str(), L"rb");
#else
    std::FILE* flux = std::fopen(fichier.c_str(), "rb");
#endif
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
    return Ecrire_Flux(Ouvrir_Ajout(fichier), contenu);
}

bool Systeme_Fichiers_Reel::Renommer(const std::filesystem::path& source,
                                     const std::filesystem::path& cible) {
    const auto reelle = Sans_Lien(cible);
    std::error_code erreur;
    std::filesystem::rename(source, reelle, erreur);
    if (erreur) {
        return false;
    }
    Dossier_Vers_Disque(reelle.parent_path());
    return true;
}

bool Systeme_Fichiers_Reel::Supprimer(const std::filesystem::path& fichier) {
    std::error_code erreur;
    std::filesystem::remove(fichier, erreur);
    return !erreur;
}

std::optional<char> Systeme_Fichiers_Reel::Dernier_Octet(const std::filesystem::path& fichier) {
    std::ifstream flux(fichier, std::ios::binary | std::ios::ate);
    if (!flux || flux.tellg() <= 0) {
        return std::nullopt;
    }
    flux.seekg(-1, std::ios::end);
    char octet = 0;
    if (!flux.get(octet)) {
        return std::nullopt;
    }
    return octet;
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
#ifdef _WIN32
    std::FILE* flux = _wfopen(fichier.c_str(), L"r+b");
    if (flux == nullptr) {
        return false;
    }
    bool reussi = _chsize_s(_fileno(flux), static_cast<long long>(taille)) == 0;
#else
    std::FILE* flux = std::fopen(fichier.c_str(), "r+b");
    if (flux == nullptr) {
        return false;
    }
    bool reussi = ::ftruncate(fileno(flux), static_cast<off_t>(taille)) == 0;
#endif
    reussi = Vers_Disque(flux) && reussi;
    return std::fclose(flux) == 0 && reussi;
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
    return dossier / std::filesystem::path(Utf8_Depuis_1252(nom_1252));
}

} // namespace Maravel
