// The research networks' text format imported as VEK's node and arc files: the units, the
// link pairs, the populations and flows, Sioux Falls against its converted network in
// ../shared/data (skipped when absent), and the faults that refuse the whole.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Outils.h"
#include "formats/ImportTntp.h"

namespace vek {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::LitOctets;

struct ArcLu {
    std::int64_t origine = 0, destination = 0;
    int mode = 0;
    double distance = 0;
    int temps = 0, debit = 0, capacite = 0;  // temps: the hhmm field
};

struct NoeudLu {
    std::string nom;
    int population = 0;
    double x = 0, y = 0;
};

std::vector<std::string> Lignes(const std::string& chemin) {
    std::istringstream f(LitOctets(chemin));
    std::vector<std::string> lignes;
    for (std::string l; std::getline(f, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (!l.empty()) lignes.push_back(l);
    }
    return lignes;
}

std::vector<ArcLu> Arcs(const std::string& chemin) {
    std::vector<ArcLu> arcs;
    for (const auto& l : Lignes(chemin))
        arcs.push_back({std::stoll(l.substr(0, 10)), std::stoll(l.substr(11, 10)),
                        std::stoi(l.substr(22, 4)), std::stod(l.substr(27, 8)),
                        std::stoi(l.substr(36, 4)), std::stoi(l.substr(59, 6)),
                        std::stoi(l.substr(66, 6))});
    return arcs;
}

std::map<std::int64_t, NoeudLu> Noeuds(const std::string& chemin) {
    std::map<std::int64_t, NoeudLu> noeuds;
    for (const auto& l : Lignes(chemin)) {
        std::string nom = l.substr(0, 50);
        nom.erase(nom.find_last_not_of(' ') + 1);
        noeuds[std::stoll(l.substr(51, 10))] = {nom, std::stoi(l.substr(62, 8)),
                                                std::stod(l.substr(71, 8)),
                                                std::stod(l.substr(80, 8))};
    }
    return noeuds;
}

// Three nodes, a pair with the same values, a pair that differs by its capacity, a link alone.
const std::string kReseau =
    "<NUMBER OF ZONES> 2\n<NUMBER OF NODES> 3\n<FIRST THRU NODE> 1\n<NUMBER OF LINKS> 5\n"
    "<END OF METADATA>\n\n\n"
    "~\tinit_node\tterm_node\tcapacity\tlength\tfree_flow_time\tb\tpower\tspeed\ttoll\ttype\t;\n"
    "\t1\t2\t1000.4\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
    "\t2\t1\t1000.4\t2\t3\t0.15\t4\t0\t0\t1\t;\n"
    "\t2\t3\t500\t4\t6\t0.15\t4\t0\t0\t1\t;\n"
    "\t3\t2\t600\t4\t6\t0.15\t4\t0\t0\t1\t;\n"
    "\t3\t1\t800\t5\t10\t0.15\t4\t0\t0\t1\t;\n";
const std::string kNoeuds = "Node\tX\tY\t;\n1\t1000\t2000\t;\n2\t3000\t2000\t;\n3\t1000\t7000\t;\n";
const std::string kTrajets =
    "<NUMBER OF ZONES> 2\n<TOTAL OD FLOW> 60.0\n<END OF METADATA>\n\n\n"
    "Origin \t1 \n    1 :      5.0;     2 :     20.0; \n\nOrigin \t2 \n    1 :     35.0; \n";
const std::string kDebits =
    "From \tTo \tVolume \tCost \n1 \t2 \t10.4 \t3.0 \n2 \t1 \t12.6 \t3.0 \n"
    "2 \t3 \t7 \t6 \n3 \t2 \t8 \t6 \n3 \t1 \t9 \t10 \n";

struct Petit {
    DossierTemporaire d;
    OptionsTntp o;
    Petit() {
        EcritOctets(d / "net.tntp", kReseau);
        EcritOctets(d / "node.tntp", kNoeuds);
        EcritOctets(d / "trips.tntp", kTrajets);
        EcritOctets(d / "flow.tntp", kDebits);
        o.reseau = d / "net.tntp";
        o.noeuds = d / "node.tntp";
        o.trajets = d / "trips.tntp";
        o.flux = d / "flow.tntp";
        o.sortie = d / "vek";
    }
};

TEST(ImportTntp, PairesPopulationsEtDebits) {
    Petit p;
    p.o.coordonnees = "ft";
    const RapportImport r = ImporteTntp(p.o);
    ASSERT_TRUE(r.reussi) << r.message;
    EXPECT_EQ(r.noeuds, 3);
    EXPECT_EQ(r.arcs, 4);
    // The pair 1-2 is one arc with the larger flow; 2-3 and 3-2 stay two, as 3-1 alone.
    const auto arcs = Arcs(p.o.sortie + "/arcs.dat");
    ASSERT_EQ(arcs.size(), 4u);
    const std::vector<std::pair<std::int64_t, std::int64_t>> bouts = {
        {1, 2}, {2, 3}, {3, 2}, {3, 1}};
    const int debits[] = {13, 7, 8, 9}, capacites[] = {1000, 500, 600, 800},
              temps[] = {3, 6, 6, 10};
    for (std::size_t k = 0; k < arcs.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(std::make_pair(arcs[k].origine, arcs[k].destination), bouts[k]);
        EXPECT_EQ(arcs[k].debit, debits[k]);
        EXPECT_EQ(arcs[k].capacite, capacites[k]);
        EXPECT_EQ(arcs[k].temps, temps[k]);
    }
    // 2 km in 3 min: 40 km/h, the 35 km/h boulevard; 5 km in 10 min: 30 km/h, the same.
    EXPECT_EQ(arcs[0].mode, 74);
    EXPECT_EQ(arcs[3].mode, 74);
    ASSERT_EQ(r.avertissements.size(), 1u);
    EXPECT_NE(r.avertissements[0].find("3 liens sans retour"), std::string::npos);

    const auto noeuds = Noeuds(p.o.sortie + "/noeuds.dat");
    ASSERT_EQ(noeuds.size(), 3u);
    EXPECT_EQ(noeuds.at(1).nom, "Zone 1");
    EXPECT_EQ(noeuds.at(3).nom, "Noeud 3");
    EXPECT_EQ(noeuds.at(1).population, 25);
    EXPECT_EQ(noeuds.at(2).population, 35);
    EXPECT_EQ(noeuds.at(3).population, 0);
    // Feet to km, shifted to 0.
    EXPECT_DOUBLE_EQ(noeuds.at(1).x, 0);
    EXPECT_DOUBLE_EQ(noeuds.at(2).x, 0.610);
    EXPECT_DOUBLE_EQ(noeuds.at(3).y, 1.524);
}

TEST(ImportTntp, ModeOrienteSansReunion) {
    Petit p;
    p.o.mode = 812;
    const RapportImport r = ImporteTntp(p.o);
    ASSERT_TRUE(r.reussi) << r.message;
    EXPECT_EQ(r.arcs, 5);
    EXPECT_TRUE(r.avertissements.empty());
    for (const auto& a : Arcs(p.o.sortie + "/arcs.dat")) EXPECT_EQ(a.mode, 812);
}

TEST(ImportTntp, Unites) {
    struct Cas {
        const char *longueur, *temps;
        double longueurLue, tempsLu;  // written in the link 1-2 and its reverse
        double km;
        int hhmm;
    };
    const Cas cas[] = {
        {"km", "min", 2, 3, 2, 3},       {"m", "s", 2500, 120, 2.5, 2},
        {"mi", "h", 1, 1.5, 1.609, 130}, {"ft", "min", 1000, 3, 0.305, 3},
        {"km", "0.01h", 6, 6, 6, 4},     {"0.5km", "2min", 3, 10, 1.5, 20},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.longueur) + " " + c.temps);
        DossierTemporaire d;
        std::ostringstream lien;
        lien << "\t1\t2\t100\t" << c.longueurLue << "\t" << c.tempsLu << "\t0.15\t4\t0\t0\t1\t;\n";
        EcritOctets(d / "net.tntp", "<NUMBER OF LINKS> 1\n<END OF METADATA>\n" + lien.str());
        EcritOctets(d / "node.tntp", "Node X Y ;\n1 0 0 ;\n2 1 1 ;\n");
        OptionsTntp o;
        o.reseau = d / "net.tntp";
        o.noeuds = d / "node.tntp";
        o.sortie = d / "vek";
        o.longueur = c.longueur;
        o.temps = c.temps;
        const RapportImport r = ImporteTntp(o);
        ASSERT_TRUE(r.reussi) << r.message;
        const auto arcs = Arcs(o.sortie + "/arcs.dat");
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_NEAR(arcs[0].distance, c.km, 5e-4);
        EXPECT_EQ(arcs[0].temps, c.hhmm);
    }
}

TEST(ImportTntp, ModeSelonLaVitesse) {
    const std::pair<double, int> cas[] = {{130, 6}, {100, 6}, {90, 61}, {70, 7}, {60, 71},
                                          {50, 72}, {35, 74}, {29, 75}, {0, 72}};
    for (const auto& [kmh, mode] : cas) EXPECT_EQ(ModeRoutierSelonVitesse(kmh), mode) << kmh;
}

// Each fault names its file and line, and nothing is written.
TEST(ImportTntp, Refus) {
    struct Cas {
        const char* titre;
        const char* fichier;  // the file replaced, empty: none
        std::string contenu;
        std::string attendu;  // in the message, after the file's path
    };
    const std::string lien = "\t1\t2\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n";
    const std::vector<Cas> cas = {
        {"réseau absent", "", "", "net.tntp est introuvable"},
        {"nombre de liens absent", "net.tntp", "<NUMBER OF ZONES> 2\n<END OF METADATA>\n" + lien,
         "net.tntp, ligne 2 : <NUMBER OF LINKS> manque"},
        {"nombre de liens illisible", "net.tntp", "<NUMBER OF LINKS> cinq\n<END OF METADATA>\n",
         "net.tntp, ligne 1 : <NUMBER OF LINKS> attend un entier"},
        {"nombre de liens faux", "net.tntp",
         "<NUMBER OF ZONES> 2\n<NUMBER OF LINKS> 2\n<END OF METADATA>\n" + lien,
         "net.tntp, ligne 2 : <NUMBER OF LINKS> annonce 2 liens, le fichier en contient 1"},
        {"fin des métadonnées absente", "net.tntp", "<NUMBER OF LINKS> 1\n" + lien,
         "net.tntp, ligne 2 : métadonnée"},
        {"champ en moins", "net.tntp",
         "<NUMBER OF LINKS> 2\n<END OF METADATA>\n" + lien +
             "\t2\t1\t100\t2\t3\t0.15\t4\t0\t0\t;\n",
         "net.tntp, ligne 4 : 9 champs au lieu de 10"},
        {"capacité négative", "net.tntp",
         "<NUMBER OF LINKS> 1\n<END OF METADATA>\n\t1\t2\t-100\t2\t3\t0.15\t4\t0\t0\t1\t;\n",
         "net.tntp, ligne 3 : capacité invalide"},
        {"noeud inconnu", "net.tntp",
         "<NUMBER OF LINKS> 1\n<END OF METADATA>\n\n\t1\t9\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n",
         "net.tntp, ligne 4 : le noeud 9 n'est pas dans"},
        {"noeud sans coordonnée", "node.tntp", "Node X Y ;\n1 0 0 ;\n2 1 ;\n",
         "node.tntp, ligne 3 : 2 champs au lieu de 3"},
        {"noeud donné deux fois", "node.tntp", "Node X Y ;\n1 0 0 ;\n2 1 1 ;\n1 2 2 ;\n",
         "node.tntp, ligne 4 : le noeud 1 est déjà donné ligne 2"},
        {"zone inconnue", "trips.tntp",
         "<NUMBER OF ZONES> 2\n<END OF METADATA>\nOrigin 1\n 1 : 0.0; 7 : 2.0;\n",
         "trips.tntp, ligne 4 : la zone 7 n'est pas dans le fichier des noeuds"},
        {"trajets sans origine", "trips.tntp",
         "<NUMBER OF ZONES> 2\n<END OF METADATA>\n 1 : 0.0;\n",
         "trips.tntp, ligne 3 : trajets donnés avant"},
        {"trajets sans zones", "trips.tntp", "<END OF METADATA>\nOrigin 1\n 1 : 0.0;\n",
         "trips.tntp, ligne 1 : <NUMBER OF ZONES> manque"},
        {"débit d'un lien absent", "flow.tntp", "From To Volume Cost\n1 2 5 3\n2 3 5 3\n",
         "flow.tntp, ligne 3 : le lien 2 → 3 n'est pas dans le fichier du réseau"},
        {"débit sans coût", "flow.tntp", "From To Volume Cost\n1 2 5\n",
         "flow.tntp, ligne 2 : 3 champs au lieu de 4"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.titre);
        DossierTemporaire d;
        EcritOctets(d / "net.tntp",
                    "<NUMBER OF ZONES> 2\n<NUMBER OF LINKS> 2\n<END OF METADATA>\n" + lien +
                        "\t2\t1\t100\t2\t3\t0.15\t4\t0\t0\t1\t;\n");
        EcritOctets(d / "node.tntp", "Node X Y ;\n1 0 0 ;\n2 1 1 ;\n");
        EcritOctets(d / "trips.tntp",
                    "<NUMBER OF ZONES> 2\n<END OF METADATA>\nOrigin 1\n 2 : 3;\n");
        EcritOctets(d / "flow.tntp", "From To Volume Cost\n1 2 5 3\n");
        if (*c.fichier)
            EcritOctets(d / c.fichier, c.contenu);
        else
            std::filesystem::remove(d / "net.tntp");
        OptionsTntp o;
        o.reseau = d / "net.tntp";
        o.noeuds = d / "node.tntp";
        o.trajets = d / "trips.tntp";
        o.flux = d / "flow.tntp";
        o.sortie = d / "vek";
        const RapportImport r = ImporteTntp(o);
        EXPECT_FALSE(r.reussi);
        EXPECT_NE(r.message.find(d.Chemin().string() + "/" + c.attendu), std::string::npos)
            << r.message;
        EXPECT_FALSE(std::filesystem::exists(d / "vek/noeuds.dat"));
        EXPECT_FALSE(std::filesystem::exists(d / "vek/arcs.dat"));
    }
}

TEST(ImportTntp, OptionsRefusees) {
    struct Cas {
        const char *longueur, *temps, *coordonnees;
        int mode;
        const char* attendu;
    };
    const Cas cas[] = {
        {"yd", "min", "", 0, "Unité de longueur inconnue : « yd »"},
        {"km", "jour", "", 0, "Unité de temps inconnue : « jour »"},
        {"km", "-2h", "", 0, "Unité de temps inconnue"},
        {"km", "min", "grad", 0, "Unité des coordonnées inconnue : « grad »"},
        {"km", "min", "", 99, "Mode inconnu : 99."},
    };
    Petit p;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.attendu);
        OptionsTntp o = p.o;
        o.longueur = c.longueur;
        o.temps = c.temps;
        o.coordonnees = c.coordonnees;
        o.mode = c.mode;
        const RapportImport r = ImporteTntp(o);
        EXPECT_FALSE(r.reussi);
        EXPECT_NE(r.message.find(c.attendu), std::string::npos) << r.message;
        EXPECT_FALSE(std::filesystem::exists(o.sortie));
    }
}

// Sioux Falls imports to the links, free-flow times, capacities, flows and populations of the
// network converted in ../shared/data, and to its coordinates.
TEST(ImportTntp, SiouxFalls) {
    const std::string base = std::string(VEK_SOURCE_DIR) + "/../shared/data/SiouxFalls/";
    if (!std::filesystem::exists(base + "tntp/SiouxFalls_net.tntp"))
        GTEST_SKIP() << "../shared/data is absent: Sioux Falls not checked";
    DossierTemporaire d;
    OptionsTntp o;
    o.reseau = base + "tntp/SiouxFalls_net.tntp";
    o.noeuds = base + "tntp/SiouxFalls_node.tntp";
    o.trajets = base + "tntp/SiouxFalls_trips.tntp";
    o.flux = base + "tntp/SiouxFalls_flow.tntp";
    o.sortie = d / "vek";
    o.temps = "0.01h";
    o.coordonnees = "deg";
    const RapportImport r = ImporteTntp(o);
    ASSERT_TRUE(r.reussi) << r.message;
    EXPECT_TRUE(r.avertissements.empty());

    auto parPaire = [](const std::vector<ArcLu>& arcs) {
        std::map<std::pair<std::int64_t, std::int64_t>, ArcLu> m;
        for (const auto& a : arcs) m[std::minmax(a.origine, a.destination)] = a;
        return m;
    };
    const auto importes = parPaire(Arcs(o.sortie + "/arcs.dat"));
    const auto convertis = parPaire(Arcs(base + "arcs.dat"));
    ASSERT_EQ(importes.size(), 38u);
    ASSERT_EQ(convertis.size(), 38u);
    for (const auto& [bouts, c] : convertis) {
        SCOPED_TRACE(std::to_string(bouts.first) + "-" + std::to_string(bouts.second));
        ASSERT_TRUE(importes.contains(bouts));
        const ArcLu& i = importes.at(bouts);
        EXPECT_EQ(i.temps, c.temps);
        EXPECT_EQ(i.capacite, c.capacite);
        EXPECT_EQ(i.debit, c.debit);
    }
    const auto noeuds = Noeuds(o.sortie + "/noeuds.dat");
    const auto references = Noeuds(base + "noeuds.dat");
    ASSERT_EQ(noeuds.size(), references.size());
    int total = 0;
    for (const auto& [code, n] : references) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(noeuds.contains(code));
        EXPECT_EQ(noeuds.at(code).nom, n.nom);
        EXPECT_EQ(noeuds.at(code).population, n.population);
        EXPECT_NEAR(noeuds.at(code).x, n.x, 0.0015);
        EXPECT_NEAR(noeuds.at(code).y, n.y, 0.0015);
        total += n.population;
    }
    EXPECT_EQ(total, 360600);
}

}  // namespace
}  // namespace vek
