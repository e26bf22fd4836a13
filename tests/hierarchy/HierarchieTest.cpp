// The hierarchy of arcs and nodes by suppression, as the commands run it: the values on a
// network computed by hand, the dialog, what is refused, and the network left as it was.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "hierarchy/Hierarchie.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// A ring A-B-C-D of 10 km roads and a 5 km bridge D-E, all two-way; by distance, summed over
// the ordered pairs: S0 = 280; without A-B or B-C 320, without C-D or D-A 360; without the bridge
// E is cut off. Without node A 170, B 150, C 170, E 160; without D, E is cut off.
const std::string kNoeuds = LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) +
                            LigneNoeud("D", 4) + LigneNoeud("E", 5);
const std::string kArcs = LigneArc(1, 2, 7, 10, 10) + LigneArc(2, 3, 7, 10, 10) +
                          LigneArc(3, 4, 7, 10, 10) + LigneArc(4, 1, 7, 10, 10) +
                          LigneArc(4, 5, 7, 5, 5);

std::string Arcs(test::Session& s, const std::string& nom) {
    s.e.NomFichierArcsEcrits = (s.dossier / nom);
    ExecuteCommande(s.e, "menEditArcs");
    return test::LitOctets((s.dossier / nom));
}

TEST(Hierarchie, ArcsEtNoeudsSurUnAnneauEtUnPont) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
    s.e.Valuation = "Distance";
    const std::string avant = Arcs(s, "avant.dat");
    const bool elimination = s.e.EliminationSansAccord;

    ASSERT_TRUE(HierarchieArcs(s.e));
    ASSERT_EQ(s.e.NbCouples, 5);
    const double attendus[] = {40, 40, 80, 80, -280};  // the bridge gets -S0
    for (std::int32_t a = 1; a <= 5; ++a) {
        const Couple& c = s.e.ListeCouples[static_cast<std::size_t>(a)];
        EXPECT_EQ(c.Valeur, attendus[a - 1]) << a;
        EXPECT_EQ(c.I, s.e.Arcs[static_cast<std::size_t>(a)].IndiceOrigine);
        EXPECT_EQ(c.J, s.e.Arcs[static_cast<std::size_t>(a)].IndiceDestination);
    }
    EXPECT_EQ(s.e.NomFichierResultat, s.e.RepResultats + "\\ArcVal.dat");
    EXPECT_TRUE(std::filesystem::exists(s.dossier / "ArcVal.dat"));
    EXPECT_EQ(s.e.IndexCouplesNb, -1);

    ASSERT_TRUE(HierarchieNoeuds(s.e));
    EXPECT_EQ(s.e.NbNoeudsInitial, 5);
    EXPECT_EQ(s.e.ValeursNoeuds, (std::vector<double>{0, 170, 150, 170, 0, 160}));
    EXPECT_TRUE(std::filesystem::exists(s.dossier / "NoeudVal.dat"));

    // The network is exactly as it was, and later validity tests still ask.
    EXPECT_EQ(Arcs(s, "apres.dat"), avant);
    EXPECT_EQ(s.e.NbNoeuds, 5);
    EXPECT_EQ(s.e.EliminationSansAccord, elimination);
}

TEST(Hierarchie, RefusesEtAnnulation) {
    {  // A network with a pair already without a path: S0 would be 0 and every arc score 0.
        test::Session s;
        ASSERT_TRUE(s.Ouvre(kNoeuds, LigneArc(1, 2, 7, 10, 10) + LigneArc(3, 4, 7, 10, 10)));
        EXPECT_FALSE(HierarchieArcs(s.e));
        EXPECT_FALSE(HierarchieNoeuds(s.e));
        EXPECT_EQ(s.port.Compte("n'ont aucun chemin"), 2);
        EXPECT_FALSE(std::filesystem::exists(s.dossier / "ArcVal.dat"));
    }
    {  // Under the timetables each removal would ask for a time: refused.
        test::Session s;
        ASSERT_TRUE(s.Ouvre(kNoeuds, kArcs));
        s.e.Valuation = "Horaires";
        EXPECT_FALSE(HierarchieArcs(s.e));
        EXPECT_EQ(s.port.Compte("ne se calcule pas sur les horaires"), 1);
    }
    // The dialog: Annuler stops, OK runs.
    test::SessionScript s;
    s.Ecrit("n.dat", kNoeuds);
    s.Ecrit("a.dat", kArcs);
    s.Fichier((s.dossier.Chemin() / "n.dat").string());
    s.Fichier((s.dossier.Chemin() / "a.dat").string());
    ASSERT_EQ(s.Menu("menOuvrir"), Issue::Faite);
    s.Dialogue("Valu", {"Distance", "ValuOk"});
    s.Menu("menChangerValuation");
    s.Dialogue("CritOptArcs", {"CritAnnule"});
    s.Menu("menDestructionRes");
    EXPECT_FALSE(std::filesystem::exists(s.dossier.Chemin() / "ArcVal.dat"));
    s.Dialogue("CritOptArcs", {"SomCheMin", "CritOptOk"});
    s.Menu("menDestructionRes");
    EXPECT_TRUE(std::filesystem::exists(s.dossier.Chemin() / "ArcVal.dat"));
    s.Dialogue("CritOptArcs", {"CritOptOk"});
    s.Menu("menHiérarchNoeuds");
    EXPECT_EQ(s.e.ValeursNoeuds[2], 150);
}

}  // namespace
}  // namespace vek
