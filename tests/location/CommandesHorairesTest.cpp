// The four timetable commands driven as vek-batch drives them: the prompts and their checks,
// the sweeps over an interval with the chem file and the train counts, the minimal times of an
// arrival sweep, the copy into the shortest-path matrix and the journeys table.

#include <gtest/gtest.h>

#include <filesystem>

#include "Reseaux.h"
#include "ScriptTest.h"
#include "network/Temps.h"
#include "paths/Floyd.h"
#include "shell/Format.h"
#include "shell/Texte.h"
#include "timetable/CalculCheminsHoraires.h"
#include "timetable/FichiersHoraires.h"

namespace vek {
namespace {

using test::LigneArc;
using test::LigneNoeud;
using test::LigneTrain;

// Gare A, B, C. Train 11: A 07:05, B 07:20, C 07:40; train 12: A 08:00, B 08:15; train 13:
// B 08:30, C 08:50; train 14: A 23:50, C 00:10 the next day.
const std::string kArcs = LigneTrain(1, 2, 705, 720, 11) + LigneTrain(2, 3, 720, 740, 11) +
                          LigneTrain(1, 2, 800, 815, 12) + LigneTrain(2, 3, 830, 850, 13) +
                          LigneTrain(1, 3, 2350, 10, 14);

// A session on the three stations, under "Horaires", working in its own current folder.
struct Gares : test::SessionScript {
    std::filesystem::path avant = std::filesystem::current_path();
    explicit Gares(const std::string& arcs = kArcs) {
        std::string n;
        for (int i = 1; i <= 3; ++i) n += LigneNoeud(std::string("Gare ") + char('A' + i - 1), i);
        Ecrit("n.dat", n);
        Ecrit("a.dat", arcs);
        Fichier(dossier / "n.dat");
        Fichier(dossier / "a.dat");
        EXPECT_EQ(Menu("menOuvrir"), Issue::Faite);
        Dialogue("Valu", {"ChapHeur", "ValuOk"});
        EXPECT_EQ(Menu("menChangerValuation"), Issue::Faite);
        std::filesystem::current_path(dossier.Chemin());
    }
    ~Gares() { std::filesystem::current_path(avant); }
    void Saisie(const std::string& texte) { port.Ajoute({TypeReponse::Saisie, true, texte, {}}); }
    void Annule() { port.Ajoute({TypeReponse::Saisie, false, {}, {}}); }
    std::string Lit(const std::string& nom) { return test::LitOctets(dossier / nom); }
    bool Existe(const std::string& nom) { return std::filesystem::exists(dossier / nom); }
    float Chemin(int i, int j) { return e.CheminsMin(i, j).Valeur; }
};

std::string LigneValeur(long long code, double v, const std::string& nom) {
    return Format(static_cast<double>(code), "0000000000") + std::string(7, ' ') +
           Format(v, "00000000000000000000.00000000000000000000") + std::string(10, ' ') +
           Cadre(nom, 16) + "\r\n";
}

TEST(CommandesHoraires, BalayageDepartFichiersEtTrains) {
    Gares g;
    g.Saisie("0700");
    g.Saisie("0930");
    ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
    // One record per journey leaving at each departure of the interval; the files in the
    // current folder, the first opened in the viewer; no outputs dialog after a sweep.
    const std::string a = Cadre("Gare A", 20), b = Cadre("Gare B", 20), c = Cadre("Gare C", 20);
    EXPECT_EQ(
        g.Lit("0700-0930chem.dat"),
        a + " " + b + " 07:05 07:20   41 00:15 00:00 0010.000   11   11 0000000001 0000000002\r\n" +
            a + " " + c +
            " 07:05 07:40 4141 00:35 00:00 0020.000   11   11 0000000001 0000000003\r\n" + b + " " +
            c + " 07:20 07:40   41 00:20 00:00 0010.000   11   11 0000000002 0000000003\r\n" + a +
            " " + b + " 08:00 08:15   41 00:15 00:00 0010.000   12   12 0000000001 0000000002\r\n" +
            a + " " + c +
            " 08:00 08:50 4141 00:50 00:15 0020.000   12   13 0000000001 0000000003\r\n" + b + " " +
            c + " 08:30 08:50   41 00:20 00:00 0010.000   13   13 0000000002 0000000003\r\n");
    // Distinct (station, time) of the trains: A leaves at 07:05 and 08:00, B at 07:20 and 08:30.
    EXPECT_EQ(
        g.Lit("0700-0930TrainsSortants.dat"),
        LigneValeur(1, 2, "Gare A") + LigneValeur(2, 2, "Gare B") + LigneValeur(3, 0, "Gare C"));
    EXPECT_EQ(
        g.Lit("0700-0930TrainsEntrants.dat"),
        LigneValeur(1, 0, "Gare A") + LigneValeur(2, 2, "Gare B") + LigneValeur(3, 2, "Gare C"));
    EXPECT_EQ(g.Compte("ouvre: xdg-open 0700-0930chem.dat"), 1);
    EXPECT_EQ(g.Compte("VekForCM"), 0);
    EXPECT_EQ(g.e.NbChem, 8);
    // The copy: the last journeys of the sweep, the path matrix current for "Horaires".
    EXPECT_TRUE(CheminsMinCourants(g.e));
    EXPECT_TRUE(g.e.Menus.EstActif("menVisuMatChMin"));
    EXPECT_TRUE(g.e.Menus.EstActif("menRécupTracés"));
    EXPECT_EQ(g.Chemin(2, 1), 32000);  // no journey: unreachable, never 0
    EXPECT_EQ(g.Chemin(1, 1), 0);
}

TEST(CommandesHoraires, MinuitEtBalayageSansDepart) {
    {
        // Train 14 arrives at 00:10 the next day: kept in Chem, not written.
        Gares g;
        g.Saisie("2300");
        g.Saisie("0030");  // earlier than the start: the next day
        ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
        EXPECT_EQ(g.e.HeureFin, 1470);
        EXPECT_EQ(g.e.NbChem, 3);
        EXPECT_EQ(g.e.Chem[3].Arrivee, 1450);
        EXPECT_EQ(g.Lit("2300-2430chem.dat"), "");
    }
    {
        // No timetabled service at all: the sweep ends at once, empty files.
        Gares g(LigneArc(1, 2, 7, 10, 0) + LigneArc(2, 3, 7, 10, 0));
        g.Saisie("0700");
        g.Saisie("0930");
        ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
        EXPECT_EQ(g.e.NbChem, 2);
        EXPECT_EQ(g.Lit("0700-0930chem.dat"), "");
        // A permanent link leaves at the reference time: one road, never two in a row.
        EXPECT_EQ(g.Chemin(1, 2), 9);
        EXPECT_EQ(g.Chemin(1, 3), 32000);
    }
}

TEST(CommandesHoraires, BalayageArriveeTempsMinimaux) {
    Gares g;
    g.Saisie("0700");
    g.Saisie("0930");
    g.Dialogue("VekForCM", {"Consult", "Ok"});
    ASSERT_EQ(g.Menu("menTMSurIntervalleHoraire"), Issue::Faite);
    // The quickest connection of each pair arriving between 07:00 and 09:30 (the first found
    // among equals): A-B 15 min (07:05), A-C 35 min (train 11), B-C 20 min (07:20).
    EXPECT_EQ(g.Chemin(1, 2), 15);
    EXPECT_EQ(g.Chemin(1, 3), 35);
    EXPECT_EQ(g.Chemin(2, 3), 20);
    EXPECT_EQ(g.Chemin(3, 1), 32000);
    EXPECT_EQ(g.e.CheMin.Meilleur(1, 2).Depart, 425);
    EXPECT_EQ(g.e.CheMin.Meilleur(2, 3).Depart, 440);
    // The journey of the day before (train 14, leaving at 23:50) stays out of the chem file.
    const std::string chem = g.Lit("0700-0930chem.dat");
    EXPECT_EQ(std::count(chem.begin(), chem.end(), '\n'), 6);
    EXPECT_EQ(chem.find("23:50"), std::string::npos);
    // The outputs dialog after it, on these journeys; both flags set back.
    EXPECT_TRUE(g.Existe("nCMin000.dat"));
    EXPECT_FALSE(g.e.ContrainteArrivee);
    EXPECT_FALSE(g.e.TempsMinimauxIntervalle);
}

TEST(CommandesHoraires, RequetesEtExportDesTrajets) {
    Gares g;
    g.e.ExportTrajets = g.dossier / "trajets.tsv";
    const std::vector<Arc> arcs = g.e.Arcs;
    g.Saisie("0810");
    g.Dialogue("VekForCM", {"Consult", "Ok"});
    ASSERT_EQ(g.Menu("menHoraireContrainteDépart"), Issue::Faite);
    EXPECT_FALSE(g.Existe("0810-0810chem.dat"));
    EXPECT_EQ(g.Compte("VekForCM"), 1);
    // Leaving after 08:10: A-B next morning at 07:05, A-C train 14 past midnight, B-C 08:30.
    const std::string h =
        "origine\tdestination\tdepart\tarrivee\tmission_premiere\t"
        "mission_derniere\tmode\tattente\tvaleur\r\n";
    EXPECT_EQ(g.Lit("trajets.tsv"), h + "1\t2\t3105\t3120\t11\t11\t41\t0\t10\r\n" +
                                        "1\t3\t2350\t2410\t14\t14\t41\t0\t10\r\n" +
                                        "2\t1\t\t\t\t\t\t\t\r\n" +
                                        "2\t3\t0830\t0850\t13\t13\t41\t0\t10\r\n" +
                                        "3\t1\t\t\t\t\t\t\t\r\n" + "3\t2\t\t\t\t\t\t\t\r\n");
    // The options were shifted, never the arcs.
    for (std::size_t a = 1; a < arcs.size(); ++a) {
        EXPECT_EQ(g.e.Arcs[a].HeureDepart, arcs[a].HeureDepart);
        EXPECT_EQ(g.e.Arcs[a].HeureArrivee, arcs[a].HeureArrivee);
    }
    // Arriving by 00:15: the arrival query, then the files of 00:00-00:15 (no connection)
    // and the outputs dialog.
    g.Saisie("0015");
    g.Dialogue("VekForCM", {"Consult", "Ok"});
    ASSERT_EQ(g.Menu("menHoraireContrainteArrivée"), Issue::Faite);
    EXPECT_EQ(g.Lit("0000-0015chem.dat"), "");
    // The day before as minutes before midnight: A-B train 12 (08:00, 08:15), A-C train 14
    // (23:50, then 00:10).
    const std::string t = g.Lit("trajets.tsv");
    EXPECT_NE(t.find("1\t2\t-1600\t-1545\t12\t12\t41\t0\t10\r\n"), std::string::npos);
    EXPECT_NE(t.find("1\t3\t-0010\t0010\t14\t14\t41\t0\t10\r\n"), std::string::npos);
    // A departure sweep right after: each command sets the flags it depends on.
    g.Saisie("0700");
    g.Saisie("0800");
    ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
    EXPECT_TRUE(g.Existe("0700-0800chem.dat"));
}

TEST(CommandesHoraires, SaisiesControleesEtAnnulees) {
    EXPECT_EQ(HeureSaisie("0920"), 560);
    EXPECT_EQ(HeureSaisie(" 920 "), 560);
    for (const char* faux : {"", "9h20", "0960", "2400", "12345", "-100", "abc"})
        EXPECT_EQ(HeureSaisie(faux), -1) << faux;
    Gares g;
    // A wrong answer is asked again with a message; an end beyond 24 hours too.
    for (const char* r : {"abc", "0775", "0700", "0500"}) g.Saisie(r);
    ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
    EXPECT_EQ(g.Compte("n'est pas une heure"), 2);
    EXPECT_EQ(g.e.HeureDebut, 420);
    EXPECT_EQ(g.e.HeureFin, 1740);  // 05:00 the next day
    g.Saisie("0700");
    g.Saisie("3101");
    g.Saisie("0900");
    ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
    EXPECT_EQ(g.Compte("d'au plus 24 heures"), 1);
    EXPECT_EQ(g.e.HeureFin, 540);
    // A cancelled prompt: nothing computed, the times and flags as they were.
    g.e.ContrainteDepart = true;
    const std::int64_t chem = g.e.NbChem;
    g.Saisie("0600");
    g.Annule();
    ASSERT_EQ(g.Menu("menCheminsSurIntervalleHoraire"), Issue::Faite);
    EXPECT_EQ(g.e.HeureDebut, 420);
    EXPECT_EQ(g.e.NbChem, chem);
    EXPECT_TRUE(g.e.ContrainteDepart);
    // Another analysis asking for the paths: no prompt, no dialog (the script would stop).
    g.e.ContrainteDepart = true;
    EXPECT_TRUE(CalculCheminsMinimaux(g.e));
    EXPECT_EQ(g.e.HeureDepart, 420);
    EXPECT_TRUE(CheminsMinCourants(g.e));
}

TEST(CommandesHoraires, SelectionBorneeParLaFinDeLIntervalle) {
    Gares g;
    g.e.HeureDebut = 420;
    g.e.HeureFin = 480;
    g.e.HeureDepart = 31999;  // where a sweep leaves it
    g.e.Chem.assign(3, ConnexionChem{});
    auto ajoute = [&](int depart, int arrivee) {
        ConnexionChem c;
        c.Origine = 1;
        c.Destination = 2;
        c.Depart = depart;
        c.Arrivee = arrivee;
        c.Mode = 41;
        g.e.Chem.push_back(c);
    };
    ajoute(400, 470);  // 70 min, within
    ajoute(500, 510);  // 10 min, after the end
    ajoute(430, 480);  // 50 min, at the end
    SelectionTempsMinimaux(g.e);
    EXPECT_EQ(g.e.CheMin.Meilleur(1, 2).Depart, 430);
    EXPECT_EQ(g.e.CheMin.Meilleur(1, 2).Valeur, 50);
    EXPECT_FALSE(g.e.CheMin.Existe(2, 1));
    EXPECT_EQ(HeureExport(-30), "-0030");
    // The chem file's own "00:00" field is the general pattern's.
    for (std::int32_t m : {0, 5, 59, 60, 545, 1439, 1440, 5999, 6000, 60000, 1234567, -75})
        EXPECT_EQ(HeuresMinutes(m), Format(MinutesEnHeuresMinutes(m), "00:00")) << m;
    EXPECT_EQ(HeureExport(1470), "2430");
}

}  // namespace
}  // namespace vek
