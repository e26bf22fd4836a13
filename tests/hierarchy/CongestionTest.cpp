// The congestion indices and the losses through congestion, on networks whose results follow
// from the speed-flow law by hand, and the network put back after the losses.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "hierarchy/Congestion.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// Four towns 10 km apart on a line, joined by two-way "Route 70" roads (free-flow 90 km/h);
// the flows of 100 vehicles an hour give r = 0.08 on 1250: factor 0.92 on every road.
const std::string kNoeuds = LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 10, 0) +
                            LigneNoeud("C", 3, 0, 20, 0) + LigneNoeud("D", 4, 0, 30, 0);

std::string Routes(long debit) {
    return LigneArc(1, 2, 7, 10, 9, 0, 0, 0, debit) + LigneArc(2, 3, 7, 10, 9, 0, 0, 0, debit) +
           LigneArc(3, 4, 7, 10, 9, 0, 0, 0, debit);
}

std::string Arcs(test::Session& s, const std::string& nom) {
    s.e.NomFichierArcsEcrits = (s.dossier / nom);
    ExecuteCommande(s.e, "menEditArcs");
    return test::LitOctets((s.dossier / nom));
}

TEST(Congestion, LocaleGlobaleEtVitesses) {
    test::Session s;
    // A railcar line beside the roads: no free-flow speed, left out of the ratios.
    ASSERT_TRUE(s.Ouvre(kNoeuds, Routes(0) + LigneArc(1, 4, 41, 30, 20, 700, 720, 31, 7)));
    // No flow yet (the menu waits for the flows): each road keeps its mode's speeds, 70 / 90.
    EXPECT_FALSE(s.e.Menus.EstActif("menCongLoc"));
    CongestionLocale(s.e);
    ASSERT_EQ(s.e.NbCouples, 3);
    EXPECT_EQ(s.e.ListeCouples[1].Valeur, 70.0f / 90.0f);
    EXPECT_EQ(s.port.Compte("1 arc(s) d'un mode sans vitesse maximale"), 1);
    EXPECT_TRUE(std::filesystem::exists(s.dossier / "ArcVal.dat"));
    ASSERT_EQ(ExecuteCommande(s.e, "menAfficheVitRéelle"), Issue::Faite);
    EXPECT_EQ(s.e.NbCouples, 4);
    EXPECT_EQ(s.e.ListeCouples[1].Valeur, 70);

    CongestionGlobaleReseau(s.e);
    EXPECT_EQ(s.e.CongestionGlobale, static_cast<float>(30.0 * 70 / (90.0 * 30)));
    EXPECT_EQ(test::LitOctets((s.dossier / "NoeudVal.dat")), "0.7777778\r\n");

    // With the flows: the loaded speed is 0.92 of 90 km/h everywhere.
    test::Session f;
    ASSERT_TRUE(f.Ouvre(kNoeuds, Routes(100)));
    ASSERT_EQ(ExecuteCommande(f.e, "menDébitsHoraires"), Issue::Faite);
    ASSERT_EQ(ExecuteCommande(f.e, "menCongLoc"), Issue::Faite);
    EXPECT_EQ(f.e.ListeCouples[2].Valeur, 90 * 0.92f / 90.0f);
    ASSERT_EQ(ExecuteCommande(f.e, "mencongglob"), Issue::Faite);
    EXPECT_NEAR(f.e.CongestionGlobale, 0.92, 1e-6);

    // Only arcs without free-flow speed: no index, and no infinity in a file.
    test::Session r;
    ASSERT_TRUE(r.Ouvre(kNoeuds, LigneArc(1, 4, 41, 30, 20, 700, 720, 31, 7)));
    CongestionGlobaleReseau(r.e);
    EXPECT_EQ(r.port.Compte("la congestion globale ne peut pas être calculée"), 1);
    EXPECT_FALSE(std::filesystem::exists(r.dossier / "NoeudVal.dat"));
}

// Every road slowed by the same factor F: every free-flow time T grows to T / F, so a node
// loses (1 - 1 / F) x 60 / 90 minutes per km of its paths, and its straight-line speed falls by
// (1 - F) x 100 %; without flows nothing is lost.
TEST(Congestion, PertesDeTempsEtDeVitesse) {
    for (long debit : {0L, 100L}) {
        SCOPED_TRACE(debit);
        const double f = debit ? 0.92 : 1.0;
        test::Session s;
        // A slow railcar beside the roads has no free-flow speed: it keeps its time (no
        // division by its VMax of 0) and carries no shortest path.
        ASSERT_TRUE(s.Ouvre(kNoeuds, Routes(debit) + LigneArc(1, 4, 41, 30, 500, 0, 0, 0, 7)));
        s.e.Valuation = "Distance";
        const std::string avant = Arcs(s, "avant.dat");

        ASSERT_EQ(ExecuteCommande(s.e, "menPerteTpsNod"), Issue::Faite);
        ASSERT_EQ(s.e.ValeursNoeuds.size(), 5u);
        for (std::size_t i = 1; i <= 4; ++i)
            EXPECT_NEAR(s.e.ValeursNoeuds[i], (1 - 1 / f) * 60 / 90, 1e-6) << i;
        ASSERT_EQ(ExecuteCommande(s.e, "menPerteTpsGlob"), Issue::Faite);
        EXPECT_NEAR(s.e.PerteTempsGlobale, 4 * (1 - 1 / f) * 60 / 90, 1e-5);

        ASSERT_EQ(ExecuteCommande(s.e, "menPerteVitMoyEucl"), Issue::Faite);
        for (std::size_t i = 1; i <= 4; ++i)
            EXPECT_NEAR(s.e.ValeursNoeuds[i], (f - 1) * 100, 1e-4) << i;
        EXPECT_NEAR(s.e.VitessesLibres[1], 90, 1e-4);
        ASSERT_EQ(ExecuteCommande(s.e, "menPerteVitMoyGlobale"), Issue::Faite);
        EXPECT_NEAR(s.e.PerteVitesseGlobale, 4 * (f - 1) * 100, 1e-3);

        // The times, the valuation and the flag are put back; the network is the same.
        EXPECT_EQ(s.e.Valuation, "Distance");
        EXPECT_FALSE(s.e.DebitsHoraires);
        EXPECT_EQ(Arcs(s, "apres.dat"), avant);
    }
}

}  // namespace
}  // namespace vek
