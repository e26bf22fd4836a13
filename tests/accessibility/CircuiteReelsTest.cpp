// Circuity on the Chicago Sketch network of ../shared/data (skipped when absent): coordinates
// in km, arcs a little shorter than the straight line between their ends at places. Every
// circuity command completes; the indicator of LCK against LE is recomputed for a few nodes
// from shortest paths of the test's own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

#include "Reseaux.h"
#include "accessibility/Circuite.h"
#include "network/Mode.h"
#include "paths/Floyd.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

const std::string kChicago = std::string(VEK_SOURCE_DIR) + "/../shared/data/ChicagoSketch/";

bool OuvreChicago(test::Session& s) {
    s.port.fichiers = {kChicago + "noeuds.dat", kChicago + "arcs.dat"};
    menOuvrir(s.e);
    return s.e.NbNoeuds > 0;
}

// Distances (km) from node `o` over the arcs, both ways where the mode is not oriented.
std::vector<double> Dijkstra(Etat& e, std::size_t o) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<std::vector<std::pair<std::size_t, double>>> voisins(n + 1);
    auto indice = [&](std::int64_t code) -> std::size_t {
        std::size_t trouve = 0;
        for (std::size_t i = 1; i <= n; ++i)
            if (e.Noeuds[i].Code == code) trouve = i;
        return trouve;
    };
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        const std::size_t i = indice(arc.Origine), j = indice(arc.Destination);
        if (i == 0 || j == 0) continue;
        voisins[i].push_back({j, arc.Distance});
        RechercheMode(e, arc.Mode);
        if (!e.ModeCourant.Oriente) voisins[j].push_back({i, arc.Distance});
    }
    std::vector<double> d(n + 1, std::numeric_limits<double>::infinity());
    using Entree = std::pair<double, std::size_t>;
    std::priority_queue<Entree, std::vector<Entree>, std::greater<>> file;
    d[o] = 0;
    file.push({0, o});
    while (!file.empty()) {
        const auto [du, u] = file.top();
        file.pop();
        if (du > d[u]) continue;
        for (const auto& [v, l] : voisins[u])
            if (du + l < d[v]) {
                d[v] = du + l;
                file.push({d[v], v});
            }
    }
    return d;
}

TEST(CircuiteReels, ChicagoSketch) {
    if (!std::filesystem::exists(kChicago + "arcs.dat"))
        GTEST_SKIP() << "../shared/data is absent: Chicago Sketch not checked";
    using Commande = void (*)(EtatAccessibilite&);
    const std::pair<const char*, Commande> commandes[] = {
        {"LCK_LE", menLCK_LE},   {"LCK_LECK", menLCK_LECK}, {"LECK_LE", menLECK_LE},
        {"LCT_LE", menLCT_LE},   {"LCT_LECT", menLCT_LECT}, {"LECT_LE", menLECT_LE},
        {"LCT_LCK", menLCT_LCK},
    };
    test::Session s;
    ASSERT_TRUE(OuvreChicago(s));
    const auto n = static_cast<std::size_t>(s.e.NbNoeuds);
    for (const auto& [nom, commande] : commandes) {
        SCOPED_TRACE(nom);
        std::filesystem::remove(s.dossier / "NoeudVal.dat");
        commande(s.e);
        ASSERT_EQ(s.e.ValeursNoeuds.size(), n + 1);
        std::size_t nonNuls = 0;
        for (std::size_t i = 1; i <= n; ++i) {
            ASSERT_TRUE(std::isfinite(s.e.ValeursNoeuds[i])) << i;
            if (s.e.ValeursNoeuds[i] != 0) ++nonNuls;
        }
        EXPECT_GT(nonNuls, n / 2);
        const std::string fichier = test::LitOctets(s.dossier / "NoeudVal.dat");
        EXPECT_EQ(static_cast<std::size_t>(std::count(fichier.begin(), fichier.end(), '\n')), n);
    }
    EXPECT_EQ(s.port.Compte("Erreur"), 0);

    // LCK against LE: the mean over the other reachable nodes of (LCK - LE)^2.
    menLCK_LE(s.e);
    const std::vector<double> calcule = s.e.ValeursNoeuds;
    for (const std::size_t i : {std::size_t{1}, std::size_t{2}, std::size_t{388}, n / 2, n}) {
        SCOPED_TRACE(i);
        const std::vector<double> d = Dijkstra(s.e, i);
        double somme = 0;
        std::size_t paires = 0;
        for (std::size_t j = 1; j <= n; ++j) {
            if (j == i || !std::isfinite(d[j])) continue;
            const Noeud &a = s.e.Noeuds[i], &b = s.e.Noeuds[j];
            const double dx = static_cast<double>(a.X) - b.X, dy = static_cast<double>(a.Y) - b.Y;
            const double ecart = d[j] - static_cast<float>(std::sqrt(dx * dx + dy * dy));
            somme += ecart * ecart;
            ++paires;
        }
        ASSERT_GT(paires, 0u);
        const double attendu = somme / static_cast<double>(paires);
        EXPECT_NEAR(calcule[i], attendu, 1e-4 * attendu + 1e-6);
    }
}

}  // namespace
}  // namespace vek
