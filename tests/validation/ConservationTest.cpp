// Removals and level integrations leave every field of the records they keep as it was:
// the network written afterwards holds, byte for byte, the lines of the kept records.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "Reseaux.h"
#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/Texte.h"
#include "validation/IntegrationNodale.h"
#include "validation/Suppression.h"
#include "validation/TestValidite.h"

namespace vek {
namespace {

struct NoeudTexte {
    const char* nom;
    long long code;
    long population;
    double x, y, parametre;
};

struct ArcTexte {
    long long origine, destination;
    int mode;
    double distance;
    int temps, depart, arrivee, jours;
    long debit, capacite;
    // Read but not written: checked in the table. Eight characters of sixteen bytes.
    const char* etiquetteOrigine = "ÀÉÈÊÎÔÛÇ";
    const char* etiquetteDestination = "ŒÆØÅÄÖÜŸ";
    long attribut = 0;
};

std::string Ligne(const NoeudTexte& n) {
    char t[80];
    std::snprintf(t, sizeof t, " %010lld %08ld %08.3f %08.3f %010.5f", n.code, n.population, n.x,
                  n.y, n.parametre);
    return Cadre(n.nom, 50) + t + "\r\n";
}

std::string Champs(const ArcTexte& a) {
    char t[120];
    std::snprintf(t, sizeof t, "%010lld %010lld %04d %08.3f %04d %04d %04d %07d %06ld %06ld",
                  a.origine, a.destination, a.mode, a.distance, a.temps, a.depart, a.arrivee,
                  a.jours, a.debit, a.capacite);
    return t;
}

std::string Noeuds(const std::vector<NoeudTexte>& noeuds) {
    std::string s;
    for (const auto& n : noeuds) s += Ligne(n);
    return s;
}

std::string Arcs(const std::vector<ArcTexte>& arcs) {
    std::string s;
    for (const auto& a : arcs) {
        char attribut[16];
        std::snprintf(attribut, sizeof attribut, "%05ld", a.attribut);
        s += Champs(a) + std::string(21, ' ') + Cadre(a.etiquetteOrigine, 8) + " " +
             Cadre(a.etiquetteDestination, 8) + " " + attribut + "\r\n";
    }
    return s;
}

// The arc file as the writer lays it out: the fields read, then the first ten characters of
// the names of the first nodes bearing the two codes (blank when there is none).
std::string ArcsEcrits(const std::vector<ArcTexte>& arcs, const std::vector<NoeudTexte>& noeuds) {
    auto nom = [&](long long code) {
        for (const auto& n : noeuds)
            if (n.code == code) return Cadre(n.nom, 10);
        return std::string(10, ' ');
    };
    std::string s;
    for (const auto& a : arcs)
        s += Champs(a) + " " + nom(a.origine) + " " + nom(a.destination) + "\r\n";
    return s;
}

template <typename T>
std::vector<T> Gardes(const std::vector<T>& tous, std::initializer_list<int> positions) {
    std::vector<T> r;
    for (int p : positions) r.push_back(tous[static_cast<std::size_t>(p - 1)]);
    return r;
}

template <typename T>
std::vector<T> Suite(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Names of fifty characters with accents, populations, coordinates, parameters; the times of
// the unscheduled arcs are those their mode's speed gives, so that they read back the same.
const std::vector<NoeudTexte> kNoeuds = {
    {"Brenne-la-Ville", 1601000001, 1234, 12.5, 340.25, 1.5},
    {"Châtellerault", 8606600, 31875, 497.125, 2190.5, 12.34567},
    {"Angoulême", 1601500, 42096, 463.75, 2078.875, 0},
    {"Saint-Étienne-de-Montluc, la Loire-Atlantique côté", 4418800, 7001, 301.5, 2260.25, 3},
    {"Île-d'Aix", 1710800, 228, 336.625, 2115.5, 0.25},
    {"Châtellerault", 8606600, 31875, 497.125, 2190.5, 12.34567},  // the same node again
};
const std::vector<ArcTexte> kArcs = {
    {1601000001, 8606600, 71, 75, 115, 0, 0, 0, 0, 0},  // 75 km at 60 km/h
    // A train with its days, its mission (4711), labels and an attribute.
    {8606600, 1601500, 3, 112.5, 130, 800, 930, 12345, 4711, 1200, "Gare-Été", "Gare Sud", 42},
    {1601500, 4418800, 6, 55, 30, 0, 0, 0, 350, 2400},  // motorway, with a flow
    {4418800, 4418800, 71, 12, 12, 0, 0, 0, 0, 0},      // a loop
    {1601000001, 9999, 71, 6, 6, 0, 0, 0, 0, 0},        // to no node
    {8606600, 1601000001, 71, 75, 115, 0, 0, 0, 0, 0},  // the first one, backwards
    {4418800, 1601000001, 3, 40, 45, 0, 0, 7, 815, 0},  // a train without timetable
};
// The zoom of Angoulême: two districts linked to the surrounding nodes by code.
const std::vector<NoeudTexte> kZoom = {
    {"Angoulême-Nord, quartier de l'Houmeau et Saint-Cybard", 1601501, 20517, 463.5, 2079.125, 2},
    {"Angoulême-Sud, Ma Campagne", 1601502, 21579, 464, 2077.5, 0},
};
const std::vector<ArcTexte> kArcsZoom = {
    {1601501, 8606600, 3, 110, 205, 1005, 1210, 67, 4712, 0},
    {1601502, 4418800, 6, 66, 36, 0, 0, 0, 0, 0},
    {1601501, 1601502, 71, 3, 3, 0, 0, 0, 0, 0, "", "", 7},
};

TEST(Conservation, RetraitsEtIntegrationsGardentChaqueChamp) {
    auto avecZoom = [](Etat& e, const std::string& dossier) {
        EXPECT_EQ(LectureFichierNoeuds(e, dossier + "/zn.dat", 1000), 2);
        EXPECT_EQ(LectureFichierArcs(e, dossier + "/za.dat", 10000), 3);
    };
    struct Cas {
        const char* quoi;
        std::vector<bool> reponses;
        std::function<void(Etat&, const std::string&)> fait;
        std::vector<NoeudTexte> noeuds;
        std::vector<ArcTexte> arcs;
    } cas[] = {
        {"SupprimeArc",
         {},
         [](Etat& e, const std::string&) { SupprimeArc(e, 2); },
         kNoeuds,
         Gardes(kArcs, {1, 3, 4, 5, 6, 7})},
        {"SupprimeNoeud",
         {},
         [](Etat& e, const std::string&) { SupprimeNoeud(e, 5); },
         Gardes(kNoeuds, {1, 2, 3, 4, 6}),
         kArcs},
        {"noeuds doubles",
         {true},
         [](Etat& e, const std::string&) { EliminationNoeudsDoubles(e); },
         Gardes(kNoeuds, {1, 2, 3, 4, 5}),
         kArcs},
        {"noeuds isolés",
         {true, true},
         [](Etat& e, const std::string&) { EliminationNoeudsIsoles(e); },
         Gardes(kNoeuds, {1, 2, 3, 4, 6}),
         kArcs},
        {"boucles",
         {true, true},
         [](Etat& e, const std::string&) { EliminationBoucles(e); },
         kNoeuds,
         Gardes(kArcs, {1, 2, 3, 5, 6, 7})},
        {"arcs déconnectés",
         {true, true},
         [](Etat& e, const std::string&) { EliminationArcsDeconnectes(e); },
         kNoeuds,
         Gardes(kArcs, {1, 2, 3, 4, 6, 7})},
        {"arcs doubles",
         {true, false},
         [](Etat& e, const std::string&) { EliminationArcsDoubles(e); },
         kNoeuds,
         Gardes(kArcs, {1, 2, 3, 4, 5, 7})},
        {"test de validité",
         {true, true, true, true, true, true, true, true, false},
         [](Etat& e, const std::string&) { menTestValiditéFichiers(e); },
         Gardes(kNoeuds, {1, 2, 3, 4}),
         Gardes(kArcs, {1, 2, 3, 7})},
        {"intégration nodale",
         {},
         [&](Etat& e, const std::string& d) {
             avecZoom(e, d);
             IntegrationNodale(e, 1601500);
         },
         Suite(Gardes(kNoeuds, {1, 2, 4, 5, 6}), kZoom),
         Suite(Gardes(kArcs, {1, 4, 5, 6, 7}), kArcsZoom)},
        {"intégration nodale inverse",
         {},
         [&](Etat& e, const std::string& d) {
             avecZoom(e, d);
             e.CodesZoneInverse = {0, 1601500, 1710800};
             e.NbCodesZoneInverse = 2;
             IntegrationNodaleInverse(e);
         },
         Suite(Gardes(kNoeuds, {1, 2, 4, 6}), Gardes(kZoom, {1})),
         Suite(Gardes(kArcs, {1, 4, 5, 6, 7}), kArcsZoom)},
        {"intégration multinodale",
         {},
         [&](Etat& e, const std::string& d) {
             avecZoom(e, d);
             e.CodesZoneMultinodale = {0, 1710800, 1601500, 8606600};
             e.NbCodesZoneMultinodale = 3;
             IntegrationMultinodale(e);
         },
         Suite(Gardes(kNoeuds, {1, 4}), kZoom),
         Suite(Gardes(kArcs, {4, 5, 7}), kArcsZoom)},
        {"lecture (code 0)",
         {},
         [&](Etat& e, const std::string& d) {
             avecZoom(e, d);
             IntegrationNodale(e, 0);
         },
         kZoom,
         kArcsZoom},
    };
    for (const auto& c : cas) {
        test::Session s;
        test::EcritOctets(s.dossier / "zn.dat", Noeuds(kZoom));
        test::EcritOctets(s.dossier / "za.dat", Arcs(kArcsZoom));
        ASSERT_TRUE(s.Ouvre(Noeuds(kNoeuds), Arcs(kArcs)));
        // As read, the network writes back what was read.
        EcritureFichierNoeuds(s.e, s.dossier / "avant-n.dat");
        EcritureFichierArcs(s.e, s.dossier / "avant-a.dat");
        ASSERT_EQ(test::LitOctets(s.dossier / "avant-n.dat"), Noeuds(kNoeuds));
        ASSERT_EQ(test::LitOctets(s.dossier / "avant-a.dat"), ArcsEcrits(kArcs, kNoeuds));

        s.port.reponsesOuiNon.assign(c.reponses.begin(), c.reponses.end());
        c.fait(s.e, s.dossier.Chemin().string());
        EXPECT_TRUE(s.port.reponsesOuiNon.empty()) << c.quoi;
        EcritureFichierNoeuds(s.e, s.dossier / "n-ecrit.dat");
        EcritureFichierArcs(s.e, s.dossier / "a-ecrit.dat");
        EXPECT_EQ(test::LitOctets(s.dossier / "n-ecrit.dat"), Noeuds(c.noeuds)) << c.quoi;
        EXPECT_EQ(test::LitOctets(s.dossier / "a-ecrit.dat"), ArcsEcrits(c.arcs, c.noeuds))
            << c.quoi;
        ASSERT_EQ(s.e.NbArcs, static_cast<std::int32_t>(c.arcs.size())) << c.quoi;
        for (std::int32_t k = 1; k <= s.e.NbArcs; ++k) {
            const ArcTexte& a = c.arcs[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(s.e.Arcs[k].EtiquetteOrigine, Cadre(a.etiquetteOrigine, 8)) << c.quoi << k;
            EXPECT_EQ(s.e.Arcs[k].EtiquetteDestination, Cadre(a.etiquetteDestination, 8))
                << c.quoi << k;
            EXPECT_EQ(s.e.Arcs[k].Attribut, a.attribut) << c.quoi << k;
        }
    }
}

}  // namespace
}  // namespace vek
