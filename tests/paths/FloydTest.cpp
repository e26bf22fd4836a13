// Shortest paths: the fast loops against the loops written plainly, cell for cell and bit
// for bit; the driver, the sum and the traces on small cases.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

void SansProgres(void*, std::int64_t) {}

// The directed and symmetric loops exactly as written in the definition of the algorithm.
void Reference(std::vector<float>& m, std::size_t n, bool symetrique) {
    const std::size_t c = n + 1;
    for (std::size_t k = 1; k <= n; ++k)
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(m[i * c + k] < 32000)) continue;
            for (std::size_t j = symetrique ? i + 1 : 1; j <= n; ++j) {
                float s = m[i * c + k] + m[k * c + j];
                if (s < m[i * c + j]) {
                    m[i * c + j] = s;
                    if (symetrique) m[j * c + i] = s;
                }
            }
        }
}

std::vector<float> Aleatoire(std::mt19937& g, std::size_t n, bool symetrique, double densite,
                             bool negatif) {
    const std::size_t c = n + 1;
    std::vector<float> m(c * c, 32000);
    std::uniform_real_distribution<float> val(0.1f, 60);
    std::bernoulli_distribution arc(densite);
    for (std::size_t i = 1; i <= n; ++i) {
        m[i * c + i] = 0;
        for (std::size_t j = symetrique ? i + 1 : 1; j <= n; ++j) {
            if (i == j || !arc(g)) continue;
            float v = g() % 4 == 0 ? static_cast<float>(1 + g() % 20) : val(g);  // equal sums
            if (g() % 50 == 0) v = 31990;  // sums reaching 32000
            if (negatif && g() % 40 == 0) v = -v / 100;
            m[i * c + j] = v;
            if (symetrique) m[j * c + i] = v;
        }
    }
    return m;
}

TEST(Floyd, BouclesRapidesIdentiquesALaReference) {
    std::mt19937 g(7);
    for (int tour = 0; tour < 60; ++tour) {
        const std::size_t n = 1 + g() % 200;
        const bool symetrique = tour % 2 == 1;
        const bool negatif = tour % 10 == 9 && !symetrique;
        auto m = Aleatoire(g, n, symetrique, tour % 3 == 0 ? 0.02 : 0.15, negatif);
        auto attendu = m;
        Reference(attendu, n, symetrique);
        BoucleFloyd(m.data(), n, symetrique, SansProgres, nullptr);
        ASSERT_EQ(std::memcmp(m.data(), attendu.data(), m.size() * sizeof(float)), 0)
            << "n = " << n << (symetrique ? " symmetric" : " directed");
    }
}

struct Petit : test::SessionScript {
    explicit Petit(const std::string& arcs,
                   const std::string& noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) +
                                               LigneNoeud("C", 3) + LigneNoeud("D", 4)) {
        Ecrit("n.dat", noeuds);
        Ecrit("a.dat", arcs);
        Fichier(dossier / "n.dat");
        Fichier(dossier / "a.dat");
        Menu("menOuvrir");
    }
    float V(int i, int j) { return e.CheminsMin(i, j).Valeur; }
};

TEST(Floyd, CasDeBase) {
    {
        Petit s(LigneArc(1, 2, 3, 10, 10, 800, 810));  // one-way only
        ASSERT_EQ(s.Menu("menUneFois"), Issue::Faite);
        EXPECT_TRUE(s.e.Oriente);
        EXPECT_EQ(s.V(1, 2), 10);
        EXPECT_EQ(s.V(2, 1), 32000);
        s.Menu("menSomChem");
        EXPECT_EQ(test::LitOctets(s.dossier / "NoeudVal.dat"), "0\r\n");  // unreachable pairs
    }
    {
        // Triangle A-B 5, B-C 5, A-C 12; C-D 10.
        Petit s(LigneArc(1, 2, 7, 0, 5) + LigneArc(2, 3, 7, 0, 5) + LigneArc(1, 3, 7, 0, 12) +
                LigneArc(3, 4, 7, 0, 10));
        ASSERT_EQ(s.Menu("menUneFois"), Issue::Faite);
        EXPECT_FALSE(s.e.Oriente);
        EXPECT_EQ(s.V(1, 3), 10);
        EXPECT_EQ(s.V(3, 1), 10);
        EXPECT_EQ(s.V(1, 4), 20);
        EXPECT_EQ(s.V(1, 1), 0);
        ASSERT_EQ(s.Menu("menRécupTracés"), Issue::Faite);
        EXPECT_EQ(TraceChemin(s.e, 1, 4), (std::vector<std::int32_t>{4, 3, 2, 1}));
        EXPECT_EQ(s.e.MatPredecesseurs(1, 3).Pred, 2);
        EXPECT_EQ(s.e.MatPredecesseurs(1, 1).Valeur, 1);
        s.Menu("menSomChem");
        // 2 x (5 + 10 + 20 + 5 + 15 + 10) = 130
        EXPECT_EQ(test::LitOctets(s.dossier / "NoeudVal.dat"), "130\r\n");
        EXPECT_TRUE(s.e.Menus.EstActif("menGravit"));
    }
    {
        // Equal routes A-B-D and A-C-D: the highest index, C, precedes D; A-B-C 10 = A-C 10.
        Petit s(LigneArc(1, 2, 7, 0, 5) + LigneArc(2, 4, 7, 0, 5) + LigneArc(1, 3, 7, 0, 5) +
                LigneArc(3, 4, 7, 0, 5));
        s.Menu("menUneFois");
        s.Menu("menRécupTracés");
        EXPECT_EQ(s.V(1, 4), 10);
        EXPECT_EQ(s.e.MatPredecesseurs(1, 4).Pred, 3);
    }
}

TEST(Floyd, NoeudIsoleSommeNulle) {
    Petit s(LigneArc(1, 2, 7, 0, 5) + LigneArc(2, 3, 7, 0, 5));  // D has no arc
    ASSERT_EQ(s.Menu("menSomChem"), Issue::Faite);
    EXPECT_EQ(s.V(1, 4), 32000);
    EXPECT_EQ(test::LitOctets(s.dossier / "NoeudVal.dat"), "0\r\n");
    s.Menu("menUneFois");
    ASSERT_EQ(s.Menu("menRécupTracés"), Issue::Faite);
    EXPECT_EQ(s.e.MatPredecesseurs(1, 4).Pred, 1);  // unreachable: Pred = i, Valeur 0
    EXPECT_EQ(s.e.MatPredecesseurs(1, 4).Valeur, 0);
    EXPECT_TRUE(TraceChemin(s.e, 1, 4).empty());
}

TEST(Floyd, ValuationsEtCheminsPerimes) {
    Petit s(LigneArc(1, 2, 7, 35, 0) + LigneArc(2, 3, 41, 10, 0, 900, 910));
    s.port.Ajoute({TypeReponse::Saisie, true, "0920", {}});
    s.port.Ajoute({TypeReponse::Saisie, true, "lundi", {}});
    s.e.Valuation = "JoursEtHeures";
    ASSERT_EQ(s.Menu("menUneFois"), Issue::Faite);
    EXPECT_EQ(s.e.HeureDepart, 920);
    EXPECT_FALSE(s.e.Menus.EstActif("menRécupTracés"));
    EXPECT_EQ(s.Compte("ne sont pas calculables"), 1);
    s.e.Valuation = "Temps";
    s.Menu("menUneFois");
    EXPECT_TRUE(CheminsMinCourants(s.e));
    EXPECT_EQ(s.V(1, 3), 40);
    // A new matrix makes the paths stale: the traces ask for them first.
    s.Dialogue("Valu", {"Distance", "ValuOk"});
    s.Menu("menChangerValuation");
    EXPECT_FALSE(CheminsMinCourants(s.e));
    s.Menu("menRécupTracés");
    EXPECT_EQ(s.Compte("ne correspondent plus"), 1);
}

}  // namespace
}  // namespace vek
