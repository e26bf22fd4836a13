// The hierarchy by suppression against the plain method: each arc (each node) removed from
// the tables, the minimal-arc matrix built again, Floyd, the sum. Random networks of up to 60
// nodes (whole minutes: the same values to the last bit; fractional distances: within the
// rounding bound), small cases written out, and Sioux Falls when ../shared/data is there.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "Reseaux.h"
#include "flows/HierarchieSuppression.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// One value of the plain method and the rounding its float sums allow: 2^-22 times the sum,
// over the pairs, of the arcs on the path times the path's value.
struct Valeur {
    double S = 0;
    double Borne = 0;
};

// Arcs on a shortest path of each pair, from a double Floyd on the minimal-arc matrix (the
// longest route among equal ones).
double Borne(const Etat& e) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds), c = n + 1;
    std::vector<double> d(c * c, 1e300);
    std::vector<int> sauts(c * c, 0);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            const float v = e.MatArcsMin(i, j).Valeur;
            if (i == j) {
                d[i * c + j] = 0;
            } else if (v != 0) {
                d[i * c + j] = v;
                sauts[i * c + j] = 1;
            }
        }
    for (std::size_t k = 1; k <= n; ++k)
        for (std::size_t i = 1; i <= n; ++i)
            for (std::size_t j = 1; j <= n; ++j) {
                const double s = d[i * c + k] + d[k * c + j];
                const int h = sauts[i * c + k] + sauts[k * c + j];
                if (s < d[i * c + j] || (s == d[i * c + j] && h > sauts[i * c + j])) {
                    d[i * c + j] = s;
                    sauts[i * c + j] = h;
                }
            }
    double b = 0;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j)
            if (i != j && d[i * c + j] < 32000) b += sauts[i * c + j] * d[i * c + j];
    return std::ldexp(b, -22);
}

Valeur Plain(Etat& e) {
    CalculMatriceArcsMin(e);
    PlusCourtsChemins(e);
    SommeCheminsMinimaux(e);
    return {e.SommeChemins, Borne(e)};
}

std::vector<Valeur> PlainSansChaqueArc(Etat& e) {
    const std::vector<Arc> arcs = e.Arcs;
    const std::int32_t nb = e.NbArcs;
    std::vector<Valeur> r(static_cast<std::size_t>(nb) + 1);
    for (std::int32_t a = 1; a <= nb; ++a) {
        e.Arcs.erase(e.Arcs.begin() + a);
        e.NbArcs = nb - 1;
        r[static_cast<std::size_t>(a)] = Plain(e);
        e.Arcs = arcs;
        e.NbArcs = nb;
    }
    CalculMatriceArcsMin(e);
    return r;
}

std::vector<Valeur> PlainSansChaqueNoeud(Etat& e) {
    const std::vector<Arc> arcs = e.Arcs;
    const std::vector<Noeud> noeuds = e.Noeuds;
    const std::int32_t nbArcs = e.NbArcs, nbNoeuds = e.NbNoeuds;
    std::vector<Valeur> r(static_cast<std::size_t>(nbNoeuds) + 1);
    for (std::int32_t k = 1; k <= nbNoeuds; ++k) {
        const std::int64_t code = e.Noeuds[static_cast<std::size_t>(k)].Code;
        e.Noeuds.erase(e.Noeuds.begin() + k);
        e.NbNoeuds = nbNoeuds - 1;
        std::erase_if(e.Arcs,
                      [&](const Arc& x) { return x.Origine == code || x.Destination == code; });
        e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
        r[static_cast<std::size_t>(k)] = Plain(e);
        e.Arcs = arcs;
        e.Noeuds = noeuds;
        e.NbArcs = nbArcs;
        e.NbNoeuds = nbNoeuds;
    }
    CalculMatriceArcsMin(e);
    return r;
}

// Compares every element; `exact`: the same double. Counts the removals that disconnect and
// those that lower the sum.
struct Bilan {
    int coupes = 0, baisses = 0, egales = 0;
};

void Compare(const std::vector<double>& obtenu, const std::vector<Valeur>& attendu, double s0,
             bool exact, Bilan& bilan, const char* quoi) {
    ASSERT_EQ(obtenu.size(), attendu.size());
    for (std::size_t k = 1; k < attendu.size(); ++k) {
        const Valeur& v = attendu[k];
        if (v.S == 0) {
            ++bilan.coupes;
            EXPECT_EQ(obtenu[k], 0) << quoi << " " << k;
            continue;
        }
        if (v.S < s0) ++bilan.baisses;
        if (v.S == s0) ++bilan.egales;
        if (exact)
            EXPECT_EQ(obtenu[k], v.S) << quoi << " " << k;
        else
            EXPECT_NEAR(obtenu[k], v.S, v.Borne) << quoi << " " << k;
    }
}

// A random network: codes that are not the indices, a ring of two-way roads or none (bridges
// and cut networks then), random roads and one-way links, parallel arcs, two-way arcs over
// one-way reverse ones, loops. Whole minutes (distance 0) or distances in metres.
struct Genre {
    const char* Nom;
    bool Minutes;
    bool Anneau;
    double UnSens;  // share of one-way arcs
    int NbNoeudsMax;
    double ArcsParNoeud;
};

struct Texte {
    std::string Noeuds, Arcs;
};

Texte Aleatoire(std::mt19937& g, const Genre& genre) {
    const int n = 3 + static_cast<int>(g() % static_cast<unsigned>(genre.NbNoeudsMax - 2));
    auto code = [](int i) { return 1000 + 7LL * i; };
    Texte t;
    for (int i = 1; i <= n; ++i) t.Noeuds += LigneNoeud("N" + std::to_string(i), code(i), 100);
    std::uniform_int_distribution<int> noeud(1, n);
    auto ligne = [&](int o, int d, bool unSens) {
        const int mode = unSens ? 3 : 7;
        if (genre.Minutes) return LigneArc(code(o), code(d), mode, 0, 1 + g() % 20);
        const double km = static_cast<double>(500 + g() % 39500) / 1000;
        return LigneArc(code(o), code(d), mode, km, unSens ? 1 + g() % 20 : 0);
    };
    if (genre.Anneau)
        for (int i = 1; i <= n; ++i) t.Arcs += ligne(i, i % n + 1, false);
    const int m = static_cast<int>(genre.ArcsParNoeud * n);
    std::bernoulli_distribution unSens(genre.UnSens);
    int o = 1, d = 2;
    for (int k = 0; k < m; ++k) {
        const unsigned tirage = g() % 20;
        if (tirage == 0) {
            t.Arcs += ligne(o, o, false);  // a loop
            continue;
        }
        if (tirage <= 3) {
            std::swap(o, d);  // the same pair again, often the other way
        } else {
            o = noeud(g);
            d = noeud(g);
            if (o == d) continue;
        }
        t.Arcs += ligne(o, d, unSens(g));
    }
    return t;
}

const Genre kGenres[] = {
    {"minutes, two-way with a ring", true, true, 0.0, 60, 1.5},
    {"minutes, mixed with a ring", true, true, 0.4, 60, 2.0},
    {"minutes, mixed, no ring", true, false, 0.3, 25, 3.0},
    {"minutes, mostly one-way", true, true, 0.8, 40, 2.5},
    {"distances, mixed with a ring", false, true, 0.4, 60, 2.0},
    {"distances, two-way, no ring", false, false, 0.0, 30, 2.5},
};

TEST(HierarchieSuppression, ArcsEtNoeudsCommeLaMethodeSimpleSurReseauxAleatoires) {
    std::mt19937 g(2024);
    Bilan arcs, noeuds;
    for (const Genre& genre : kGenres) {
        for (int tour = 0; tour < 8; ++tour) {
            SCOPED_TRACE(std::string(genre.Nom) + ", round " + std::to_string(tour));
            const Texte t = Aleatoire(g, genre);
            test::Session s;
            ASSERT_TRUE(s.Ouvre(t.Noeuds, t.Arcs));
            s.e.Valuation = genre.Minutes ? "Temps" : "Distance";
            const Valeur s0 = Plain(s.e);
            HierarchieSuppression h(s.e);
            ASSERT_TRUE(h.Calculable());
            if (genre.Minutes)
                EXPECT_EQ(h.S0(), s0.S);
            else
                EXPECT_NEAR(h.S0(), s0.S, s0.Borne);
            EXPECT_EQ(h.S0() == 0, s0.S == 0);
            Compare(h.SansChaqueArc(nullptr), PlainSansChaqueArc(s.e), s0.S, genre.Minutes, arcs,
                    "arc");
            Compare(h.SansChaqueNoeud(nullptr), PlainSansChaqueNoeud(s.e), s0.S, genre.Minutes,
                    noeuds, "node");
        }
    }
    // The cases the engine treats apart all came up.
    EXPECT_GT(arcs.coupes, 0);
    EXPECT_GT(arcs.baisses, 0);  // a two-way arc that had overwritten a smaller reverse cell
    EXPECT_GT(arcs.egales, 0);
    EXPECT_GT(noeuds.coupes, 0);
}

// Triangle A-B-C of two-way roads and a bridge C-D; the values written out.
TEST(HierarchieSuppression, PontEtDernierArc) {
    test::Session s;
    const std::string noeuds =
        LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) + LigneNoeud("D", 4);
    ASSERT_TRUE(s.Ouvre(noeuds, LigneArc(1, 2, 7, 0, 5) + LigneArc(2, 3, 7, 0, 5) +
                                    LigneArc(1, 3, 7, 0, 12) + LigneArc(3, 4, 7, 0, 10)));
    HierarchieSuppression h(s.e);
    ASSERT_TRUE(h.Calculable());
    EXPECT_EQ(h.S0(), 130);
    const auto arcs = h.SansChaqueArc(nullptr);
    ASSERT_EQ(arcs.size(), 5u);
    EXPECT_EQ(arcs[3], 130);                               // A-C carries no shortest path
    EXPECT_EQ(arcs[1], 2 * (17 + 12 + 22 + 5 + 15 + 10));  // A-B: A to B by C
    EXPECT_EQ(arcs[4], 0);                                 // the bridge, last of the table
    const auto sansNoeud = h.SansChaqueNoeud(nullptr);
    EXPECT_EQ(sansNoeud[4], 2 * (5 + 10 + 5));
    EXPECT_EQ(sansNoeud[3], 0);  // D cut off
    EXPECT_EQ(sansNoeud[1], 2 * (5 + 10 + 15));
}

// Two-way arcs and one-way arcs of the same pair, in table order: (1) a one-way B -> A of 3,
// then a two-way A-B of 8 that overwrites B -> A with 8: removing the two-way arc lowers B -> A
// back to 3; (2) a one-way A -> B of 3, then a two-way A-B of 8 kept out by it: removing the
// one-way arc lets the two-way one write B -> A, a cell that was not there.
TEST(HierarchieSuppression, ArcsDeuxSensEtUnSensDeLaMemePaire) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3);
    auto reste = [](int cb) { return LigneArc(1, 3, 7, 0, 4) + LigneArc(3, 2, 7, 0, cb); };
    struct Cas {
        std::string Arcs;
        std::size_t Arc;  // whose removal lowers the sum
    };
    const Cas cas[] = {
        {LigneArc(2, 1, 3, 0, 3) + LigneArc(1, 2, 7, 0, 8) + reste(9), 2},
        {LigneArc(1, 2, 3, 0, 3) + LigneArc(1, 2, 7, 0, 8) + reste(20), 1},
    };
    for (const Cas& c : cas) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(noeuds, c.Arcs));
        const Valeur s0 = Plain(s.e);
        const auto attendu = PlainSansChaqueArc(s.e);
        HierarchieSuppression h(s.e);
        EXPECT_EQ(h.S0(), s0.S);
        const auto obtenu = h.SansChaqueArc(nullptr);
        for (std::size_t a = 1; a < attendu.size(); ++a) EXPECT_EQ(obtenu[a], attendu[a].S) << a;
        EXPECT_LT(attendu[c.Arc].S, s0.S);
        EXPECT_GT(attendu[c.Arc].S, 0);
    }
}

// Already cut: S0 = 0, every arc 0; removing the isolated node leaves the rest connected.
TEST(HierarchieSuppression, ReseauDejaDeconnecte) {
    test::Session s;
    const std::string noeuds =
        LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) + LigneNoeud("D", 4);
    ASSERT_TRUE(s.Ouvre(noeuds, LigneArc(1, 2, 7, 0, 5) + LigneArc(2, 3, 7, 0, 5)));
    HierarchieSuppression h(s.e);
    ASSERT_TRUE(h.Calculable());
    EXPECT_EQ(h.S0(), 0);
    EXPECT_EQ(h.SansChaqueArc(nullptr), (std::vector<double>{0, 0, 0}));
    const auto n = h.SansChaqueNoeud(nullptr);
    EXPECT_EQ(n, (std::vector<double>{0, 0, 0, 0, 2 * (5 + 10 + 5)}));
    const auto attendu = PlainSansChaqueNoeud(s.e);
    for (std::size_t k = 1; k < attendu.size(); ++k) EXPECT_EQ(n[k], attendu[k].S) << k;
}

TEST(HierarchieSuppression, AutreValuationEtAnnulation) {
    test::Session s;
    std::string noeuds, arcs;
    for (int i = 1; i <= 200; ++i) {
        noeuds += LigneNoeud("N" + std::to_string(i), i);
        arcs += LigneArc(i, i % 200 + 1, 7, 0, 3);
    }
    ASSERT_TRUE(s.Ouvre(noeuds, arcs));
    s.e.Valuation = "Vitesse";
    HierarchieSuppression autre(s.e);
    EXPECT_FALSE(autre.Calculable());
    EXPECT_TRUE(autre.SansChaqueArc(nullptr).empty());
    EXPECT_TRUE(autre.SansChaqueNoeud(nullptr).empty());

    s.e.Valuation = "Temps";
    HierarchieSuppression h(s.e);
    ASSERT_TRUE(h.Calculable());
    EXPECT_GT(h.EstimationArcs(), 0);
    EXPECT_GT(h.EstimationNoeuds(), 0);
    std::int64_t appels = 0, dernier = -1, total = 0;
    auto suivi = [&](std::int64_t fait, std::int64_t t) {
        ++appels;
        dernier = fait;
        total = t;
        return true;
    };
    EXPECT_EQ(h.SansChaqueArc(suivi).size(), 201u);
    EXPECT_GT(appels, 0);
    EXPECT_EQ(dernier, 200);
    EXPECT_EQ(total, 200);
    // Cancelled at the first call: nothing comes back.
    EXPECT_TRUE(h.SansChaqueNoeud([](std::int64_t, std::int64_t) { return false; }).empty());
    EXPECT_TRUE(h.SansChaqueArc([](std::int64_t, std::int64_t) { return false; }).empty());
}

TEST(HierarchieSuppression, SiouxFallsCommeLaMethodeSimple) {
    const std::string dossier = std::string(VEK_SOURCE_DIR) + "/../shared/data/SiouxFalls";
    if (!std::filesystem::exists(dossier + "/arcs.dat"))
        GTEST_SKIP() << "../shared/data/SiouxFalls is absent: not checked";
    for (const char* valuation : {"Temps", "Distance"}) {
        SCOPED_TRACE(valuation);
        test::Session s;
        s.e.NomFichierNoeuds = dossier + "/noeuds.dat";
        s.e.NomFichierArcs = dossier + "/arcs.dat";
        ASSERT_TRUE(ChargementReseau(s.e));
        s.e.Valuation = valuation;
        const Valeur s0 = Plain(s.e);
        ASSERT_GT(s0.S, 0);
        HierarchieSuppression h(s.e);
        EXPECT_NEAR(h.S0(), s0.S, s0.Borne);
        Bilan bilan;
        Compare(h.SansChaqueArc(nullptr), PlainSansChaqueArc(s.e), s0.S, false, bilan, "arc");
        Compare(h.SansChaqueNoeud(nullptr), PlainSansChaqueNoeud(s.e), s0.S, false, bilan, "node");
    }
}

}  // namespace
}  // namespace vek
