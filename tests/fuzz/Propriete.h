#pragma once
// Shared by the fuzz targets: a property that must hold (else the run stops, so that the fuzzer keeps
// the input), and one data folder per process for the targets that go through real files.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#define EXIGER(condition)                                                                                    \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition);                             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

inline const std::filesystem::path& Dossier_Fuzz() {
    static const struct Dossier {
        std::filesystem::path chemin =
            std::filesystem::temp_directory_path() / ("maravel_fuzz_" + std::to_string(::getpid()));
        Dossier() { std::filesystem::create_directories(chemin); }
        ~Dossier() { std::filesystem::remove_all(chemin); }
    } dossier;
    return dossier.chemin;
}

inline std::string Octets_Fuzz(const unsigned char* donnees, std::size_t taille) {
    return {reinterpret_cast<const char*>(donnees), taille};
}
