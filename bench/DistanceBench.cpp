// Benchmarks of the distance model on a generated network of 3000 nodes and 24,000 two-way
// roads, its shortest paths and the persons of the gravity model computed first:
//   build/bin/vek_bench --benchmark_filter=Distance

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "ReseauAleatoire.h"
#include "gravity/ModeleGravitaire.h"
#include "location/ModeleDistance.h"
#include "network/TablesLues.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/PortMuet.h"
#include "validation/IntegrationNodale.h"
#include "vek/Etat.h"

namespace {

struct Reseau {
    vek::PortMuet port;
    vek::Etat e{port};
    std::filesystem::path dossier = std::filesystem::temp_directory_path() / "vek-bench-distance";
    Reseau() {
        vek::bench::ReseauAleatoire(e, 3000, 7, 50000);
        std::filesystem::create_directories(dossier);
        e.Gravite.Options.OuiAuto = true;
        e.Gravite.RepAuto = dossier.string();
        vek::menDémarrageGravit(e);
        e.Distance = {true, true, false, false, true};
        e.RepDistDest = e.RepDistOrig = dossier.string();
    }
    ~Reseau() {
        std::error_code erreur;
        std::filesystem::remove_all(dossier, erreur);
    }
};

Reseau& LeReseau() {
    static Reseau r;
    return r;
}

void DistancePersonnes(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    for (auto _ : etat) vek::CalculDistancesPersonnes(e);
}

void DistanceDestination(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    vek::CalculDistancesPersonnes(e);
    for (auto _ : etat) vek::CalculDistancesDestination(e);
}

void DistanceOrigine(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    vek::CalculDistancesPersonnes(e);
    for (auto _ : etat) vek::CalculDistancesOrigine(e);
}

// Both sections computed and written.
void DistanceDemarrage(benchmark::State& etat) {
    vek::Etat& e = LeReseau().e;
    for (auto _ : etat) vek::menDémarrageDistance(e);
}

BENCHMARK(DistancePersonnes)->Unit(benchmark::kMillisecond);
BENCHMARK(DistanceDestination)->Unit(benchmark::kMillisecond);
BENCHMARK(DistanceOrigine)->Unit(benchmark::kMillisecond);
BENCHMARK(DistanceDemarrage)->Unit(benchmark::kMillisecond);

}  // namespace
