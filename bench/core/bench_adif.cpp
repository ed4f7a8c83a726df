// ADIF with other programs: the complete export of a 10,000-QSO log (read, formatted, written, flushed
// and renamed into place), and the first names imported from another logger's 100,000-QSO file (read
// whole, parsed, sorted out, merged into an empty memory written once).

#include "core/Adif_Complet.h"
#include "core/Fichiers.h"
#include "core/Import_Prenoms.h"
#include "core/Qso.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace Maravel;

namespace {

class Banc_Adif {
public:
    Banc_Adif() {
        std::random_device alea;
        m_dossier = std::filesystem::temp_directory_path() / ("maravel_bench_adif_" + std::to_string(alea()));
        std::filesystem::create_directories(m_dossier);
        constexpr const char* Modes[] = {"SSB", "CW", "FT8", "USB"};
        constexpr const char* Bandes[] = {"3.5", "7", "14", "144"};
        std::vector<std::string> log;
        for (std::size_t n = 0; n < 10'000; ++n) {
            log.push_back(*Ligne_Qso({"01/03/24", "14:" + std::to_string(10 + n % 50),
                                      "F" + std::to_string(n) + "XYZ", "75", "J\xC9R\xD4ME", "599", "59",
                                      Modes[n % 4], Bandes[n % 4], "CH\xC2TEAU DE LA LOIRE"}));
        }
        Systeme_Fichiers_Reel fs;
        Reecrire(fs, Chemin(m_dossier, "BENCH.txt"), m_dossier / Brouillon, log);
        // What another logger writes: many fields per QSO, UTF-8, 20,000 stations worked five times each.
        std::string adif = "Export\r\n<ADIF_VER:5>3.1.4\r\n<EOH>\r\n";
        for (std::size_t n = 0; n < 100'000; ++n) {
            const std::string indicatif = (n % 2 ? "DL" : "F") + std::to_string(n % 20'000) + "AB";
            adif += "<CALL:" + std::to_string(indicatif.size()) + ">" + indicatif +
                    "<QSO_DATE:8>20240301<TIME_ON:6>142500<TIME_OFF:6>142700<BAND:3>40m<FREQ:8>7.074000"
                    "<MODE:3>FT8<RST_SENT:3>-10<RST_RCVD:3>-12<NAME:7>J\xC3\xA9r\xC3\xB4me<QTH:5>Paris"
                    "<STATE:2>75<GRIDSQUARE:4>JN18<COMMENT:18>Tnx for the QSO 73<OPERATOR:5>F4XYZ<EOR>\r\n";
        }
        fs.Ecrire(m_dossier / "autre.adi", adif);
    }
    ~Banc_Adif() {
        std::error_code erreur;
        std::filesystem::remove_all(m_dossier, erreur);
    }
    const std::filesystem::path& Dossier() const { return m_dossier; }

private:
    std::filesystem::path m_dossier;
};

Banc_Adif& Le_Banc() {
    static Banc_Adif banc;
    return banc;
}

void Export_Adif_Complet(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const ActivationRecord activation{"F4XYZ", "", "BENCH", "Ch\xE2teau", "2920", "Brest", "", "04/12/26"};
    const Options_Adif_Complet options{"DMF", true, "1.0.0", {2024, 3, 1, 14, 25, 0}};
    Le_Banc(); // the log is written before the timing starts
    for (auto _ : state) {
        if (!Exporter_Adif_Complet(fs, Le_Banc().Dossier(), activation, options).Reussi) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(Export_Adif_Complet)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Into an empty memory each time: 20,000 lines written.
void Import_Prenoms_100000_Qso(benchmark::State& state) {
    Systeme_Fichiers_Reel fs;
    const auto& dossier = Le_Banc().Dossier();
    for (auto _ : state) {
        state.PauseTiming();
        fs.Supprimer(dossier / "Liste_Prenom.txt");
        state.ResumeTiming();
        if (!Importer_Prenoms(fs, dossier, dossier / "autre.adi").Reussi) {
            state.SkipWithError("import failed");
        }
    }
}
BENCHMARK(Import_Prenoms_100000_Qso)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
