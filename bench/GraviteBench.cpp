// Benchmarks of the gravity run (every section but the AP file) and of the assignment on a
// generated network of 3000 nodes and 24,000 two-way roads, its shortest paths and traces computed
// first:
//   build/bin/vek_bench --benchmark_filter=Gravite

#include <benchmark/benchmark.h>

#include <random>

#include "flows/Affectation.h"
#include "gravity/ModeleGravitaire.h"
#include "network/TablesLues.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "shell/PortMuet.h"
#include "validation/IntegrationNodale.h"
#include "vek/Etat.h"

namespace {

struct Reseau {
    vek::PortMuet port;
    vek::Etat e{port};
    Reseau() {
        vek::InitialisationModes(e);
        std::mt19937 g(7);
        const int n = 3000;
        e.NbNoeuds = n;
        e.Noeuds.assign(n + 1, vek::Noeud{});
        for (int i = 1; i <= n; ++i) {
            e.Noeuds[static_cast<std::size_t>(i)].Code = i;
            e.Noeuds[static_cast<std::size_t>(i)].Population = 200 + static_cast<int>(g() % 50000);
        }
        e.Arcs.assign(1, vek::Arc{});
        for (int k = 0; k < 8 * n; ++k) {
            vek::Arc a;
            a.Origine = 1 + k % n;
            a.Destination = 1 + static_cast<int>(g() % n);
            if (a.Origine == a.Destination) continue;
            a.Mode = 7;
            a.Distance = static_cast<float>(1 + g() % 40);
            a.Temps = a.Distance * 60 / 70;
            e.Arcs.push_back(a);
        }
        e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
        vek::IndexationArcs(e);
        vek::CalculMatriceArcsMin(e);
        vek::CalculCheminsMinimaux(e);
        vek::RecuperationTraces(e);
        // Every section but the persons matrix file (9 million lines at this size).
        e.Gravite.Options = {true, true, true, true, true, false};
        for (std::string* rep : {&e.Gravite.RepSLP, &e.Gravite.Rep3AA, &e.Gravite.Rep3AR,
                                 &e.Gravite.RepSAA, &e.Gravite.RepAuto, &e.Gravite.RepAP})
            *rep = "/tmp";
    }
};

Reseau& LeReseau() {
    static Reseau r;
    return r;
}

void GraviteDemarrage(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    for (auto _ : etat) vek::menDémarrageGravit(e);
}

void GraviteAffectation(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    vek::CalculAttractions(e);
    e.AttractionsReseau = e.CheminsMinReseau;
    for (auto _ : etat) vek::Affectation(e);
}

BENCHMARK(GraviteDemarrage)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(GraviteAffectation)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
