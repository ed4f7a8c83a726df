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

std::FILE* Ouvrir(const std::filesystem::path& fichier, bool ajout) {
#ifdef _WIN32
    return _wfopen(fichier.c_str(), ajout ? L"ab" : L"wb");
#else
    return std::fopen(fichier.c_str(), ajout ? "ab" : "wb");
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

bool Ecrire_Flux(const std::filesystem::path& fichier, std::string_view contenu, bool ajout) {
    std::FILE* flux = Ouvrir(fichier, ajout);
    if (flux == nullptr) {
        return false;
    }
    // An empty view may carry a null pointer, which fwrite must never receive.
    bool reussi = contenu.empty() || std::fwrite(contenu.data(), 1, contenu.size(), flux) == contenu.size();
    reussi = Vers_Disque(flux) && reussi;
    reussi = std::fclose(flux) == 0 && reussi;
    return reussi;
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
    return Ecrire_Flux(fichier, contenu, false);
}

bool Systeme_Fichiers_Reel::Ajouter(const std::filesystem::path& fichier, std::string_view contenu) {
    return Ecrire_Flux(fichier, contenu, true);
}

bool Systeme_Fichiers_Reel::Renommer(const std::filesystem::path& source,
                                     const std::filesystem::path& cible) {
    std::error_code erreur;
    std::filesystem::rename(source, cible, erreur);
    if (erreur) {
        return false;
    }
    Dossier_Vers_Disque(cible.parent_path());
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
    if (fs.Ecrire(brouillon, Joindre_Lignes(lignes)) && fs.Renommer(brouillon, fichier)) {
        return true;
    }
    fs.Supprimer(brouillon);
    return false;
}

bool Ajouter_Ligne(Systeme_Fichiers& fs, const std::filesystem::path& fichier, std::string_view ligne) {
    std::string contenu;
    contenu.reserve(ligne.size() + 4);
    const auto dernier = fs.Dernier_Octet(fichier);
    if (dernier && *dernier != '\n') {
        contenu.append("\r\n");
    }
    contenu.append(ligne);
    contenu.append("\r\n");
    return fs.Ajouter(fichier, contenu);
}

std::filesystem::path Chemin(const std::filesystem::path& dossier, std::string_view nom_1252) {
    return dossier / std::filesystem::path(Utf8_Depuis_1252(nom_1252));
}

} // namespace Maravel
