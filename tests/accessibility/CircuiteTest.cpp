// Circuity: the Floyd carrying a secondary value against the plain loops, and the indicators
// on tiny networks.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Reseaux.h"
#include "accessibility/Circuite.h"
#include "gravity/ModeleGravitaire.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Format.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// The loops as the circuity paths are defined.
void Plaine(std::vector<float>& f, std::vector<float>& f2, std::size_t n, bool symetrique) {
    const std::size_t c = n + 1;
    for (std::size_t k = 1; k <= n; ++k)
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(f[i * c + k] < 32000)) continue;
            for (std::size_t j = symetrique ? i + 1 : 1; j <= n; ++j) {
                const float s = f[i * c + k] + f[k * c + j];
                const float s2 = f2[i * c + k] + f2[k * c + j];
                bool change = false;
                if (s < f[i * c + j]) {
                    f[i * c + j] = s;
                    f2[i * c + j] = s2;
                    change = true;
                } else if (s == f[i * c + j] && s2 < f2[i * c + j]) {
                    f2[i * c + j] = s2;
                    change = true;
                }
                if (symetrique && change) {
                    f[j * c + i] = f[i * c + j];
                    f2[j * c + i] = f2[i * c + j];
                }
            }
        }
}

TEST(Circuite, FloydCommeLesBouclesSimples) {
    std::mt19937 alea(61);
    for (int essai = 0; essai < 30; ++essai) {
        const std::size_t n = essai % 10 == 9 ? 197 + essai : 2 + alea() % 40;
        const std::size_t c = n + 1;
        const bool symetrique = essai % 2 == 0;
        std::vector<float> f(c * c, 32000), f2(c * c, 32000);
        for (std::size_t i = 1; i <= n; ++i) f[i * c + i] = f2[i * c + i] = 0;
        for (std::size_t a = 0; a < 3 * n; ++a) {
            const std::size_t i = 1 + alea() % n, j = 1 + alea() % n;
            if (i == j) continue;
            // Few distinct values, so that equal primary sums are frequent.
            const float v = static_cast<float>(1 + alea() % 4),
                        v2 = static_cast<float>(alea() % 50) / 4;
            f[i * c + j] = v;
            f2[i * c + j] = v2;
            if (symetrique) {
                f[j * c + i] = v;
                f2[j * c + i] = v2;
            }
        }
        // Matrices the blocked loops do not take: a negative value as a bad arc file may give,
        // one not symmetric under the non-oriented loops, a diagonal not zero.
        const std::size_t i = 1 + alea() % n, j = 1 + alea() % n;
        if (essai % 6 == 1) f[i * c + j] = -1;
        if (essai % 6 == 2) f2[i * c + i] = 0.5f;
        if (essai % 6 == 4 && i != j) f[i * c + j] = f[j * c + i] + 1;
        std::vector<float> g = f, g2 = f2;
        Plaine(g, g2, n, symetrique);
        // Each vector width the processor has: groups of four rows, chunks of columns, the
        // rest of a row and the last group.
        for (const Vectorisation v : {Vectorisation::Meilleure, Vectorisation::Avx512,
                                      Vectorisation::Avx2, Vectorisation::Simple}) {
            std::vector<float> h = f, h2 = f2;
            BoucleFloydCircuite(h.data(), h2.data(), n, symetrique, nullptr, nullptr, v);
            ASSERT_EQ(std::memcmp(h.data(), g.data(), h.size() * sizeof(float)), 0)
                << essai << " " << static_cast<int>(v);
            ASSERT_EQ(std::memcmp(h2.data(), g2.data(), h2.size() * sizeof(float)), 0)
                << essai << " " << static_cast<int>(v);
        }
    }
}

TEST(Circuite, ValeurSecondeDesCheminsEgaux) {
    // A - C by motorway, 55 km in 30 min; A - B - C by roads, 2 x 17.5 km in 2 x 15 min. A
    // second, slower A - C arc does not count.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                        LigneArc(1, 3, 6, 55, 0) + LigneArc(1, 2, 7, 17.5, 0) +
                            LigneArc(2, 3, 7, 17.5, 0) + LigneArc(3, 1, 7, 70, 0)));
    Etat& e = s.e;
    CreationMatriceArcsMinCircuite(e, "Temps2Distance");
    EXPECT_EQ(e.MatArcsMin(1, 3).Valeur, 30);
    EXPECT_EQ(e.MatArcsMin(3, 1).Valeur2, 55);  // both ways, the smaller time
    InitialisationFloydCircuite(e);
    FloydCircuiteNonOriente(e);
    EXPECT_EQ(e.CheminsMin(1, 3).Valeur, 30);
    EXPECT_EQ(e.CheminsMin(1, 3).Valeur2, 35);  // the shorter of the equal-time paths
    EXPECT_EQ(e.CheminsMin(2, 2).Valeur, 1);
}

TEST(Circuite, DegresEtMatricesApres) {
    // A (0, 0), B (3, 4), C (6, 8) in line; A - B 5 km, B - C 7 km; D alone.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 100, 3, 4) +
                            LigneNoeud("C", 3, 100, 6, 8) + LigneNoeud("D", 4, 100, 50, 50),
                        LigneArc(1, 2, 7, 5, 0) + LigneArc(2, 3, 7, 7, 0)));
    Etat& e = s.e;
    menLCK_LE(e);
    // (LCK - LE)^2 over the other reachable nodes: A: (0 + 4) / 2, B: (0 + 4) / 2, C: 8 / 2.
    EXPECT_EQ(e.ValeursNoeuds[1], 2);
    EXPECT_EQ(e.ValeursNoeuds[2], 2);
    EXPECT_EQ(e.ValeursNoeuds[3], 4);
    EXPECT_EQ(e.ValeursNoeuds[4], 0);
    EXPECT_EQ(s.port.Compte("6 paire(s) de noeuds sans chemin"), 1);
    EXPECT_EQ(e.NomFichierResultat, e.RepResultats + "\\NoeudVal.dat");
    EXPECT_TRUE(std::filesystem::exists(s.dossier / "NoeudVal.dat"));
    // The command leaves its valuation and releases its matrices: nothing reads them stale.
    EXPECT_EQ(e.Valuation, "Distance");
    EXPECT_TRUE(e.CheminsMin.Vide());
    e.Menus.Active("menIndicateursN");
    e.Menus.Active("menGravit");
    menDémarrageGravit(e);
    EXPECT_EQ(s.port.Compte("n'ont pas été calculés"), 1);

    // Straight-line lengths of the arcs; the ratio of the chains of arcs (LECK / LE) is 0
    // here, the arcs being straight.
    menLECK_LE(e);
    EXPECT_FLOAT_EQ(e.Arcs[1].DistanceEuclidienne, 5);
    EXPECT_EQ(e.ValeursNoeuds[1], 0);
    // The time and kilometre logics agree on this network.
    menLCT_LCK(e);
    EXPECT_EQ(e.ValeursNoeuds[2], 0);
    EXPECT_EQ(e.Valuation, "Distance");
    // "ATTRACTIONS": G(R) - G(P) with the gravity parameters; defaults, population 100.
    e.ValuCircuite = "ATTRACTIONS";
    menLCK_LE(e);
    EXPECT_DOUBLE_EQ(e.ValeursNoeuds[1], (0 + (100.0 / 100 - 100.0 / 144)) / 2);
}

TEST(Circuite, ArcDeconnecte) {
    test::Session s;
    ASSERT_TRUE(
        s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2, 0, 3, 4),
                LigneArc(1, 9, 7, 5, 0) + LigneArc(1, 2, 7, 5, 0) + LigneArc(8, 2, 7, 5, 0)));
    s.port.reponsesOuiNon = {true, false};
    CalculDistancesEuclidiennesArcs(s.e);
    // Yes removes the first, and the arc moved into its place is examined next; No keeps it.
    ASSERT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.e.Arcs[1].Destination, 2);
    EXPECT_FLOAT_EQ(s.e.Arcs[1].DistanceEuclidienne, 5);
    EXPECT_EQ(s.port.messages[0].texte, "Arc déconnecté : \n\n 1\t 9\t 7\t 5\t" +
                                            Str(s.e.Arcs[1].Temps) +
                                            "\n\nVoulez-vous le supprimer ?");
    EXPECT_EQ(s.e.NbArcsDeconnectesElimines, 1);
}

// The "Distance2Temps" valuation: the distance-minimising paths give their times, with a
// diagonal of 0 and traces that follow them.
TEST(Circuite, ValuationDistance2Temps) {
    test::Session s;
    // A - C direct 30 km by road (30 min at 60 km/h); A - B - C 2 x 16 km by motorway
    // (2 x 8.7 min): the shortest distance is the road.
    ASSERT_TRUE(
        s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                LigneArc(1, 3, 71, 30, 0) + LigneArc(1, 2, 6, 16, 0) + LigneArc(2, 3, 6, 16, 0)));
    Etat& e = s.e;
    s.port.dialogues.clear();
    e.Valuation = "Distance2Temps";
    CalculMatriceArcsMin(e);
    ASSERT_TRUE(CalculCheminsMinimaux(e));
    EXPECT_FLOAT_EQ(e.CheminsMin(1, 3).Valeur, 30);  // the time of the shortest distance
    EXPECT_FLOAT_EQ(e.CheminsMin(1, 3).Valeur2, 30);
    EXPECT_EQ(e.CheminsMin(2, 2).Valeur, 0);
    ASSERT_EQ(ExecuteCommande(e, "menSomChem"), Issue::Faite);
    RecuperationTraces(e);
    EXPECT_EQ(TraceChemin(e, 1, 3), (std::vector<std::int32_t>{3, 1}));  // the road, direct
    EXPECT_EQ(e.MatPredecesseurs(1, 2).Pred, 1);
}

// The valuations the circuity commands leave (minutes per km) give no shortest paths of their
// own: the path commands say which valuation to choose, and go on once it is chosen.
TEST(Circuite, CheminsMinimauxApresUneCommande) {
    struct Cas {
        void (*commande)(EtatAccessibilite&);
        const char* valuation;
    } cas[] = {
        {menLCK_LECK, "Distance2DistEuclid"},
        {menLCT_LE, "Temps2Distance"},
        {menLECT_LE, "Temps2DistEuclid"},
    };
    for (const auto& c : cas) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 100, 3, 4) +
                                LigneNoeud("C", 3, 100, 6, 8),
                            LigneArc(1, 2, 7, 5, 0) + LigneArc(2, 3, 7, 7, 0)));
        Etat& e = s.e;
        c.commande(e);
        ASSERT_EQ(e.Valuation, c.valuation);
        const std::string attendu = std::string("La valuation en cours (") + c.valuation +
                                    ") n'a pas de sens pour les chemins minimaux : choisissez "
                                    "la valuation Distance, Temps ou Distance2Temps (Fichiers, "
                                    "Changer la valuation (temps par défaut)...).";
        for (const char* commande : {"menUneFois", "menSomChem"}) {
            s.port.messages.clear();
            e.Menus.Active(commande);
            ASSERT_EQ(ExecuteCommande(e, commande), Issue::Faite);
            ASSERT_EQ(s.port.messages.size(), 1u) << commande;
            EXPECT_EQ(s.port.messages[0].texte, attendu) << commande;
            EXPECT_EQ(s.port.messages[0].icone, Icone::Exclamation);
            EXPECT_TRUE(e.CheminsMin.Vide()) << commande;
        }
        EXPECT_EQ(s.port.Compte("cette version"), 0);
        e.Valuation = "Distance";
        ASSERT_EQ(ExecuteCommande(e, "menUneFois"), Issue::Faite);
        EXPECT_EQ(e.CheminsMin(1, 3).Valeur, 12);
    }
}

TEST(Circuite, CoordonneesEgales) {
    // A and B at the same place, both 5 km from C, no arc between them.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 100, 0, 0) +
                            LigneNoeud("C", 3, 100, 3, 4),
                        LigneArc(1, 3, 7, 5, 0) + LigneArc(2, 3, 7, 5, 0)));
    // The straight line is 0 between A and B: (10 - 0)^2 and (5 - 5)^2 for A.
    menLCK_LE(s.e);
    EXPECT_EQ(s.e.ValeursNoeuds[1], 50);
    // Through the plain paths, a zero straight line is no link: the reference of A - B is the
    // detour through C, as long as the chain of arcs.
    menLECK_LE(s.e);
    EXPECT_EQ(s.e.ValeursNoeuds[1], 0);
}

TEST(Circuite, AttractionsDeLongueurNulle) {
    // A and B at the same place, 5 km apart by road; C 5 km from both in line: under
    // "ATTRACTIONS" the pair of zero straight line has no attraction: left out and said once.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 100, 0, 0) +
                            LigneNoeud("C", 3, 100, 3, 4),
                        LigneArc(1, 2, 7, 5, 0) + LigneArc(1, 3, 7, 5, 0)));
    s.e.ValuCircuite = "ATTRACTIONS";
    menLCK_LE(s.e);
    EXPECT_EQ(s.port.Compte("2 paire(s) de longueur nulle sont laissées de côté"), 1);
    for (std::size_t i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(s.e.ValeursNoeuds[i])) << i;
    EXPECT_DOUBLE_EQ(s.e.ValeursNoeuds[1], 0);  // A - C: the path is the straight line
}

}  // namespace
}  // namespace vek
