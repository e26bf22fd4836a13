// Benchmarks of the node indicators drawn from the shortest paths and of the driving-time
// rules, on a generated network of 3000 nodes and 24,000 two-way roads, its shortest paths
// and traces computed first:
//   build/bin/vek_bench --benchmark_filter=Indicateurs

#include <benchmark/benchmark.h>

#include <random>

#include "ReseauAleatoire.h"
#include "location/IndicateursChemins.h"
#include "location/LegislationSociale.h"
#include "network/Mode.h"
#include "network/TablesLues.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "shell/PortMuet.h"
#include "vek/Etat.h"

namespace {

struct Reseau {
    vek::PortMuet port;
    vek::Etat e{port};
    Reseau() {
        vek::bench::ReseauAleatoire(e, 3000, 11, 100000, true);
        vek::RecuperationTraces(e);
    }
};

Reseau& LeReseau() {
    static Reseau r;
    return r;
}

void Indicateurs(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    const auto& table = vek::IndicateursMultipolaires();
    const auto k = static_cast<std::size_t>(etat.range(0));
    const bool pondere = etat.range(1) != 0;
    etat.SetLabel(table[k].Controle + (pondere ? " Pondéré" : ""));
    for (auto _ : etat) {
        table[k].Calcul(e, pondere);
        benchmark::DoNotOptimize(e.ValeursNoeuds.data());
    }
}

void IndicateursPopulation(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    e.PonderationPopulation = true;
    etat.SetLabel("SVMA PonderationPopulation");
    for (auto _ : etat) {
        vek::CalculSVMA(e, false);
        benchmark::DoNotOptimize(e.ValeursNoeuds.data());
    }
    e.PonderationPopulation = false;
}

void IndicateursLegislationSociale(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    for (auto _ : etat) {
        vek::Matrice<float> t = vek::LegislationSocialeTransportsRoutiers(e);
        benchmark::DoNotOptimize(t.Ligne(1));
    }
}

BENCHMARK(Indicateurs)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Args({3, 0})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Args({6, 0})
    ->Args({7, 0})
    ->Args({8, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(IndicateursPopulation)->Unit(benchmark::kMillisecond);
BENCHMARK(IndicateursLegislationSociale)->Unit(benchmark::kMillisecond);

}  // namespace
