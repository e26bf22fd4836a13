// Every menu command on networks at the edges (none, one node, two nodes, two parts, no
// population, every node at one place, links of zero length or zero time) and with a result
// folder that cannot be written, answered as a user in a hurry would: yes to every question,
// every file chooser and input box cancelled, every dialog closed by its cancel button. Each
// command ends without a crash, no result file holds a number that is not finite, and a
// result that could not be written is counted as a failure (vek-batch then ends with its
// failure status).

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "Outils.h"
#include "PortTest.h"
#include "Reseaux.h"
#include "shell/Echecs.h"
#include "vek/CommandesReseau.h"
#include "vek/Demarrage.h"
#include "vek/Etat.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

class PortPresse : public test::PortTest {
  public:
    Reponse Message(const std::string& texte, Boutons b, Icone i, const std::string& t) override {
        messages.push_back({texte, b, i, t});
        return b == Boutons::OuiNon ? Reponse::Oui : Reponse::Ok;
    }
    void MontreDialogue(Dialogue& d, bool modal) override {
        test::PortTest::MontreDialogue(d, modal);
        d.ouvert = true;
        d.FermeParLaCroix();
    }
};

// The files under `dossier` that hold "nan" or "inf" as a word; workbooks are compressed and
// left out.
std::string FichiersNonFinis(const std::filesystem::path& dossier) {
    static const std::regex kNonFini("(^|[^A-Za-z])-?(nan|inf|infinity)([^A-Za-z]|$)",
                                     std::regex::icase);
    std::string trouves;
    for (const auto& f : std::filesystem::recursive_directory_iterator(dossier)) {
        if (!f.is_regular_file()) continue;
        const std::string octets = test::LitOctets(f.path().string());
        if (octets.rfind("PK", 0) == 0) continue;
        if (std::regex_search(octets, kNonFini)) trouves += " " + f.path().filename().string();
    }
    return trouves;
}

struct Cas {
    const char* nom;
    std::string noeuds, arcs;             // no node file: no network opened
    bool resultatsInaccessibles = false;  // RepResultats names a folder that does not exist
};

TEST(EtatsHostiles, ToutesLesCommandesSurDesReseauxALaLimite) {
    const std::string triangle = LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 200, 10, 0) +
                                 LigneNoeud("C", 3, 300, 0, 10);
    const Cas cas[] = {
        {"aucun réseau", "", ""},
        {"un noeud", LigneNoeud("Seul", 1, 100, 5, 5), ""},
        {"deux noeuds", LigneNoeud("A", 1, 100, 0, 0) + LigneNoeud("B", 2, 50, 3, 4),
         LigneArc(1, 2, 6, 5, 4)},
        {"deux parties", triangle + LigneNoeud("D", 4, 10, 20, 20) + LigneNoeud("E", 5, 10, 30, 20),
         LigneArc(1, 2, 6, 10, 8) + LigneArc(2, 3, 6, 14, 11) + LigneArc(4, 5, 6, 10, 8)},
        {"populations nulles",
         LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 10, 0) + LigneNoeud("C", 3, 0, 0, 10),
         LigneArc(1, 2, 6, 10, 8) + LigneArc(2, 3, 6, 14, 11)},
        {"coordonnées égales",
         LigneNoeud("A", 1, 100, 7, 7) + LigneNoeud("B", 2, 200, 7, 7) +
             LigneNoeud("C", 3, 300, 7, 7),
         LigneArc(1, 2, 6, 10, 8) + LigneArc(2, 3, 6, 14, 11) + LigneArc(3, 1, 41, 9, 7)},
        {"vitesses nulles ou infinies", triangle,
         LigneArc(1, 2, 6, 0, 8) + LigneArc(2, 3, 6, 14, 0) + LigneArc(1, 3, 6, 0, 0) +
             LigneArc(1, 2, 7, 10, 9)},
        {"dossier de résultats absent", triangle,
         LigneArc(1, 2, 6, 10, 8) + LigneArc(2, 3, 6, 14, 11) + LigneArc(3, 1, 41, 9, 7), true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        PortPresse port;
        Etat e(port);
        test::DossierTemporaire dossier;
        test::DansDossier ici(dossier.Chemin());
        Demarrage(e);
        e.RepResultats = c.resultatsInaccessibles ? (dossier / "absent") + "/plus-loin"
                                                  : dossier.Chemin().string();
        if (!c.noeuds.empty()) {
            test::EcritOctets(dossier / "n.dat", c.noeuds);
            test::EcritOctets(dossier / "a.dat", c.arcs);
            port.fichiers = {dossier / "n.dat", dossier / "a.dat"};
            menOuvrir(e);
            ASSERT_TRUE(port.fichiers.empty());
        }
        std::vector<std::string> noms;
        for (const Commande& commande : e.Menus.Commandes())
            if (commande.routine) noms.push_back(commande.nom);
        int faites = 0;
        const std::uint64_t echecsAvant = NombreEchecs();
        for (const std::string& nom : noms) {
            SCOPED_TRACE(nom);
            if (ExecuteCommande(e, nom) == Issue::Faite) ++faites;
            const std::string nonFinis = FichiersNonFinis(dossier.Chemin());
            EXPECT_EQ(nonFinis, "") << "un nombre non fini dans :" << nonFinis;
            if (HasFailure()) return;  // the first failing command is enough
        }
        // With a network open, most commands are available and run.
        if (!c.noeuds.empty()) {
            EXPECT_GT(static_cast<std::size_t>(faites), noms.size() / 2);
        }
        // Results that could not be written are failures, and nothing appears in their place.
        if (c.resultatsInaccessibles) {
            EXPECT_GT(NombreEchecs(), echecsAvant);
            EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / "absent"));
        }
    }
}

}  // namespace
}  // namespace vek
