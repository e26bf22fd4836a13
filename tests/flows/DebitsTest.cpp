// Travel times from the road flows: the speed-flow law, the capacities, the hourly and the
// daily commands, and what they refuse.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "flows/Debits.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

// The time the law gives an arc: distance at the free-flow speed scaled by the factor.
float TempsAttendu(float distance, int vitesseMax, float facteur) {
    const float vitesse = static_cast<float>(vitesseMax) * facteur;
    return static_cast<float>(static_cast<double>(distance) * 60.0 / vitesse);
}

TEST(Debits, LoiDebitVitesseEtCapacites) {
    struct Cas {
        int mode;
        double r;
        float facteur;
    } cas[] = {
        // r on a bound belongs to the lower row; 318/1000 computed lands on 0.318.
        {6, 318.0 / 1000.0, 0.86f},
        {61, 0.3181, 0.81f},
        {63, 0.509, 0.81f},
        {6, 0.747, 0.77f},
        {6, 0.916, 0.66f},
        {6, 1, 0.43f},
        {6, 1.0001, 0.33f},
        {74, 0, 0.90f},
        {62, 0.25, 0.90f},
        {75, 0.49, 0.70f},
        {74, 0.6, 0.50f},
        {74, 0.8, 0.40f},
        {74, 1, 0.30f},
        {74, 7, 0.24f},
        {7, 0.25, 0.92f},
        {71, 0.4, 0.83f},
        {72, 0.5, 0.75f},
        {7, 0.8, 0.67f},
        {7, 1, 0.54f},
        {7, 2, 0.33f},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(LoiDebitVitesse(c.mode, c.r), c.facteur) << c.mode << " " << c.r;
    for (int mode : {2, 9, 41, 622, 0}) EXPECT_FALSE(LoiDebitVitesse(mode, 0.5)) << mode;
    const std::pair<int, int> capacites[] = {{6, 1800},  {61, 1800}, {63, 1800}, {62, 1250},
                                             {7, 1250},  {74, 1250}, {71, 1000}, {72, 1000},
                                             {75, 1000}, {2, 0},     {41, 0},    {9, 0}};
    for (const auto& [mode, capacite] : capacites) EXPECT_EQ(CapaciteParMode(mode), capacite);
    // Percentage times flow first, then the division, halves to even.
    EXPECT_EQ(DebitDeLHeure(5300, 8.5f), 450);
    EXPECT_EQ(DebitDeLHeure(5500, 8.5f), 468);  // 467.5
    EXPECT_EQ(DebitDeLHeure(4519, 8.5f), 384);
    EXPECT_EQ(DebitDeLHeure(7, 0), 0);
}

// Nodes 1..4 and arcs of every kind the command meets.
const std::string kNoeuds =
    LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3) + LigneNoeud("D", 4);

std::string ArcsVaries() {
    return LigneArc(1, 2, 6, 10, 7, 0, 0, 0, 318, 1000) +  // r = 0.318 on its own capacity
           LigneArc(2, 3, 74, 5, 9, 0, 0, 0, 1250) +       // capacity 1250: r = 1
           LigneArc(3, 4, 7, 8, 8, 0, 0, 0, 625) +         // capacity 1250: r = 0.5
           LigneArc(1, 4, 2, 3, 6) +                       // a ferry with no flow
           LigneArc(1, 3, 72, 4, 5) +                      // a road with no flow
           LigneArc(2, 4, 41, 10, 0, 800, 812, 31, 101) +  // a train: 101 is its mission
           LigneArc(4, 2, 9, 1, 12, 0, 0, 0, 100, 500);    // walking, given a capacity
}

TEST(Debits, DebitsHorairesSurChaqueGenreDArc) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, ArcsVaries()));
    const std::vector<Arc> lus = s.e.Arcs;
    EXPECT_FALSE(s.e.Menus.EstActif("mencongglob"));
    ASSERT_EQ(ExecuteCommande(s.e, "menDébitsHoraires"), Issue::Faite);
    const std::vector<Arc>& a = s.e.Arcs;
    EXPECT_EQ(a[1].Temps, TempsAttendu(10, lus[1].VitesseMax, 0.86f));
    EXPECT_EQ(a[1].Vitesse, lus[1].VitesseMax * 0.86f);
    EXPECT_EQ(a[2].Temps, TempsAttendu(5, lus[2].VitesseMax, 0.30f));
    EXPECT_EQ(a[3].Temps, TempsAttendu(8, lus[3].VitesseMax, 0.75f));
    EXPECT_EQ(a[4].Temps, lus[4].Temps + 15);  // the ferry, whatever its flow
    EXPECT_EQ(a[5].Temps, lus[5].Temps);
    EXPECT_EQ(a[5].Vitesse, lus[5].Vitesse);
    EXPECT_EQ(a[6].Temps, lus[6].Temps);  // the train
    EXPECT_EQ(a[6].Debit, 101);
    EXPECT_EQ(a[7].Temps, lus[7].Temps);  // no law for walking: left as it is
    EXPECT_EQ(s.port.Compte("1 arc(s) avec un débit sur un mode sans loi débit-vitesse"), 1);
    EXPECT_TRUE(s.e.DebitsHoraires);
    EXPECT_TRUE(s.e.Menus.EstActif("mencongglob"));
    EXPECT_TRUE(s.e.Menus.EstActif("menCongLoc"));
    // The valuation is rebuilt on the new times.
    EXPECT_EQ(s.e.MatArcsMin(1, 2).Valeur, a[1].Temps);
    EXPECT_EQ(s.e.MatArcsMin(1, 4).Valeur, lus[4].Temps + 15);

    // Again: the same network, not the flows applied twice nor a second ferry boarding.
    const std::vector<Arc> apres = s.e.Arcs;
    ASSERT_EQ(ExecuteCommande(s.e, "menDébitsHoraires"), Issue::Faite);
    for (std::size_t k = 1; k < apres.size(); ++k) {
        EXPECT_EQ(s.e.Arcs[k].Temps, apres[k].Temps) << k;
        EXPECT_EQ(s.e.Arcs[k].Vitesse, apres[k].Vitesse) << k;
        EXPECT_EQ(s.e.Arcs[k].Debit, apres[k].Debit) << k;
    }

    // An arc whose mode has no free-flow speed keeps its time, said with a count.
    s.e.Arcs[3].VitesseMax = 0;
    ASSERT_EQ(ExecuteCommande(s.e, "menDébitsHoraires"), Issue::Faite);
    EXPECT_EQ(s.e.Arcs[3].Temps, lus[3].Temps);
    EXPECT_EQ(s.port.Compte("1 arc(s) avec un débit sur un mode sans vitesse maximale"), 1);
}

TEST(Debits, ChargementEffaceLesDebitsHoraires) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, ArcsVaries()));
    const float lu = s.e.Arcs[1].Temps;
    ASSERT_EQ(ExecuteCommande(s.e, "menDébitsHoraires"), Issue::Faite);
    ASSERT_NE(s.e.Arcs[1].Temps, lu);
    ASSERT_TRUE(s.Ouvre(kNoeuds, ArcsVaries()));
    EXPECT_FALSE(s.e.DebitsHoraires);
    EXPECT_EQ(s.e.Arcs[1].Temps, lu);
}

// A flow on a mode with no capacity and no capacity of its own: every such arc is named in
// one message, and nothing changes.
TEST(Debits, DebitSansCapaciteRefuse) {
    test::Session s;
    ASSERT_TRUE(s.Ouvre(kNoeuds, ArcsVaries() + LigneArc(3, 1, 9, 2, 20, 0, 0, 0, 40) +
                                     LigneArc(4, 3, 2, 2, 20, 0, 0, 0, 60)));
    const std::vector<Arc> lus = s.e.Arcs;
    const auto generation = s.e.GenerationReseau;
    ExecuteCommande(s.e, "menDébitsHoraires");
    ASSERT_EQ(s.port.Compte("débit non autorisé"), 1);  // one message
    EXPECT_EQ(s.port.Compte("Erreur fichier ligne 8 : débit non autorisé pour ce mode, "
                            "veuillez le supprimer\nErreur fichier ligne 9 : débit non "
                            "autorisé pour ce mode, veuillez le supprimer"),
              1);
    for (std::size_t k = 1; k < lus.size(); ++k) {
        EXPECT_EQ(s.e.Arcs[k].Temps, lus[k].Temps) << k;
        EXPECT_EQ(s.e.Arcs[k].Debit, lus[k].Debit) << k;
    }
    EXPECT_FALSE(s.e.DebitsHoraires);
    EXPECT_EQ(s.e.GenerationReseau, generation);
    EXPECT_FALSE(s.e.Menus.EstActif("mencongglob"));
}

TEST(Debits, DebitsJournaliers) {
    test::SessionScript s;
    s.Ecrit("n.dat", kNoeuds);
    s.Ecrit("a.dat", LigneArc(1, 2, 6, 10, 7, 0, 0, 0, 5300) +      // motorway: 8.5 %
                         LigneArc(2, 3, 63, 4, 5, 0, 0, 0, 1000) +  // urban: 9 %
                         LigneArc(3, 4, 71, 6, 6, 0, 0, 0, 2001) +  // other: 10 %
                         LigneArc(1, 4, 41, 9, 0, 700, 720, 31, 4242));
    s.Fichier((s.dossier.Chemin() / "n.dat").string());
    s.Fichier((s.dossier.Chemin() / "a.dat").string());
    ASSERT_EQ(s.Menu("menOuvrir"), Issue::Faite);
    const std::vector<Arc> lus = s.e.Arcs;

    // Cancelled: nothing converted, nothing applied.
    s.Dialogue("Débits", {"PourcAVExp=8.5", "DebAnnule"});
    s.Menu("menDébitsJournaliers");
    EXPECT_EQ(s.e.Arcs[1].Debit, 5300);
    EXPECT_EQ(s.e.Arcs[1].Temps, lus[1].Temps);
    EXPECT_EQ(s.e.PourcAutoroutes, 0);

    // A share that is no percentage is asked again; then all three are kept.
    s.Dialogue("Débits", {"PourcAVExp=huit", "DebOk", "PourcAVExp=8.5", "PourcRVUrb=9",
                          "PourcAutres=10", "DebOk"});
    s.Menu("menDébitsJournaliers");
    EXPECT_EQ(s.Compte("doit être un nombre de 0 à 100 : huit"), 1);
    EXPECT_EQ(s.e.Arcs[1].Debit, 450);
    EXPECT_EQ(s.e.Arcs[2].Debit, 90);
    EXPECT_EQ(s.e.Arcs[3].Debit, 200);
    EXPECT_EQ(s.e.Arcs[4].Debit, 4242);  // a mission number stays
    EXPECT_EQ(s.e.Arcs[1].Temps, TempsAttendu(10, lus[1].VitesseMax, 0.86f));  // 450/1800
    EXPECT_EQ(s.e.Arcs[3].Temps, TempsAttendu(6, lus[3].VitesseMax, 0.92f));   // 200/1000
    EXPECT_FALSE(s.e.DebitsHoraires);
    EXPECT_TRUE(s.e.Menus.EstActif("menCongLoc"));

    // Again with the same shares: the flows read are converted, not the converted ones.
    s.Dialogue("Débits", {"DebOk"});
    s.Menu("menDébitsJournaliers");
    EXPECT_EQ(s.e.Arcs[1].Debit, 450);
    EXPECT_EQ(s.e.Arcs[3].Debit, 200);
    // The hourly command then takes the flows as read.
    s.Menu("menDébitsHoraires");
    EXPECT_EQ(s.e.Arcs[1].Debit, 5300);
}

// On the Sioux Falls network, whose arcs carry flows and capacities, every arc's time is the
// one the law gives, recomputed here from the arc file itself.
TEST(Debits, SiouxFalls) {
    const std::filesystem::path dossier =
        std::filesystem::path(VEK_SOURCE_DIR) / "../shared/data/SiouxFalls";
    if (!std::filesystem::exists(dossier / "arcs.dat"))
        GTEST_SKIP() << "Sioux Falls network absent from ../shared/data";
    test::Session s;
    s.port.fichiers.push_back(dossier / "noeuds.dat");
    s.port.fichiers.push_back(dossier / "arcs.dat");
    menOuvrir(s.e);
    ASSERT_EQ(s.e.NbArcs, 38);
    ASSERT_EQ(ExecuteCommande(s.e, "menDébitsHoraires"), Issue::Faite);
    // Each line: origin, destination, mode, distance, time, ..., flow, capacity.
    std::ifstream f(dossier / "arcs.dat");
    std::string ligne;
    int k = 0;
    const std::map<int, std::pair<int, std::vector<std::pair<double, float>>>> loi = {
        {6, {130, {{0.318, 0.86f}, {0.509, 0.81f}, {0.747, 0.77f}, {0.916, 0.66f}, {1, 0.43f}}}},
        {61, {110, {{0.318, 0.86f}, {0.509, 0.81f}, {0.747, 0.77f}, {0.916, 0.66f}, {1, 0.43f}}}},
        {74, {35, {{0.25, 0.90f}, {0.49, 0.70f}, {0.6, 0.50f}, {0.8, 0.40f}, {1, 0.30f}}}},
        {75, {35, {{0.25, 0.90f}, {0.49, 0.70f}, {0.6, 0.50f}, {0.8, 0.40f}, {1, 0.30f}}}},
        {7, {90, {{0.25, 0.92f}, {0.4, 0.83f}, {0.6, 0.75f}, {0.8, 0.67f}, {1, 0.54f}}}},
        {71, {80, {{0.25, 0.92f}, {0.4, 0.83f}, {0.6, 0.75f}, {0.8, 0.67f}, {1, 0.54f}}}},
        {72, {70, {{0.25, 0.92f}, {0.4, 0.83f}, {0.6, 0.75f}, {0.8, 0.67f}, {1, 0.54f}}}},
    };
    const std::map<int, float> auDela = {{6, 0.33f}, {61, 0.33f}, {74, 0.24f}, {75, 0.24f},
                                         {7, 0.33f}, {71, 0.33f}, {72, 0.33f}};
    while (std::getline(f, ligne)) {
        if (ligne.size() < 67) continue;
        ++k;
        const int mode = std::stoi(ligne.substr(22, 4));
        const float distance = std::stof(ligne.substr(27, 8));
        const long debit = std::stol(ligne.substr(59, 6));
        const long capacite = std::stol(ligne.substr(66, 6));
        ASSERT_TRUE(loi.count(mode)) << mode;
        const auto& [vitesseMax, paliers] = loi.at(mode);
        float facteur = auDela.at(mode);
        const double r = static_cast<double>(debit) / static_cast<double>(capacite);
        for (auto it = paliers.rbegin(); it != paliers.rend(); ++it)
            if (r <= it->first) facteur = it->second;
        EXPECT_EQ(s.e.Arcs[static_cast<std::size_t>(k)].Temps,
                  TempsAttendu(distance, vitesseMax, facteur))
            << "arc " << k;
    }
    EXPECT_EQ(k, 38);
}

}  // namespace
}  // namespace vek
