// Benchmark of the circuity Floyd (primary value and the secondary value carried) at 1000 to
// 3000 nodes, about 16 arcs per node, symmetric as the circuity matrices are; compare with
// Floyd/noeuds:N/symetrique:1:
//   build/bin/vek_bench --benchmark_filter='Floyd'

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "accessibility/Circuite.h"

namespace {

void FloydCircuite(benchmark::State& etat) {
    const std::size_t n = static_cast<std::size_t>(etat.range(0));
    const std::size_t c = n + 1;
    std::vector<float> f(c * c, 32000), f2(c * c, 32000);
    std::mt19937 g(static_cast<unsigned>(n));
    std::uniform_real_distribution<float> minutes(0.5f, 30), km(0.5f, 40);
    for (std::size_t i = 1; i <= n; ++i) f[i * c + i] = f2[i * c + i] = 0;
    for (std::size_t a = 0; a < 8 * n; ++a) {
        const std::size_t i = 1 + g() % n, j = 1 + g() % n;
        if (i == j) continue;
        f[i * c + j] = f[j * c + i] = minutes(g);
        f2[i * c + j] = f2[j * c + i] = km(g);
    }
    for (auto _ : etat) {
        etat.PauseTiming();
        std::vector<float> a = f, b = f2;
        etat.ResumeTiming();
        vek::BoucleFloydCircuite(a.data(), b.data(), n, true, nullptr, nullptr);
        benchmark::DoNotOptimize(a.data());
    }
}

BENCHMARK(FloydCircuite)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(3000)
    ->ArgName("noeuds")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
