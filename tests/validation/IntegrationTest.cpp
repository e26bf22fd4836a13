// Level integration: the three zoom commands on the bundled example's zooms, the written
// files read back, and the integration routines on tiny tables.

#include <gtest/gtest.h>

#include <sstream>

#include "Reseaux.h"
#include "Script.h"
#include "ScriptTest.h"
#include "network/IndexCodes.h"
#include "validation/IntegrationNodale.h"
#include "vek/CommandesReseau.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

void IndicesCoherents(const Etat& e) {
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        ASSERT_EQ(e.Arcs[a].IndiceOrigine, index(e.Arcs[a].Origine)) << a;
        ASSERT_EQ(e.Arcs[a].IndiceDestination, index(e.Arcs[a].Destination)) << a;
    }
}

TEST(Integration, ZoomsDeLExemple) {
    test::DossierTemporaire d;
    const std::string ex = test::Source("examples");
    const std::string debut = "fichier \"" + ex + "/utf8/noeuds.dat\"\nfichier \"" + ex +
                              "/utf8/arcs.dat\"\nmenu menOuvrir\nreglage RepNoeudsNivN1 \"" + ex +
                              "/zooms/noeuds/niv.n-1\"\nreglage RepArcsNivN1 \"" + ex +
                              "/zooms/arcs/niv.n-1\"\nreglage RepResultats \"" +
                              d.Chemin().string() + "\"\n";
    struct Cas {
        std::string suite;
        std::int32_t noeuds, arcs;
        const char *fichierNoeuds, *fichierArcs;
        std::int32_t niveaux, nodaux, multinodaux;
    } cas[] = {
        {"dialogue Zooms Angoulême8 ZoomsOk\nfichier annule\nmenu menNodal\n", 48, 177,
         "n-1n000.dat", "n-1od000.dat", 2, 1, 0},
        {"dialogue Zooms Angoulême8 ZoomsOk\nfichier annule\nmenu menNodal\n"
         "dialogue Zooms AngoulêmeZI8 ZoomsOk\nfichier annule\nmenu menNodalInv\n",
         44, 171, "nNodal00.dat", "aNodal00.dat", 2, 2, 0},
        {"dialogue Zooms DepIndreEtLoireZM ZoomsOk\nfichier annule\nmenu menMultinodal\n", 47, 174,
         "nMulti00.dat", "aMulti00.dat", 2, 0, 1},
        // Cancelled: nothing changes.
        {"dialogue Zooms Angoulême8 Annuler\nfichier annule\nmenu menNodal\n", 44, 171, "", "", 1,
         0, 0},
    };
    for (const auto& c : cas) {
        std::istringstream entree(debut + c.suite + "menu menEditNoeuds\nmenu menEditArcs\n");
        std::ostringstream sortie, erreurs;
        ASSERT_EQ(ExecuteScript(entree, sortie, erreurs, "zoom.vek"), 0) << erreurs.str();
        if (!*c.fichierNoeuds) {
            EXPECT_NE(sortie.str().find("noeud000.dat"), std::string::npos) << sortie.str();
            continue;
        }
        // The integrated network, written under the level's names, reads back whole.
        test::Session s;
        s.port.fichiers = {d / c.fichierNoeuds, d / c.fichierArcs};
        menOuvrir(s.e);
        EXPECT_EQ(s.e.NbNoeuds, c.noeuds) << c.suite;
        EXPECT_EQ(s.e.NbArcs, c.arcs) << c.suite;
        IndicesCoherents(s.e);
    }
    // In process: the counters, the names of the files to write, the node indices.
    for (const auto& c : cas) {
        test::SessionScript s;
        std::istringstream entree(debut + c.suite);
        std::ostringstream erreurs;
        ASSERT_EQ(ExecuteScript(entree, erreurs, "zoom.vek", s.port, s.e), 0) << erreurs.str();
        EXPECT_EQ(s.e.NbNoeuds, c.noeuds);
        EXPECT_EQ(s.e.NbArcs, c.arcs);
        EXPECT_EQ(s.e.NbNiveaux, c.niveaux);
        EXPECT_EQ(s.e.NbZoomsNodaux, c.nodaux);
        EXPECT_EQ(s.e.NbZoomsMultinodaux, c.multinodaux);
        if (*c.fichierNoeuds) {
            EXPECT_EQ(s.e.NomFichierNoeudsEcrits, d.Chemin().string() + "\\" + c.fichierNoeuds);
        }
        IndicesCoherents(s.e);
    }
}

TEST(Integration, RoutinesSurPetitesTables) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                        LigneArc(1, 2, 7, 1, 0) + LigneArc(2, 3, 7, 1, 0) +
                            LigneArc(1, 9, 7, 1, 0) + LigneArc(1, 3, 7, 1, 0)));
    Etat& e = s.e;
    ASSERT_EQ(e.Arcs[3].IndiceDestination, 0);  // code 9: no node yet
    // The zoom of B: nodes 9 and 8, arcs linking them to A and C by code.
    auto lus = [&](std::vector<std::int64_t> codes, std::vector<std::pair<int, int>> arcs) {
        e.NoeudsLus.assign(1, Noeud{});
        for (auto c : codes) {
            Noeud n;
            n.Code = c;
            e.NoeudsLus.push_back(n);
        }
        e.NbNoeudsLus = static_cast<std::int32_t>(codes.size());
        e.ArcsLus.assign(1, Arc{});
        for (auto [o, d] : arcs) {
            Arc a;
            a.Origine = o;
            a.Destination = d;
            a.Mode = 7;
            a.IndiceOrigine = 77;  // whatever the reader left: set again after integration
            e.ArcsLus.push_back(a);
        }
        e.NbArcsLus = static_cast<std::int32_t>(arcs.size());
    };
    lus({9, 8}, {{1, 9}, {9, 8}, {8, 3}});
    IntegrationNodale(e, 2);
    EXPECT_EQ(e.NbNoeuds, 4);  // A, C, 9, 8
    EXPECT_EQ(e.NbArcs, 2 + 3);
    // The arc towards 9 that was there before gets its destination index too.
    EXPECT_EQ(e.Arcs[1].Destination, 9);
    EXPECT_EQ(e.Arcs[1].IndiceDestination, 3);
    IndicesCoherents(e);
    EXPECT_EQ(e.NbNoeudsLus, 0);
    // Inverse: the nodes 9 and 8 back to one node, the first read only.
    e.CodesZoneInverse = {0, 9, 8};
    e.NbCodesZoneInverse = 2;
    lus({2, 5}, {{1, 2}, {2, 3}});
    IntegrationNodaleInverse(e);
    EXPECT_EQ(e.NbNoeuds, 3);
    EXPECT_EQ(e.Noeuds[3].Code, 2);
    EXPECT_EQ(e.NbArcs, 1 + 2);
    IndicesCoherents(e);
    // Multinodal: a code absent from the network removes nothing; the zoom is appended.
    e.CodesZoneMultinodale = {0, 3, 4242};
    e.NbCodesZoneMultinodale = 2;
    lus({30, 31}, {{30, 31}, {1, 30}});
    IntegrationMultinodale(e);
    EXPECT_EQ(e.NbNoeuds, 4);
    EXPECT_EQ(e.NbArcs, 1 + 2);  // A - C and B - C went
    IndicesCoherents(e);
}

}  // namespace
}  // namespace vek
