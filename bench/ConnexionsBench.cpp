// Benchmarks of the nodal connection times: the times added to the arcs on a table of 48,000
// arcs (the arc-table limit) over 3000 nodes, matrix rebuild included, and the times added to
// the minimal arcs along the shortest paths of random road networks of 1000 to 3000 nodes:
//   build/bin/vek_bench --benchmark_filter=Connexions

#include <benchmark/benchmark.h>

#include <random>

#include "ReseauAleatoire.h"
#include "indicators/ConnexionsNodales.h"
#include "network/TablesLues.h"
#include "paths/Traces.h"
#include "shell/PortMuet.h"
#include "vek/Etat.h"

namespace {

void ConnexionsNodales(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    vek::InitialisationModes(e);
    const int n = 3000;
    std::mt19937 g(3000);
    e.NbNoeuds = n;
    e.Noeuds.assign(n + 1, vek::Noeud{});
    for (int i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = 100000 + i;
    static const int modes[] = {7, 72, 9, 3, 622, 811};
    e.Arcs.assign(1, vek::Arc{});
    while (e.Arcs.size() < 48000) {
        vek::Arc a;
        a.Origine = e.Noeuds[1 + g() % n].Code;
        a.Destination = e.Noeuds[1 + g() % n].Code;
        a.Mode = static_cast<std::int16_t>(modes[g() % 6]);
        a.Distance = static_cast<float>(1 + g() % 40);
        a.Temps = a.Distance;
        e.Arcs.push_back(a);
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
    vek::IndexationArcs(e);
    vek::CalculMatriceArcsMin(e);
    for (auto _ : etat) vek::ConnexionsNodales(e);
    etat.counters["arcs"] = e.NbArcs;
}

BENCHMARK(ConnexionsNodales)->Unit(benchmark::kMillisecond)->Iterations(3);

void ConnexionsParArc(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    vek::bench::ReseauAleatoire(e, static_cast<int>(etat.range(0)), 17, 1000);
    vek::RecuperationTraces(e);
    for (auto _ : etat) {
        // The paths and traces stay those of the first run: marked current again, as if the
        // user had recomputed them on the changed matrix.
        etat.PauseTiming();
        e.CheminsMinReseau = e.TracesReseau = e.GenerationReseau;
        etat.ResumeTiming();
        if (!vek::ConnexionsParArc(e)) etat.SkipWithError("traces refused");
    }
}

BENCHMARK(ConnexionsParArc)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(3000)
    ->ArgName("noeuds")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
