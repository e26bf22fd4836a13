// The accessibility criteria: destination kinds, nearest destination, criteria codes.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "accessibility/CriteresAccessibilite.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// X - Y by motorway (interchanges both); Y - Z a high-speed line; from X: P 50 km at 60 km/h
// (50 min), Q 52.5 km at 70 km/h (45 min), R 30 km (30 min), S 100 km (100 min).
struct Criteres : test::Session {
    Criteres() {
        EXPECT_TRUE(Ouvre(LigneNoeud("X", 1) + LigneNoeud("Y", 2) + LigneNoeud("Z", 3) +
                              LigneNoeud("P", 4) + LigneNoeud("Q", 5) + LigneNoeud("R", 6) +
                              LigneNoeud("S", 7),
                          LigneArc(1, 2, 6, 11, 0) + LigneArc(2, 3, 3, 200, 0, 800, 900) +
                              LigneArc(1, 4, 71, 50, 0) + LigneArc(1, 5, 7, 52.5, 0) +
                              LigneArc(1, 6, 71, 30, 0) + LigneArc(1, 7, 71, 100, 0)));
    }
};

TEST(CriteresAccessibilite, CodesDesCriteres) {
    Criteres c;
    menRespectCritères(c.e);
    // X, Y, Z are destinations; P meets 50 km exactly, Q 45 minutes exactly, R both, S none.
    EXPECT_EQ(std::vector<double>(c.e.ValeursNoeuds.begin() + 1, c.e.ValeursNoeuds.end()),
              (std::vector<double>{10, 10, 10, 4, 6, 8, 2}));
    EXPECT_EQ(c.e.Valuation, "Temps");
}

TEST(CriteresAccessibilite, NoeudLePlusProche) {
    Criteres c;
    Etat& e = c.e;
    // All four kinds: the distance to the nearest destination, then its kind.
    menTevrinLongueurs(e);
    EXPECT_EQ(e.Valuation, "Distance");
    const std::string valeurs = test::LitOctets(c.dossier / "NoeudVal.dat");
    EXPECT_NE(valeurs.find("0000000004       00000000000000000050.0"), std::string::npos);
    // Kinds: X road, Y road and rail... the nearest of P is X (road: 1); Y itself has kind 0.
    EXPECT_EQ(std::vector<double>(e.ValeursNoeuds.begin() + 1, e.ValeursNoeuds.end()),
              (std::vector<double>{0, 0, 0, 1, 1, 1, 1}));
    EXPECT_TRUE(std::filesystem::exists(c.dossier / "CoulNVal.dat"));
    menTevrinTemps(e);
    EXPECT_EQ(e.TypeNoeudLePlusProche[5], 1);
    // The kinds of the destinations: Y has a motorway and a high-speed line.
    e.DestEchangeursAutoroutiers = e.DestGaresTGVVoieRapide = true;
    SelectionNoeudsDestination(e);
    EXPECT_EQ(e.NoeudsCriteres[2], 3);
    EXPECT_EQ(e.NoeudsCriteres[3], 2);
    EXPECT_EQ(e.NoeudsCriteres[1], 1);
    // Only the rail stations: the nearest of X is Y (11 km), the others through X.
    e.DestEchangeursAutoroutiers = false;
    SelectionNoeudsDestination(e);
    e.Valuation = "Distance";
    ASSERT_TRUE(PlusProcheNoeudDestination(e));
    EXPECT_FLOAT_EQ(e.ValeursNoeuds[1], 11);
    EXPECT_EQ(e.TypeNoeudLePlusProche[1], 2);  // rail only now
    EXPECT_FLOAT_EQ(e.ValeursNoeuds[4], 61);
    // No kind chosen: no destination, every node at 32000.
    e.DestGaresTGVVoieRapide = false;
    SelectionNoeudsDestination(e);
    ASSERT_TRUE(PlusProcheNoeudDestination(e));
    EXPECT_EQ(e.ValeursNoeuds[4], 32000);
    EXPECT_EQ(e.TypeNoeudLePlusProche[4], 0);
    // "Distance2Temps" minimises the distances: the nearest destinations by distance, and
    // the valuation stays.
    e.DestEchangeursAutoroutiers = e.DestGaresTGVVoieRapide = true;
    SelectionNoeudsDestination(e);
    e.Valuation = "Distance";
    ASSERT_TRUE(PlusProcheNoeudDestination(e));
    const std::vector<double> parDistance(e.ValeursNoeuds.begin(), e.ValeursNoeuds.end());
    SelectionNoeudsDestination(e);
    e.Valuation = "Distance2Temps";
    c.port.messages.clear();
    ASSERT_TRUE(PlusProcheNoeudDestination(e));
    EXPECT_TRUE(c.port.messages.empty());
    EXPECT_EQ(std::vector<double>(e.ValeursNoeuds.begin(), e.ValeursNoeuds.end()), parDistance);
    EXPECT_FLOAT_EQ(e.ValeursNoeuds[4], 50);
    EXPECT_EQ(e.Valuation, "Distance2Temps");
    // A valuation in minutes per km has no meaning here: said, nothing computed.
    e.Valuation = "Temps2Distance";
    EXPECT_FALSE(PlusProcheNoeudDestination(e));
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].texte,
              "La valuation en cours (Temps2Distance) n'a pas de sens pour le noeud le plus "
              "proche : choisissez la valuation Distance, Temps ou Distance2Temps (Fichiers, "
              "Changer la valuation (temps par défaut)...).");
}

TEST(CriteresAccessibilite, DialogueDesDestinations) {
    Criteres c;
    Etat& e = c.e;
    e.DestGaresTGVVoieRapide = true;
    Dialogue d = DialogueSelecNoeudsDest(e);
    EXPECT_TRUE(d["GareTGVVR"].coche);  // the boxes show the kinds chosen
    d.Coche("GareTGVVR", false);        // and switch them off
    d.Coche("EchAut", true);
    d.Clique("SélecOk");
    EXPECT_FALSE(e.DestGaresTGVVoieRapide);
    EXPECT_TRUE(e.DestEchangeursAutoroutiers);
    Dialogue annule = DialogueSelecNoeudsDest(e);
    annule.Coche("EchVExp", true);
    annule.Clique("SélecAnnule");
    EXPECT_FALSE(e.DestEchangeursVoiesExpress);
}

TEST(CriteresAccessibilite, EgalitesEtMatricesApres) {
    // Two interchanges at the same distance from P: the first in the table gives its kind.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("P", 1) + LigneNoeud("G", 2) + LigneNoeud("E", 3) +
                            LigneNoeud("F", 4) + LigneNoeud("H", 5),
                        LigneArc(1, 2, 71, 10, 0) + LigneArc(1, 3, 71, 10, 0) +
                            LigneArc(2, 4, 3, 50, 0, 800, 900) + LigneArc(3, 5, 6, 20, 0)));
    Etat& e = s.e;
    e.DestEchangeursAutoroutiers = e.DestGaresTGVVoieRapide = true;
    SelectionNoeudsDestination(e);
    e.Valuation = "Distance";
    ASSERT_TRUE(PlusProcheNoeudDestination(e));
    EXPECT_FLOAT_EQ(e.ValeursNoeuds[1], 10);
    EXPECT_EQ(e.TypeNoeudLePlusProche[1], 2);  // G (rail) before E (road)
    // After an analysis that released the minimal arcs, the listing builds them again.
    e.MatArcsMin.Libere();
    ASSERT_EQ(ExecuteCommande(e, "menVisuMatArcsMin"), Issue::Faite);
    EXPECT_FALSE(test::LitOctets(s.dossier / "nAMin000.dat").empty());
}

}  // namespace
}  // namespace vek
