// The vek-import executable run as a user runs it: its subcommands, its exit status, what it
// prints and the files it writes or refuses to write.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Outils.h"
#include "batch/LanceBatch.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::Execution;
using test::LitOctets;

// Runs vek-import with the arguments from the folder.
Execution Importe(const DossierTemporaire& d, const std::string& arguments) {
    return test::Execute(d, VEK_IMPORT, arguments);
}

void EcritPetitReseau(const DossierTemporaire& d) {
    EcritOctets(d / "net.tntp",
                "<NUMBER OF ZONES> 2\n<NUMBER OF LINKS> 3\n<END OF METADATA>\n"
                "\t1\t2\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
                "\t2\t1\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
                "\t2\t3\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n");
    EcritOctets(d / "node.tntp", "Node X Y ;\n1 0 0 ;\n2 1 0 ;\n3 1 1 ;\n");
    EcritOctets(d / "trips.tntp", "<NUMBER OF ZONES> 2\n<END OF METADATA>\nOrigin 1\n 2 : 40;\n");
}

TEST(VekImport, Aide) {
    DossierTemporaire d;
    for (const char* a : {"--help", "tntp --help", "-h"}) {
        SCOPED_TRACE(a);
        const Execution x = Importe(d, a);
        EXPECT_EQ(x.code, 0);
        EXPECT_NE(x.sortie.find("usage : vek-import gtfs FLUX --date AAAAMMJJ"), std::string::npos);
        EXPECT_NE(x.sortie.find("vek-import tntp RESEAU NOEUDS [TRAJETS]"), std::string::npos);
    }
}

TEST(VekImport, TntpImporteEtRendCompte) {
    DossierTemporaire d;
    EcritPetitReseau(d);
    const Execution x = Importe(
        d, "tntp net.tntp node.tntp trips.tntp --out vek --longueur=km --temps min --mode 7");
    ASSERT_EQ(x.code, 0) << x.erreurs;
    EXPECT_NE(x.sortie.find("Réseau TNTP importé dans vek : 3 noeuds, 2 arcs"), std::string::npos)
        << x.sortie;
    EXPECT_NE(x.sortie.find("noeuds : 3\narcs : 2\n"), std::string::npos);
    EXPECT_NE(x.sortie.find("avertissement : 1 liens sans retour"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(d / "vek/noeuds.dat"));
    EXPECT_TRUE(std::filesystem::exists(d / "vek/arcs.dat"));
}

// A refusal by the importer exits 1, a fault in the arguments 2; neither writes anything.
TEST(VekImport, RefusEtArgumentsErrones) {
    struct Cas {
        const char* arguments;
        int code;
        const char* attendu;
    };
    const Cas cas[] = {
        {"", 2, "sous-commande attendue"},
        {"osm carte.osm --out vek", 2, "sous-commande inconnue : osm"},
        {"tntp net.tntp node.tntp", 2, "le dossier de sortie manque"},
        {"tntp net.tntp --out vek", 2, "tntp attend RESEAU NOEUDS [TRAJETS], pas 1"},
        {"tntp net.tntp node.tntp --out vek --vitesse 3", 2,
         "option inconnue pour tntp : --vitesse"},
        {"tntp net.tntp node.tntp --out vek --mode", 2, "l'option --mode attend une valeur"},
        {"tntp net.tntp node.tntp --out vek --mode sept", 2, "--mode attend un code de mode"},
        {"tntp net.tntp node.tntp --out vek --out w", 2, "--out est donnée deux fois"},
        {"gtfs flux.zip --out vek", 2, "la date manque"},
        {"gtfs flux.zip --date 20260105 --out vek --grouper arret", 2, "--grouper attend nom"},
        {"gtfs flux.zip --date 20260105 --out vek --epsg x", 2, "--epsg attend un code"},
        {"gtfs flux.zip --date 20260105 --out vek --marche -5", 2, "--marche attend une distance"},
        {"tntp net.tntp node.tntp --out vek --longueur yd", 1, "Unité de longueur inconnue"},
        {"tntp net.tntp absent.tntp --out vek", 1, "absent.tntp est introuvable"},
        {"tntp net.tntp node.tntp trips.tntp --out vek", 1, "trips.tntp, ligne 4 : la zone 9"},
        {"gtfs absent.zip --date 20260105 --out vek", 1, "vek-import : "},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.arguments);
        DossierTemporaire d;
        EcritPetitReseau(d);
        EcritOctets(d / "trips.tntp",
                    "<NUMBER OF ZONES> 2\n<END OF METADATA>\nOrigin 1\n 9 : 4;\n");
        const Execution x = Importe(d, c.arguments);
        EXPECT_EQ(x.code, c.code);
        EXPECT_NE(x.erreurs.find(c.attendu), std::string::npos) << x.erreurs;
        EXPECT_TRUE(x.sortie.empty()) << x.sortie;
        EXPECT_FALSE(std::filesystem::exists(d / "vek/noeuds.dat"));
        EXPECT_FALSE(std::filesystem::exists(d / "vek/arcs.dat"));
    }
}

}  // namespace
}  // namespace vek
