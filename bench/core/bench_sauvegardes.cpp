// What the daily backup adds to the first start of a day: a data folder of 200 logs of 1,000 QSOs each
// read, copied, read back, forced to the disk and renamed into place.

#include "core/Activation.h"
#include "core/Fichiers.h"
#include "core/Prenoms.h"
#include "core/Qso.h"
#include "core/Sauvegardes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace Maravel;

namespace {

constexpr int Logs = 200;
constexpr int Qso_Par_Log = 1'000;

class Banc_Sauvegardes {
public:
    Banc_Sauvegardes() {
        std::random_device alea;
        m_dossier =
            std::filesystem::temp_directory_path() / ("maravel_bench_sauvegardes_" + std::to_string(alea()));
        std::filesystem::create_directories(m_dossier);
        Systeme_Fichiers_Reel fs;
        std::vector<std::string> liste, memoire;
        for (int n = 0; n < Logs; ++n) {
            const std::string numero = "DMF-" + std::to_string(n);
            liste.push_back(Ligne_Activite(
                {"F4XYZ", "", numero, "Ch\xE2teau", "2920", "Brest", "Ch\xE2teaux", "04/12/26"}));
            std::vector<std::string> log;
            for (int q = 0; q < Qso_Par_Log; ++q) {
                log.push_back(*Ligne_Qso({"04/12/26", "14:" + std::to_string(10 + q % 50),
                                          "F" + std::to_string(q) + "XYZ", "75", "J\xC9R\xD4ME", "599", "59",
                                          "CW", "7", "CH\xC2TEAU DE LA LOIRE"}));
            }
            Reecrire(fs, Chemin(m_dossier, numero + ".txt"), m_dossier / Brouillon, log);
        }
        for (int q = 0; q < 5'000; ++q) {
            memoire.push_back(Ligne_Prenom("F" + std::to_string(q) + "XYZ", "75", "JEAN"));
        }
        Reecrire(fs, m_dossier / Fichier_Liste_Activite, m_dossier / Brouillon, liste);
        Reecrire(fs, m_dossier / Fichier_Prenoms, m_dossier / Brouillon, memoire);
    }
    ~Banc_Sauvegardes() {
        std::error_code erreur;
        std::filesystem::remove_all(m_dossier, erreur);
    }
    const std::filesystem::path& Dossier() const { return m_dossier; }

private:
    std::filesystem::path m_dossier;
};

// Each pass is the first start of a day: the day before is removed, and put on the disk, outside the timing,
// since at a real start nothing else is left waiting to be written.
void Sauvegarde_Premier_Demarrage(benchmark::State& state) {
    static Banc_Sauvegardes banc;
    Systeme_Fichiers_Reel fichiers;
    Systeme_Dossiers_Reel dossiers;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(banc.Dossier() / Dossier_Sauvegardes);
#ifndef _WIN32
        ::sync();
#endif
        state.ResumeTiming();
        const auto resultat = Sauvegarde_Du_Jour(fichiers, dossiers, banc.Dossier(), {2026, 12, 4, 8, 0, 0});
        if (resultat.etat != Etat_Sauvegarde::Faite) {
            state.SkipWithError("sauvegarde impossible");
        }
    }
}
BENCHMARK(Sauvegarde_Premier_Demarrage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
