#pragma once
// A fresh data folder per test, removed afterwards; files, named in Windows-1252, are read and written as
// raw bytes.

#include "core/Texte1252.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

struct Dossier_Temporaire {
    std::filesystem::path chemin =
        std::filesystem::temp_directory_path() / ("maravel_test_" + std::to_string(std::random_device()()));
    Dossier_Temporaire() { std::filesystem::create_directories(chemin); }
    ~Dossier_Temporaire() { std::filesystem::remove_all(chemin); }
    const std::filesystem::path& Chemin() const { return chemin; }
    // Through UTF-16, the way the system names files on both Linux and Windows.
    std::filesystem::path Fichier(const std::string& nom) const { return chemin / Maravel::Depuis_1252(nom); }
    void Ecrire(const std::string& nom, const std::string& octets) const {
        std::ofstream(Fichier(nom), std::ios::binary) << octets;
    }
    std::string Lire(const std::string& nom) const {
        std::ifstream flux(Fichier(nom), std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    bool Existe(const std::string& nom) const { return std::filesystem::exists(Fichier(nom)); }
};

// The bytes of a file holding these lines, each ended by CR LF.
inline std::string Fichier_De(std::initializer_list<std::string> lignes) {
    std::string octets;
    for (const auto& ligne : lignes) {
        octets += ligne + "\r\n";
    }
    return octets;
}

// Lines the tests share: three QSOs of one day, two first-name memory lines, an activation list line with
// "\xE9" for its one byte.
inline const std::string A =
    "01/03/24  10:00  F1AAA         75  PAUL             59  59  SSB     7 Mhz " + std::string(30, ' ');
inline const std::string B =
    "01/03/24  11:00  F1BBB         75  PAUL             59  59  SSB     7 Mhz " + std::string(30, ' ');
inline const std::string C =
    "01/03/24  12:00  F1CCC         75  PAUL             59  59  SSB     7 Mhz " + std::string(30, ' ');
inline const std::string Paul = "F1ABC        75 PAUL", Anne = "G3XYZ           ANNE";
inline const std::string Halloy = "DMF-123      ON4XYZ/P   Ch\xE9teau" + std::string(34, ' ') +
                                  "5590  Activation   12/11/05 Halloy" + std::string(30, ' ');

// Windows-1252 bytes of text written here in UTF-8: its accented letters are all in Latin-1, where the two
// agree, so that expected texts read as the operator sees them.
inline std::string Latin1(std::string_view utf8) {
    std::string octets;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        octets += c == 0xC2 || c == 0xC3 ? static_cast<char>((c == 0xC3 ? 0xC0 : 0x80) | (utf8[++i] & 0x3F))
                                         : utf8[i];
    }
    return octets;
}
