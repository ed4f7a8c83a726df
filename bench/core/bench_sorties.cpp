// What the operator waits for after choosing an export or the saved report on a 10,000-QSO log: the log
// read, every line formatted, the new file written, flushed to the disk and renamed into place.

#include "core/Fichiers.h"
#include "core/Qso.h"
#include "core/Sorties.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace Maravel;

namespace {

constexpr std::size_t Qso_Log = 10'000;
constexpr std::string_view Bandes[] = {"1.8", "3.5", "7", "10", "14", "144", "432"};

class Banc_Sorties {
public:
    Banc_Sorties() {
        std::random_device alea;
        m_dossier =
            std::filesystem::temp_directory_path() / ("maravel_bench_sorties_" + std::to_string(alea()));
        std::filesystem::create_directories(m_dossier);
        std::vector<std::string> log;
        for (std::size_t n = 0; n < Qso_Log; ++n) {
            const std::string minute = std::to_string(10 + n % 50);
            log.push_back(*Ligne_Qso({"01/03/24", "14:" + minute, "F" + std::to_string(n) + "XYZ", "75",
                                      n % 3 == 0 ? "" : "J\xC9R\xD4ME", "599", "59", "CW",
                                      std::string(Bandes[n % std::size(Bandes)]), "CH\xC2TEAU DE LA LOIRE"}));
        }
        Systeme_Fichiers_Reel fs;
        Reecrire(fs, Chemin(m_dossier, m_activation.Num_Activite + ".txt"), m_dossier / Brouillon, log);
    }
    ~Banc_Sorties() {
        std::error_code erreur;
        std::filesystem::remove_all(m_dossier, erreur);
    }
    const std::filesystem::path& Dossier() const { return m_dossier; }
    const ActivationRecord& Activation() const { return m_activation; }

private:
    std::filesystem::path m_dossier;
    ActivationRecord m_activation{"F4XYZ", "",      "BENCH",       "Ch\xE2teau de Brest",
                                  "2920",  "Brest", "Ch\xE2teaux", "04/12/26"};
};

Banc_Sorties& Le_Banc() {
    static Banc_Sorties banc;
    return banc;
}

void Sortie_Adif(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    Le_Banc(); // the log is written before the timing starts
    for (auto _ : state) {
        if (!Exporter_Adif(fs, Le_Banc().Dossier(), Le_Banc().Activation()).Reussi) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(Sortie_Adif)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void Sortie_Trafic(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    Le_Banc(); // the log is written before the timing starts
    for (auto _ : state) {
        if (!Exporter_Trafic(fs, Le_Banc().Dossier(), Le_Banc().Activation()).Reussi) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(Sortie_Trafic)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void Sortie_Rapport(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const Moment date{2026, 12, 4, 10, 0, 0};
    Le_Banc();
    for (auto _ : state) {
        if (!Enregistrer_Rapport(fs, Le_Banc().Dossier(), Le_Banc().Activation(), date).Reussi) {
            state.SkipWithError("report failed");
        }
    }
}
BENCHMARK(Sortie_Rapport)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
