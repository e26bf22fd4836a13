// The valuation dialog and the minimal-arc matrix of every valuation.

#include <gtest/gtest.h>

#include <cmath>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "paths/MatriceArcsMin.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::SessionScript;

struct Chargee : SessionScript {
    explicit Chargee(const std::string& arcs) {
        Ecrit("n.dat", LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3));
        Ecrit("a.dat", arcs);
        Fichier(dossier / "n.dat");
        Fichier(dossier / "a.dat");
        Menu("menOuvrir");
    }
};

TEST(Valuation, ChoixDuDialogue) {
    Chargee s(LigneArc(1, 2, 7, 35, 0) + LigneArc(2, 3, 6, 55, 0));
    struct Cas {
        std::vector<std::string> reglages;
        const char* avant;
        const char* apres;
    } cas[] = {
        {{"Distance", "ValuOk"}, "Temps", "Distance"},
        {{"Temps", "ValuOk"}, "Distance", "Temps"},
        {{"ValuOk"}, "Distance", "Distance"},  // opens with the current choice
        {{"Temps", "ValuAnnule"}, "Distance", "Distance"},
        {{"ValuOk"}, "Temps2Distance", "Temps2Distance"},  // no option: the valuation stays
        {{"ChapHeurJour", "ValuOk"}, "Temps", "JoursEtHeures"},
        {{"ChapHeur", "ValuOk"}, "Temps", "Horaires"},
        {{"Dist2Tps", "ValuOk"}, "Temps", "Distance2Temps"},
    };
    for (const auto& c : cas) {
        s.e.Valuation = c.avant;
        s.Dialogue("Valu", c.reglages);
        ASSERT_EQ(s.Menu("menChangerValuation"), Issue::Faite);
        EXPECT_EQ(s.e.Valuation, c.apres) << c.reglages[0] << " from " << c.avant;
    }
    EXPECT_EQ(s.Compte("n'est pas disponible dans cette version"), 0);
    s.Dialogue("Valu", {"Distance", "ValuOk"});
    s.Menu("menChangerValuation");
    EXPECT_EQ(s.e.MatArcsMin(2, 3).Valeur, 55);
    EXPECT_FALSE(s.e.Menus.EstActif("menConnexionsNodales"));
    s.Dialogue("Valu", {"Attractions", "ValuOk"});
    s.Menu("menValuation");
    EXPECT_EQ(s.e.ValuCircuite, "ATTRACTIONS");
    EXPECT_EQ(s.e.Valuation, "Distance");
    EXPECT_TRUE(s.e.Menus.EstVisible("menUneFois"));
}

TEST(Valuation, RapportsSansDistanceNulle) {
    Chargee s(LigneArc(1, 2, 7, 35, 0) + LigneArc(2, 3, 6, 55, 0));
    s.e.Arcs[2].Distance = 0;
    for (const char* v : {"Temps2Distance", "Temps2DistEuclid", "Distance2DistEuclid"}) {
        s.e.Valuation = v;
        CalculMatriceArcsMin(s.e);
        EXPECT_FLOAT_EQ(s.e.MatArcsMin(1, 2).Valeur, 30.0f / 35.0f) << v;
        EXPECT_EQ(s.e.MatArcsMin(2, 3).Valeur, 0) << v;
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t j = 0; j < 4; ++j)
                EXPECT_FALSE(std::isnan(s.e.MatArcsMin(i, j).Valeur));
    }
    // The listing of a ratio valuation follows "Temps" with the time of the arc retained.
    ASSERT_EQ(s.Menu("menVisuMatArcsMin"), Issue::Faite);
    EXPECT_EQ(test::LitOctets(s.dossier / "nAMin000.dat").substr(0, 40),
              "0000000001 0000000002 0007 0035.000 0030");
}

TEST(Valuation, ServicesParPaireJoursEtHeures) {
    std::string arcs = LigneArc(1, 2, 7, 35, 0);
    for (int k = 0; k < 112; ++k) arcs += LigneArc(1, 2, 3, 100, 0, 600 + k, 700 + k, 31, k);
    arcs += LigneArc(2, 3, 41, 10, 0, 800, 810) + LigneArc(2, 3, 41, 10, 0, 900, 910);
    Chargee s(arcs);
    s.e.Valuation = "JoursEtHeures";
    CalculMatriceArcsMin(s.e);
    EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, 30);  // the road arc
    EXPECT_EQ(s.e.MatArcsMin(2, 1).Valeur, 30);
    EXPECT_EQ(s.e.ServicesPaires.NbServicesPaires(1, 2), 110);
    EXPECT_EQ(s.e.MatArcsMin(1, 2).NbServices, 110);
    EXPECT_EQ(s.e.ServicesPaires.De(1, 2).front(), 2);
    EXPECT_EQ(s.e.ServicesPaires.De(2, 3), (std::vector<std::int32_t>{114, 115}));
    EXPECT_EQ(s.e.MatArcsMin(2, 3).Mode, 41);
    EXPECT_EQ(s.e.MatArcsMin(2, 3).Valeur, 0);
    EXPECT_EQ(s.e.ServicesPaires.NombrePaires(), 2u);
    EXPECT_EQ(s.Compte("1 paire(s) de noeuds ont plus de 110 services"), 1);
    EXPECT_EQ(s.Compte("A (1) - B (2)"), 1);
}

}  // namespace
}  // namespace vek
