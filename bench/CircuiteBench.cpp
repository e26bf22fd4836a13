// Benchmark of the circuity Floyd (primary value and the secondary value carried) at 1000 to
// 3000 nodes, about 16 arcs per node, symmetric as the circuity matrices are, beside the plain
// Floyd on the same primary values:
//   build/bin/vek_bench --benchmark_filter='Circuite' --benchmark_repetitions=5
// Times in whole minutes, as most arc files give them, make equal path values frequent: the
// secondary value then decides often.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "accessibility/Circuite.h"
#include "paths/Floyd.h"

namespace {

struct Matrices {
    std::vector<float> valeurs, secondes;
};

Matrices Reseau(std::size_t n, bool minutesEntieres) {
    const std::size_t c = n + 1;
    Matrices m{std::vector<float>(c * c, 32000), std::vector<float>(c * c, 32000)};
    std::mt19937 g(static_cast<unsigned>(n));
    std::uniform_real_distribution<float> minutes(0.5f, 30), km(0.5f, 40);
    for (std::size_t i = 1; i <= n; ++i) m.valeurs[i * c + i] = m.secondes[i * c + i] = 0;
    for (std::size_t a = 0; a < 8 * n; ++a) {
        const std::size_t i = 1 + g() % n, j = 1 + g() % n;
        if (i == j) continue;
        const float t = minutes(g);
        m.valeurs[i * c + j] = m.valeurs[j * c + i] =
            minutesEntieres ? static_cast<float>(static_cast<int>(t)) + 1 : t;
        m.secondes[i * c + j] = m.secondes[j * c + i] = km(g);
    }
    return m;
}

void SansProgres(void*, std::int64_t) {}

void FloydCircuite(benchmark::State& etat) {
    const std::size_t n = static_cast<std::size_t>(etat.range(0));
    const Matrices m = Reseau(n, etat.range(1) != 0);
    for (auto _ : etat) {
        etat.PauseTiming();
        std::vector<float> a = m.valeurs, b = m.secondes;
        etat.ResumeTiming();
        vek::BoucleFloydCircuite(a.data(), b.data(), n, true, nullptr, nullptr);
        benchmark::DoNotOptimize(a.data());
    }
}

void FloydCircuiteValeurSeule(benchmark::State& etat) {
    const std::size_t n = static_cast<std::size_t>(etat.range(0));
    const Matrices m = Reseau(n, etat.range(1) != 0);
    for (auto _ : etat) {
        etat.PauseTiming();
        std::vector<float> a = m.valeurs;
        etat.ResumeTiming();
        vek::BoucleFloyd(a.data(), n, true, SansProgres, nullptr);
        benchmark::DoNotOptimize(a.data());
    }
}

void Tailles(benchmark::internal::Benchmark* b) {
    b->Args({1000, 0})
        ->Args({2000, 0})
        ->Args({3000, 0})
        ->Args({3000, 1})
        ->ArgNames({"noeuds", "minutes_entieres"})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
}

BENCHMARK(FloydCircuite)->Apply(Tailles);
BENCHMARK(FloydCircuiteValeurSeule)->Apply(Tailles);

}  // namespace
