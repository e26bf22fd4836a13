// The node indicators drawn from the shortest paths and the driving-time rules of road
// haulage: against a plain reading of their definitions on random networks (bit for bit),
// their edge cases, the shared matrices they must leave alone, and golden node-value files.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "Reseaux.h"
#include "location/IndicateursChemins.h"
#include "location/LegislationSociale.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Fichiers.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// ---------------------------------------------------------------------------------------------
// The definitions read plainly: one loop per sum as written, destinations in the outer loop
// for the column sums, the diagonal and the Euclidean matrix written into the tables as the
// definitions do. Sums in Double; a zero denominator gives 0.

struct Litteral {
    std::int32_t N = 0;
    std::vector<Noeud> Noeuds;
    Matrice<CelluleChemin> CheminsMin;
    Matrice<CelluleArcMin> MatArcsMin;
    Matrice<CellulePredecesseur> MatPredecesseurs;
    bool PonderationPopulation = false;

    explicit Litteral(const Etat& e)
        : N(e.NbNoeuds),
          Noeuds(e.Noeuds),
          CheminsMin(e.CheminsMin),
          MatArcsMin(e.MatArcsMin),
          MatPredecesseurs(e.MatPredecesseurs),
          PonderationPopulation(e.PonderationPopulation) {}

    float& d(int i, int j) { return CheminsMin(i, j).Valeur; }
    int P(int i) const { return Noeuds[i].Population; }
    static double Divise(double a, double b) { return b == 0 ? 0 : a / b; }

    void CreationMatriceDistancesEuclidiennes() {
        MatArcsMin.Dimensionne(N);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j)
                MatArcsMin(i, j).Valeur =
                    i == j ? 1.0f : static_cast<float>(DistanceVolOiseau(Noeuds[i], Noeuds[j]));
    }

    std::vector<double> SVMA(bool pond) {
        std::vector<double> v(N + 1, 0.0);
        if (PonderationPopulation) {
            for (int i = 1; i <= N; ++i) d(i, i) = 1;
            for (int i = 1; i <= N; ++i)
                for (int j = 1; j <= N; ++j) v[i] += static_cast<double>(d(j, i)) * P(j);
        } else if (!pond) {
            for (int i = 1; i <= N; ++i)
                for (int j = 1; j <= N; ++j) v[i] += d(j, i);
        } else {
            for (int i = 1; i <= N; ++i) d(i, i) = 1;
            for (int i = 1; i <= N; ++i) {
                for (int j = 1; j <= N; ++j) v[i] += d(j, i);
                v[i] = Divise(v[i], P(i));
            }
        }
        return v;
    }
    std::vector<double> SVME(bool pond) {
        std::vector<double> v(N + 1, 0.0);
        if (!pond) {
            for (int i = 1; i <= N; ++i)
                for (int j = 1; j <= N; ++j) v[i] += d(i, j);
            return v;
        }
        int m = 0;
        for (int i = 1; i <= N; ++i) m += P(i) > 50000;
        for (int i = 1; i <= N; ++i) {
            if (P(i) <= 50000) continue;
            for (int j = 1; j <= N; ++j)
                if (P(j) > 50000) v[i] += d(i, j);
            v[i] = Divise(v[i], m - 1);
        }
        return v;
    }
    std::vector<double> SVE(bool pond) {
        CreationMatriceDistancesEuclidiennes();
        std::vector<double> v(N + 1, 0.0);
        if (!pond) {
            for (int i = 1; i <= N; ++i)
                for (int j = 1; j <= N; ++j) v[i] += MatArcsMin(i, j).Valeur;
            return v;
        }
        int m = 0;
        for (int i = 1; i <= N; ++i) m += P(i) > 50000;
        for (int i = 1; i <= N; ++i) {
            if (P(i) <= 50000) continue;
            MatArcsMin(i, i).Valeur = 0;
            for (int j = 1; j <= N; ++j)
                if (P(j) > 50000) v[i] += MatArcsMin(i, j).Valeur;
            v[i] = Divise(v[i], m - 1);
        }
        return v;
    }
    std::vector<double> NbConnexions() {
        std::vector<double> v(N + 1, 0.0);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j) {
                if (Noeuds[i].Code == Noeuds[j].Code || !(d(i, j) < kInfini)) continue;
                int k = j;
                v[k] += 1;
                while (k != i) {
                    k = MatPredecesseurs(i, k).Pred;
                    v[k] += 1;
                }
            }
        return v;
    }
    std::vector<double> CentraliteAttraction() {
        std::vector<double> v(N + 1, 0.0);
        double T = 0;
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j) T += d(i, j);
        for (int i = 1; i <= N; ++i) {
            double A = 0;
            for (int j = 1; j <= N; ++j) A += d(j, i);
            v[i] = Divise(100 * (T / N), A);
        }
        return v;
    }
    std::vector<double> CentraliteEmission() {
        std::vector<double> v(N + 1, 0.0);
        int n = 0;
        double T = 0;
        for (int i = 1; i <= N; ++i) {
            if (P(i) <= 2000) continue;
            ++n;
            for (int j = 1; j <= N; ++j)
                if (P(j) > 2000) T += d(i, j);
        }
        for (int i = 1; i <= N; ++i) {
            if (P(i) <= 2000) continue;
            double E = 0;
            for (int j = 1; j <= N; ++j)
                if (P(j) > 2000) E += d(i, j);
            v[i] = Divise(T / n, E);
        }
        return v;
    }
    std::vector<double> CentraliteEuclidienne() {
        CreationMatriceDistancesEuclidiennes();
        std::vector<double> v(N + 1, 0.0);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j)
                if (MatArcsMin(i, j).Valeur > v[i]) v[i] = MatArcsMin(i, j).Valeur;
        return v;
    }
    std::vector<double> EquiteAttraction() {
        std::vector<double> v(N + 1, 0.0);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j)
                if (d(j, i) > v[i]) v[i] = d(j, i);
        return v;
    }
    std::vector<double> EquiteEmission() {
        std::vector<double> v(N + 1, 0.0);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j)
                if (d(i, j) > v[i]) v[i] = d(i, j);
        return v;
    }
    // The driving-time rules, written into the path matrix; the pairs without a path are
    // left as they are.
    void LegislationSociale() {
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= N; ++j) {
                float T = d(i, j);
                if (T == kInfini) continue;
                int blocs = 0, pauses = 0, repos = 0, compteur = 0;
                while (T > 270) {
                    T = T - 270;
                    blocs = blocs + 1;
                    if (compteur != 1) {
                        pauses = pauses + 45;
                        compteur = compteur + 1;
                    } else {
                        if (T > 60) {
                            repos = repos + 540;
                            compteur = 0;
                        } else {
                            pauses = pauses + 45;
                        }
                    }
                }
                d(i, j) = blocs * 270 + T + pauses + repos;
            }
    }
};

// ---------------------------------------------------------------------------------------------

// A random network of n nodes: roads at 30 km/h between random pairs, a few isolated nodes (pairs
// without a path), populations on both sides of 2000 and 50000 (some zero), the last node
// sharing the first one's code.
struct Aleatoire : test::Session {
    explicit Aleatoire(unsigned graine, int n = 60, const char* valuation = "Temps") {
        std::mt19937 g(graine);
        const int populations[] = {0, 800, 1500, 2500, 30000, 60000, 250000};
        std::string noeuds, arcs;
        for (int i = 1; i <= n; ++i) {
            const long long code = i == n ? 101 : 100 + i;
            std::string nom = "N";
            nom += std::to_string(i);
            noeuds += LigneNoeud(nom, code, populations[g() % 7], (g() % 100000) / 100.0,
                                 (g() % 100000) / 100.0);
        }
        for (int k = 0; k < 3 * n; ++k) {
            const int o = 1 + static_cast<int>(g() % (n - 4)),
                      d = 1 + static_cast<int>(g() % (n - 4));
            if (o == d) continue;
            arcs += LigneArc(100 + o, 100 + d, 722, (1 + g() % 2999) / 10.0,
                             1 + static_cast<int>(g() % 400));
        }
        EXPECT_TRUE(Ouvre(noeuds, arcs));
        e.Valuation = valuation;
        CalculMatriceArcsMin(e);
        EXPECT_TRUE(CalculCheminsMinimaux(e));
        RecuperationTraces(e);
    }
};

bool MemesOctets(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

template <typename T>
bool MemesOctets(const Matrice<T>& a, const Matrice<T>& b) {
    if (a.Lignes() != b.Lignes() || a.Colonnes() != b.Colonnes()) return false;
    for (std::size_t i = 0; i < a.Lignes(); ++i)
        for (std::size_t j = 0; j < a.Colonnes(); ++j)
            if (std::memcmp(&a(i, j), &b(i, j), sizeof(T)) != 0) return false;
    return true;
}

// Every indicator, each option, against its plain reading, bit for bit; the shared matrices
// left byte for byte as they were; the progress window shown and hidden again.
TEST(IndicateursChemins, CommeLaDefinitionSurDesReseauxAleatoires) {
    for (unsigned graine : {1u, 2u, 3u}) {
        Aleatoire a(graine);
        Etat& e = a.e;
        const Matrice<CelluleChemin> chemins = e.CheminsMin;
        const Matrice<CelluleArcMin> arcs = e.MatArcsMin;
        const Matrice<CellulePredecesseur> preds = e.MatPredecesseurs;
        struct Cas {
            const char* nom;
            bool ponderation, pond;
            bool (*calcul)(EtatLocalisation&, bool);
            std::vector<double> (*reference)(Litteral&, bool);
        };
        const Cas cas[] = {
            {"SVMA", false, false, CalculSVMA, [](Litteral& l, bool p) { return l.SVMA(p); }},
            {"SVMA Pond", false, true, CalculSVMA, [](Litteral& l, bool p) { return l.SVMA(p); }},
            {"SVMA population", true, false, CalculSVMA,
             [](Litteral& l, bool p) { return l.SVMA(p); }},
            {"SVME", false, false, CalculSVME, [](Litteral& l, bool p) { return l.SVME(p); }},
            {"SVME Pond", false, true, CalculSVME, [](Litteral& l, bool p) { return l.SVME(p); }},
            {"SVE", false, false, CalculSVE, [](Litteral& l, bool p) { return l.SVE(p); }},
            {"SVE Pond", false, true, CalculSVE, [](Litteral& l, bool p) { return l.SVE(p); }},
            {"NbConnex", false, false,
             [](EtatLocalisation& x, bool) { return CalculNbConnexions(x); },
             [](Litteral& l, bool) { return l.NbConnexions(); }},
            {"Centralité_A", false, false,
             [](EtatLocalisation& x, bool) { return CalculCentraliteAttraction(x); },
             [](Litteral& l, bool) { return l.CentraliteAttraction(); }},
            {"Centralité_E", false, false,
             [](EtatLocalisation& x, bool) { return CalculCentraliteEmission(x); },
             [](Litteral& l, bool) { return l.CentraliteEmission(); }},
            {"CentralitéEuclid", false, false,
             [](EtatLocalisation& x, bool) { return CalculCentraliteEuclidienne(x); },
             [](Litteral& l, bool) { return l.CentraliteEuclidienne(); }},
            {"Equité_A", false, false,
             [](EtatLocalisation& x, bool) { return CalculEquiteAttraction(x); },
             [](Litteral& l, bool) { return l.EquiteAttraction(); }},
            {"Equité_E", false, false,
             [](EtatLocalisation& x, bool) { return CalculEquiteEmission(x); },
             [](Litteral& l, bool) { return l.EquiteEmission(); }},
        };
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(c.nom) + ", graine " + std::to_string(graine));
            e.PonderationPopulation = c.ponderation;
            Litteral l(e);
            const std::vector<double> attendu = c.reference(l, c.pond);
            e.ValeursNoeuds.assign(3, 7.0);  // left by an earlier analysis
            a.port.progressionsMontrees = a.port.progressionsCachees = 0;
            ASSERT_TRUE(c.calcul(e, c.pond));
            EXPECT_TRUE(MemesOctets(e.ValeursNoeuds, attendu));
            EXPECT_TRUE(MemesOctets(e.CheminsMin, chemins));
            EXPECT_TRUE(MemesOctets(e.MatArcsMin, arcs));
            EXPECT_TRUE(MemesOctets(e.MatPredecesseurs, preds));
            EXPECT_EQ(a.port.progressionsMontrees, 1);
            EXPECT_EQ(a.port.progressionsCachees, 1);
        }
        // The walks met every kind of pair: paths of several steps, pairs without a path, a
        // pair of nodes sharing a code.
        EXPECT_EQ(e.Noeuds[1].Code, e.Noeuds[e.NbNoeuds].Code);
        EXPECT_EQ(e.CheminsMin(1, e.NbNoeuds - 1).Valeur, kInfini);

        // The driving-time rule on every pair, against the rule written into the path matrix.
        Litteral l(e);
        l.LegislationSociale();
        const Matrice<float> temps = LegislationSocialeTransportsRoutiers(e);
        ASSERT_EQ(temps.Lignes(), chemins.Lignes());
        bool pareil = true, allonge = false;
        for (int i = 1; i <= e.NbNoeuds; ++i)
            for (int j = 1; j <= e.NbNoeuds; ++j) {
                pareil = pareil && std::memcmp(&temps(i, j), &l.d(i, j), sizeof(float)) == 0;
                allonge = allonge || (temps(i, j) > chemins(i, j).Valeur + 500 &&
                                      chemins(i, j).Valeur < kInfini);
            }
        EXPECT_TRUE(pareil);
        EXPECT_TRUE(allonge);  // some paths last long enough for a rest
        EXPECT_TRUE(MemesOctets(e.CheminsMin, chemins));
    }
}

// ---------------------------------------------------------------------------------------------

// Four nodes with paths set by hand (row = origin): node 1 reached from every other at 10,
// node 2 and node 4 at 5, node 3 at 20.
struct Quatre : test::Session {
    Quatre(long p1 = 100, long p2 = 100, long p3 = 100, long p4 = 100) {
        EXPECT_TRUE(Ouvre(
            LigneNoeud("A", 1, p1, 0, 0) + LigneNoeud("B", 2, p2, 3, 4) +
                LigneNoeud("C", 3, p3, 6, 8) + LigneNoeud("D", 4, p4, 6, 0),
            LigneArc(1, 2, 7, 10, 10) + LigneArc(2, 3, 7, 10, 10) + LigneArc(3, 4, 7, 10, 10)));
        e.CheminsMin.Dimensionne(4);
        const float versNoeud[] = {0, 10, 5, 20, 5};
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) e.CheminsMin(i, j).Valeur = i == j ? 0 : versNoeud[j];
        port.messages.clear();
    }
};

TEST(IndicateursChemins, Centralites) {
    {
        // The mean path costs 10: reached at that cost, 100; twice as far, 50.
        Quatre q;
        ASSERT_TRUE(CalculCentraliteAttraction(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, (std::vector<double>{0, 100, 200, 50, 200}));
        EXPECT_TRUE(q.port.messages.empty());
    }
    {
        // Nothing reaches node 2 at a cost: 0, said once (not an infinite or undefined value).
        Quatre q;
        for (int j = 1; j <= 4; ++j) q.e.CheminsMin(j, 2).Valeur = 0;
        ASSERT_TRUE(CalculCentraliteAttraction(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds[2], 0);
        EXPECT_EQ(q.e.ValeursNoeuds[1], 100 * (105.0 / 4) / 30);
        ASSERT_EQ(q.port.messages.size(), 1u);
        EXPECT_EQ(q.port.messages[0].texte.rfind("1 noeud(s) reçoivent la valeur 0", 0), 0u);
        EXPECT_EQ(q.port.messages[0].icone, Icone::Information);
    }
    {
        // No node above 2000 inhabitants: zeros, and a word on why.
        Quatre q(2000, 150, 0, 1999);
        q.e.ValeursNoeuds.assign(5, 3.0);
        ASSERT_TRUE(CalculCentraliteEmission(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, std::vector<double>(5, 0.0));
        EXPECT_EQ(q.port.Compte("Aucun noeud ne compte plus de 2000 habitants"), 1);
    }
    {
        // Nodes 1, 3 and 4 take part: (T / n) / E(i), without a factor 100.
        Quatre q(2001, 150, 5000, 90000);
        ASSERT_TRUE(CalculCentraliteEmission(q.e));
        const double t = 20 + 5 + 10 + 5 + 10 + 20;  // rows 1, 3, 4 over columns 1, 3, 4
        EXPECT_EQ(q.e.ValeursNoeuds,
                  (std::vector<double>{0, t / 3 / 25, 0, t / 3 / 15, t / 3 / 30}));
        EXPECT_TRUE(q.port.messages.empty());
    }
    {
        // A single node above 2000: its sum towards itself is 0, so is its value, said once.
        Quatre q(0, 0, 0, 3000);
        ASSERT_TRUE(CalculCentraliteEmission(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, std::vector<double>(5, 0.0));
        EXPECT_EQ(q.port.Compte("1 noeud(s) reçoivent la valeur 0"), 1);
    }
    {
        // The largest straight-line distance, the diagonal's 1 included.
        Quatre q;
        ASSERT_TRUE(CalculCentraliteEuclidienne(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, (std::vector<double>{0, 10, 5, 10, 8}));
        q.e.Noeuds.resize(2);
        q.e.NbNoeuds = 1;
        ASSERT_TRUE(CalculCentraliteEuclidienne(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, (std::vector<double>{0, 1}));
    }
}

TEST(IndicateursChemins, SommesDesValeursMinimales) {
    {
        // Weighted by the origin's population, the diagonal counting 1: node 1 receives
        // 1 x 100 from itself and 10 x (20 + 300 + 4000) from the others.
        Quatre q(100, 20, 300, 4000);
        q.e.PonderationPopulation = true;
        ASSERT_TRUE(CalculSVMA(q.e, false));
        EXPECT_EQ(q.e.ValeursNoeuds[1], 100 + 10.0 * (20 + 300 + 4000));
        EXPECT_EQ(q.e.ValeursNoeuds[3], 300 + 20.0 * (100 + 20 + 4000));
        // The diagonal of the paths is read as 1, never written.
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(q.e.CheminsMin(i, i).Valeur, 0);
    }
    {
        // "Pondéré": the sum (diagonal 1) divided by the node's population; a node without
        // population gets 0, said once.
        Quatre q(100, 0, 300, 0);
        ASSERT_TRUE(CalculSVMA(q.e, true));
        EXPECT_EQ(q.e.ValeursNoeuds, (std::vector<double>{0, 31.0 / 100, 0, 61.0 / 300, 0}));
        EXPECT_EQ(q.port.Compte("2 noeud(s) reçoivent la valeur 0"), 1);
        EXPECT_EQ(q.port.messages.size(), 1u);
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(q.e.CheminsMin(i, i).Valeur, 0);
        // Unweighted: the plain column sums.
        ASSERT_TRUE(CalculSVMA(q.e, false));
        EXPECT_EQ(q.e.ValeursNoeuds, (std::vector<double>{0, 30, 15, 60, 15}));
    }
    {
        // SVME "Pondéré" over the nodes above 50000: a single one cannot be averaged over
        // the others: 0, said once; with two, the sum over both divided by one.
        Quatre q(60000, 100, 100, 100);
        ASSERT_TRUE(CalculSVME(q.e, true));
        EXPECT_EQ(q.e.ValeursNoeuds, std::vector<double>(5, 0.0));
        ASSERT_TRUE(CalculSVE(q.e, true));
        EXPECT_EQ(q.e.ValeursNoeuds, std::vector<double>(5, 0.0));
        EXPECT_EQ(q.port.Compte("1 noeud(s) reçoivent la valeur 0"), 2);
        Quatre deux(60000, 100, 70000, 100);
        ASSERT_TRUE(CalculSVME(deux.e, true));
        EXPECT_EQ(deux.e.ValeursNoeuds, (std::vector<double>{0, 20, 0, 10, 0}));
        ASSERT_TRUE(CalculSVE(deux.e, true));
        EXPECT_EQ(deux.e.ValeursNoeuds, (std::vector<double>{0, 10, 0, 10, 0}));
        ASSERT_TRUE(CalculSVE(deux.e, false));  // 1 on the diagonal
        EXPECT_EQ(deux.e.ValeursNoeuds[1], 1 + 5 + 10 + 6);
        EXPECT_TRUE(deux.port.messages.empty());
    }
    {
        // Sums in Double: a Single sum of 2^24 and ones loses every one.
        Quatre q;
        for (int j = 2; j <= 4; ++j) q.e.CheminsMin(1, j).Valeur = 1;
        q.e.CheminsMin(1, 2).Valeur = 16777216;
        ASSERT_TRUE(CalculSVME(q.e, false));
        EXPECT_EQ(q.e.ValeursNoeuds[1], 16777218);
        for (int j = 1; j <= 4; ++j) q.e.CheminsMin(j, 1).Valeur = 1;
        q.e.CheminsMin(2, 1).Valeur = 16777216;
        q.e.CheminsMin(1, 1).Valeur = 0;
        ASSERT_TRUE(CalculSVMA(q.e, false));
        EXPECT_EQ(q.e.ValeursNoeuds[1], 16777218);
    }
    {
        // No paths computed for the network: said, nothing read.
        Quatre q;
        q.e.CheminsMin.Libere();
        for (auto* f : {CalculSVMA, CalculSVME}) EXPECT_FALSE(f(q.e, false));
        EXPECT_FALSE(CalculCentraliteAttraction(q.e));
        EXPECT_EQ(q.e.ValeursNoeuds, std::vector<double>(5, 0.0));
        EXPECT_EQ(q.port.Compte("calculez-les d'abord"), 3);
    }
}

// ---------------------------------------------------------------------------------------------

// A line I - X - J, and K with the code of J, reached by nothing; roads at 30 km/h, 300 and
// 400 minutes long.
struct Ligne : test::Session {
    explicit Ligne(bool traces = true) {
        EXPECT_TRUE(Ouvre(LigneNoeud("I", 1, 100) + LigneNoeud("X", 2, 100) +
                              LigneNoeud("J", 3, 100) + LigneNoeud("K", 3, 100),
                          LigneArc(1, 2, 722, 150, 0) + LigneArc(2, 3, 722, 200, 0)));
        CalculMatriceArcsMin(e);
        EXPECT_TRUE(CalculCheminsMinimaux(e));
        if (traces) RecuperationTraces(e);
        port.messages.clear();
        port.progressionsMontrees = port.progressionsCachees = 0;
    }
};

// The count of paths per node walking every pair back through TraceChemin, and the pairs
// whose walk did not come back to the origin.
std::pair<std::vector<double>, std::int64_t> ConnexionsParPaire(const Etat& e) {
    std::vector<double> v(static_cast<std::size_t>(e.NbNoeuds) + 1, 0.0);
    std::int64_t rompus = 0;
    for (int i = 1; i <= e.NbNoeuds; ++i)
        for (int j = 1; j <= e.NbNoeuds; ++j) {
            if (e.Noeuds[i].Code == e.Noeuds[j].Code) continue;
            const std::vector<std::int32_t> chemin = TraceChemin(e, i, j);
            if (chemin.empty()) rompus += e.CheminsMin(i, j).Valeur < kInfini;
            for (std::int32_t k : chemin) v[static_cast<std::size_t>(k)] += 1;
        }
    return {v, rompus};
}

// Traces damaged at random (cycles, walks that end elsewhere): the same counts and the same
// pairs left out as walking each pair on its own.
TEST(IndicateursChemins, ConnexionsSurDesTracesAbimees) {
    for (unsigned graine : {4u, 5u}) {
        Aleatoire a(graine, 80);
        Etat& e = a.e;
        std::mt19937 g(graine);
        for (int k = 0; k < 40 * static_cast<int>(graine); ++k)
            e.MatPredecesseurs(1 + g() % 80, 1 + g() % 80).Pred = 1 + static_cast<int>(g() % 80);
        const auto [attendu, rompus] = ConnexionsParPaire(e);
        ASSERT_GT(rompus, 0);
        a.port.messages.clear();
        ASSERT_TRUE(CalculNbConnexions(e));
        EXPECT_TRUE(MemesOctets(e.ValeursNoeuds, attendu));
        EXPECT_EQ(a.port.Compte(std::to_string(rompus) + " chemin(s) dont le tracé"), 1);
    }
}

TEST(IndicateursChemins, NombreDeConnexions) {
    {
        // I: I->X, I->J, X->I, J->I; X: on all six paths; J: four; K: none.
        Ligne l;
        ASSERT_TRUE(CalculNbConnexions(l.e));
        EXPECT_EQ(l.e.ValeursNoeuds, (std::vector<double>{0, 4, 6, 4, 0}));
        EXPECT_TRUE(l.port.messages.empty());
        EXPECT_EQ(l.port.progressionsMontrees, 1);
        EXPECT_EQ(l.port.progressionsCachees, 1);
    }
    {
        // Traces that lead round in a circle: the walk stops, the pair is left out and said.
        Ligne l;
        l.e.MatPredecesseurs(1, 3).Pred = 2;
        l.e.MatPredecesseurs(1, 2).Pred = 3;
        ASSERT_TRUE(CalculNbConnexions(l.e));
        EXPECT_EQ(l.e.ValeursNoeuds, (std::vector<double>{0, 2, 4, 3, 0}));
        EXPECT_EQ(l.port.Compte("2 chemin(s) dont le tracé ne ramène pas à l'origine"), 1);
        // A trace naming no node of the table: X -> I left out.
        Ligne hors;
        hors.e.MatPredecesseurs(2, 1).Pred = 77;
        ASSERT_TRUE(CalculNbConnexions(hors.e));
        EXPECT_EQ(hors.e.ValeursNoeuds, (std::vector<double>{0, 3, 5, 4, 0}));
        EXPECT_EQ(hors.port.Compte("1 chemin(s) dont le tracé"), 1);
    }
    {
        // No traces, or traces of earlier paths: said, nothing walked.
        Ligne l(false);
        EXPECT_FALSE(CalculNbConnexions(l.e));
        EXPECT_EQ(l.port.Compte("tracés"), 1);
        Ligne perime;
        perime.e.Valuation = "Distance";
        EXPECT_TRUE(CalculCheminsMinimaux(perime.e));
        EXPECT_FALSE(CalculNbConnexions(perime.e));
        EXPECT_EQ(perime.e.ValeursNoeuds, std::vector<double>(5, 0.0));
    }
}

// ---------------------------------------------------------------------------------------------

TEST(LegislationSociale, TempsDeConduite) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Cas {
        float avant, apres;
    };
    for (const Cas c : {Cas{0, 0}, Cas{100, 100}, Cas{270, 270}, Cas{300, 345}, Cas{540, 585},
                        Cas{600, 690}, Cas{700, 1285}, Cas{1200, 2370}, Cas{kInfini, kInfini},
                        Cas{inf, inf}, Cas{-inf, -inf}, Cas{2e9f, 2e9f}, Cas{3e38f, 3e38f}})
        EXPECT_EQ(TempsAvecArretsReglementaires(c.avant), c.apres) << c.avant;
    EXPECT_TRUE(std::isnan(TempsAvecArretsReglementaires(nan)));

    // Over the paths of a network timed in minutes: a copy, the paths left as they were.
    Ligne l;
    l.e.CheminsMin(4, 1).Valeur = inf;
    const Matrice<CelluleChemin> chemins = l.e.CheminsMin;
    const Matrice<float> t = LegislationSocialeTransportsRoutiers(l.e);
    ASSERT_EQ(t.Lignes(), 5u);
    EXPECT_EQ(t(1, 2), 345);   // 300
    EXPECT_EQ(t(1, 3), 1285);  // 700
    EXPECT_EQ(t(3, 2), 445);   // 400
    EXPECT_EQ(t(1, 4), kInfini);
    EXPECT_EQ(t(4, 1), inf);
    EXPECT_EQ(t(2, 2), 0);
    EXPECT_TRUE(MemesOctets(l.e.CheminsMin, chemins));
    EXPECT_TRUE(l.port.messages.empty());

    // Paths in kilometres are not driving times: refused.
    Ligne d;
    d.e.Valuation = "Distance";
    EXPECT_TRUE(CalculCheminsMinimaux(d.e));
    EXPECT_TRUE(LegislationSocialeTransportsRoutiers(d.e).Vide());
    EXPECT_EQ(d.port.Compte("\"Temps\""), 1);
}

// ---------------------------------------------------------------------------------------------

// The node-value files of every multipolar indicator on a small network (roads of 6, 7, 8, 9
// and 4 minutes), against their golden copies (VEK_REGENERE_GOLDEN=1 writes them again).
TEST(IndicateursChemins, FichiersDeValeurs) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(
        LigneNoeud("Amont", 11, 60000, 0, 0) + LigneNoeud("Bourg", 12, 2500, 3, 4) +
            LigneNoeud("Col", 13, 800, 6, 0) + LigneNoeud("Digue", 14, 75000, 9, 4) +
            LigneNoeud("Ecluse", 15, 0, 3, -4),
        LigneArc(11, 12, 722, 3, 0) + LigneArc(12, 13, 722, 3.5, 0) + LigneArc(13, 14, 722, 4, 0) +
            LigneArc(11, 15, 722, 4.5, 0) + LigneArc(15, 13, 722, 2, 0)));
    Etat& e = s.e;
    CalculMatriceArcsMin(e);
    ASSERT_TRUE(CalculCheminsMinimaux(e));
    RecuperationTraces(e);
    const bool regenere = std::getenv("VEK_REGENERE_GOLDEN") != nullptr;
    for (const IndicateurMultipolaire& i : IndicateursMultipolaires()) {
        ASSERT_TRUE(i.Calcul(e, i.Controle == "SVMA" || i.Controle == "SVE")) << i.Controle;
        const std::string texte = CheminResultat(e, i.Fichier);
        EcritureValeursNoeuds(e, texte);
        const std::string chemin = CheminDe(e, texte).string();
        const std::string golden =
            test::Source("tests/data/golden/indicateurs/" + i.Fichier.substr(1));
        if (regenere) test::EcritOctets(golden, test::LitOctets(chemin));
        EXPECT_EQ(test::LitOctets(chemin), test::LitOctets(golden)) << i.Controle;
    }
}

}  // namespace
}  // namespace vek
