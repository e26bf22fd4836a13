// Timetable journeys: mode classes, the "Horaires" minimal-arc matrix, the preparation for a
// reference time and the relaxation under departure and arrival constraints, on tiny
// timetables written as arc files.

#include <gtest/gtest.h>

#include <chrono>

#include "Reseaux.h"
#include "network/Temps.h"
#include "paths/Valuation.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;

using test::LigneTrain;

std::string Noeuds(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += LigneNoeud(std::string("Gare ") + char('A' + i - 1), i);
    return s;
}

struct Horaires : test::Session {
    explicit Horaires(const std::string& arcs, int noeuds = 4) {
        EXPECT_TRUE(Ouvre(Noeuds(noeuds), arcs));
        e.Valuation = "Horaires";
        CreeMatriceArcsMinHoraires(e, "Horaires");
    }
    // hhmm in, minutes out of the computation.
    void Calcule(int hhmm, bool arrivee = false) {
        e.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(hhmm));
        CalculTrajetsHoraires(e, arrivee);
    }
    const Trajet& Meilleur(int i, int j) { return e.CheMin.Meilleur(i, j); }
};

TEST(Horaires, ClassesEtCombinaisonsDeModes) {
    EXPECT_EQ(ModeCombine(41, 4141), 4141);
    EXPECT_EQ(ModeCombine(41, 41), 4141);
    EXPECT_EQ(ModeCombine(91, 3), 3);
    EXPECT_EQ(ModeCombine(3, 9), 3);
    EXPECT_EQ(ModeCombine(3, 4), 9999);
    EXPECT_EQ(ModeCombine(8, 813), 8138);
    EXPECT_EQ(ModeCombine(8, 8888), 8888);
    EXPECT_EQ(ModeCombine(91, 9), 9);
    for (int m : {91, 9, 8, 811, 8888, 1111}) EXPECT_TRUE(EstModeContinu(m)) << m;
    for (int m : {7, 3, 41, 813, 812, 9999}) EXPECT_FALSE(EstModeContinu(m)) << m;
    for (int m : {1, 3, 4, 31, 41, 812, 813, 9999, 4141, 8138})
        EXPECT_TRUE(EstModeHoraireOuCombine(m)) << m;
    EXPECT_FALSE(EstModeHoraireOuCombine(811));
}

TEST(Horaires, MatriceDesServices) {
    // A -> B: a train, then a road (permanent link) read after it, then another train.
    // B -> A: only trains, the road's other cell. C -> D: the road first, then a slower train.
    Horaires h(LigneTrain(1, 2, 800, 830, 11) + LigneArc(1, 2, 7, 35, 0) +
               LigneTrain(1, 2, 900, 920, 12) + LigneTrain(2, 1, 1000, 1030, 13) +
               LigneArc(3, 4, 7, 1, 0) + LigneTrain(3, 4, 700, 800, 14, 2));
    const Etat& e = h.e;
    EXPECT_EQ(e.MatArcsMin(1, 2).NbServices, 3);  // slot 1 for the road, two trains
    EXPECT_EQ(e.ServicesPaires.De(1, 2), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(e.MatArcsMin(2, 1).NbServices, 2);  // the road's slot, then its train in slot 2
    EXPECT_EQ(e.ServicesPaires.De(2, 1), (std::vector<std::int32_t>{4}));
    EXPECT_EQ(e.MatArcsMin(2, 1).Valeur, e.Arcs[2].Temps);
    EXPECT_EQ(e.MatArcsMin(1, 2).TempsEntier, 30);
    // Beside a permanent link of 1 km, a train of 2 km is not kept.
    EXPECT_EQ(e.MatArcsMin(3, 4).NbServices, 1);
    EXPECT_TRUE(e.ServicesPaires.De(3, 4).empty());
}

TEST(Horaires, CentDixServicesParPaire) {
    // 110 services of a pair are kept, with or without a permanent link beside them; the
    // 111th is refused. Six pairs go beyond: the message counts them and names the first five.
    auto services = [](int o, int d, int nombre) {
        std::string s;
        for (int t = 0; t < nombre; ++t) {
            const double depart = 300 + 3 * t;
            s += LigneTrain(o, d, static_cast<int>(MinutesEnHeuresMinutes(depart)),
                            static_cast<int>(MinutesEnHeuresMinutes(depart + 10)), t + 1);
        }
        return s;
    };
    std::string arcs = services(1, 2, 110) + LigneArc(3, 4, 7, 35, 0) + services(3, 4, 110);
    const int trop[][2] = {{5, 6}, {5, 7}, {5, 8}, {5, 9}, {6, 5}, {7, 5}};
    for (const auto& p : trop) arcs += services(p[0], p[1], 111);
    for (const char* valuation : {"Horaires", "JoursEtHeures"}) {
        SCOPED_TRACE(valuation);
        test::Session s;
        ASSERT_TRUE(s.Ouvre(Noeuds(9), arcs));
        s.port.messages.clear();
        s.e.Valuation = valuation;
        CalculMatriceArcsMin(s.e);
        // Slot 1 of a pair is the permanent link's under "Horaires".
        const int reserve = s.e.Valuation == "Horaires" ? 1 : 0;
        EXPECT_EQ(s.e.ServicesPaires.De(1, 2).size(), 110u);
        EXPECT_EQ(s.e.MatArcsMin(1, 2).NbServices, 110 + reserve);
        EXPECT_EQ(s.e.ServicesPaires.De(3, 4).size(), 110u);
        for (const auto& p : trop) EXPECT_EQ(s.e.ServicesPaires.De(p[0], p[1]).size(), 110u);
        EXPECT_EQ(s.e.MatArcsMin(5, 6).NbServices, 110 + reserve);
        ASSERT_EQ(s.port.messages.size(), 1u);
        EXPECT_EQ(s.port.Compte("6 paire(s) de noeuds ont plus de 110 services"), 1);
        for (const char* nommee :
             {"Gare E (5) - Gare F (6)", "Gare E (5) - Gare G (7)", "Gare E (5) - Gare H (8)",
              "Gare E (5) - Gare I (9)", "Gare F (6) - Gare E (5)"})
            EXPECT_EQ(s.port.Compte(nommee), 1) << nommee;
        EXPECT_EQ(s.port.Compte("Gare G (7) - Gare E (5)"), 0);
        EXPECT_EQ(s.port.Compte("Gare A (1)"), 0);
        EXPECT_EQ(s.port.Compte("Gare C (3)"), 0);
    }
}

TEST(Horaires, PreparationPourUneHeure) {
    // A -> B only by trains: 06:00 (already gone at 07:30), 08:10, 23:50 -> 00:20.
    // A -> C: road of 30 min (35 km at 70 km/h) beside trains at 07:45, 21:50 and 22:10.
    Horaires h(LigneTrain(1, 2, 600, 700, 1) + LigneTrain(1, 2, 810, 900, 2) +
               LigneTrain(1, 2, 2350, 20, 3) + LigneArc(1, 3, 7, 35, 30) +
               LigneTrain(1, 3, 745, 755, 4) + LigneTrain(1, 3, 2150, 2200, 5) +
               LigneTrain(1, 3, 2210, 2230, 6));
    Etat& e = h.e;
    const std::vector<Arc> arcs = e.Arcs;
    e.HeureDepart = 450;  // 07:30
    PreparationFloydHorairesDepart(e);
    const TrajetsHoraires& T = e.CheMin;
    ASSERT_EQ(T.NbCheMin(1, 2), 4);
    // The train already gone runs on the next day; the one past midnight arrives the next day.
    EXPECT_EQ(T.OptionDe(1, 2, 2).Depart, 360 + 1440);
    EXPECT_EQ(T.OptionDe(1, 2, 2).Arrivee, 420 + 1440);
    EXPECT_EQ(T.OptionDe(1, 2, 4).Arrivee, 20 + 1440);
    EXPECT_EQ(T.Meilleur(1, 2).Arrivee, 540);
    EXPECT_EQ(T.Meilleur(1, 2).MissionDerniere, 2);
    // Beside the road: 07:45 and 21:50 kept, 22:10 dropped; the train beats the road.
    ASSERT_EQ(T.NbCheMin(1, 3), 3);
    EXPECT_EQ(T.Meilleur(1, 3).Arrivee, 475);
    EXPECT_EQ(T.Meilleur(1, 3).Mode, 41);
    // Pairs without any arc designate the sentinel; the diagonal nothing.
    EXPECT_EQ(T.Slot1(2, 3), Designation::Sentinelle);
    EXPECT_EQ(T.NbCheMin(2, 3), 1);
    EXPECT_EQ(T.Slot1(2, 2), Designation::Aucune);
    EXPECT_EQ(T.NbCheMin(2, 2), 0);
    // The arc table is untouched: a later query at an earlier time sees the trains that day.
    for (std::size_t a = 1; a < arcs.size(); ++a) {
        EXPECT_EQ(e.Arcs[a].HeureDepart, arcs[a].HeureDepart);
        EXPECT_EQ(e.Arcs[a].HeureArrivee, arcs[a].HeureArrivee);
    }
    e.HeureDepart = 300;  // 05:00
    PreparationFloydHorairesDepart(e);
    EXPECT_EQ(e.CheMin.Meilleur(1, 2).Arrivee, 420);
    // Slot 1 is a record of its own: the kept option it came from keeps its values.
    Trajet avance = e.CheMin.Meilleur(1, 2);
    avance.Arrivee = 1;
    e.CheMin.Ecrit(1, 2, avance);
    EXPECT_EQ(e.CheMin.OptionDe(1, 2, 2).Arrivee, 420);

    // Arrival constraint by 09:00: the latest departure arriving in time.
    e.HeureDepart = 540;
    e.HeureDebut = 0;
    PreparationFloydHorairesArrivee(e);
    EXPECT_EQ(e.CheMin.Meilleur(1, 2).Depart, 490);  // the 08:10
    // The road leaving at 08:30 beats the 07:45 train.
    EXPECT_EQ(e.CheMin.Meilleur(1, 3).Depart, 510);
    EXPECT_EQ(e.CheMin.Meilleur(1, 3).Mode, 7);
    EXPECT_EQ(e.CheMin.NbCheMin(1, 3), 3);
}

TEST(Horaires, CorrespondancesSousContrainteDeDepart) {
    // Train 1 runs A -> B -> C with no stop time at B; train 2 leaves B for D at the minute
    // train 1 arrives (no connection), train 3 one minute later (a connection).
    Horaires h(LigneTrain(1, 2, 930, 1000, 1) + LigneTrain(2, 3, 1000, 1030, 1) +
               LigneTrain(2, 4, 1000, 1020, 2) + LigneTrain(2, 4, 1001, 1040, 3));
    h.Calcule(900);
    EXPECT_EQ(h.Meilleur(1, 3).Arrivee, 630);
    EXPECT_EQ(h.Meilleur(1, 3).Attente, 0);
    EXPECT_EQ(h.Meilleur(1, 3).Mode, 4141);
    EXPECT_EQ(h.Meilleur(1, 3).MissionPremiere, 1);
    EXPECT_EQ(h.Meilleur(1, 4).Arrivee, 640);
    EXPECT_EQ(h.Meilleur(1, 4).Attente, 1);
    EXPECT_EQ(h.Meilleur(1, 4).MissionDerniere, 3);
    EXPECT_FLOAT_EQ(h.Meilleur(1, 4).Valeur, 20);
    // No journey from C: the sentinel stays.
    EXPECT_EQ(h.e.CheMin.Slot1(3, 1), Designation::Sentinelle);
    EXPECT_EQ(h.Meilleur(3, 1).Arrivee, kAucunTrajet);
    // The relaxation kept as the reference needs two passes on the same options.
    PreparationFloydHorairesDepart(h.e);
    RelaxationHorairesDepart(h.e);
    EXPECT_EQ(h.Meilleur(1, 4).Arrivee, 640);
    EXPECT_EQ(h.e.PassesHoraires, 2);
    EXPECT_EQ(h.e.StatutHoraires, "pas de chemins modifiés");

    // Nothing to compose: one pass.
    Horaires seul(LigneTrain(1, 2, 930, 1000, 1));
    seul.Calcule(900);
    EXPECT_EQ(seul.e.PassesHoraires, 1);
    EXPECT_EQ(seul.e.StatutHoraires, "pas de chemins modifiés");
    EXPECT_EQ(seul.Meilleur(1, 2).Arrivee, 600);
}

TEST(Horaires, ModesContinusApresUnTrain) {
    // A -> B by train at 09:30, then a 15-minute walk B - C (750 m at 3 km/h) boarded on
    // arrival, then a train C -> D one minute after the walk ends; B - D by metro, 5 minutes.
    Horaires h(LigneTrain(1, 2, 930, 1000, 1) + LigneArc(2, 3, 91, 0.75, 0) +
               LigneTrain(3, 4, 1016, 1030, 5) + LigneArc(2, 4, 8, 2, 0));
    h.Calcule(900);
    EXPECT_EQ(h.Meilleur(1, 3).Arrivee, 615);
    EXPECT_EQ(h.Meilleur(1, 3).Attente, 0);
    EXPECT_EQ(h.Meilleur(1, 3).Mode, 41);
    EXPECT_EQ(h.Meilleur(1, 3).MissionDerniere, 0);
    // The metro beats the walk and the train to D.
    EXPECT_EQ(h.Meilleur(1, 4).Arrivee, 605);
    EXPECT_EQ(h.Meilleur(1, 4).Mode, 9999);
    // Without the metro, the walk then the train.
    Horaires sans(LigneTrain(1, 2, 930, 1000, 1) + LigneArc(2, 3, 91, 0.75, 0) +
                  LigneTrain(3, 4, 1016, 1030, 5));
    sans.Calcule(900);
    EXPECT_EQ(sans.Meilleur(1, 4).Arrivee, 630);
    EXPECT_EQ(sans.Meilleur(1, 4).Attente, 1);
}

TEST(Horaires, ContrainteDArrivee) {
    // By 10:30 at C: train 1 A -> B -> C leaves A at 09:30; train 7 reaches B at 10:00 (no
    // connection with train 1 leaving then), train 8 at 09:59 (a connection) leaving A at 09:40.
    Horaires h(LigneTrain(1, 2, 930, 1000, 1) + LigneTrain(2, 3, 1000, 1030, 1) +
               LigneTrain(1, 2, 945, 1000, 7) + LigneTrain(1, 2, 940, 959, 8) +
               LigneArc(3, 4, 91, 0.5, 0));
    h.Calcule(1030, true);
    EXPECT_EQ(h.Meilleur(1, 3).Depart, 580);
    EXPECT_EQ(h.Meilleur(1, 3).Arrivee, 630);
    EXPECT_EQ(h.Meilleur(1, 3).Attente, 1);
    EXPECT_EQ(h.Meilleur(1, 3).MissionPremiere, 8);
    EXPECT_EQ(h.Meilleur(1, 3).MissionDerniere, 1);
    EXPECT_EQ(h.Meilleur(1, 2).Depart, 585);  // the 09:45 direct
    // The walk C - D (10 minutes) ends by 10:30: D is reached from A by leaving C at 10:20, so the
    // train must arrive by then: train 1 reaches C at 10:30, too late; nothing else goes: sentinel.
    EXPECT_EQ(h.e.CheMin.Slot1(1, 4), Designation::Sentinelle);
    // Arriving at C by walk from D: the walk leaves D 10 minutes before the reference time.
    EXPECT_EQ(h.Meilleur(4, 3).Depart, 620);
    h.Calcule(1100, true);
    // By 11:00 the walk can follow train 1 (boarded on arrival at C at 10:30).
    EXPECT_EQ(h.Meilleur(1, 4).Depart, 580);
    EXPECT_EQ(h.Meilleur(1, 4).Arrivee, 640);
}

TEST(Horaires, ModesContinusDesDeuxCotesSousLesDeuxContraintes) {
    // From A (1) to D (4) through C (3) or B (2) then C: a leg boarded at any time (here a
    // 10-minute walk, 500 m at 3 km/h) connects with a train at the same minute on either
    // side of it, leaving after a time as well as arriving by a time; two trains still need
    // one minute between them.
    const std::string trainPuisMarche =
        LigneTrain(1, 3, 1040, 1050, 1) + LigneArc(3, 4, 91, 0.5, 0);
    const std::string marchePuisTrain =
        LigneArc(1, 3, 91, 0.5, 0) + LigneTrain(3, 4, 1040, 1050, 1);
    const std::string trainMarcheTrain = LigneTrain(1, 2, 1000, 1010, 1) +
                                         LigneArc(2, 3, 91, 0.5, 0) +
                                         LigneTrain(3, 4, 1020, 1030, 2);
    const std::string deuxTrains =
        LigneTrain(1, 3, 1040, 1050, 1) + LigneTrain(3, 4, 1050, 1100, 2);
    struct Cas {
        const char* nom;
        std::string arcs;
        bool arrivee;  // arriving by the time, else leaving after it
        int heure;     // hhmm
        bool trouve;
        int depart, arriveeD;  // hhmm
    };
    const Cas cas[] = {
        {"train puis marche, partir après 10:30", trainPuisMarche, false, 1030, true, 1040, 1100},
        {"train puis marche, arriver avant 11:00", trainPuisMarche, true, 1100, true, 1040, 1100},
        {"marche puis train, partir après 10:30", marchePuisTrain, false, 1030, true, 1030, 1050},
        {"marche puis train, arriver avant 10:50", marchePuisTrain, true, 1050, true, 1030, 1050},
        {"train, marche puis train, partir après 9:50", trainMarcheTrain, false, 950, true, 1000,
         1030},
        {"train, marche puis train, arriver avant 10:30", trainMarcheTrain, true, 1030, true, 1000,
         1030},
        {"deux trains à la même minute, partir après 10:30", deuxTrains, false, 1030, false, 0, 0},
        {"deux trains à la même minute, arriver avant 11:00", deuxTrains, true, 1100, false, 0, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Horaires h(c.arcs);
        h.e.HeureDebut = 0;
        h.Calcule(c.heure, c.arrivee);
        EXPECT_EQ(h.e.CheMin.Existe(1, 4), c.trouve);
        if (!c.trouve || !h.e.CheMin.Existe(1, 4)) continue;
        const Trajet& t = h.Meilleur(1, 4);
        EXPECT_EQ(t.Depart, static_cast<std::int32_t>(HeuresMinutesEnMinutes(c.depart)));
        EXPECT_EQ(t.Arrivee, static_cast<std::int32_t>(HeuresMinutesEnMinutes(c.arriveeD)));
        EXPECT_EQ(t.Attente, 0);
    }
}

TEST(Horaires, FenetreDuTempsDeCalcul) {
    // The relaxation's timed window is shown on entry with the first pass's text, then follows the
    // passes (from the second intermediate node to the last but one) and is hidden at the end; its
    // clock is this computation's.
    const std::string depart = " éme calcul des chemins avec horaires partant après 900 (hhmm)";
    const std::string arrivee =
        " éme calcul des chemins avec horaires TC arrivant avant 1030 (hhmm)";
    const std::string b = "Gare B" + std::string(14, ' ');  // its name's first 20 characters
    struct Cas {
        std::string arcs;
        int heure;
        bool arrivee;
        std::vector<std::string> textes;
    };
    const Cas cas[] = {
        {LigneTrain(1, 2, 930, 1000, 1) + LigneTrain(2, 3, 1000, 1030, 1) +
             LigneTrain(2, 4, 1000, 1020, 2) + LigneTrain(2, 4, 1001, 1040, 3),
         900,
         false,
         {"1" + depart + "pas de chemins modifiés", "1" + depart + "pas de chemins modifiés",
          "1" + depart + "2 chemins changés\rpour k = " + b + "\r(2 changements)",
          "2" + depart + "pas de chemins modifiés", "2" + depart + "pas de chemins modifiés"}},
        {LigneTrain(1, 2, 930, 1000, 1) + LigneTrain(2, 3, 1000, 1030, 1) +
             LigneTrain(3, 4, 1000, 1010, 2),
         1030,
         true,
         {"1" + arrivee + "pas de chemins modifiés", "1" + arrivee + "pas de chemins modifiés",
          "1" + arrivee + "1 chemins changés\rpour k = " + b + "\r(1 changements",
          "2" + arrivee + "pas de chemins modifiés", "2" + arrivee + "pas de chemins modifiés"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.arrivee ? "arrivée" : "départ");
        Horaires h(c.arcs);
        h.e.HeureDebutCalcul = std::chrono::steady_clock::now() - std::chrono::hours(24);
        h.e.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(c.heure));
        if (c.arrivee) {
            PreparationFloydHorairesArrivee(h.e);
            RelaxationHorairesArrivee(h.e);
        } else {
            PreparationFloydHorairesDepart(h.e);
            RelaxationHorairesDepart(h.e);
        }
        EXPECT_EQ(h.port.tempsMontres, 1);
        EXPECT_EQ(h.port.tempsCaches, 1);
        EXPECT_FALSE(h.e.TempsDeCalculVisible);
        EXPECT_EQ(h.port.textesTemps, c.textes);
        ASSERT_FALSE(h.port.ecoules.empty());
        for (std::size_t k = 0; k < h.port.ecoules.size(); ++k) {
            EXPECT_LT(h.port.ecoules[k], 3600);
            EXPECT_GE(h.port.estimes[k], h.port.ecoules[k]);
        }
    }
}

}  // namespace
}  // namespace vek
