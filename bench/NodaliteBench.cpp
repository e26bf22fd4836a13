// Benchmarks of the nodality indicators on a generated network of 3000 nodes and 47,999 arcs
// (road modes both ways, some oriented train arcs):
//   build/bin/vek_bench --benchmark_filter=Nodalite

#include <benchmark/benchmark.h>

#include <random>

#include "indicators/Nodalite.h"
#include "network/Chargement.h"
#include "network/TablesLues.h"
#include "shell/PortMuet.h"
#include "validation/IntegrationNodale.h"
#include "vek/Etat.h"

namespace {

void Remplit(vek::Etat& e, int n, int m) {
    vek::InitialisationModes(e);
    std::mt19937 g(static_cast<unsigned>(n));
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, vek::Noeud{});
    for (int i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = 1000 + i;
    const int modes[] = {7, 71, 72, 6, 61, 3, 41};
    e.NbArcs = m;
    e.Arcs.assign(static_cast<std::size_t>(m) + 1, vek::Arc{});
    for (int k = 1; k <= m; ++k) {
        vek::Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        a.Origine = 1001 + g() % n;
        a.Destination = 1001 + g() % n;
        a.Mode = static_cast<std::int16_t>(modes[g() % std::size(modes)]);
        a.Distance = static_cast<float>(1 + g() % 500) / 10;
        a.Temps = static_cast<float>(1 + g() % 60);
    }
    vek::IndexationArcs(e);
    vek::ListeModesReseau(e);
}

void Nodalite(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Remplit(e, 3000, 47999);
    const int indicateur = static_cast<int>(etat.range(0));
    e.IndicVek.Ordre = indicateur == 1 ? "Ordre2" : "Ordre1";
    e.IndicVek.Valuation = "Distance";
    e.IndicVek.ModeListe = "Route 70 VI";
    const char* noms[] = {
        "Degré",          "Degré",     "DemiDegréExt",   "DemiDegréInt",   "Valence",
        "NbNoeudsAccess", "IndConnex", "IndInterConnex", "IndIntraConnex", "NodalitéAntiNodalité"};
    e.IndicVek.Indicateur = noms[indicateur];
    etat.SetLabel(std::string(noms[indicateur]) + (indicateur == 1 ? " ordre 2" : ""));
    for (auto _ : etat) {
        vek::CalculNodalite(e);
        benchmark::DoNotOptimize(e.ValeursNoeuds.data());
    }
}

BENCHMARK(Nodalite)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
