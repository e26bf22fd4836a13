// The homogeneity of the arc speeds.

#include <gtest/gtest.h>

#include "Reseaux.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

TEST(Homogeneite, EcartTypeDesVitesses) {
    const std::string noeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2);
    struct Cas {
        std::string arcs;
        const char* attendu;
        float moyenne;
    } cas[] = {
        {LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 1, 7, 20, 0), "0\r\n", 70},
        {LigneArc(1, 2, 72, 10, 0) + LigneArc(2, 1, 7, 20, 0), "10\r\n", 60},
        {LigneArc(1, 2, 6, 10, 0) + LigneArc(2, 1, 7, 20, 0) + LigneArc(1, 2, 74, 5, 0),
         "30.641294\r\n", 71.666664f},
    };
    for (const auto& c : cas) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(noeuds, c.arcs));
        ASSERT_EQ(ExecuteCommande(s.e, "menHomogénéité"), Issue::Faite);
        EXPECT_EQ(test::LitOctets(s.dossier / "NoeudVal.dat"), c.attendu);
        EXPECT_EQ(s.e.VitesseMoyenneArcs, c.moyenne);
        EXPECT_EQ(s.e.NomFichierResultat, s.e.RepResultats + "\\NoeudVal.dat");
    }
    // An empty arc table gets a message, not a division by zero.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(noeuds, ""));
    ExecuteCommande(s.e, "menHomogénéité");
    EXPECT_EQ(s.port.Compte("ne compte aucun arc"), 1);
    EXPECT_FALSE(std::filesystem::exists(s.dossier / "NoeudVal.dat"));
}

}  // namespace
}  // namespace vek
