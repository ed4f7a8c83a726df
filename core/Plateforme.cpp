#include "core/Plateforme.h"

#include "core/Texte1252.h"

#include <cerrno>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Maravel::Plateforme {

#ifdef _WIN32

namespace {

HANDLE Poignee(std::FILE* flux) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(flux)));
}

// Callers read the cause of a failure in errno, as on POSIX systems; the Windows calls leave theirs in
// GetLastError.
bool Cause(bool reussi) {
    if (reussi) {
        return true;
    }
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        errno = EACCES;
        break;
    case ERROR_WRITE_PROTECT:
        errno = EROFS;
        break;
    case ERROR_NOT_READY:
        errno = ENODEV;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        errno = EEXIST;
        break;
    default:
        errno = EIO;
    }
    return false;
}

} // namespace

std::FILE* Ouvrir(const std::filesystem::path& fichier, const char* mode) {
    std::wstring large;
    for (const char* c = mode; *c != '\0'; ++c) {
        large.push_back(static_cast<wchar_t>(*c));
    }
    std::FILE* flux = _wfopen(fichier.c_str(), large.c_str());
    // A folder in place of the file is told as such, as on POSIX systems, not as a refused access.
    std::error_code erreur;
    if (flux == nullptr && errno == EACCES && std::filesystem::is_directory(fichier, erreur)) {
        errno = EISDIR;
    }
    return flux;
}

std::FILE* Creer_Exclusif(const std::filesystem::path& fichier) {
    const HANDLE poignee =
        CreateFileW(fichier.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Cause(poignee != INVALID_HANDLE_VALUE)) {
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(poignee), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(poignee);
        return nullptr;
    }
    std::FILE* flux = _fdopen(fd, "wb");
    if (flux == nullptr) {
        _close(fd);
    }
    return flux;
}

bool Vers_Disque(std::FILE* flux) {
    if (std::fflush(flux) != 0) {
        return false;
    }
    const HANDLE poignee = Poignee(flux);
    return Cause(poignee != INVALID_HANDLE_VALUE && FlushFileBuffers(poignee) != 0);
}

bool Tronquer(std::FILE* flux, std::uintmax_t taille) {
    const HANDLE poignee = Poignee(flux);
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(taille);
    return std::fflush(flux) == 0 &&
           Cause(poignee != INVALID_HANDLE_VALUE &&
                 SetFilePointerEx(poignee, position, nullptr, FILE_BEGIN) != 0 && SetEndOfFile(poignee) != 0);
}

// Windows has no flush of a whole folder or volume for an ordinary user: each file is flushed.
bool Dossier_Entier_Vers_Disque(const std::filesystem::path& dossier) {
    std::error_code erreur;
    for (std::filesystem::directory_iterator entree(dossier, erreur), fin; !erreur && entree != fin;
         entree.increment(erreur)) {
        if (!entree->is_regular_file(erreur)) {
            continue;
        }
        const HANDLE poignee = CreateFileW(entree->path().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (!Cause(poignee != INVALID_HANDLE_VALUE)) {
            return false;
        }
        const bool reussi = Cause(FlushFileBuffers(poignee) != 0);
        CloseHandle(poignee);
        if (!reussi) {
            return false;
        }
    }
    if (erreur) {
        errno = erreur.default_error_condition().value();
        return false;
    }
    return true;
}

bool Renommer_Sans_Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible) {
    return Cause(MoveFileExW(source.c_str(), cible.c_str(), MOVEFILE_WRITE_THROUGH) != 0);
}

// Write-through makes the new entry durable without a folder flush, which Windows does not offer.
bool Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible) {
    return Cause(
        MoveFileExW(source.c_str(), cible.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0);
}

// Straight to the wide name: going through a narrow string would apply the ANSI code page of the day.
std::filesystem::path Nom_Depuis_1252(std::string_view nom_1252) {
    const std::u16string nom = Depuis_1252(nom_1252);
    return std::filesystem::path(std::wstring(nom.begin(), nom.end()));
}

std::tm Heure_UTC(std::time_t instant) {
    std::tm t{};
    gmtime_s(&t, &instant);
    return t;
}

std::tm Heure_Locale(std::time_t instant) {
    std::tm t{};
    localtime_s(&t, &instant);
    return t;
}

// The runtime's own rules, which also stamp the local clock, so that a local QSO converts back exactly.
std::optional<std::tm> Locale_Vers_UTC(std::tm locale) {
    locale.tm_isdst = -1;
    const __time64_t instant = _mktime64(&locale);
    std::tm utc{};
    if (instant == -1 || _gmtime64_s(&utc, &instant) != 0) {
        return std::nullopt;
    }
    return utc;
}

#else

namespace {

// A rename is durable only once the folder's entry is on the disk too.
void Dossier_Vers_Disque(const std::filesystem::path& dossier) {
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::FILE* Ouvrir(const std::filesystem::path& fichier, const char* mode) {
    return std::fopen(fichier.c_str(), mode);
}

// Exclusive creation that never follows a link: a link planted at the scratch name cannot redirect the
// write into another file.
std::FILE* Creer_Exclusif(const std::filesystem::path& fichier) {
    const int fd = ::open(fichier.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* flux = ::fdopen(fd, "wb");
    if (flux == nullptr) {
        ::close(fd);
    }
    return flux;
}

bool Vers_Disque(std::FILE* flux) {
    if (std::fflush(flux) != 0) {
        return false;
    }
    return ::fsync(fileno(flux)) == 0;
}

bool Tronquer(std::FILE* flux, std::uintmax_t taille) {
    return ::ftruncate(fileno(flux), static_cast<off_t>(taille)) == 0;
}

bool Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible) {
    std::error_code erreur;
    std::filesystem::rename(source, cible, erreur);
    if (erreur) {
        return false;
    }
    Dossier_Vers_Disque(cible.parent_path());
    return true;
}

bool Dossier_Entier_Vers_Disque(const std::filesystem::path& dossier) {
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
#ifdef __linux__
    // One call writes out the whole file system's pending data: one disk commit instead of one per file.
    bool reussi = ::syncfs(fd) == 0;
#else
    bool reussi = true;
    std::error_code erreur;
    for (std::filesystem::directory_iterator entree(dossier, erreur), fin; reussi && !erreur && entree != fin;
         entree.increment(erreur)) {
        if (entree->is_regular_file(erreur)) {
            const int fichier = ::open(entree->path().c_str(), O_RDONLY | O_CLOEXEC);
            reussi = fichier >= 0 && ::fsync(fichier) == 0;
            if (fichier >= 0) {
                ::close(fichier);
            }
        }
    }
    reussi = reussi && !erreur;
#endif
    reussi = ::fsync(fd) == 0 && reussi;
    ::close(fd);
    return reussi;
}

// The program holds the data folder's lock, so nothing can appear at `cible` between the test and the
// rename.
bool Renommer_Sans_Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible) {
    std::error_code erreur;
    if (std::filesystem::symlink_status(cible, erreur).type() != std::filesystem::file_type::not_found) {
        errno = EEXIST;
        return false;
    }
    return Remplacer(source, cible);
}

std::filesystem::path Nom_Depuis_1252(std::string_view nom_1252) {
    return std::filesystem::path(Utf8_Depuis_1252(nom_1252));
}

std::tm Heure_UTC(std::time_t instant) {
    std::tm t{};
    gmtime_r(&instant, &t);
    return t;
}

std::tm Heure_Locale(std::time_t instant) {
    std::tm t{};
    localtime_r(&instant, &t);
    return t;
}

// -1 lets the system decide whether summer time was in force on that date.
std::optional<std::tm> Locale_Vers_UTC(std::tm locale) {
    locale.tm_isdst = -1;
    errno = 0;
    const std::time_t instant = std::mktime(&locale);
    std::tm utc{};
    if ((instant == -1 && errno != 0) || gmtime_r(&instant, &utc) == nullptr) {
        return std::nullopt;
    }
    return utc;
}

#endif

} // namespace Maravel::Plateforme
