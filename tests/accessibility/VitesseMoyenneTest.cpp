// Average-speed accessibility on tiny networks.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "accessibility/VitesseMoyenne.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

TEST(VitesseMoyenne, DeuxNoeudsEtRoutesConcurrentes) {
    // One arc of 10 km at 60 km/h: 60 km/h for both nodes with every command.
    for (auto commande : {menMinTemps, menMinKm, menMinTemps2, menMinKm2}) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 6, 8),
                            LigneArc(1, 2, 71, 10, 0)));
        commande(s.e);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 60);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[2], 60);
        EXPECT_TRUE(s.e.CheminsMin.Vide());
        EXPECT_TRUE(std::filesystem::exists(s.dossier / "NoeudVal.dat"));
    }
    // Straight line 10 (coordinates 6, 8) over 10 minutes: 60 km/h as well.
    test::Session droite;
    ASSERT_TRUE(droite.Ouvre(LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 6, 8),
                             LigneArc(1, 2, 71, 10, 0)));
    menMinTemps3(droite.e);
    EXPECT_FLOAT_EQ(droite.e.ValeursNoeuds[1], 60);
    EXPECT_EQ(droite.e.Valuation, "Temps");

    // A - B by a 20 km road at 60 km/h (20 min), or by a 33 km motorway at 110 km/h (18 min);
    // C is reached by nothing.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                        LigneArc(1, 2, 71, 20, 0) + LigneArc(1, 2, 6, 33, 0)));
    menMinKm(s.e);
    EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 60);  // the shortest distance, its speed
    EXPECT_EQ(s.e.Valuation, "Distance2Temps");
    // Unreachable pairs are left out, and said.
    EXPECT_EQ(s.port.Compte("4 paire(s) de noeuds sans chemin"), 1);
    EXPECT_EQ(s.e.ValeursNoeuds[3], 0);
    menMinTemps(s.e);
    EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 110);  // the fastest route, its speed
    EXPECT_EQ(s.e.Valuation, "Temps2Distance");
}

TEST(VitesseMoyenne, ArcsDeTempsNul) {
    // A - B an arc of 0 km and 0 minute, which the loading reports and which links nothing;
    // B - C 10 km at 60 km/h. No pair of zero time reaches the speeds: nothing divides by
    // zero, nothing infinite is written.
    for (auto commande : {menMinTemps, menMinKm, menMinTemps2, menMinKm2, menMinTemps3}) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(
            LigneNoeud("A", 1) + LigneNoeud("B", 2, 0, 0, 10) + LigneNoeud("C", 3, 0, 0, 20),
            LigneArc(1, 2, 71, 0, 0) + LigneArc(2, 3, 71, 10, 0)));
        EXPECT_EQ(s.port.Compte("La distance et le temps de trajet ont une valeur nulle"), 1);
        commande(s.e);
        EXPECT_EQ(s.port.Compte("4 paire(s) de noeuds sans chemin sont laissées de côté."), 1);
        EXPECT_EQ(s.e.ValeursNoeuds[1], 0);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[2], 60);
        const std::string fichier = test::LitOctets(s.dossier / "NoeudVal.dat");
        EXPECT_EQ(fichier.find("inf"), std::string::npos);
        EXPECT_EQ(fichier.find("nan"), std::string::npos);
    }
}

}  // namespace
}  // namespace vek
