// The example compared with planned variants of it: a new motorway arc changes the times of
// exactly the nodes whose shortest paths now take it (checked against shortest paths computed
// here from the minimal arcs of each network), and a node removed and one added are listed
// apart without shifting the others.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <queue>
#include <sstream>
#include <string>
#include <vector>

#include "Outils.h"
#include "ScriptTest.h"
#include "paths/Floyd.h"
#include "shell/Texte.h"
#include "vek/Comparaison.h"

namespace vek {
namespace {

using test::LitOctets;
using test::Source;

// One line of a comparison file, by column name.
using LigneCsv = std::map<std::string, std::string>;

std::vector<LigneCsv> LitCsv(const std::string& chemin) {
    std::istringstream f(LitOctets(chemin));
    std::vector<std::string> entetes;
    std::vector<LigneCsv> lignes;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        std::vector<std::string> champs;
        std::string champ;
        bool guillemets = false;
        for (char c : l) {
            if (c == '"')
                guillemets = !guillemets;
            else if (c == ',' && !guillemets)
                champs.push_back(std::exchange(champ, {}));
            else
                champ += c;
        }
        champs.push_back(champ);
        if (entetes.empty()) {
            entetes = champs;
            continue;
        }
        EXPECT_EQ(champs.size(), entetes.size()) << l;
        LigneCsv x;
        for (std::size_t k = 0; k < champs.size() && k < entetes.size(); ++k)
            x[entetes[k]] = champs[k];
        lignes.push_back(x);
    }
    return lignes;
}

// The sum of the shortest times from each node (by code) to all nodes, 32000 for a node out
// of reach, by Dijkstra on the minimal arcs of the state.
std::map<std::string, double> SommesParDijkstra(const Etat& e) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    std::map<std::string, double> sommes;
    for (std::size_t s = 1; s <= n; ++s) {
        std::vector<double> d(n + 1, std::numeric_limits<double>::infinity());
        using Element = std::pair<double, std::size_t>;
        std::priority_queue<Element, std::vector<Element>, std::greater<>> file;
        d[s] = 0;
        file.push({0, s});
        while (!file.empty()) {
            const auto [du, u] = file.top();
            file.pop();
            if (du > d[u]) continue;
            for (std::size_t v = 1; v <= n; ++v) {
                const float w = e.MatArcsMin(u, v).Valeur;
                if (w == 0 || v == u || du + w >= d[v]) continue;
                d[v] = du + w;
                file.push({d[v], v});
            }
        }
        double somme = 0;
        for (std::size_t j = 1; j <= n; ++j)
            if (j != s) somme += std::isfinite(d[j]) ? d[j] : static_cast<double>(kInfini);
        sommes[std::to_string(e.Noeuds[s].Code)] = somme;
    }
    return sommes;
}

struct Comparaison : test::SessionScript {
    explicit Comparaison(const std::string& noeudsVariante, const std::string& arcsVariante) {
        Fichier(Source("examples/utf8/noeuds.dat"));
        Fichier(Source("examples/utf8/arcs.dat"));
        EXPECT_EQ(Menu("menOuvrir"), Issue::Faite);
        EXPECT_EQ(Menu("menUneFois"), Issue::Faite);
        Ecrit("variante/noeuds.dat", noeudsVariante);
        Ecrit("variante/arcs.dat", arcsVariante);
        Fichier(dossier / "variante/noeuds.dat");
        Fichier(dossier / "variante/arcs.dat");
        EXPECT_EQ(Menu("menComparerVariante"), Issue::Faite);
        EXPECT_NE(EtatVariante(e), nullptr) << sortie.str();
    }
    // The sums of the minimal times from each node, compared.
    std::vector<LigneCsv> Sommes() {
        Dialogue("VekForCM", {"Précarto", "NoeudVal", "Multipolaire", "SVME", "Ok"});
        EXPECT_EQ(Menu("menVisuMatChMin"), Issue::Faite);
        return LitCsv(dossier / "NoeudValComparaison.csv");
    }
};

TEST(Comparaison, UneAutorouteNouvelleChangeExactementLesNoeudsQuiLaPrennent) {
    const std::string noeuds = LitOctets(Source("examples/utf8/noeuds.dat"));
    // A motorway from Brenne-la-Ville to Saint-Étienne-du-Bois, 30 km in 10 minutes.
    const std::string arcs = LitOctets(Source("examples/utf8/arcs.dat")) +
                             "1601000001 1601000003 0003 0030.000 0010 0000 0000 0000000 000000 "
                             "000000 Brenne-la- Saint-Éti\r\n";
    Comparaison c(noeuds, arcs);
    const auto lignes = c.Sommes();
    const auto base = SommesParDijkstra(c.e);
    const auto variante = SommesParDijkstra(*EtatVariante(c.e));
    ASSERT_EQ(lignes.size(), base.size());
    int changes = 0, inchanges = 0;
    for (const LigneCsv& x : lignes) {
        SCOPED_TRACE(x.at("code") + " " + x.at("nom"));
        EXPECT_EQ(x.at("statut"), "");
        const double attendu = variante.at(x.at("code")) - base.at(x.at("code"));
        const double ecart = std::stod(x.at("ecart"));
        EXPECT_NEAR(std::stod(x.at("base")), base.at(x.at("code")), 1e-2);
        if (attendu == 0) {
            // Far from the new arc, nothing moves at all.
            EXPECT_EQ(x.at("ecart"), "0");
            EXPECT_EQ(x.at("ecart_relatif"), "0");
            ++inchanges;
        } else {
            EXPECT_LT(attendu, 0);  // an arc added only shortens
            EXPECT_NEAR(ecart, attendu, 1e-2);
            EXPECT_NEAR(std::stod(x.at("ecart_relatif")), ecart / std::stod(x.at("base")), 1e-12);
            ++changes;
        }
    }
    EXPECT_GT(changes, 0);
    EXPECT_GT(inchanges, 0);
    EXPECT_EQ(c.Compte("noeud(s) en hausse"), 1);
}

TEST(Comparaison, NoeudsDUnSeulReseauListesAPart) {
    // The variant loses Châteaubrun (1601000004, and the arcs that reach it) and gains a
    // town joined to Brenne-la-Ville.
    std::istringstream n(LitOctets(Source("examples/utf8/noeuds.dat")));
    std::string noeuds;
    for (std::string l; std::getline(n, l);)
        if (l.find("1601000004") == std::string::npos) noeuds += l + "\n";
    noeuds +=
        "Nouvelle-Ville                                     1601009999 00010000 0101.000 "
        "0103.000 0000.00000\r\n";
    std::istringstream a(LitOctets(Source("examples/utf8/arcs.dat")));
    std::string arcs;
    for (std::string l; std::getline(a, l);)
        if (l.find("1601000004") == std::string::npos) arcs += l + "\n";
    arcs +=
        "1601000001 1601009999 0006 0002.000 0003 0000 0000 0000000 000000 000000 Brenne-la- "
        "Nouvelle-V\r\n";
    Comparaison c(noeuds, arcs);
    // The degree of every node: no paths needed, every node has a value.
    c.Dialogue("IndicVek", {"Degré", "Ordre1", "Booléenne", "Ok"});
    ASSERT_EQ(c.Menu("menCalculNodalité"), Issue::Faite);
    const auto lignes = LitCsv(c.dossier / "NoeudValComparaison.csv");
    ASSERT_EQ(lignes.size(), 45u);
    std::map<std::string, LigneCsv> parCode;
    for (const auto& x : lignes) parCode[x.at("code")] = x;
    EXPECT_EQ(parCode.at("1601000004").at("statut"), "base_seule");
    EXPECT_EQ(parCode.at("1601000004").at("variante"), "");
    EXPECT_EQ(parCode.at("1601009999").at("statut"), "variante_seule");
    EXPECT_EQ(parCode.at("1601009999").at("base"), "");
    EXPECT_EQ(parCode.at("1601009999").at("variante"), "2");  // a two-way road counts twice
    // The node of one network only comes last; the others keep the base's order.
    EXPECT_EQ(lignes.back().at("code"), "1601009999");
    // Every other node is matched with its own base value and its name.
    for (std::int32_t i = 1; i <= c.e.NbNoeuds; ++i) {
        const std::string code = std::to_string(c.e.Noeuds[i].Code);
        if (code == "1601000004") continue;
        const LigneCsv& x = parCode.at(code);
        EXPECT_EQ(x.at("nom"), SansBlancsFinaux(c.e.Noeuds[i].Nom));
        EXPECT_EQ(std::stod(x.at("base")), c.e.ValeursNoeuds[i]) << code;
        EXPECT_EQ(x.at("statut"), "") << code;
    }
    // A command that only shows a value compares it too, and the comparison ends.
    ASSERT_EQ(c.Menu("menAlpha"), Issue::Faite);
    const auto reseau = LitCsv(c.dossier / "ReseauComparaison.csv");
    ASSERT_EQ(reseau.size(), 1u);
    EXPECT_EQ(reseau[0].at("indicateur"), "alpha");
    ASSERT_EQ(c.Menu("menFinComparaison"), Issue::Faite);
    EXPECT_EQ(EtatVariante(c.e), nullptr);
    EXPECT_EQ(c.Menu("menFinComparaison"), Issue::Refusee);
}

}  // namespace
}  // namespace vek
