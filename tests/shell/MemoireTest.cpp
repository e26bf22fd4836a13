// Limits of a load and memory for the dense matrices.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "shell/Erreurs.h"
#include "shell/Memoire.h"
#include "vek/Reglages.h"

namespace vek {
namespace {

TEST(Limites, MaximaReglablesEtMemoireInsuffisante) {
    test::Session s;
    std::string erreur;
    ASSERT_TRUE(ChangeReglage(s.e, "MaxNoeuds", "2", erreur));
    EXPECT_FALSE(ChangeReglage(s.e, "MaxArcs", "beaucoup", erreur));
    EXPECT_NE(erreur.find("MaxArcs attend un nombre entier"), std::string::npos);
    ASSERT_TRUE(ChangeReglage(s.e, "MaxArcs", "3", erreur));
    ASSERT_TRUE(
        s.Ouvre(test::LigneNoeud("A", 1) + test::LigneNoeud("B", 2) + test::LigneNoeud("C", 3),
                test::LigneArc(1, 2, 7, 35, 0) + test::LigneArc(2, 3, 7, 35, 0) +
                    test::LigneArc(1, 3, 7, 35, 0)));
    EXPECT_EQ(s.e.NbNoeuds, 2);
    EXPECT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.port.Compte("seuls les 2 premiers noeuds"), 1);
    ASSERT_GT(MemoireDisponible(), 0u);
    try {
        VerifieMemoire(std::uint64_t{1} << 62, "un essai");
        FAIL() << "no refusal";
    } catch (const ErreurMemoire& x) {
        EXPECT_NE(std::string(x.what()).find("Mémoire insuffisante pour un essai : "),
                  std::string::npos);
    }
    EXPECT_NO_THROW(VerifieMemoire(1024, "un essai"));
}

}  // namespace
}  // namespace vek
