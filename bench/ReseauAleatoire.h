#pragma once
// The random road network the benchmarks share: n nodes with populations (and coordinates
// in km when asked), 8n two-way roads of mode 7 between random nodes, 1 to 40 km long; its
// minimal arcs and shortest paths by time computed.

#include <cstdint>
#include <random>

#include "network/Mode.h"
#include "network/TablesLues.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "vek/Etat.h"

namespace vek::bench {

inline void ReseauAleatoire(Etat& e, int n, unsigned graine, int populationMax,
                            bool coordonnees = false) {
    InitialisationModes(e);
    std::mt19937 g(graine);
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, Noeud{});
    for (int i = 1; i <= n; ++i) {
        Noeud& x = e.Noeuds[static_cast<std::size_t>(i)];
        x.Code = i;
        x.Population = 200 + static_cast<int>(g() % static_cast<unsigned>(populationMax));
        if (coordonnees) {
            x.X = static_cast<float>(g() % 100000) / 100;
            x.Y = static_cast<float>(g() % 100000) / 100;
        }
    }
    e.Arcs.assign(1, Arc{});
    for (int k = 0; k < 8 * n; ++k) {
        Arc a;
        a.Origine = 1 + k % n;
        a.Destination = 1 + static_cast<int>(g() % static_cast<unsigned>(n));
        if (a.Origine == a.Destination) continue;
        a.Mode = 7;
        a.Distance = static_cast<float>(1 + g() % 40);
        a.Temps = a.Distance * 60 / 70;
        e.Arcs.push_back(a);
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
    IndexationArcs(e);
    CalculMatriceArcsMin(e);
    CalculCheminsMinimaux(e);
}

}  // namespace vek::bench
