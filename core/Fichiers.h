#pragma once
// The text-file layer every data file goes through: Windows-1252 lines ended by CR LF, read leniently,
// rewritten only by a complete new version renamed over the old one, appended with a flush to disk.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

// What the layer needs from the operating system; tests put a failing double in its place.
class Systeme_Fichiers {
public:
    enum class Etat { Present, Absent, Erreur };
    struct Lecture {
        Etat etat = Etat::Absent;
        std::string contenu;
    };

    virtual ~Systeme_Fichiers() = default;
    virtual Lecture Lire(const std::filesystem::path& fichier) = 0;
    // Creates the file anew as a plain file (whatever stood at its name, a link included, is removed first,
    // never written through), writes everything, flushes it to the disk and closes it.
    virtual bool Ecrire(const std::filesystem::path& fichier, std::string_view contenu) = 0;
    // Appends at the end (creating the file when needed) and flushes to the disk before returning.
    virtual bool Ajouter(const std::filesystem::path& fichier, std::string_view contenu) = 0;
    // Replaces `cible` by `source` in one step: at no moment is `cible` missing. A `cible` that is a
    // symbolic link is replaced at its target, so the link keeps pointing at the new content.
    virtual bool Renommer(const std::filesystem::path& source, const std::filesystem::path& cible) = 0;
    virtual bool Supprimer(const std::filesystem::path& fichier) = 0;
    // The file's last byte, or nothing when it is empty, missing or unreadable.
    virtual std::optional<char> Dernier_Octet(const std::filesystem::path& fichier) = 0;
    // 0 for a missing file; nothing when the size cannot be known.
    virtual std::optional<std::uintmax_t> Taille(const std::filesystem::path& fichier) = 0;
    // Cuts the file back to `taille` bytes and flushes it to the disk.
    virtual bool Tronquer(const std::filesystem::path& fichier, std::uintmax_t taille) = 0;
};

// What the daily backup needs beyond single files: folders, and many files forced to the disk at once
// rather than one by one.
class Systeme_Dossiers {
public:
    struct Entree {
        std::filesystem::path nom;
        bool dossier = false;
    };

    virtual ~Systeme_Dossiers() = default;
    // The entries of a folder; none for a missing folder, nothing when it cannot be read.
    virtual std::optional<std::vector<Entree>> Lister(const std::filesystem::path& dossier) = 0;
    // True when the folder exists afterwards.
    virtual bool Creer_Dossier(const std::filesystem::path& dossier) = 0;
    // Creates the file anew as Ecrire does, but leaves it to Forcer_Dossier to reach the disk.
    virtual bool Deposer(const std::filesystem::path& fichier, std::string_view contenu) = 0;
    // Every file of the folder, and the folder's entries, on the disk.
    virtual bool Forcer_Dossier(const std::filesystem::path& dossier) = 0;
    // Fails when `cible` exists: a folder is never replaced.
    virtual bool Renommer_Dossier(const std::filesystem::path& source,
                                  const std::filesystem::path& cible) = 0;
    // The folder and everything in it.
    virtual bool Supprimer_Dossier(const std::filesystem::path& dossier) = 0;
};

class Systeme_Dossiers_Reel final : public Systeme_Dossiers {
public:
    std::optional<std::vector<Entree>> Lister(const std::filesystem::path& dossier) override;
    bool Creer_Dossier(const std::filesystem::path& dossier) override;
    bool Deposer(const std::filesystem::path& fichier, std::string_view contenu) override;
    bool Forcer_Dossier(const std::filesystem::path& dossier) override;
    bool Renommer_Dossier(const std::filesystem::path& source, const std::filesystem::path& cible) override;
    bool Supprimer_Dossier(const std::filesystem::path& dossier) override;
};

class Systeme_Fichiers_Reel final : public Systeme_Fichiers {
public:
    Lecture Lire(const std::filesystem::path& fichier) override;
    bool Ecrire(const std::filesystem::path& fichier, std::string_view contenu) override;
    bool Ajouter(const std::filesystem::path& fichier, std::string_view contenu) override;
    bool Renommer(const std::filesystem::path& source, const std::filesystem::path& cible) override;
    bool Supprimer(const std::filesystem::path& fichier) override;
    std::optional<char> Dernier_Octet(const std::filesystem::path& fichier) override;
    std::optional<std::uintmax_t> Taille(const std::filesystem::path& fichier) override;
    bool Tronquer(const std::filesystem::path& fichier, std::uintmax_t taille) override;
};

// Lines without their CR LF (or LF). A last line without line end is kept; a final line end adds no
// empty line; a CR alone at the very end of the file ends the last line.
std::vector<std::string> Decouper_Lignes(std::string_view contenu);
std::string Joindre_Lignes(const std::vector<std::string>& lignes);

struct Lignes_Lues {
    bool lisible = true; // false: the file exists but could not be read
    bool present = false;
    std::vector<std::string> lignes;
};

// A missing file reads as no line.
Lignes_Lues Lire_Lignes(Systeme_Fichiers& fs, const std::filesystem::path& fichier);

// Writes the lines to `brouillon` in the same folder, then renames it over `fichier`. On any failure the
// old file stays whole and the scratch file is removed.
bool Reecrire(Systeme_Fichiers& fs, const std::filesystem::path& fichier,
              const std::filesystem::path& brouillon, const std::vector<std::string>& lignes);
bool Reecrire_Octets(Systeme_Fichiers& fs, const std::filesystem::path& fichier,
                     const std::filesystem::path& brouillon, std::string_view octets);

// A last line left without its line end by a hand edit is closed first, so that two lines never merge.
// An append that fails half-way (a full disk) is cut back: on failure the file is as it was.
bool Ajouter_Ligne(Systeme_Fichiers& fs, const std::filesystem::path& fichier, std::string_view ligne);

// A file of the data folder named by Windows-1252 text.
std::filesystem::path Chemin(const std::filesystem::path& dossier, std::string_view nom_1252);

// The scratch file of every rewrite of the data folder. Every file the program names after an activity
// number ends in ".txt", ".adi" or ".ctf": no number can produce this name, so a rewrite never takes an
// operator's file for its scratch file, nor the other way round.
inline constexpr std::string_view Brouillon = "Maravel_ON.brouillon";
inline constexpr std::string_view Extension_Brouillon = ".brouillon";

} // namespace Maravel
