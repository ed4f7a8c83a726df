// What an operator waits for at each QSO: the flushed append, the reload, the duplicate check and the
// first-name memory, next to the bare cost of one flushed append that no layer can go below.

#include "core/Journal.h"
#include "core/Prenoms.h"
#include "core/Qso.h"
#include "core/Saisie.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Maravel;

namespace {

constexpr std::size_t Lignes_Log = 10'000;
constexpr std::size_t Indicatifs_Memoire = 5'000;

std::string Indicatif(std::size_t n) {
    return "F" + std::to_string(n) + "XYZ";
}

std::string Ligne_Log(std::size_t n) {
    const std::string minute = std::to_string(10 + n % 50);
    return *Ligne_Qso({"01/03/24", "14:" + minute, Indicatif(n), "75", "J\xC9R\xD4ME", "599", "599", "CW",
                       "7", "CH\xC2TEAU DE LA LOIRE"});
}

// One data folder for the whole run, filled once and removed at exit.
class Banc {
public:
    Banc() {
        std::random_device alea;
        m_dossier = std::filesystem::temp_directory_path() / ("maravel_bench_" + std::to_string(alea()));
        std::filesystem::create_directories(m_dossier);
        std::vector<std::string> log;
        for (std::size_t n = 0; n < Lignes_Log; ++n) {
            log.push_back(Ligne_Log(n));
        }
        std::vector<std::string> memoire;
        for (std::size_t n = 0; n < Indicatifs_Memoire; ++n) {
            memoire.push_back(Ligne_Prenom(Indicatif(n), "75", "PRENOM" + std::to_string(n % 100)));
        }
        Systeme_Fichiers_Reel fs;
        for (const char* nom : {"AJOUT.txt", "BRUT.txt", "LECTURE.txt"}) {
            Reecrire(fs, m_dossier / nom, m_dossier / Brouillon, log);
        }
        Reecrire(fs, m_dossier / Fichier_Prenoms, m_dossier / Brouillon, memoire);
        m_log = std::move(log);
    }
    ~Banc() {
        std::error_code erreur;
        std::filesystem::remove_all(m_dossier, erreur);
    }
    const std::filesystem::path& Dossier() const { return m_dossier; }
    const std::vector<std::string>& Log() const { return m_log; }

private:
    std::filesystem::path m_dossier;
    std::vector<std::string> m_log;
};

Banc& Le_Banc() {
    static Banc banc;
    return banc;
}

// (a) The floor: open, write the 106 bytes, flush to the disk, close.
void Ajout_Brut(benchmark::State& state) {
    const auto fichier = Le_Banc().Dossier() / "BRUT.txt";
    const std::string octets = Ligne_Log(1) + "\r\n";
    for (auto _ : state) {
#ifdef _WIN32
        std::FILE* flux = _wfopen(fichier.c_str(), L"ab");
        std::fwrite(octets.data(), 1, octets.size(), flux);
        std::fflush(flux);
        _commit(_fileno(flux));
#else
        std::FILE* flux = std::fopen(fichier.c_str(), "ab");
        std::fwrite(octets.data(), 1, octets.size(), flux);
        std::fflush(flux);
        ::fsync(fileno(flux));
#endif
        std::fclose(flux);
    }
}
BENCHMARK(Ajout_Brut)->Unit(benchmark::kMicrosecond);

// (b) The log grows by one line per iteration, which does not change the cost of an append.
void Journal_Ajouter(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, Le_Banc().Dossier(), "AJOUT");
    const std::string ligne = Ligne_Log(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(journal.Ajouter(ligne));
    }
}
BENCHMARK(Journal_Ajouter)->Unit(benchmark::kMicrosecond);

// (c)
void Journal_Lire(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, Le_Banc().Dossier(), "LECTURE");
    for (auto _ : state) {
        auto lues = journal.Lire();
        benchmark::DoNotOptimize(lues.lignes.data());
    }
}
BENCHMARK(Journal_Lire)->Unit(benchmark::kMicrosecond);

// (d) A callsign never worked: the scan reads every line.
void Cherche_Indicatif_Absent(benchmark::State& state) {
    const auto& log = Le_Banc().Log();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cherche_Indicatif(log, "TK5ZZZ", "7", "CW"));
    }
}
BENCHMARK(Cherche_Indicatif_Absent)->Unit(benchmark::kMicrosecond);

// (d') What the callsign's Enter costs in full: the log read afresh, then scanned.
void Lire_Et_Cherche_Indicatif(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, Le_Banc().Dossier(), "LECTURE");
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cherche_Indicatif(journal.Lire().lignes, "TK5ZZZ", "7", "CW"));
    }
}
BENCHMARK(Lire_Et_Cherche_Indicatif)->Unit(benchmark::kMicrosecond);

// (e) One QSO's look-up and update of the first-name memory.
void Prenom_Connu_Inchange(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const auto& dossier = Le_Banc().Dossier();
    const std::string indicatif = Indicatif(Indicatifs_Memoire / 2);
    for (auto _ : state) {
        const auto fiche = Cherche_Prenom(fs, dossier, indicatif);
        benchmark::DoNotOptimize(
            Ajout_Prenom(fs, dossier, Ligne_Prenom(indicatif, fiche->Departement, fiche->Prenom)));
    }
}
BENCHMARK(Prenom_Connu_Inchange)->Unit(benchmark::kMicrosecond);

void Prenom_Connu_Change(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const auto& dossier = Le_Banc().Dossier();
    const std::string indicatif = Indicatif(Indicatifs_Memoire / 2 + 1);
    bool bascule = false;
    for (auto _ : state) {
        const auto fiche = Cherche_Prenom(fs, dossier, indicatif);
        benchmark::DoNotOptimize(fiche);
        bascule = !bascule;
        benchmark::DoNotOptimize(
            Ajout_Prenom(fs, dossier, Ligne_Prenom(indicatif, "13", bascule ? "PAUL" : "PIERRE")));
    }
}
BENCHMARK(Prenom_Connu_Change)->Unit(benchmark::kMicrosecond);

// The appended line is cut off again outside the timing, so the memory keeps its 5,000 callsigns.
void Prenom_Nouveau(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const auto& dossier = Le_Banc().Dossier();
    const auto fichier = dossier / Fichier_Prenoms;
    const auto taille = std::filesystem::file_size(fichier);
    std::size_t n = 0;
    for (auto _ : state) {
        const std::string indicatif = "TM" + std::to_string(++n) + "N";
        benchmark::DoNotOptimize(Cherche_Prenom(fs, dossier, indicatif));
        benchmark::DoNotOptimize(Ajout_Prenom(fs, dossier, Ligne_Prenom(indicatif, "", "NOUVEAU")));
        state.PauseTiming();
        std::filesystem::resize_file(fichier, taille);
        state.ResumeTiming();
    }
}
BENCHMARK(Prenom_Nouveau)->Unit(benchmark::kMicrosecond);

} // namespace
