// Benchmarks of the shortest-path loops on generated networks of 1000 to 3000 nodes, about 16
// directed arcs per node, directed and symmetric:
//   build/bin/vek_bench --benchmark_filter=Floyd

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Traces.h"
#include "shell/PortMuet.h"
#include "vek/Etat.h"

namespace {

void SansProgres(void*, std::int64_t) {}

std::vector<float> Reseau(std::size_t n, bool symetrique) {
    const std::size_t c = n + 1;
    std::vector<float> m(c * c, 32000);
    std::mt19937 g(static_cast<unsigned>(n));
    std::uniform_real_distribution<float> minutes(0.5f, 30);
    for (std::size_t i = 1; i <= n; ++i) m[i * c + i] = 0;
    for (std::size_t a = 0; a < 8 * n; ++a) {
        std::size_t i = 1 + g() % n, j = 1 + g() % n;
        if (i == j) continue;
        float v = minutes(g);
        m[i * c + j] = std::min(m[i * c + j], v);
        if (symetrique)
            m[j * c + i] = m[i * c + j];
        else
            m[j * c + i] = std::min(m[j * c + i], minutes(g));
    }
    return m;
}

void Floyd(benchmark::State& etat) {
    const std::size_t n = static_cast<std::size_t>(etat.range(0));
    const bool symetrique = etat.range(1) != 0;
    const std::vector<float> depart = Reseau(n, symetrique);
    for (auto _ : etat) {
        etat.PauseTiming();
        std::vector<float> m = depart;
        etat.ResumeTiming();
        vek::BoucleFloyd(m.data(), n, symetrique, SansProgres, nullptr);
        benchmark::DoNotOptimize(m.data());
    }
}

BENCHMARK(Floyd)
    ->ArgsProduct({{1000, 2000, 3000}, {0, 1}})
    ->ArgNames({"noeuds", "symetrique"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// A network of n nodes and 8n two-way arcs in the working tables.
void Remplit(vek::Etat& e, std::size_t n) {
    std::mt19937 g(static_cast<unsigned>(n));
    std::uniform_real_distribution<float> km(1, 30);
    e.Noeuds.assign(n + 1, vek::Noeud{});
    for (std::size_t i = 1; i <= n; ++i) e.Noeuds[i].Code = static_cast<std::int64_t>(i);
    e.NbNoeuds = static_cast<std::int32_t>(n);
    e.Arcs.assign(1, vek::Arc{});
    for (std::size_t a = 0; a < 8 * n; ++a) {
        vek::Arc arc;
        arc.Origine = 1 + (a < n ? a : g() % n);
        arc.Destination = 1 + (a < n ? (a + 1) % n : g() % n);
        arc.Mode = 7;
        arc.Distance = km(g);
        arc.Temps = arc.Distance * 60 / 70;
        e.Arcs.push_back(arc);
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
}

void Traces(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Remplit(e, static_cast<std::size_t>(etat.range(0)));
    vek::CalculMatriceArcsMin(e);
    vek::CalculCheminsMinimaux(e);
    for (auto _ : etat) vek::RecuperationTraces(e);
}

BENCHMARK(Traces)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(3000)
    ->ArgName("noeuds")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
