// Average-speed accessibility on tiny networks.

#include <gtest/gtest.h>

#include "Reseaux.h"
#include "accessibility/VitesseMoyenne.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

TEST(VitesseMoyenne, DeuxNoeudsEtRoutesConcurrentes) {
    // One arc of 10 km at 60 km/h: 60 km/h for both nodes with every command.
    for (auto commande : {menMinTemps, menMinKm, menMinTemps2, menMinKm2}) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 6, 8),
                            LigneArc(1, 2, 71, 10, 0)));
        commande(s.e);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 60);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[2], 60);
        EXPECT_TRUE(s.e.CheminsMin.Vide());
        EXPECT_TRUE(std::filesystem::exists(s.dossier / "NoeudVal.dat"));
    }
    // Straight line 10 (coordinates 6, 8) over 10 minutes: 60 km/h as well.
    test::Session droite;
    ASSERT_TRUE(droite.Ouvre(LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 6, 8),
                             LigneArc(1, 2, 71, 10, 0)));
    menMinTemps3(droite.e);
    EXPECT_FLOAT_EQ(droite.e.ValeursNoeuds[1], 60);
    EXPECT_EQ(droite.e.Valuation, "Temps");

    // A - B by a 20 km road at 60 km/h (20 min), or by a 33 km motorway at 110 km/h (18 min);
    // C is reached by nothing.
    test::Session s;
    ASSERT_TRUE(s.Ouvre(LigneNoeud("A", 1) + LigneNoeud("B", 2) + LigneNoeud("C", 3),
                        LigneArc(1, 2, 71, 20, 0) + LigneArc(1, 2, 6, 33, 0)));
    menMinKm(s.e);
    EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 60);  // the shortest distance, its speed
    EXPECT_EQ(s.e.Valuation, "Distance2Temps");
    // Unreachable pairs are left out, and said.
    EXPECT_EQ(s.port.Compte("4 paire(s) de noeuds sans chemin"), 1);
    EXPECT_EQ(s.e.ValeursNoeuds[3], 0);
    menMinTemps(s.e);
    EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[1], 110);  // the fastest route, its speed
    EXPECT_EQ(s.e.Valuation, "Temps2Distance");
}

TEST(VitesseMoyenne, ArcsDeTempsNul) {
    // A - B an arc of 0 km and 0 minute, which the loading reports and which links nothing;
    // B - C 10 km at 60 km/h. No pair of zero time reaches the speeds: nothing divides by
    // zero, nothing infinite is written.
    for (auto commande : {menMinTemps, menMinKm, menMinTemps2, menMinKm2, menMinTemps3}) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(
            LigneNoeud("A", 1) + LigneNoeud("B", 2, 0, 0, 10) + LigneNoeud("C", 3, 0, 0, 20),
            LigneArc(1, 2, 71, 0, 0) + LigneArc(2, 3, 71, 10, 0)));
        EXPECT_EQ(s.port.Compte("La distance et le temps de trajet ont une valeur nulle"), 1);
        commande(s.e);
        EXPECT_EQ(s.port.Compte("4 paire(s) de noeuds sans chemin sont laissées de côté."), 1);
        EXPECT_EQ(s.e.ValeursNoeuds[1], 0);
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[2], 60);
        const std::string fichier = test::LitOctets(s.dossier / "NoeudVal.dat");
        EXPECT_EQ(fichier.find("inf"), std::string::npos);
        EXPECT_EQ(fichier.find("nan"), std::string::npos);
    }
}

TEST(VitesseMoyenne, TrainSansHoraireDeTempsNul) {
    // A - B a train without timetable: 50 km, and the time of the file, 0; C - D 10 km by
    // road (10 minutes). Minimising the distances, A and B reach each other in no time.
    const std::string noeuds = LigneNoeud("A", 1, 0, 0, 0) + LigneNoeud("B", 2, 0, 30, 40) +
                               LigneNoeud("C", 3, 0, 0, 100) + LigneNoeud("D", 4, 0, 0, 110);
    const std::string arcs = LigneArc(1, 2, 3, 50, 0) + LigneArc(3, 4, 71, 10, 0);
    const std::string sansChemin = "8 paire(s) de noeuds sans chemin sont laissées de côté.";
    struct Cas {
        void (*commande)(EtatAccessibilite&);
        std::string message;
    } cas[] = {
        // Effective and straight-line speeds: the time sums of A and B are 0.
        {menMinKm, sansChemin +
                       "\n2 noeud(s) n'atteignent les autres qu'en un temps nul : leur vitesse "
                       "est 0."},
        {menMinKm3, sansChemin +
                        "\n2 noeud(s) n'atteignent les autres qu'en un temps nul : leur vitesse "
                        "est 0."},
        // The mean of the pair speeds: the pairs A - B and B - A have a time of 0.
        {menMinKm2, sansChemin + "\n2 paire(s) de temps nul sont laissées de côté."},
    };
    for (const auto& c : cas) {
        test::Session s;
        ASSERT_TRUE(s.Ouvre(noeuds, arcs));
        ASSERT_EQ(s.e.Arcs[1].Temps, 0);
        // The train of time 0 is left out of the matrix by time built at loading, and said.
        ASSERT_EQ(s.port.messages.size(), 1u);
        EXPECT_EQ(s.port.Compte("1 arc(s) de valeur nulle"), 1);
        s.port.messages.clear();
        c.commande(s.e);
        ASSERT_EQ(s.port.messages.size(), 1u) << c.message;
        EXPECT_EQ(s.port.messages[0].texte, c.message);
        EXPECT_EQ(s.port.messages[0].icone, Icone::Information);
        EXPECT_EQ(s.e.ValeursNoeuds[1], 0) << c.message;
        EXPECT_EQ(s.e.ValeursNoeuds[2], 0) << c.message;
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[3], 60) << c.message;
        EXPECT_FLOAT_EQ(s.e.ValeursNoeuds[4], 60) << c.message;
        const std::string fichier = test::LitOctets(s.dossier / "NoeudVal.dat");
        EXPECT_EQ(fichier.find("inf"), std::string::npos);
        EXPECT_EQ(fichier.find("nan"), std::string::npos);
    }
}

}  // namespace
}  // namespace vek
