// The gravity model and the assignment on Sioux Falls (../shared/data, skipped when absent):
// the attractions against P(i) / d(i, j)^2 over shortest paths computed here, and the flows
// against the demand times the length in links of each path.

#include <gtest/gtest.h>

#include <cmath>
#include <queue>

#include "Reseaux.h"
#include "flows/Affectation.h"
#include "gravity/ModeleGravitaire.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

// Shortest times from every node by Dijkstra over the arcs, in double; a mode that is not
// oriented serves both ways.
std::vector<std::vector<double>> Distances(Etat& e) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<std::vector<std::pair<std::size_t, double>>> voisins(n + 1);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& x = e.Arcs[a];
        if (!x.IndiceOrigine || !x.IndiceDestination) continue;
        RechercheMode(e, x.Mode);
        if (!e.ModeCourant.Selectionne) continue;
        voisins[x.IndiceOrigine].push_back(
            {static_cast<std::size_t>(x.IndiceDestination), x.Temps});
        if (!e.ModeCourant.Oriente)
            voisins[x.IndiceDestination].push_back(
                {static_cast<std::size_t>(x.IndiceOrigine), x.Temps});
    }
    std::vector<std::vector<double>> d(n + 1, std::vector<double>(n + 1, INFINITY));
    for (std::size_t s = 1; s <= n; ++s) {
        using E = std::pair<double, std::size_t>;
        std::priority_queue<E, std::vector<E>, std::greater<>> file;
        d[s][s] = 0;
        file.push({0, s});
        while (!file.empty()) {
            auto [v, u] = file.top();
            file.pop();
            if (v > d[s][u]) continue;
            for (auto [w, t] : voisins[u])
                if (v + t < d[s][w]) file.push({d[s][w] = v + t, w});
        }
    }
    return d;
}

TEST(GraviteReels, SiouxFalls) {
    const std::string base = std::string(VEK_SOURCE_DIR) + "/../shared/data/SiouxFalls/";
    if (!std::filesystem::exists(base + "arcs.dat"))
        GTEST_SKIP() << "../shared/data is absent: Sioux Falls not checked";
    test::Session s;
    s.port.fichiers = {base + "noeuds.dat", base + "arcs.dat"};
    menOuvrir(s.e);
    Etat& e = s.e;
    ASSERT_EQ(e.NbNoeuds, 24);
    ASSERT_TRUE(CalculCheminsMinimaux(e));
    RecuperationTraces(e);
    e.Menus.Active("menIndicateursN");
    e.Menus.Active("menGravit");
    menDémarrageGravit(e);
    const auto d = Distances(e);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            if (i == j) continue;
            const double attendu = e.Noeuds[i].Population / (d[i][j] * d[i][j]);
            EXPECT_NEAR(e.MatAttractions(i, j), attendu, 1e-5 * attendu) << i << " " << j;
        }
    ASSERT_TRUE(Affectation(e));
    double flux = 0, demande = 0;
    for (std::int32_t v = 1; v <= e.NbNoeuds; ++v)
        for (std::int32_t u = 1; u <= e.NbNoeuds; ++u) flux += e.FluxAffectes(v, u);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
            if (i != j) demande += e.MatAttractions(i, j) * (TraceChemin(e, i, j).size() - 1.0);
    EXPECT_NEAR(flux, demande, 1e-5 * demande);
}

}  // namespace
}  // namespace vek
