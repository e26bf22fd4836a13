// Benchmarks of the timetable journeys (preparation then the scan of the connections,
// departure constraint at 07:30 and arrival constraint by 09:00) on the TriMet and Caltrain
// timetables and on a generated network of 3000 nodes and 100,000 timetabled arcs:
//   build/bin/vek_bench --benchmark_filter=Horaires
// and the sweeps over an interval on the same timetables:
//   build/bin/vek_bench --benchmark_filter=Balayage
// The counter "Mo" is the memory of the trip tables and the minimal-arc matrix; "pic_Mo" the
// peak resident memory of the process so far.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <random>

#include "network/Chargement.h"
#include "shell/PortMuet.h"
#include "timetable/CalculCheminsHoraires.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "vek/Etat.h"

namespace {

double PicMo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

// Trains of 5 to 40 stops between nearby nodes of a ring of towns, every 20 to 90 minutes
// through the day, until there are `arcs` timetabled arcs.
void Genere(vek::Etat& e, int n, int arcs) {
    vek::InitialisationModes(e);
    std::mt19937 g(3000);
    e.NbNoeuds = n;
    e.Noeuds.assign(static_cast<std::size_t>(n) + 1, vek::Noeud{});
    for (int i = 1; i <= n; ++i) e.Noeuds[static_cast<std::size_t>(i)].Code = i;
    e.Arcs.assign(1, vek::Arc{});
    std::int32_t mission = 0;
    while (static_cast<int>(e.Arcs.size()) <= arcs) {
        ++mission;
        int noeud = 1 + static_cast<int>(g() % n);
        int heure = 300 + static_cast<int>(g() % 1000);
        const int arrets = 5 + static_cast<int>(g() % 36);
        for (int a = 0; a < arrets && static_cast<int>(e.Arcs.size()) <= arcs; ++a) {
            int suivant = 1 + (noeud - 1 + 1 + static_cast<int>(g() % 30)) % n;
            vek::Arc x;
            x.Origine = x.IndiceOrigine = noeud;
            x.Destination = x.IndiceDestination = suivant;
            x.Mode = 41;
            x.Distance = static_cast<float>(2 + g() % 30);
            const int duree = 2 + static_cast<int>(g() % 20);
            x.HeureDepart = heure % 1440;
            x.HeureArrivee = (heure + duree) % 1440;
            x.Temps = static_cast<float>(duree);
            x.Debit = mission;
            e.Arcs.push_back(x);
            heure += duree + static_cast<int>(g() % 3);
            noeud = suivant;
        }
    }
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
}

void Mesure(benchmark::State& etat, vek::Etat& e) {
    const bool arrivee = etat.range(0) != 0;
    vek::CreeMatriceArcsMinHoraires(e, "Horaires");
    e.HeureDepart = arrivee ? 540 : 450;
    for (auto _ : etat) {
        vek::CalculTrajetsHoraires(e, arrivee);
        benchmark::DoNotOptimize(e.CheMin.Meilleur(1, 2));
    }
    const double n = e.NbNoeuds + 1.0;
    etat.counters["Mo"] =
        static_cast<double>(e.CheMin.OctetsUtilises() + n * n * sizeof(vek::CelluleArcMin)) /
        1048576.0;
    etat.counters["passes"] = e.PassesHoraires;
    etat.counters["pic_Mo"] = PicMo();
}

void HorairesGeneres(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Genere(e, 3000, 100000);
    Mesure(etat, e);
}

// Loads a timetable kept with the tests; false (the benchmark skipped) when it is missing.
bool ChargeJeu(benchmark::State& etat, vek::Etat& e, const char* jeu) {
    const std::string dossier = std::string(VEK_SOURCE_DIR) + "/tests/data/horaires/" + jeu;
    e.NomFichierNoeuds = dossier + "/noeuds.dat";
    e.NomFichierArcs = dossier + "/arcs.dat";
    if (vek::ChargementReseau(e)) return true;
    etat.SkipWithError("timetable files not found");
    return false;
}

void HorairesReels(benchmark::State& etat, const char* jeu) {
    vek::PortMuet port;
    vek::Etat e(port);
    if (ChargeJeu(etat, e, jeu)) Mesure(etat, e);
}

// The sweeps from 07:00 to 09:30: departures (Arg 0), arrivals with the minimal times (Arg 1).
// Their files go to a folder of their own.
void Balayage(benchmark::State& etat, vek::Etat& e) {
    const auto avant = std::filesystem::current_path();
    const auto dossier = std::filesystem::temp_directory_path() / "vek-bench-balayage";
    std::filesystem::create_directories(dossier);
    std::filesystem::current_path(dossier);
    vek::CreeMatriceArcsMinHoraires(e, "Horaires");
    for (auto _ : etat) {
        e.ContrainteDepart = false;
        e.ContrainteArrivee = e.TempsMinimauxIntervalle = etat.range(0) != 0;
        e.HeureDebut = 420;
        e.HeureFin = 570;
        vek::CalculCheminsHoraires(e, false);
    }
    etat.counters["connexions"] = static_cast<double>(e.NbChem - 2);
    etat.counters["pic_Mo"] = PicMo();
    std::filesystem::current_path(avant);
    std::filesystem::remove_all(dossier);
}

void BalayageGenere(benchmark::State& etat) {
    vek::PortMuet port;
    vek::Etat e(port);
    Genere(e, 3000, 100000);
    Balayage(etat, e);
}

void BalayageReel(benchmark::State& etat, const char* jeu) {
    vek::PortMuet port;
    vek::Etat e(port);
    if (ChargeJeu(etat, e, jeu)) Balayage(etat, e);
}

BENCHMARK_CAPTURE(BalayageReel, TriMet, "trimet")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BalayageReel, Caltrain, "caltrain")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BalayageGenere)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_CAPTURE(HorairesReels, TriMet, "trimet")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HorairesReels, Caltrain, "caltrain")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(HorairesGeneres)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("arrivee")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
