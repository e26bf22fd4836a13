// Benchmarks of the hierarchy by suppression: arcs and nodes of Chicago Sketch (933 nodes,
// 2,950 arcs, from ../shared/data, skipped when absent) and the arcs of a generated network of
// 3000 nodes and 48,000 two-way roads:
//   build/bin/vek_bench --benchmark_filter=Hierarchie
// The time measured covers the trees, the estimate and the run; the counters give the trees
// (arbres_s), the estimate made before the run (estimation_s), the run alone (calcul_s), S0
// and the peak resident memory of the process (pic_Mo).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <random>
#include <string>

#include "flows/HierarchieSuppression.h"
#include "network/Chargement.h"
#include "network/Mode.h"
#include "shell/PortMuet.h"
#include "vek/Etat.h"

namespace {

double PicMo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

bool ChargeChicago(benchmark::State& etat, vek::Etat& e) {
    const std::string dossier = std::string(VEK_SOURCE_DIR) + "/../shared/data/ChicagoSketch";
    e.NomFichierNoeuds = dossier + "/noeuds.dat";
    e.NomFichierArcs = dossier + "/arcs.dat";
    if (vek::ChargementReseau(e)) return true;
    etat.SkipWithError("../shared/data/ChicagoSketch not found");
    return false;
}

// n nodes and m two-way roads of mode 7, 1 to 40 km, a ring first so that every node is
// reached; only the tables (no shortest paths computed beforehand).
void Genere(vek::Etat& e, int n, int m) {
    vek::InitialisationModes(e);
    std::mt19937 g(static_cast<unsigned>(n));
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, vek::Noeud{});
    for (int i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = i;
    e.Arcs.assign(1, vek::Arc{});
    for (int k = 0; static_cast<int>(e.Arcs.size()) <= m; ++k) {
        vek::Arc a;
        a.Origine = 1 + k % n;
        a.Destination =
            k < n ? 1 + (k + 1) % n : 1 + static_cast<int>(g() % static_cast<unsigned>(n));
        if (a.Origine == a.Destination) continue;
        a.Mode = 7;
        a.Distance = static_cast<float>(1 + g() % 40);
        a.Temps = a.Distance * 60 / 70;
        e.Arcs.push_back(a);
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
}

void Mesure(benchmark::State& etat, vek::Etat& e, bool noeuds) {
    for (auto _ : etat) {
        const auto debut = std::chrono::steady_clock::now();
        vek::HierarchieSuppression h(e);
        etat.counters["arbres_s"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        etat.counters["estimation_s"] = noeuds ? h.EstimationNoeuds() : h.EstimationArcs();
        etat.counters["S0"] = h.S0();
        const auto calcul = std::chrono::steady_clock::now();
        auto r = noeuds ? h.SansChaqueNoeud(nullptr) : h.SansChaqueArc(nullptr);
        etat.counters["calcul_s"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - calcul).count();
        benchmark::DoNotOptimize(r.data());
    }
    etat.counters["pic_Mo"] = PicMo();
}

void HierarchieChicago(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    if (!ChargeChicago(etat, e)) return;
    e.Valuation = "Temps";
    Mesure(etat, e, etat.range(0) != 0);
}

void HierarchieGeneree(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Genere(e, 3000, 48000);
    e.Valuation = "Temps";
    Mesure(etat, e, false);
}

BENCHMARK(HierarchieChicago)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("noeuds")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK(HierarchieGeneree)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
