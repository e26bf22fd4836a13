// A command cancelled at one of its progress steps (the script's `annule N`) leaves the
// program as it found it: the network written afterwards, its minimal arcs and the result
// files are byte for byte those before the command.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Outils.h"
#include "batch/LanceBatch.h"
#include "shell/FichierTexte.h"
#include "shell/GardeFichiers.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::LitOctets;
using test::Source;

// The network as the files show it: its nodes, its arcs and its minimal arcs, written under
// the given prefix in the working folder.
std::string Ecrit(const std::string& prefixe) {
    return "reglage NomFichierNoeudsEcrits " + prefixe + "-noeuds.dat\nmenu menEditNoeuds\n" +
           "reglage NomFichierArcsEcrits " + prefixe + "-arcs.dat\nmenu menEditArcs\n" +
           "reglage RepResultats " + prefixe + "\nmenu menVisuMatArcsMin\n";
}

// The files of a folder, by name.
std::vector<std::string> Contenu(const std::string& dossier) {
    std::vector<std::string> noms;
    for (const auto& f : std::filesystem::directory_iterator(dossier))
        noms.push_back(f.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

struct Cas {
    const char* commande;
    std::string avant;     // what the command needs first
    std::string reponses;  // its answers
    int etapes;            // the progress step it is cancelled at
};

TEST(Annulation, LesCommandesQuiChangentLeReseauLeLaissentIntact) {
    const std::string zooms =
        "reglage RepNoeudsNivN1 \"" + Source("examples/zooms/noeuds/niv.n-1") +
        "\"\nreglage RepArcsNivN1 \"" + Source("examples/zooms/arcs/niv.n-1") + "\"\n";
    const std::string traces = "menu menUneFois\nmenu menRécupTracés\n";
    const std::string debits = "dialogue Débits PourcAVExp=8.5 PourcRVUrb=9 PourcAutres=10 DebOk\n";
    // The example with its first node twice: the validity test removes the second.
    DossierTemporaire donnees;
    const std::string exemple = LitOctets(Source("examples/utf8/noeuds.dat"));
    test::EcritOctets(donnees / "noeuds.dat", exemple + exemple.substr(0, exemple.find('\n') + 1));
    const std::string doubles = "fichier \"" + (donnees / "noeuds.dat") + "\"\nfichier \"" +
                                Source("examples/utf8/arcs.dat") + "\"\nmenu menOuvrir\n";
    const std::vector<Cas> cas = {
        {"menTestValiditéFichiers", doubles, "oui\n", 3},
        {"menChangerValuation", "", "dialogue Valu Distance ValuOk\n", 2},
        {"menDébitsHoraires", "", "", 2},
        {"menDébitsJournaliers", "", debits, 2},
        {"menConnexionsNodales", "", "", 2},
        {"menNodal", zooms, "dialogue Zooms Angoulême8 ZoomsOk\nfichier annule\n", 2},
        {"menConnexions", traces, "", 2},
        {"menDestructionRes", "", "dialogue CritOptArcs SomCheMin CritOptOk\n", 1},
        {"menOuvrir", "",
         "fichier \"" + Source("examples/cp1252/noeuds.dat") + "\"\nfichier \"" +
             Source("examples/cp1252/arcs.dat") + "\"\n",
         2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.commande);
        DossierTemporaire d;
        std::filesystem::create_directories(d / "avant");
        std::filesystem::create_directories(d / "apres");
        const std::string debut =
            test::Ouvre(Source("examples/utf8/noeuds.dat"), Source("examples/utf8/arcs.dat")) +
            c.avant;
        // Only the minimal arcs are in the result folder before the command.
        const std::vector<std::string> resultats = {"nAMin000.dat"};
        const auto x =
            test::Lance(d, debut + Ecrit("avant") + "annule " + std::to_string(c.etapes) + "\n" +
                               c.reponses + "menu " + c.commande + "\n" + Ecrit("apres"));
        ASSERT_EQ(x.code, 0) << x.erreurs;
        EXPECT_NE(x.sortie.find("La commande a été annulée"), std::string::npos) << x.sortie;
        for (const char* f : {"-noeuds.dat", "-arcs.dat"})
            EXPECT_EQ(LitOctets(d / (std::string("apres") + f)),
                      LitOctets(d / (std::string("avant") + f)))
                << f;
        EXPECT_EQ(LitOctets(d / "apres/nAMin000.dat"), LitOctets(d / "avant/nAMin000.dat"));
        EXPECT_EQ(Contenu(d / "avant"), resultats);
        // Not cancelled, the command does change something, so that the case says something.
        DossierTemporaire t;
        std::filesystem::create_directories(t / "avant");
        std::filesystem::create_directories(t / "apres");
        const auto y = test::Lance(
            t, debut + Ecrit("avant") + c.reponses + "menu " + c.commande + "\n" + Ecrit("apres"));
        ASSERT_EQ(y.code, 0) << y.erreurs;
        EXPECT_TRUE(Contenu(t / "avant") != resultats ||
                    LitOctets(t / "apres-arcs.dat") != LitOctets(t / "avant-arcs.dat") ||
                    LitOctets(t / "apres-noeuds.dat") != LitOctets(t / "avant-noeuds.dat") ||
                    LitOctets(t / "apres/nAMin000.dat") != LitOctets(t / "avant/nAMin000.dat"));
    }
}

// The files a cancelled command replaced come back as they were, those it made go away;
// a command that ends keeps what it wrote and leaves nothing beside it.
TEST(Annulation, FichiersRemisEnPlace) {
    DossierTemporaire d;
    const std::filesystem::path ancien = d / "ancien.dat", nouveau = d / "nouveau.dat";
    test::EcritOctets(ancien.string(), "avant\r\n");
    auto ecrit = [](const std::filesystem::path& chemin, const std::string& ligne) {
        EcrivainTexte w(chemin, chemin.string());
        w.Ligne(ligne);
        w.Ferme();
    };
    {
        GardeFichiers garde;
        ecrit(ancien, "pendant");
        ecrit(ancien, "encore");
        ecrit(nouveau, "neuf");
        EXPECT_EQ(LitOctets(ancien.string()), "encore\r\n");
        garde.Restaure();
    }
    EXPECT_EQ(LitOctets(ancien.string()), "avant\r\n");
    EXPECT_FALSE(std::filesystem::exists(nouveau));
    {
        GardeFichiers garde;
        ecrit(ancien, "apres");
        ecrit(nouveau, "neuf");
    }
    EXPECT_EQ(LitOctets(ancien.string()), "apres\r\n");
    EXPECT_EQ(LitOctets(nouveau.string()), "neuf\r\n");
    int fichiers = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(d.Chemin()))
        ++fichiers;
    EXPECT_EQ(fichiers, 2);
}

}  // namespace
}  // namespace vek
