// The map of a 3000-node, 48,000-arc road network: building its model (with a per-node
// result in 5 classes) and painting it at 1600 x 1200, as the window and the export do.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "DessinCarte.h"
#include "ModeleCarte.h"
#include "ReseauAleatoire.h"
#include "VueCarte.h"
#include "network/TablesLues.h"
#include "shell/PortMuet.h"
#include "vek/Demarrage.h"

namespace vek {
namespace {

Etat& ReseauCarte() {
    static PortMuet port;
    static Etat e(port);
    static bool pret = false;
    if (!pret) {
        InitialisationModes(e);
        std::mt19937 g(7);
        e.NbNoeuds = 3000;
        e.Noeuds.assign(3001, Noeud{});
        for (int i = 1; i <= 3000; ++i) {
            Noeud& x = e.Noeuds[static_cast<std::size_t>(i)];
            x.Code = i;
            x.Nom = "Ville " + std::to_string(i);
            x.X = static_cast<float>(g() % 100000) / 100;
            x.Y = static_cast<float>(g() % 100000) / 100;
        }
        e.Arcs.assign(1, Arc{});
        for (int k = 0; k < 48000; ++k) {
            Arc a;
            a.Origine = 1 + k % 3000;
            a.Destination = 1 + static_cast<int>(g() % 3000);
            if (a.Origine == a.Destination) a.Destination = 1 + a.Origine % 3000;
            a.Mode = k % 10 == 0 ? 41 : 7;
            a.Distance = static_cast<float>(1 + g() % 40);
            a.Temps = a.Distance * 60 / 70;
            e.Arcs.push_back(a);
        }
        e.NbArcs = 48000;
        IndexationArcs(e);
        e.ValeursNoeuds.assign(3001, 0);
        for (int i = 1; i <= 3000; ++i) e.ValeursNoeuds[static_cast<std::size_t>(i)] = g() % 1000;
        pret = true;
    }
    return e;
}

void ConstructionModele(benchmark::State& s) {
    Etat& e = ReseauCarte();
    for (auto _ : s) {
        carte::ModeleCarte m = carte::ConstruitModele(e);
        carte::AppliqueResultat(m, e, true, carte::MethodeClasses::Quantiles, 5);
        benchmark::DoNotOptimize(m.arcs.data());
    }
}
BENCHMARK(ConstructionModele)->Unit(benchmark::kMillisecond);

void SeuilsNaturels(benchmark::State& s) {
    Etat& e = ReseauCarte();
    carte::ModeleCarte m = carte::ConstruitModele(e);
    for (auto _ : s) carte::AppliqueResultat(m, e, true, carte::MethodeClasses::SeuilsNaturels, 9);
}
BENCHMARK(SeuilsNaturels)->Unit(benchmark::kMillisecond);

// Zoomed out (no labels, no arrows) and zoomed in 8 times on the centre.
void Dessin(benchmark::State& s) {
    Etat& e = ReseauCarte();
    carte::ModeleCarte m = carte::ConstruitModele(e);
    carte::AppliqueResultat(m, e, true, carte::MethodeClasses::Quantiles, 5);
    QImage image(1600, 1200, QImage::Format_ARGB32_Premultiplied);
    const QSizeF taille(1600, 1200);
    carte::VueCarte v = carte::VueAjustee(m, taille);
    if (s.range(0) > 1) v.echelle *= static_cast<double>(s.range(0));
    for (auto _ : s) {
        QPainter p(&image);
        carte::DessineCarte(p, m, v, taille);
    }
}
BENCHMARK(Dessin)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vek

int main(int argc, char** argv) {
    int qargc = 3;
    char nom[] = "vek_bench_carte", option[] = "-platform", plateforme[] = "offscreen";
    char* qargv[] = {nom, option, plateforme, nullptr};
    QGuiApplication application(qargc, qargv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
