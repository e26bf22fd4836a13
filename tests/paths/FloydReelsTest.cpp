// Shortest paths and traces on the real networks of ../shared/data (skipped when absent):
// every cell equal to the plain loop, bit for bit; every reachable pair traced back to its
// origin along arcs of a shortest path.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "Reseaux.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

void BouclePlaine(Matrice<float>& m, std::size_t n, bool symetrique) {
    for (std::size_t k = 1; k <= n; ++k)
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(m(i, k) < 32000)) continue;
            for (std::size_t j = symetrique ? i + 1 : 1; j <= n; ++j) {
                float s = m(i, k) + m(k, j);
                if (s < m(i, j)) {
                    m(i, j) = s;
                    if (symetrique) m(j, i) = s;
                }
            }
        }
}

TEST(FloydReels, CheminsEtTracesDesReseauxReels) {
    const std::string base = std::string(VEK_SOURCE_DIR) + "/../shared/data/";
    if (!std::filesystem::exists(base + "SiouxFalls/arcs.dat"))
        GTEST_SKIP() << "../shared/data is absent: real networks not checked";
    for (const char* nom : {"SiouxFalls", "Anaheim", "ChicagoSketch", "Caltrain", "TriMet-Line1"}) {
        for (const char* valuation : {"Temps", "Distance"}) {
            SCOPED_TRACE(std::string(nom) + " " + valuation);
            test::Session s;
            s.port.fichiers = {base + nom + "/noeuds.dat", base + nom + "/arcs.dat"};
            menOuvrir(s.e);
            s.e.Valuation = valuation;
            CalculMatriceArcsMin(s.e);
            InitialisationFloyd(s.e);
            Matrice<float> attendu = s.e.MatFloyd;
            const std::size_t n = static_cast<std::size_t>(s.e.NbNoeuds);
            BouclePlaine(attendu, n, !s.e.Oriente);
            ASSERT_TRUE(CalculCheminsMinimaux(s.e));
            std::size_t atteintes = 0;
            for (std::size_t i = 1; i <= n; ++i)
                for (std::size_t j = 1; j <= n; ++j) {
                    float v = s.e.CheminsMin(i, j).Valeur;
                    float a = i == j ? 0.0f : attendu(i, j);
                    ASSERT_EQ(std::memcmp(&v, &a, sizeof v), 0) << i << " " << j;
                    if (i != j && v < 32000) ++atteintes;
                }
            RecuperationTraces(s.e);
            for (std::int32_t i = 1; i <= s.e.NbNoeuds; ++i)
                for (std::int32_t j = 1; j <= s.e.NbNoeuds; ++j) {
                    if (i == j || !(s.e.CheminsMin(i, j).Valeur < 32000)) continue;
                    auto chemin = TraceChemin(s.e, i, j);
                    ASSERT_FALSE(chemin.empty()) << "no trace from " << i << " to " << j;
                    double longueur = 0;
                    for (std::size_t p = 0; p + 1 < chemin.size(); ++p)
                        longueur += s.e.MatArcsMin(chemin[p + 1], chemin[p]).Valeur;
                    double v = s.e.CheminsMin(i, j).Valeur;
                    ASSERT_LE(std::fabs(longueur - v), 1e-4 * v + 1e-3) << i << " " << j;
                }
            EXPECT_GT(atteintes, 0u);
        }
    }
}

}  // namespace
}  // namespace vek
