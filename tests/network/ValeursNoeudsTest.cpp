// The per-node result file keeps its columns whatever the sign of the values.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "network/ValeursNoeuds.h"

namespace vek {
namespace {

TEST(ValeursNoeuds, ColonnesFixesValeursNegativesComprises) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(test::LigneNoeud("Angoulême-sur-Charente-et-Touvre", 12) +
                            test::LigneNoeud("B", 345) + test::LigneNoeud("C", 6),
                        test::LigneArc(12, 345, 7, 35, 0)));
    s.e.ValeursNoeuds = {0, 2.5, -1234.125, 0.1};
    EcritureValeursNoeuds(s.e, s.e.RepResultats + "\\NoeudVal.dat");
    EXPECT_EQ(test::LitOctets(s.dossier / "NoeudVal.dat"),
              "0000000012       00000000000000000002.50000000000000000000          "
              "Angoulême-sur-Ch\r\n"
              "0000000345       -0000000000000001234.12500000000000000000          "
              "B               \r\n"
              "0000000006       00000000000000000000.10000000000000000000          "
              "C               \r\n");
}

}  // namespace
}  // namespace vek
