// Benchmarks of the validity test passes on a generated network of 3000 nodes and 47,999
// arcs without any fault (so every pass scans and asks nothing):
//   build/bin/vek_bench --benchmark_filter=Validite

#include <benchmark/benchmark.h>

#include "network/TablesLues.h"
#include "shell/PortMuet.h"
#include "validation/IntegrationNodale.h"
#include "validation/TestValidite.h"
#include "vek/Etat.h"

namespace {

void Remplit(vek::Etat& e) {
    vek::InitialisationModes(e);
    const int n = 3000, m = 47999;
    e.NbNoeuds = n;
    e.Noeuds.assign(n + 1, vek::Noeud{});
    for (int i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = 1000 + i;
    e.Arcs.assign(1, vek::Arc{});
    // Node i linked to i+1 .. i+16 (distinct pairs, no loop), roads and one-way trains.
    for (int k = 0; k < m; ++k) {
        vek::Arc a;
        const int i = k / 16, d = 1 + k % 16;
        a.Origine = 1001 + i;
        a.Destination = 1001 + (i + d) % n;
        a.Mode = static_cast<std::int16_t>(k % 5 == 0 ? 41 : 7);
        a.Distance = static_cast<float>(1 + k % 50);
        a.Temps = static_cast<float>(1 + k % 40);
        e.Arcs.push_back(a);
    }
    e.NbArcs = m;
    vek::IndexationArcs(e);
}

void Validite(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Remplit(e);
    void (*passes[])(vek::EtatValidation&) = {
        vek::EliminationNoeudsDoubles, vek::EliminationNoeudsIsoles, vek::EliminationBoucles,
        vek::EliminationArcsDeconnectes, vek::EliminationArcsDoubles};
    const char* noms[] = {"noeuds doubles", "noeuds isolés", "boucles", "arcs déconnectés",
                          "arcs doubles"};
    const auto p = static_cast<std::size_t>(etat.range(0));
    etat.SetLabel(noms[p]);
    for (auto _ : etat) passes[p](e);
    if (e.NbNoeuds != 3000 || e.NbArcs != 47999) etat.SkipWithError("a fault was found");
}

BENCHMARK(Validite)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
