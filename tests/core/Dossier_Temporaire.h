#pragma once
// A fresh data folder per test, removed afterwards; files are read and written as raw bytes.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>

class Dossier_Temporaire {
public:
    Dossier_Temporaire() {
        std::random_device alea;
        m_chemin = std::filesystem::temp_directory_path() /
                   ("maravel_test_" + std::to_string(alea()) + "_" + std::to_string(alea()));
        std::filesystem::create_directories(m_chemin);
    }
    ~Dossier_Temporaire() {
        std::error_code erreur;
        std::filesystem::remove_all(m_chemin, erreur);
    }
    Dossier_Temporaire(const Dossier_Temporaire&) = delete;
    Dossier_Temporaire& operator=(const Dossier_Temporaire&) = delete;

    const std::filesystem::path& Chemin() const { return m_chemin; }

    void Ecrire(const std::string& nom, const std::string& octets) const {
        std::ofstream(m_chemin / nom, std::ios::binary) << octets;
    }
    std::string Lire(const std::string& nom) const {
        std::ifstream flux(m_chemin / nom, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    bool Existe(const std::string& nom) const { return std::filesystem::exists(m_chemin / nom); }

private:
    std::filesystem::path m_chemin;
};

// The bytes of a file holding these lines, each ended by CR LF.
inline std::string Fichier_De(std::initializer_list<std::string> lignes) {
    std::string octets;
    for (const auto& ligne : lignes) {
        octets += ligne + "\r\n";
    }
    return octets;
}
