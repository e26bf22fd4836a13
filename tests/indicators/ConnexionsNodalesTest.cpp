// Nodal connection times: the mode pairs that cost time, the times added to the arcs and to
// the minimal arcs on tiny networks, what a second run and the next paths see, and the
// counting routines against the plain comparison of every pair of arcs and the plain walk of
// every shortest path, on random networks and on the real ones when they are there.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "Reseaux.h"
#include "indicators/ConnexionsNodales.h"
#include "network/TablesLues.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// Every pair of arcs compared: arc k leads into arc m when m continues from the end of k
// without turning back, or leaves the start of k towards another node; both count.
void ReferenceConnexionsNodales(const Etat& e, std::vector<std::int32_t>& sommes,
                                std::vector<std::int32_t>& nombres) {
    const auto t = static_cast<std::size_t>(e.NbArcs);
    sommes.assign(t + 1, 0);
    nombres.assign(t + 1, 0);
    for (std::size_t k = 1; k <= t; ++k)
        for (std::size_t m = 1; m <= t; ++m) {
            const Arc &ak = e.Arcs[k], &am = e.Arcs[m];
            if (am.Origine == ak.Destination && am.Destination != ak.Origine) {
                sommes[m] += TempsConnexion(ak.Mode, am.Mode);
                ++nombres[m];
            }
            if (am.Origine == ak.Origine && am.Destination != ak.Destination) {
                sommes[m] += TempsConnexion(ak.Mode, am.Mode);
                ++nombres[m];
            }
        }
}

// Every shortest path walked back from its destination through the traces.
Matrice<CelluleConnexion> ReferenceConnexionsParArc(const Etat& e) {
    Matrice<CelluleConnexion> m;
    m.Dimensionne(static_cast<std::size_t>(e.NbNoeuds));
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            if (j == i) continue;
            const std::vector<std::int32_t> n = TraceChemin(e, i, j);
            auto mode = [&](std::size_t s) {
                return e.MatPredecesseurs(static_cast<std::size_t>(i), n[s]).Mode;
            };
            for (std::size_t s = 1; s + 1 < n.size(); ++s) {
                CelluleConnexion& c = m(n[s + 1], n[s]);
                c.Somme += TempsConnexion(mode(s), mode(s - 1));
                c.Nombre += 1;
            }
        }
    return m;
}

void CompareConnexionsParArc(const Etat& e, const Matrice<CelluleConnexion>& attendu) {
    const auto t = static_cast<std::size_t>(e.NbNoeuds);
    ASSERT_EQ(e.ConnexionsArcsMin.Lignes(), t + 1);
    for (std::size_t a = 0; a <= t; ++a)
        for (std::size_t b = 0; b <= t; ++b) {
            ASSERT_EQ(e.ConnexionsArcsMin(a, b).Somme, attendu(a, b).Somme) << a << ' ' << b;
            ASSERT_EQ(e.ConnexionsArcsMin(a, b).Nombre, attendu(a, b).Nombre) << a << ' ' << b;
        }
}

std::vector<float> Temps(const Etat& e) {
    std::vector<float> t;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) t.push_back(e.Arcs[a].Temps);
    return t;
}

TEST(Connexions, ModesQuiCoutentUnChangement) {
    struct Cas {
        int a, b, minutes;
    } cas[] = {
        {7, 72, 20}, {72, 7, 20}, {3, 3, 20},  {31, 622, 20}, {41, 75, 20}, {6, 61, 20},
        {4, 71, 20}, {74, 7, 20}, {7, 9, 0},   {9, 7, 0},     {62, 7, 0},   {702, 7, 0},
        {7, 722, 0}, {1, 3, 0},   {811, 8, 0}, {0, 7, 0},
    };
    for (const auto& c : cas) EXPECT_EQ(TempsConnexion(c.a, c.b), c.minutes) << c.a << ' ' << c.b;
}

TEST(Connexions, TempsAjoutesAuxArcs) {
    const std::string noeuds =
        LigneNoeud("A", 11) + LigneNoeud("B", 12) + LigneNoeud("C", 13) + LigneNoeud("D", 14);
    struct Cas {
        const char* nom;
        std::string arcs;
        std::vector<float> ajouts;
        std::vector<std::int32_t> nombres;
    } cas[] = {
        // The road A -> B leads into B -> C; nothing leads into A -> B.
        {"deux routes", LigneArc(11, 12, 7, 10, 9) + LigneArc(12, 13, 72, 10, 12), {0, 20}, {0, 1}},
        // A walk leaving B costs nothing but counts, for B -> C and for itself.
        {"marche",
         LigneArc(11, 12, 7, 10, 9) + LigneArc(12, 13, 72, 10, 12) + LigneArc(12, 14, 9, 1, 12),
         {0, 10, 0},
         {0, 2, 2}},
        // Turning back is no connection.
        {"aller et retour",
         LigneArc(11, 12, 7, 10, 9) + LigneArc(12, 11, 7, 10, 9),
         {0, 0},
         {0, 0}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        test::Session s;
        ASSERT_TRUE(s.Ouvre(noeuds, c.arcs));
        const std::vector<float> avant = Temps(s.e);
        ASSERT_EQ(ExecuteCommande(s.e, "menConnexionsNodales"), Issue::Faite);
        const std::vector<float> apres = Temps(s.e);
        for (std::size_t a = 0; a < avant.size(); ++a) EXPECT_EQ(apres[a], avant[a] + c.ajouts[a]);
        EXPECT_EQ(
            std::vector<std::int32_t>(s.e.NbConnexionsArc.begin() + 1, s.e.NbConnexionsArc.end()),
            c.nombres);
        // The paths see the new times: each minimal arc carries its arc's time.
        for (std::int32_t a = 1; a <= s.e.NbArcs; ++a) {
            const Arc& arc = s.e.Arcs[a];
            EXPECT_EQ(s.e.MatArcsMin(arc.Origine - 10, arc.Destination - 10).Valeur, arc.Temps);
        }
        // A second run starts again from the times without connection.
        ASSERT_EQ(ExecuteCommande(s.e, "menConnexionsNodales"), Issue::Faite);
        EXPECT_EQ(Temps(s.e), apres);
        EXPECT_TRUE(s.port.messages.empty());
    }
}

TEST(Connexions, TempsAjoutesAuxArcsMinimaux) {
    // A tree of two-way links: A -7- B -72- C -9- D, and B -9- E.
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) +
                               LigneNoeud("D", 4) + LigneNoeud("E", 5);
    const std::string arbre = LigneArc(1, 2, 7, 10, 9) + LigneArc(2, 3, 72, 10, 12) +
                              LigneArc(3, 4, 9, 1, 12) + LigneArc(2, 5, 9, 1, 12);
    test::Session s;
    ASSERT_TRUE(s.Ouvre(noeuds, arbre));
    Etat& e = s.e;
    ASSERT_FALSE(e.Oriente);
    const Matrice<CelluleArcMin> base = e.MatArcsMin;

    // Refused without the traces of the current paths.
    ASSERT_EQ(ExecuteCommande(e, "menUneFois"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(e, "menConnexions"), Issue::Faite);
    EXPECT_EQ(s.port.Compte("Les tracés des plus courts chemins ne correspondent pas"), 1);
    EXPECT_EQ(e.MatArcsMin(1, 2).Valeur, base(1, 2).Valeur);
    EXPECT_FALSE(e.Oriente);

    ASSERT_EQ(ExecuteCommande(e, "menRécupTracés"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(e, "menConnexions"), Issue::Faite);
    // Into B from A: on to C twice (A -> C, A -> D), on to E once by a walk: 40 / 3.
    // Into B from C: on to A twice (C -> A, D -> A), on to E twice: 40 / 4.
    struct Cellule {
        std::size_t a, b;
        std::int32_t somme;
        float nombre, ajout;
    } cellules[] = {
        {1, 2, 40, 3, 13}, {3, 2, 40, 4, 10}, {5, 2, 0, 3, 0}, {2, 3, 0, 3, 0},
        {4, 3, 0, 3, 0},   {2, 1, 0, 0, 0},   {2, 5, 0, 0, 0}, {3, 4, 0, 0, 0},
    };
    for (const auto& c : cellules) {
        EXPECT_EQ(e.ConnexionsArcsMin(c.a, c.b).Somme, c.somme) << c.a << ' ' << c.b;
        EXPECT_EQ(e.ConnexionsArcsMin(c.a, c.b).Nombre, c.nombre) << c.a << ' ' << c.b;
        EXPECT_EQ(e.MatArcsMin(c.a, c.b).Valeur, base(c.a, c.b).Valeur + c.ajout)
            << c.a << ' ' << c.b;
    }

    // The paths before are stale, and the next ones are directed: A -> C and C -> A differ.
    EXPECT_TRUE(e.Oriente);
    EXPECT_FALSE(CheminsMinCourants(e));
    ASSERT_EQ(ExecuteCommande(e, "menConnexions"), Issue::Faite);
    EXPECT_EQ(s.port.Compte("Les tracés des plus courts chemins ne correspondent pas"), 2);
    ASSERT_EQ(ExecuteCommande(e, "menUneFois"), Issue::Faite);
    EXPECT_EQ(e.CheminsMin(1, 3).Valeur, base(1, 2).Valeur + 13 + base(2, 3).Valeur);
    EXPECT_EQ(e.CheminsMin(3, 1).Valeur, base(3, 2).Valeur + 10 + base(2, 1).Valeur);

    // A second run on the same matrix adds the same times to the values it started from.
    ASSERT_EQ(ExecuteCommande(e, "menRécupTracés"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(e, "menConnexions"), Issue::Faite);
    for (const auto& c : cellules)
        EXPECT_EQ(e.MatArcsMin(c.a, c.b).Valeur, base(c.a, c.b).Valeur + c.ajout)
            << c.a << ' ' << c.b;

    // A path of one arc charges nothing.
    test::Session u;
    ASSERT_TRUE(u.Ouvre(noeuds, LigneArc(1, 2, 7, 10, 9)));
    ASSERT_EQ(ExecuteCommande(u.e, "menUneFois"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(u.e, "menRécupTracés"), Issue::Faite);
    const Matrice<CelluleArcMin> seul = u.e.MatArcsMin;
    ASSERT_EQ(ExecuteCommande(u.e, "menConnexions"), Issue::Faite);
    for (std::size_t a = 0; a <= 5; ++a)
        for (std::size_t b = 0; b <= 5; ++b) {
            EXPECT_EQ(u.e.ConnexionsArcsMin(a, b).Nombre, 0) << a << ' ' << b;
            EXPECT_EQ(u.e.MatArcsMin(a, b).Valeur, seul(a, b).Valeur) << a << ' ' << b;
        }
}

// A random network in the working tables: node codes far from their indices, integer times
// (equal paths), modes with and without connection time, one-way train modes when asked.
void ReseauAleatoire(Etat& e, std::mt19937& g, std::int32_t n, std::int32_t nbArcs, bool oriente,
                     bool boucles) {
    static const int routes[] = {7, 72, 622, 9, 62, 811};
    static const int trains[] = {3, 41, 7, 9, 813};
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, Noeud{});
    for (std::int32_t i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = 5000 - 7 * i;
    e.Arcs.assign(1, Arc{});
    auto code = [&] { return e.Noeuds[1 + g() % static_cast<unsigned>(n)].Code; };
    while (static_cast<std::int32_t>(e.Arcs.size()) <= nbArcs) {
        Arc a;
        a.Origine = code();
        a.Destination = boucles && g() % 10 == 0 ? a.Origine : code();
        if (a.Origine == a.Destination && !boucles) continue;
        a.Mode = static_cast<std::int16_t>(oriente ? trains[g() % 5] : routes[g() % 6]);
        a.Temps = static_cast<float>(1 + g() % 12) + (g() % 3 == 0 ? 0.25f : 0);
        a.Distance = a.Temps;
        e.Arcs.push_back(a);
        if (g() % 4 == 0) {  // a parallel arc of another mode, or the way back
            Arc b = a;
            b.Mode = static_cast<std::int16_t>(routes[g() % 6]);
            if (g() % 2 == 0) std::swap(b.Origine, b.Destination);
            e.Arcs.push_back(b);
        }
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
    IndexationArcs(e);
}

TEST(Connexions, ArcsCommeLaComparaisonDeTousLesArcs) {
    std::mt19937 g(20261210);
    for (int tour = 0; tour < 40; ++tour) {
        SCOPED_TRACE(tour);
        test::Session s;
        Etat& e = s.e;
        ReseauAleatoire(e, g, 1 + static_cast<std::int32_t>(g() % 12),
                        static_cast<std::int32_t>(g() % 90), tour % 2 == 1, true);
        std::vector<float> avant = Temps(e);
        std::vector<std::int32_t> sommes, nombres;
        ReferenceConnexionsNodales(e, sommes, nombres);
        ConnexionsNodales(e);
        ASSERT_EQ(e.SommesTempsConnexion, sommes);
        ASSERT_EQ(e.NbConnexionsArc, nombres);
        for (std::size_t a = 1; a <= avant.size(); ++a) {
            const float attendu =
                nombres[a] == 0 ? avant[a - 1]
                                : static_cast<float>(avant[a - 1] +
                                                     static_cast<double>(sommes[a]) / nombres[a]);
            ASSERT_EQ(e.Arcs[a].Temps, attendu) << a;
        }
        const std::vector<float> apres = Temps(e);
        ConnexionsNodales(e);
        ASSERT_EQ(Temps(e), apres);
    }
}

TEST(Connexions, ArcsMinimauxCommeLeParcoursDesChemins) {
    std::mt19937 g(7);
    for (int tour = 0; tour < 40; ++tour) {
        SCOPED_TRACE(tour);
        test::Session s;
        Etat& e = s.e;
        const auto n = 2 + static_cast<std::int32_t>(g() % 40);
        ReseauAleatoire(e, g, n, n * static_cast<std::int32_t>(1 + g() % 3), tour % 2 == 1, false);
        CalculMatriceArcsMin(e);
        ASSERT_TRUE(CalculCheminsMinimaux(e));
        RecuperationTraces(e);
        ASSERT_EQ(e.Oriente, tour % 2 == 1);
        // Traces that loop or lead nowhere: such pairs are left out by both.
        if (tour % 4 == 3)
            for (int k = 0; k < n; ++k)
                e.MatPredecesseurs(1 + g() % n, 1 + g() % n).Pred =
                    static_cast<std::int32_t>(g() % (n + 1));
        const Matrice<CelluleConnexion> attendu = ReferenceConnexionsParArc(e);
        const Matrice<CelluleArcMin> base = e.MatArcsMin;
        ASSERT_TRUE(ConnexionsParArc(e));
        CompareConnexionsParArc(e, attendu);
        for (std::size_t a = 1; a <= static_cast<std::size_t>(n); ++a)
            for (std::size_t b = 1; b <= static_cast<std::size_t>(n); ++b) {
                const CelluleConnexion& c = attendu(a, b);
                const float ajout =
                    c.Nombre == 0
                        ? 0
                        : static_cast<float>(std::trunc(static_cast<double>(c.Somme) / c.Nombre));
                ASSERT_EQ(e.MatArcsMin(a, b).Valeur, base(a, b).Valeur + ajout) << a << ' ' << b;
            }
    }
}

TEST(Connexions, ArcsMinimauxDesReseauxReels) {
    const std::string dossier = std::string(VEK_SOURCE_DIR) + "/../shared/data/";
    if (!std::filesystem::exists(dossier + "ChicagoSketch/arcs.dat"))
        GTEST_SKIP() << "../shared/data is absent: real networks not checked";
    for (const char* nom : {"SiouxFalls", "Anaheim", "ChicagoSketch"}) {
        SCOPED_TRACE(nom);
        test::Session s;
        s.port.fichiers = {dossier + nom + "/noeuds.dat", dossier + nom + "/arcs.dat"};
        menOuvrir(s.e);
        ASSERT_GT(s.e.NbNoeuds, 0);
        ASSERT_TRUE(CalculCheminsMinimaux(s.e));
        RecuperationTraces(s.e);
        const Matrice<CelluleConnexion> attendu = ReferenceConnexionsParArc(s.e);
        ASSERT_TRUE(ConnexionsParArc(s.e));
        CompareConnexionsParArc(s.e, attendu);
    }
}

}  // namespace
}  // namespace vek
