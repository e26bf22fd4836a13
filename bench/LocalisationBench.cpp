// Benchmarks of the location searches on a random table of shortest paths (the search reads
// only the table and the populations): the two-facility searches at 3000 nodes, the
// three-facility efficiency search at 300 and 1000 nodes with a receiver that keeps only the
// best triple (the file of 1000 nodes would hold 32 GB), each against its estimate (counter
// "estime", seconds of computation); the whole three-facility step at 150 nodes, its
// 573,800-line file written, against its estimate; the estimate alone at 1000 and 3000 nodes:
//   build/bin/vek_bench --benchmark_filter=Localisation

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "location/Localisation.h"
#include "shell/PortMuet.h"
#include "vek/Etat.h"

namespace {

struct Table {
    vek::PortMuet port;
    vek::Etat e{port};
    explicit Table(int n) {
        std::mt19937 g(5);
        e.NbNoeuds = n;
        e.Noeuds.assign(static_cast<std::size_t>(n) + 1, vek::Noeud{});
        for (int i = 1; i <= n; ++i)
            e.Noeuds[static_cast<std::size_t>(i)].Population = static_cast<int>(g() % 50000);
        vek::TablesChemins& r = e;
        r.CheminsMin.Dimensionne(static_cast<std::size_t>(n));
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                r.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur =
                    i == j ? 0 : static_cast<float>(1 + g() % 100000) / 10;
        e.PonderationPopulation = true;
    }
};

void LocalisationDeuxEfficacite(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    for (auto _ : etat) vek::LocalisationDeuxEfficacite(t.e);
    etat.counters["estime"] = vek::EstimeLocalisation(t.e, 2, true).secondesCalcul;
}

void LocalisationDeuxEquite(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    for (auto _ : etat) vek::LocalisationDeuxEquite(t.e);
    etat.counters["estime"] = vek::EstimeLocalisation(t.e, 2, false).secondesCalcul;
}

void LocalisationTroisEfficacite(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        float meilleure = 3.4e38f;
        const std::int32_t n = t.e.NbNoeuds;
        vek::LocalisationTrois(t.e, true, [&](std::int32_t a, const float* bloc) {
            const std::int64_t taille = static_cast<std::int64_t>(n - a + 1) * (n - a + 2) / 2;
            for (std::int64_t i = 0; i < taille; ++i) meilleure = std::min(meilleure, bloc[i]);
        });
        benchmark::DoNotOptimize(meilleure);
    }
    etat.counters["estime"] = vek::EstimeLocalisation(t.e, 3, true).secondesCalcul;
}

void LocalisationTroisEquite(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    for (auto _ : etat) {
        float meilleure = 3.4e38f;
        const std::int32_t n = t.e.NbNoeuds;
        vek::LocalisationTrois(t.e, false, [&](std::int32_t a, const float* bloc) {
            const std::int64_t taille = static_cast<std::int64_t>(n - a + 1) * (n - a + 2) / 2;
            for (std::int64_t i = 0; i < taille; ++i) meilleure = std::min(meilleure, bloc[i]);
        });
        benchmark::DoNotOptimize(meilleure);
    }
    etat.counters["estime"] = vek::EstimeLocalisation(t.e, 3, false).secondesCalcul;
}

// The whole step, file written, against its own estimate (counter "estime", seconds).
void LocalisationFichierTrois(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    const auto dossier = std::filesystem::temp_directory_path() / "vek-bench-localisation";
    std::filesystem::create_directories(dossier);
    t.e.RepResultats = dossier.string();
    t.e.NbEquipements = 3;
    const vek::EstimationLocalisation est = vek::EstimeLocalisation(t.e, 3, true);
    for (auto _ : etat) benchmark::DoNotOptimize(vek::Localisation(t.e, true));
    etat.counters["estime"] = est.Secondes(est.combinaisons);
    etat.counters["octets"] = static_cast<double>(est.combinaisons * est.octetsParLigne);
    std::filesystem::remove_all(dossier);
}

// Only the estimate of a search too long to run here (counters in seconds and bytes).
void LocalisationEstimationTrois(benchmark::State& etat) {
    Table t(static_cast<int>(etat.range(0)));
    vek::EstimationLocalisation est;
    for (auto _ : etat) est = vek::EstimeLocalisation(t.e, 3, true);
    etat.counters["calcul"] = est.secondesCalcul;
    etat.counters["total"] = est.Secondes(est.combinaisons);
    etat.counters["octets"] = static_cast<double>(est.combinaisons * est.octetsParLigne);
}

BENCHMARK(LocalisationDeuxEfficacite)->Arg(3000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(LocalisationDeuxEquite)->Arg(3000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(LocalisationTroisEfficacite)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK(LocalisationFichierTrois)->Arg(150)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(LocalisationEstimationTrois)->Arg(1000)->Arg(3000)->Iterations(1);
BENCHMARK(LocalisationTroisEquite)->Arg(300)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
