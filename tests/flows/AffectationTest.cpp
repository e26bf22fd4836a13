// The assignment of the attractions onto the traced paths, and the number of shortest paths
// per link.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "flows/Affectation.h"
#include "flows/EditionFlux.h"
#include "gravity/ModeleGravitaire.h"
#include "network/ListeCouples.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// A line I - X - J, and K with the code of J, reached by nothing.
struct Ligne : test::Session {
    explicit Ligne(bool traces = true) {
        EXPECT_TRUE(Ouvre(LigneNoeud("I", 1, 100) + LigneNoeud("X", 2, 100) +
                              LigneNoeud("J", 3, 100) + LigneNoeud("K", 3, 100),
                          LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, 10, 0)));
        e.Valuation = "Distance";
        CalculMatriceArcsMin(e);
        EXPECT_TRUE(CalculCheminsMinimaux(e));
        if (traces) RecuperationTraces(e);
    }
};

TEST(Affectation, FluxSurLesPasDesChemins) {
    Ligne l;
    Etat& e = l.e;
    CalculAttractions(e);
    e.AttractionsReseau = e.CheminsMinReseau;
    ASSERT_TRUE(Affectation(e));
    // On I -> X -> J, A(I, J) goes to the cells (J, X) and (X, I).
    const double aij = e.MatAttractions(1, 3);
    const double aix = e.MatAttractions(1, 2);
    EXPECT_FLOAT_EQ(e.FluxAffectes(3, 2), static_cast<float>(aij + e.MatAttractions(2, 3)));
    EXPECT_FLOAT_EQ(e.FluxAffectes(2, 1), static_cast<float>(aij + aix));
    // K cannot be reached: nothing goes towards it, and the walks end.
    for (int u = 0; u <= 4; ++u) EXPECT_EQ(e.FluxAffectes(4, u), 0);
    EXPECT_TRUE(e.Menus.EstActif("menEdition"));
    // "&Edition": the pairs of the flows, the flows ending at each node.
    menEdition(e);
    EXPECT_GT(e.NbCouples, 0);
    EXPECT_TRUE(e.FluxAffectes.Vide());

    // Without current traces, or attractions of other paths: said, nothing computed.
    Ligne sans(false);
    CalculAttractions(sans.e);
    sans.e.AttractionsReseau = sans.e.CheminsMinReseau;
    EXPECT_FALSE(Affectation(sans.e));
    EXPECT_EQ(sans.port.Compte("tracés"), 1);
    Ligne perime;
    CalculAttractions(perime.e);
    EXPECT_FALSE(Affectation(perime.e));
    EXPECT_EQ(perime.port.Compte("modèle gravitaire"), 1);
}

TEST(Affectation, CheminsParArc) {
    Ligne l;
    Etat& e = l.e;
    NombreCheminsParArc(e);
    // Links counted without orientation, in the order first walked: (I, X) then (X, J);
    // J and K share a code, so that pair is not counted, and K is reached by nothing.
    ASSERT_EQ(e.NbCouples, 2);
    EXPECT_EQ(e.ListeCouples[1].I, 1);
    EXPECT_EQ(e.ListeCouples[1].J, 2);
    EXPECT_EQ(e.ListeCouples[1].Valeur, 4);  // I->X, I->J, X->I, J->I
    EXPECT_EQ(e.ListeCouples[2].I, 2);
    EXPECT_EQ(e.ListeCouples[2].Valeur, 4);
    NombreCheminsParArcOrigine(e, 1);
    ASSERT_EQ(e.NbCouples, 2);
    EXPECT_EQ(e.ListeCouples[1].I, 1);
    EXPECT_EQ(e.ListeCouples[1].Valeur, 2);  // I->X, I->J
    AjouteCouple(e, 2, 1, 5, "Remplace");
    EXPECT_EQ(e.ListeCouples[1].Valeur, 5);
    AjouteCouple(e, 3, 4, 1, "Ajoute");
    EXPECT_EQ(e.NbCouples, 3);
    // More links than a 16-bit count holds.
    e.ListeCouples.assign(1, Couple{});
    e.NbCouples = 0;
    for (int k = 0; k < 40000; ++k) AjouteCouple(e, 1 + k % 200, 1000 + k / 200, 1, "Ajoute");
    EXPECT_EQ(e.NbCouples, 40000);
}

}  // namespace
}  // namespace vek
