#pragma once
// A fresh data folder per test, removed afterwards; files are read and written as raw bytes.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>

struct Dossier_Temporaire {
    std::filesystem::path chemin =
        std::filesystem::temp_directory_path() / ("maravel_test_" + std::to_string(std::random_device()()));
    Dossier_Temporaire() { std::filesystem::create_directories(chemin); }
    ~Dossier_Temporaire() { std::filesystem::remove_all(chemin); }
    const std::filesystem::path& Chemin() const { return chemin; }
    void Ecrire(const std::string& nom, const std::string& octets) const {
        std::ofstream(chemin / nom, std::ios::binary) << octets;
    }
    std::string Lire(const std::string& nom) const {
        std::ifstream flux(chemin / nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    bool Existe(const std::string& nom) const { return std::filesystem::exists(chemin / nom); }
};

// The bytes of a file holding these lines, each ended by CR LF.
inline std::string Fichier_De(std::initializer_list<std::string> lignes) {
    std::string octets;
    for (const auto& ligne : lignes) {
        octets += ligne + "\r\n";
    }
    return octets;
}
