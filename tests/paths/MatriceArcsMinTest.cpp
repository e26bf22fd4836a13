// The minimal-arc matrix and its listing.

#include <gtest/gtest.h>

#include <limits>

#include "PortTest.h"
#include "Reseaux.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::Session;

const std::string kAB = LigneNoeud("A", 1) + LigneNoeud("B", 2);

TEST(MatriceArcsMin, MeilleurArcDirect) {
    struct Cas {
        const char* nom;
        std::string arcs;
        std::string valuation;
        float ab, ba;
    } cas[] = {
        {"parallèles", LigneArc(1, 2, 7, 0, 30) + LigneArc(2, 1, 7, 0, 20), "Temps", 20, 20},
        {"orienté puis non orienté", LigneArc(1, 2, 3, 10, 40) + LigneArc(2, 1, 7, 35, 0), "Temps",
         30, 30},
        {"non orienté puis orienté plus court", LigneArc(2, 1, 7, 35, 0) + LigneArc(1, 2, 3, 5, 10),
         "Temps", 10, 30},
        {"égalité : le premier reste", LigneArc(1, 2, 7, 35, 0) + LigneArc(1, 2, 6, 55, 0), "Temps",
         30, 30},
        {"distance nulle : pas d'arc", LigneArc(1, 2, 3, 9, 30), "Distance", 0, 0},
        {"distance", LigneArc(1, 2, 7, 35, 0) + LigneArc(1, 2, 6, 20, 0), "Distance", 20, 20},
        {"rapport", LigneArc(1, 2, 7, 35, 0), "Temps2Distance", 30.0f / 35.0f, 30.0f / 35.0f},
    };
    for (const auto& c : cas) {
        Session s;
        ASSERT_TRUE(s.Ouvre(kAB, c.arcs)) << c.nom;
        s.e.Valuation = c.valuation;
        if (std::string(c.nom) == "distance nulle : pas d'arc") s.e.Arcs[1].Distance = 0;
        CalculMatriceArcsMin(s.e);
        EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, c.ab) << c.nom;
        EXPECT_EQ(s.e.MatArcsMin(2, 1).Valeur, c.ba) << c.nom;
        EXPECT_EQ(s.e.MatArcsMin.Lignes(), 3u);
    }
}

// A rail arc of time 0 beside a 10-minute road: 0 means "no arc" in the matrix, so the rail
// arc is left out of it, said once with its ends, and the road's 10 stays whatever the
// order of the arcs; the arc stays in the network.
TEST(MatriceArcsMin, ArcDeValeurNulleNEffacePasLeLienParallele) {
    const std::string route = LigneArc(1, 2, 71, 10, 0), rail = LigneArc(1, 2, 4, 10, 0);
    const std::string message =
        "1 arc(s) de valeur nulle, non finie ou trop grande ne sont pas retenus dans la matrice "
        "des arcs "
        "minimaux (valuation Temps) : une valeur 0 y signifie « pas d'arc » et effacerait un "
        "autre arc entre les mêmes noeuds. Ils restent dans le réseau.\n"
        "1 - 2 (mode 4) : 0";
    for (const std::string& arcs : {route + rail, rail + route}) {
        Session s;
        ASSERT_TRUE(s.Ouvre(kAB, arcs));
        ASSERT_EQ(s.e.NbArcs, 2);
        EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, 10);
        EXPECT_EQ(s.e.MatArcsMin(2, 1).Valeur, 10);
        EXPECT_EQ(s.e.MatArcsMin(1, 2).Mode, 71);
        EXPECT_EQ(s.port.Compte(message), 1);
        ASSERT_TRUE(CalculCheminsMinimaux(s.e));
        EXPECT_EQ(s.e.CheminsMin(1, 2).Valeur, 10);
        EXPECT_EQ(s.e.CheminsMin(2, 1).Valeur, 10);
    }
    // The same rule for the timetable and the circuity constructions.
    for (const char* valuation :
         {"JoursEtHeures", "Horaires", "Distance2Temps", "Temps2Distance"}) {
        Session s;
        ASSERT_TRUE(s.Ouvre(kAB, LigneArc(1, 2, 71, 10, 0) + LigneArc(1, 2, 7, 0, 0)));
        s.port.messages.clear();
        s.e.Valuation = valuation;
        CalculMatriceArcsMin(s.e);
        EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, valuation[0] == 'T' ? 1 : 10) << valuation;
        EXPECT_EQ(s.e.MatArcsMin(2, 1).Mode, 71) << valuation;
        EXPECT_EQ(s.port.Compte("1 arc(s) de valeur nulle, non finie ou trop grande"), 1)
            << valuation;
    }
}

// In the timetable matrix the permanent link also keeps its time as a whole number: a time
// that no Long holds leaves the link out, said, rather than a garbage number.
TEST(MatriceArcsMin, TempsEntierHorsDesEntiers) {
    for (float temps : {3e9f, std::numeric_limits<float>::infinity(), 600.4f}) {
        Session s;
        ASSERT_TRUE(s.Ouvre(kAB, LigneArc(1, 2, 71, 10, 0)));
        s.e.Arcs[1].Temps = temps;
        s.e.Valuation = "Horaires";
        CalculMatriceArcsMin(s.e);
        const bool garde = temps < 1e9f;
        EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, garde ? temps : 0) << temps;
        EXPECT_EQ(s.e.MatArcsMin(2, 1).TempsEntier, garde ? 600 : 0) << temps;
        EXPECT_EQ(s.port.Compte("1 arc(s) de valeur nulle, non finie ou trop grande"),
                  garde ? 0 : 1)
            << temps;
    }
}

TEST(MatriceArcsMin, CodeAbsentEtArcsSansNoeud) {
    Session s;
    ASSERT_TRUE(s.Ouvre(kAB, LigneArc(1, 77, 7, 35, 0) + LigneArc(0, 2, 7, 35, 0)));
    EXPECT_EQ(s.e.MatArcsMin(1, 0).Valeur, 30);  // lands in column 0, which holds no node
    EXPECT_EQ(s.e.MatArcsMin(0, 2).Valeur, 0);   // a code 0 is skipped
    EXPECT_TRUE(s.e.Menus.EstDisponible("menVisuMatArcsMin"));
}

TEST(MatriceArcsMin, FichierUneLigneParSens) {
    Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("Angoulême", 12) + LigneNoeud("Châteaubrun-les-Eaux-Vives", 345),
                        LigneArc(12, 345, 7, 35, 0)));
    ASSERT_EQ(ExecuteCommande(s.e, "menVisuMatArcsMin"), Issue::Faite);
    EXPECT_EQ(test::LitOctets(s.dossier / "nAMin000.dat"),
              "0000000012 0000000345 0007 0035.000 0030 Angoulême            "
              "Châteaubrun-les-Eaux\r\n"
              "0000000345 0000000012 0007 0035.000 0030 Châteaubrun-les-Eaux "
              "Angoulême           \r\n");
    s.e.Valuation = "Distance";
    CalculMatriceArcsMin(s.e);
    ExecuteCommande(s.e, "menVisuMatArcsMin");
    EXPECT_EQ(test::LitOctets(s.dossier / "nAMin000.dat").substr(0, 40),
              "0000000012 0000000345 0007 0035.000 0030");
    EXPECT_EQ(s.e.NomFichierResultat, s.e.RepResultats + "\\nAMin000.dat");
}

TEST(MatriceArcsMin, FichierDeLExemple) {
    Session s;
    s.port.fichiers = {test::Source("examples/cp1252/noeuds.dat"),
                       test::Source("examples/cp1252/arcs.dat")};
    menOuvrir(s.e);
    ExecuteCommande(s.e, "menVisuMatArcsMin");
    EXPECT_EQ(test::LitOctets(s.dossier / "nAMin000.dat"),
              test::LitOctets(test::Source("tests/data/golden/nAMin000.dat")));
}

}  // namespace
}  // namespace vek
