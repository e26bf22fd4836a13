// Benchmarks of the gravity run (every section but the AP file) and of the assignment on a
// generated network of 3000 nodes and 24,000 two-way roads, its shortest paths and traces computed
// first:
//   build/bin/vek_bench --benchmark_filter=Gravite

#include <benchmark/benchmark.h>

#include <random>

#include "ReseauAleatoire.h"
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
        vek::bench::ReseauAleatoire(e, 3000, 7, 50000);
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
