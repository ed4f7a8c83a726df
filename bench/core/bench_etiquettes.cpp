// What the operator waits for between the print dialog and the first sheet on a 10,000-QSO selection: every
// label composed, set in its rectangle and handed to the printer, which here only counts the characters.

#include "core/Etiquettes.h"
#include "core/Qso.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace Maravel;

namespace {

class Imprimante_Muette final : public Imprimante_Lignes {
public:
    std::size_t lignes = 0;
    std::string Police() const override { return "Arial"; }
    void Police(std::string_view) override {}
    double Taille() const override { return 10; }
    void Taille(double) override {}
    bool Gras() const override { return false; }
    void Gras(bool) override {}
    void Ligne(std::string_view texte) override { lignes += texte.size() + 1; }
    bool Fin_Document() override { return true; }
    void Annuler_Document() override {}
    void Debut_Serie(Papier_mm) override {}
    bool Fin_Serie() override { return true; }
    Rectangle_mm Zone_Imprimable(Papier_mm papier) const override {
        return {0, 0, papier.largeur, papier.hauteur};
    }
    void Texte(double, double, std::string_view texte) override { lignes += texte.size() + 1; }
    void Cadre(const Rectangle_mm&, bool) override {}
};

void Etiquettes_10000(benchmark::State& state) {
    std::vector<std::string> log;
    for (std::size_t n = 0; n < 10'000; ++n) {
        log.push_back(
            *Ligne_Qso({"01/03/24", "14:" + std::to_string(10 + n % 50), "F" + std::to_string(n) + "XYZ/P",
                        "75", "JEAN", "599", "59", "CW", n % 2 ? "7" : "144", "PORTABLE"}));
    }
    const auto lignes = Lignes_Selection_Triees(log);
    const Valeurs_Communes communes{"DMF-123", "Ch\xE2teau de Halloy", "5590", "Halloy", "ON4XYZ/P", "FT-991",
                                    "DIPOLE"};
    const Choix_Etiquettes choix{Format_Etiquette::OLW4799, Modele::Francais, false, 1, {}, Contours::Aucun};
    for (auto _ : state) {
        Imprimante_Muette imprimante;
        Imprimer_Etiquettes(imprimante, Pages_Etiquettes(lignes, communes, choix), choix, {});
        benchmark::DoNotOptimize(imprimante.lignes);
    }
}
BENCHMARK(Etiquettes_10000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
