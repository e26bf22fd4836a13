// The import commands of the menu, driven as vek-batch drives them: the dialog's choices, the
// network loaded after the import, the refusal that names the file and line.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScriptTest.h"

namespace vek {
namespace {

using test::SessionScript;

struct Import : SessionScript {
    std::string Chemin(const std::string& relatif) { return (dossier.Chemin() / relatif).string(); }
    Import() {
        Ecrit("tntp/net.tntp",
              "<NUMBER OF ZONES> 3\n<NUMBER OF LINKS> 4\n<END OF METADATA>\n"
              "\t1\t2\t900\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
              "\t2\t1\t900\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
              "\t2\t3\t900\t3\t4\t0.15\t4\t0\t0\t1\t;\n"
              "\t3\t2\t900\t3\t4\t0.15\t4\t0\t0\t1\t;\n");
        Ecrit("tntp/node.tntp", "Node X Y ;\n1 0 0 ;\n2 2 0 ;\n3 2 3 ;\n");
        Ecrit("tntp/trips.tntp",
              "<NUMBER OF ZONES> 3\n<END OF METADATA>\nOrigin 1\n 2 : 40; 3 : 60;\nOrigin 3\n"
              " 1 : 7;\n");
        Ecrit("tntp/flow.tntp", "From To Volume Cost\n1 2 5 3\n2 1 6 3\n2 3 7 4\n3 2 8 4\n");
    }
    std::vector<std::string> Reglages(const std::string& trajets) {
        return {"Reseau=" + Chemin("tntp/net.tntp"),
                "Noeuds=" + Chemin("tntp/node.tntp"),
                "Trajets=" + Chemin(trajets),
                "Debits=" + Chemin("tntp/flow.tntp"),
                "Sortie=" + Chemin("vek"),
                "Temps=min",
                "Mode=72",
                "ImportOk"};
    }
};

TEST(CommandesImport, TntpImporteEtOuvre) {
    Import s;
    s.Dialogue("ImportTntp", s.Reglages("tntp/trips.tntp"));
    ASSERT_EQ(s.Menu("menImporterTntp"), Issue::Faite) << s.sortie.str();
    ASSERT_EQ(s.e.NbNoeuds, 3);
    ASSERT_EQ(s.e.NbArcs, 2);
    EXPECT_EQ(s.e.NomFichierNoeuds, s.Chemin("vek/noeuds.dat"));
    EXPECT_EQ(s.e.NomFichierArcs, s.Chemin("vek/arcs.dat"));
    EXPECT_EQ(s.e.Noeuds[1].Population, 100);
    EXPECT_EQ(s.e.Noeuds[3].Population, 7);
    EXPECT_EQ(s.e.Arcs[1].Mode, 72);
    EXPECT_EQ(s.e.Arcs[1].Debit, 6);
    EXPECT_EQ(s.e.Arcs[2].Debit, 8);
    EXPECT_EQ(s.e.Arcs[2].CapaciteHoraire, 900);
    EXPECT_EQ(s.Compte("[Import TNTP] Réseau TNTP importé dans " + s.Chemin("vek") +
                       " : 3 noeuds, 2 arcs"),
              1)
        << s.sortie.str();
    // The commands that need a network are open.
    EXPECT_TRUE(s.e.Menus.EstActif("menTestValiditéFichiers"));
}

TEST(CommandesImport, TntpRefuseSansRienCharger) {
    Import s;
    s.Ecrit("tntp/trips.tntp",
            "<NUMBER OF ZONES> 3\n<END OF METADATA>\nOrigin 1\n 2 : 4; 5 : 1;\n");
    s.Dialogue("ImportTntp", s.Reglages("tntp/trips.tntp"));
    s.Menu("menImporterTntp");
    EXPECT_EQ(s.e.NbNoeuds, 0);
    EXPECT_EQ(s.Compte("[Import TNTP] " + s.Chemin("tntp/trips.tntp") +
                       ", ligne 4 : la zone 5 n'est pas dans le fichier des noeuds"),
              1)
        << s.sortie.str();
    EXPECT_FALSE(std::filesystem::exists(s.Chemin("vek/noeuds.dat")));
}

TEST(CommandesImport, ChoixRefusesEtAnnulation) {
    struct Cas {
        const char* dialogue;
        std::vector<std::string> reglages;
        const char* message;  // empty: none
    };
    const Cas cas[] = {
        {"ImportTntp", {"Mode=route", "ImportOk"}, "[Import TNTP] Code de mode invalide : route."},
        {"ImportTntp", {"Sortie=x", "ImportAnnule"}, ""},
        {"ImportGtfs", {"Epsg=lambert", "ImportOk"}, "[Import GTFS] Code EPSG invalide : lambert."},
        {"ImportGtfs", {"Marche=-3", "ImportOk"}, "[Import GTFS] Distance de marche invalide"},
        {"ImportGtfs", {"GrouperNom", "ImportAnnule"}, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.reglages.front());
        Import s;
        s.Dialogue(c.dialogue, c.reglages);
        s.Menu(std::string(c.dialogue) == "ImportTntp" ? "menImporterTntp" : "menImporterGtfs");
        EXPECT_EQ(s.e.NbNoeuds, 0);
        if (*c.message) {
            EXPECT_EQ(s.Compte(c.message), 1) << s.sortie.str();
        } else {
            EXPECT_EQ(s.Compte("[Import TNTP]") + s.Compte("[Import GTFS]"), 0) << s.sortie.str();
        }
    }
}

// A feed the importer cannot read is refused by a message; nothing is loaded.
TEST(CommandesImport, GtfsRefuse) {
    Import s;
    s.Dialogue("ImportGtfs", {"Flux=" + s.Chemin("absent.zip"), "Date=20260105",
                              "Sortie=" + s.Chemin("vek"), "ImportOk"});
    s.Menu("menImporterGtfs");
    EXPECT_EQ(s.e.NbNoeuds, 0);
    EXPECT_EQ(s.Compte("[Import GTFS] "), 1) << s.sortie.str();
}

}  // namespace
}  // namespace vek
