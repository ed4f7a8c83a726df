#pragma once
// The few calls that differ between Windows and POSIX systems; the rest of core/ is plain C++ and never
// asks which system it runs on.

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

namespace Maravel::Plateforme {

// fopen with a byte mode ("rb", "ab", "r+b"); the name may hold any character.
std::FILE* Ouvrir(const std::filesystem::path& fichier, const char* mode);
// A new file for writing; fails when anything, a link included, already stands at its name.
std::FILE* Creer_Exclusif(const std::filesystem::path& fichier);
// Pushes the stream's buffer then the system's cache to the disk.
bool Vers_Disque(std::FILE* flux);
bool Tronquer(std::FILE* flux, std::uintmax_t taille);
// Puts `source` in place of an existing `cible` in one step, durably (the folder's entry included).
bool Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible);
// Every file written in the folder, and the folder's own entries, on the disk: many files in one go,
// where one flush per file would cost a disk commit each.
bool Dossier_Entier_Vers_Disque(const std::filesystem::path& dossier);
// Renames a file or a folder, durably; fails when anything stands at `cible`.
bool Renommer_Sans_Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible);
// A file name written in Windows-1252, as the system spells it.
std::filesystem::path Nom_Depuis_1252(std::string_view nom_1252);
std::tm Heure_UTC(std::time_t instant);
std::tm Heure_Locale(std::time_t instant);
// The UTC time of a local date and time, by this computer's time-zone rules for that date (summer time
// included); fields out of range are carried over (minute 60 is the next hour). Nothing when the system
// cannot place it in time.
std::optional<std::tm> Locale_Vers_UTC(std::tm locale);

} // namespace Maravel::Plateforme
