// vek-batch comparing the example with a variant (a new motorway arc) for every family of
// per-node results, and one per-pair one: each writes its comparison file in its own folder,
// every node matched, the nodes far from the new arc unchanged.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Outils.h"
#include "batch/LanceBatch.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::LitOctets;
using test::Source;

struct Famille {
    const char* dossier;
    std::string script;
    const char* fichier;
    std::size_t lignes;  // of values, header apart
};

TEST(ComparaisonBatch, ChaqueFamilleDIndicateurs) {
    DossierTemporaire d;
    test::EcritOctets(d / "arcs-variante.dat",
                      LitOctets(Source("examples/utf8/arcs.dat")) +
                          "1601000001 1601000003 0003 0030.000 0010 0000 0000 0000000 000000 "
                          "000000 Brenne-la- Saint-Éti\r\n");
    const std::string gravite = [] {
        std::string s;
        for (const char* r : {"RepSLP", "Rep3AA", "Rep3AR", "RepSAA", "RepAuto", "RepAP"})
            s += std::string("reglage ") + r + " gravite\n";
        return s;
    }();
    const std::vector<Famille> familles = {
        {"nodalite", "dialogue IndicVek Degré Ordre1 Booléenne Ok\nmenu menCalculNodalité\n",
         "NoeudValComparaison.csv", 44},
        {"chemins",
         "dialogue VekForCM Précarto NoeudVal Multipolaire SVME Ok\nmenu menVisuMatChMin\n",
         "NoeudValComparaison.csv", 44},
        {"circuite", "menu menLCK_LE\n", "NoeudValComparaison.csv", 44},
        {"vitesse", "menu menMinTemps\n", "NoeudValComparaison.csv", 44},
        {"criteres", "menu menRespectCritères\n", "NoeudValComparaison.csv", 44},
        {"hierarchie", "dialogue CritOptArcs SomCheMin CritOptOk\nmenu menHiérarchNoeuds\n",
         "NoeudValComparaison.csv", 44},
        {"gravite",
         gravite + "dialogue GvOp Command3D4 OuiAP Command3D5\nmenu menOptionsGravit\n" +
             "menu menDémarrageGravit\ndialogue FichGrav FichSomAttAbs SortieFichier\n" +
             "menu menEditionFichGravit\n",
         "NoeudValComparaison.csv", 44},
        {"arcs", "dialogue CritOptArcs SomCheMin CritOptOk\nmenu menDestructionRes\n",
         "ArcValComparaison.csv", 102},
    };
    std::string script =
        test::Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
        "fichier \"" + Source("examples/utf8/noeuds.dat") +
        "\"\nfichier arcs-variante.dat\nmenu menComparerVariante\n" + "menu menUneFois\n";
    for (const Famille& f : familles) {
        std::filesystem::create_directories(d / f.dossier);
        script += std::string("reglage RepResultats ") + f.dossier + "\n" + f.script;
    }
    const auto x = test::Lance(d, script);
    ASSERT_EQ(x.code, 0) << x.erreurs << x.sortie;
    EXPECT_EQ(x.sortie.find("n'a pas pu être appliquée"), std::string::npos) << x.sortie;
    for (const Famille& f : familles) {
        SCOPED_TRACE(f.dossier);
        std::istringstream csv(LitOctets(d / (std::string(f.dossier) + "/" + f.fichier)));
        std::string ligne;
        ASSERT_TRUE(std::getline(csv, ligne));
        EXPECT_EQ(ligne.rfind("code", 0), 0u);
        std::size_t n = 0, inchanges = 0;
        while (std::getline(csv, ligne)) {
            ++n;
            // Every node (pair) is in both networks: no status but "inaccessible".
            const std::string statut = ligne.substr(ligne.rfind(',') + 1);
            EXPECT_TRUE(statut == "\r" || statut == "inaccessible\r") << ligne;
            if (ligne.find(",0,0,\r") != std::string::npos) ++inchanges;
        }
        EXPECT_EQ(n, f.lignes);
        EXPECT_GT(inchanges, 0u);
    }
}

}  // namespace
}  // namespace vek
