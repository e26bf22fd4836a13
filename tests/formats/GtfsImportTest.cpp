// The GTFS import: tiny feeds written inline (as a folder and as a .zip), the refusals naming
// file and line, and the Caltrain and TriMet feeds against their converted timetables.

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "Reseaux.h"
#include "formats/ImportGtfs.h"
#include "network/Temps.h"
#include "shell/Texte.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
using Flux = std::map<std::string, std::string>;

const std::string kCalendrier =
    "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,end_date\n";

// Three stops about 1.1 km apart; two trips on weekdays of 2024 (04/06/2024 is a Tuesday).
Flux FluxDeBase() {
    return {
        {"stops.txt",
         "stop_id,stop_name,stop_lat,stop_lon,location_type,parent_station\n"
         "1,Gare A,45.0000,5.0000,,\n"
         "2,Gare B,45.0100,5.0000,,\n"
         "3,Gare C,45.0200,5.0100,,\n"},
        {"routes.txt", "route_id,route_type\nR,3\n"},
        {"trips.txt", "route_id,service_id,trip_id\nR,S,T1\nR,S,T2\n"},
        {"stop_times.txt",
         "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
         "T1,08:00:00,08:00:29,1,1\n"
         "T1,08:10:30,08:11:00,2,2\n"
         "T1,08:20:00,08:20:00,3,3\n"
         "T2,24:05:00,24:05:00,2,2\n"  // out of order: the sequence decides
         "T2,23:50:00,23:50:00,3,1\n"
         "T2,24:05:20,24:05:20,1,3\n"},
        {"calendar.txt", kCalendrier + "S,1,1,1,1,1,0,0,20240101,20241231\n"},
    };
}

// Options with one field set.
template <class T>
OptionsGtfs Avec(T OptionsGtfs::*champ, T valeur) {
    OptionsGtfs o;
    o.*champ = valeur;
    return o;
}

// An arc line as written: times and durations in hhmm.
struct ArcLu {
    long long o = 0, d = 0;
    int mode = 0;
    double km = 0;
    int temps = 0, depart = 0, arrivee = 0, jours = 0, mission = 0;
};

struct NoeudLu {
    std::string nom;
    long long code = 0;
    double x = 0, y = 0;
};

struct Resultat {
    RapportImport rapport;
    std::vector<NoeudLu> noeuds;
    std::vector<ArcLu> arcs;
    std::string table;
    bool fichiers = false;  // something written in the output folder
};

void EcritZip(const std::string& chemin, const Flux& flux) {
    int erreur = 0;
    zip_t* z = zip_open(chemin.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &erreur);
    ASSERT_NE(z, nullptr);
    for (const auto& [nom, texte] : flux) {
        zip_source_t* s = zip_source_buffer(z, texte.data(), texte.size(), 0);
        ASSERT_NE(s, nullptr);
        ASSERT_GE(zip_file_add(z, nom.c_str(), s, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

// Imports the feed written as a folder, or as a .zip, into a fresh output folder.
Resultat Importe(const Flux& flux, bool zip, OptionsGtfs o = {}) {
    test::DossierTemporaire d;
    if (zip) {
        o.flux = d / "flux.zip";
        EcritZip(o.flux, flux);
    } else {
        o.flux = d / "flux";
        fs::create_directories(o.flux);
        for (const auto& [nom, texte] : flux) test::EcritOctets(o.flux + "/" + nom, texte);
    }
    if (o.date.empty()) o.date = "20240604";
    o.sortie = d / "sortie";
    Resultat r;
    r.rapport = ImporteGtfs(o);
    r.fichiers = fs::exists(o.sortie) && !fs::is_empty(o.sortie);
    std::istringstream n(test::LitOctets(o.sortie + "/noeuds.dat"));
    for (std::string l; std::getline(n, l);) {
        // The name's 50 characters, then 49 bytes of fixed columns.
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (l.size() < 49) continue;
        NoeudLu x;
        x.nom = SansBlancsFinaux(l.substr(0, l.size() - 49));
        std::sscanf(l.c_str() + l.size() - 49, "%lld %*d %lf %lf", &x.code, &x.x, &x.y);
        r.noeuds.push_back(x);
    }
    std::istringstream a(test::LitOctets(o.sortie + "/arcs.dat"));
    for (std::string l; std::getline(a, l);) {
        ArcLu x;
        std::sscanf(l.c_str(), "%lld %lld %d %lf %d %d %d %d %d", &x.o, &x.d, &x.mode, &x.km,
                    &x.temps, &x.depart, &x.arrivee, &x.jours, &x.mission);
        r.arcs.push_back(x);
    }
    r.table = test::LitOctets(o.sortie + "/" + kTableArretsGtfs);
    return r;
}

// (origin, destination, departure, arrival, mission) of each arc.
using Service = std::tuple<long long, long long, int, int, int>;
std::vector<Service> Services(const std::vector<ArcLu>& arcs) {
    std::vector<Service> s;
    for (const ArcLu& a : arcs) s.emplace_back(a.o, a.d, a.depart, a.arrivee, a.mission);
    return s;
}

TEST(ImportGtfs, ArcsHorairesDunDossierEtDuneArchive) {
    for (bool zip : {false, true}) {
        SCOPED_TRACE(zip ? "zip" : "dossier");
        const Resultat r = Importe(FluxDeBase(), zip);
        ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
        EXPECT_EQ(r.rapport.trajets, 2);
        EXPECT_NE(
            r.rapport.message.find(" pour le 04/06/2024 : 3 noeuds, 4 arcs (2 trajets circulant"),
            std::string::npos)
            << r.rapport.message;
        ASSERT_EQ(r.noeuds.size(), 3u);
        EXPECT_EQ(r.noeuds[0].nom, "Gare A");
        // 08:00:29 rounds down, 08:10:30 up; past 24:00 the next day's time, and a leg of
        // 20 s, equal once rounded, takes a minute. Missions by first departure.
        EXPECT_EQ(
            Services(r.arcs),
            (std::vector<Service>{
                {1, 2, 800, 811, 1}, {2, 3, 811, 820, 1}, {3, 2, 2350, 5, 2}, {2, 1, 5, 6, 2}}));
        ASSERT_EQ(r.arcs.size(), 4u);
        EXPECT_EQ(r.arcs[2].temps, 15);
        EXPECT_EQ(r.arcs[3].temps, 1);
        for (const ArcLu& a : r.arcs) {
            EXPECT_EQ(a.mode, 813);
            EXPECT_EQ(a.jours, 31);
        }
        EXPECT_NEAR(r.arcs[0].km, 1.112, 0.002);
        EXPECT_EQ(r.table, "stop_id\tcode\tstop_name\n1\t1\tGare A\n2\t2\tGare B\n3\t3\tGare C\n");
    }
}

TEST(ImportGtfs, ArretsSansHeuresEtArchiveAvecDossier) {
    // A stop without times is placed evenly between its neighbours; the files of an archive
    // may sit in one folder.
    Flux f = FluxDeBase();
    f["trips.txt"] = "route_id,service_id,trip_id\nR,S,T1\n";
    f["stop_times.txt"] =
        "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
        "T1,08:00:00,08:00:00,1,1\nT1,,,2,2\nT1,08:21:00,08:21:00,3,3\n";
    Flux dansUnDossier;
    for (const auto& [nom, texte] : f) dansUnDossier["gtfs/" + nom] = texte;
    const Resultat r = Importe(dansUnDossier, true);
    ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
    EXPECT_EQ(Services(r.arcs), (std::vector<Service>{{1, 2, 800, 811, 1}, {2, 3, 811, 821, 1}}));
}

TEST(ImportGtfs, NumerosDesMissions) {
    // The trains' own numbers when every trip has a distinct one, else by first departure.
    const struct {
        const char* trips;
        int t1, t2;
    } cas[] = {
        {"route_id,service_id,trip_id,trip_short_name\nR,S,T1,101\nR,S,T2,7\n", 101, 7},
        {"route_id,service_id,trip_id,trip_short_name\nR,S,T1,101\nR,S,T2,\n", 1, 2},
        {"route_id,service_id,trip_id,trip_short_name\nR,S,T1,5\nR,S,T2,5\n", 1, 2},
        {"route_id,service_id,trip_id,trip_short_name\nR,S,T1,IC 5\nR,S,T2,6\n", 1, 2},
        {"route_id,service_id,trip_id,trip_short_name\nR,S,T1,1000000\nR,S,T2,6\n", 1, 2},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.trips);
        Flux f = FluxDeBase();
        f["trips.txt"] = c.trips;
        const Resultat r = Importe(f, false);
        ASSERT_EQ(r.arcs.size(), 4u) << r.rapport.message;
        EXPECT_EQ(r.arcs[0].mission, std::min(c.t1, c.t2) == c.t1 ? c.t1 : c.t2);
        std::set<int> missions;
        for (const ArcLu& a : r.arcs) missions.insert(a.mission);
        EXPECT_EQ(missions, (std::set<int>{c.t1, c.t2}));
    }
}

// Services: S on weekdays but not on Wednesday 05/06, W on Saturdays and on 05/06, X on
// 06/06 only (calendar_dates alone). Each runs one trip: 08:00, 09:00, 10:00.
Flux FluxCalendrier() {
    Flux f = FluxDeBase();
    f["trips.txt"] = "route_id,service_id,trip_id\nR,S,T1\nR,W,T2\nR,X,T3\n";
    f["stop_times.txt"] =
        "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
        "T1,08:00:00,08:00:00,1,1\nT1,08:10:00,08:10:00,2,2\n"
        "T2,09:00:00,09:00:00,1,1\nT2,09:10:00,09:10:00,2,2\n"
        "T3,10:00:00,10:00:00,1,1\nT3,10:10:00,10:10:00,2,2\n";
    f["calendar.txt"] = kCalendrier +
                        "S,1,1,1,1,1,0,0,20240101,20241231\n"
                        "W,0,0,0,0,0,1,0,20240101,20241231\n";
    f["calendar_dates.txt"] =
        "service_id,date,exception_type\nS,20240605,2\nW,20240605,1\nX,20240606,1\n";
    return f;
}

TEST(ImportGtfs, JoursDeCirculation) {
    const struct {
        const char* date;
        std::vector<int> departs;  // hhmm of the trips running
    } cas[] = {
        {"20240604", {800}},        // Tuesday
        {"20240605", {900}},        // S removed, W added
        {"20240606", {800, 1000}},  // X added beside S
        {"20240608", {900}},        // Saturday
        {"20240101", {800}},        // the first day of the calendar, a Monday
        {"20241231", {800}},        // the last, a Tuesday
    };
    for (bool zip : {false, true})
        for (const auto& c : cas) {
            SCOPED_TRACE(std::string(c.date) + (zip ? " zip" : " dossier"));
            OptionsGtfs o;
            o.date = c.date;
            const Resultat r = Importe(FluxCalendrier(), zip, o);
            ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
            EXPECT_EQ(r.rapport.trajets, static_cast<int>(c.departs.size()));
            std::vector<int> departs;
            for (const ArcLu& a : r.arcs) departs.push_back(a.depart);
            std::sort(departs.begin(), departs.end());
            EXPECT_EQ(departs, c.departs);
        }
    // The mask of the days: S on weekdays, W on Saturdays and the Wednesday it was added.
    OptionsGtfs o;
    o.date = "20240605";
    EXPECT_EQ(Importe(FluxCalendrier(), false, o).arcs.at(0).jours, 32 + 4);
}

TEST(ImportGtfs, FrequencesDepliees) {
    // The trip's own times are a pattern: it runs at each departure of its frequencies, the
    // end excluded, past midnight too.
    Flux f = FluxDeBase();
    f["trips.txt"] = "route_id,service_id,trip_id,trip_short_name\nR,S,F,12\n";
    f["stop_times.txt"] =
        "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
        "F,06:00:00,06:00:00,1,1\nF,06:10:00,06:10:00,2,2\n";
    f["frequencies.txt"] =
        "trip_id,start_time,end_time,headway_secs\n"
        "F,07:00:00,08:00:00,1200\nF,23:50:00,24:30:00,1800\n";
    for (bool zip : {false, true}) {
        const Resultat r = Importe(f, zip);
        ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
        EXPECT_EQ(r.rapport.trajets, 5);
        EXPECT_EQ(Services(r.arcs), (std::vector<Service>{{1, 2, 700, 710, 1},
                                                          {1, 2, 720, 730, 2},
                                                          {1, 2, 740, 750, 3},
                                                          {1, 2, 2350, 0, 4},
                                                          {1, 2, 20, 30, 5}}));
    }
}

TEST(ImportGtfs, MarqueDOrdreGuillemetsEtCRLF) {
    Flux f = FluxDeBase();
    f["stops.txt"] =
        "\xEF\xBB\xBFstop_id,stop_name,stop_lat,stop_lon\r\n"
        "1,\"Gare \"\"Nord\"\", quai 1\",45.0000,5.0000\r\n"
        "2,\"Gare B\",\"45.0100\",5.0000\r\n"
        "3,\"Saint-Étienne,\nChâteaucreux\",45.0200,5.0100\r\n";
    f["routes.txt"] = "\xEF\xBB\xBFroute_id,route_type\r\nR,3\r\n";
    const Resultat r = Importe(f, true);
    ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
    ASSERT_EQ(r.noeuds.size(), 3u);
    EXPECT_EQ(r.noeuds[0].nom, "Gare \"Nord\", quai 1");
    // A line break inside a name would break the node file's line.
    EXPECT_EQ(r.noeuds[2].nom, "Saint-Étienne, Châteaucreux");
}

TEST(ImportGtfs, FluxRefusesSansRienEcrire) {
    const std::string entete = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    const struct {
        const char* fichier;
        std::string texte;  // empty: the file removed
        const char* message;
    } cas[] = {
        {"stop_times.txt", "", "Le fichier stop_times.txt est absent du flux GTFS"},
        {"stops.txt", "stop_id,stop_name,stop_lon\n1,A,5\n",
         "stops.txt, ligne 1 : la colonne stop_lat est absente de l'en-tête."},
        {"stop_times.txt", entete + "T1,08:00:00,08:00:00,1,1\nT1,08:10:00,08:10:00,99,2\n",
         "stop_times.txt, ligne 3 : l'arrêt 99 n'est pas dans stops.txt."},
        {"stop_times.txt", entete + "T9,08:00:00,08:00:00,1,1\n",
         "stop_times.txt, ligne 2 : le trajet T9 n'est pas dans trips.txt."},
        {"stop_times.txt", entete + "T1,8h00,08:00:00,1,1\n",
         "stop_times.txt, ligne 2 : heure 8h00 illisible"},
        {"stops.txt", "stop_id,stop_name,stop_lat,stop_lon\n1,A,45,5\n2,\"B,45,5\n",
         "stops.txt, ligne 3 : guillemet ouvert et jamais fermé."},
        // A quoted line break: the record after it starts on line 4.
        {"stops.txt", "stop_id,stop_name,stop_lat,stop_lon\n1,\"Gare\nA\",45,5\n2,\"B\" x,45,5\n",
         "stops.txt, ligne 4 : texte après le guillemet fermant d'un champ."},
        {"stops.txt", "stop_id,stop_name,stop_lat,stop_lon\n1,Gare, Nord,45,5\n",
         "stops.txt, ligne 2 : 5 champs pour 4 colonnes (une virgule hors guillemets ?)."},
        {"stops.txt", "stop_id,stop_name,stop_lat,stop_lon\n1,A,45,5\n2,B\xE9,45,5\n",
         "stops.txt, ligne 3 : texte qui n'est pas en UTF-8."},
        {"trips.txt", "route_id,service_id,trip_id\nR,S,T1\nZ,S,T2\n",
         "trips.txt, ligne 3 : la ligne Z n'est pas dans routes.txt."},
        {"calendar.txt", "", "n'a ni calendar.txt ni calendar_dates.txt"},
        {"calendar.txt", kCalendrier + "S,1,1,1,1,1,0,0,20240101,2024-12-31\n",
         "calendar.txt, ligne 2 : start_date ou end_date n'est pas une date AAAAMMJJ."},
        // No trip on Sunday; the dates of the feed end in 2024.
        {"calendar.txt", kCalendrier + "S,1,1,1,1,1,0,0,20240101,20241231\n",
         "Aucun trajet du flux GTFS"},
        {"calendar.txt", kCalendrier + "S,1,1,1,1,1,1,1,20240101,20240531\n",
         "Le 04/06/2024 est hors des dates du flux GTFS"},
    };
    for (bool zip : {false, true})
        for (const auto& c : cas) {
            SCOPED_TRACE(std::string(c.message) + (zip ? " zip" : " dossier"));
            Flux f = FluxDeBase();
            if (c.texte.empty())
                f.erase(c.fichier);
            else
                f[c.fichier] = c.texte;
            OptionsGtfs o;
            if (std::string(c.message) == "Aucun trajet du flux GTFS") o.date = "20240609";
            const Resultat r = Importe(f, zip, o);
            EXPECT_FALSE(r.rapport.reussi);
            EXPECT_NE(r.rapport.message.find(c.message), std::string::npos) << r.rapport.message;
            EXPECT_FALSE(r.fichiers);
        }
    // Neither a folder nor an archive; not a date.
    OptionsGtfs o;
    o.flux = "/nulle/part";
    o.date = "20240604";
    EXPECT_NE(ImporteGtfs(o).message.find("Le flux GTFS /nulle/part est introuvable."),
              std::string::npos);
    const Resultat r =
        Importe(FluxDeBase(), false, Avec(&OptionsGtfs::date, std::string("20240631")));
    EXPECT_EQ(r.rapport.message, "La date 20240631 n'est pas une date AAAAMMJJ.");
    EXPECT_FALSE(r.fichiers);
}

TEST(ImportGtfs, GroupesDArretsEtCodes) {
    // A station P1 with two platforms; "Gare B" twice, once with a non-numeric id; "Halte"
    // without a numeric id; the station's own name is not served alone.
    Flux f = FluxDeBase();
    f["stops.txt"] =
        "stop_id,stop_name,stop_lat,stop_lon,location_type,parent_station\n"
        "P1,Centre,45.0000,5.0000,1,\n"
        "11,Quai 1,45.0001,5.0000,0,P1\n"
        "12,Quai 2,45.0002,5.0000,0,P1\n"
        "20,Gare B,45.0100,5.0000,0,\n"
        "X9,Gare B,45.0102,5.0000,0,\n"
        "Y,Halte,45.0200,5.0000,0,\n";
    f["stop_times.txt"] =
        "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
        "T1,08:00:00,08:00:00,11,1\nT1,08:10:00,08:10:00,20,2\n"
        "T2,09:00:00,09:00:00,12,1\nT2,09:10:00,09:10:00,X9,2\nT2,09:20:00,09:20:00,Y,3\n";
    const struct {
        bool parNom;
        std::vector<long long> codes;
        std::vector<std::string> noms;
        std::vector<Service> services;
        const char* ligneX9;
    } cas[] = {
        {false,
         {11, 20, 21, 22},
         {"Centre", "Gare B", "Gare B", "Halte"},
         {{11, 20, 800, 810, 1}, {11, 21, 900, 910, 2}, {21, 22, 910, 920, 2}},
         "X9\t21\tGare B\n"},
        {true,
         {11, 12, 20, 21},
         {"Quai 1", "Quai 2", "Gare B", "Halte"},
         {{11, 20, 800, 810, 1}, {12, 20, 900, 910, 2}, {20, 21, 910, 920, 2}},
         "X9\t20\tGare B\n"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.parNom ? "par nom" : "par station");
        const Resultat r = Importe(f, false, Avec(&OptionsGtfs::grouperParNom, c.parNom));
        ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
        std::vector<long long> codes;
        std::vector<std::string> noms;
        for (const NoeudLu& n : r.noeuds) codes.push_back(n.code), noms.push_back(n.nom);
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(noms, c.noms);
        EXPECT_EQ(Services(r.arcs), c.services);
        EXPECT_NE(r.table.find(c.ligneX9), std::string::npos) << r.table;
    }
}

TEST(ImportGtfs, ModesDesLignes) {
    // Two trips A -> B of 3 and 4 minutes on a route of each type.
    Flux f = FluxDeBase();
    f["stop_times.txt"] =
        "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
        "T1,08:00:00,08:00:00,1,1\nT1,08:03:00,08:03:00,2,2\n"
        "T2,09:00:00,09:00:00,1,1\nT2,09:04:00,09:04:00,2,2\n";
    const struct {
        int type, mode;
    } cas[] = {{0, 812},   {1, 8},   {2, 41},    {3, 813},   {4, 2},    {5, 812},
               {6, 812},   {7, 812}, {11, 813},  {12, 812},  {101, 3},  {102, 41},
               {200, 813}, {401, 8}, {700, 813}, {900, 812}, {1200, 2}, {1100, 812}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.type);
        f["routes.txt"] = "route_id,route_type\nR," + std::to_string(c.type) + "\n";
        const Resultat r = Importe(f, false);
        ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
        EXPECT_EQ(r.rapport.trajets, 2);
        if (c.mode == 8 || c.mode == 2) {
            // Boarded at any time: one arc, the mean time (3.5 rounded up), no timetable.
            ASSERT_EQ(r.arcs.size(), 1u);
            EXPECT_EQ(r.arcs[0].mode, c.mode);
            EXPECT_EQ(r.arcs[0].temps, 4);
            EXPECT_EQ(Services(r.arcs), (std::vector<Service>{{1, 2, 0, 0, 0}}));
        } else {
            ASSERT_EQ(r.arcs.size(), 2u);
            for (const ArcLu& a : r.arcs) EXPECT_EQ(a.mode, c.mode);
            EXPECT_EQ(Services(r.arcs),
                      (std::vector<Service>{{1, 2, 800, 803, 1}, {1, 2, 900, 904, 2}}));
        }
    }
}

TEST(ImportGtfs, MarcheEntreArretsProches) {
    // Stop 4 is 55.6 m north of stop 1.
    Flux f = FluxDeBase();
    f["stops.txt"] += "4,Gare A Nord,45.0005,5.0000,,\n";
    f["trips.txt"] += "R,S,T3\n";
    f["stop_times.txt"] += "T3,12:00:00,12:00:00,4,1\nT3,12:10:00,12:10:00,3,2\n";
    const struct {
        double metres;
        std::vector<std::pair<long long, long long>> marches;
    } cas[] = {{0, {}},
               {50, {}},
               {100, {{1, 4}, {4, 1}}},
               {1200, {{1, 2}, {1, 4}, {2, 1}, {2, 4}, {4, 1}, {4, 2}}}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.metres);
        const Resultat r = Importe(f, false, Avec(&OptionsGtfs::marcheMetres, c.metres));
        ASSERT_TRUE(r.rapport.reussi) << r.rapport.message;
        std::vector<std::pair<long long, long long>> marches;
        for (const ArcLu& a : r.arcs) {
            if (a.mode != 9) continue;
            marches.emplace_back(a.o, a.d);
            EXPECT_EQ(a.depart, 0);
            EXPECT_EQ(a.temps, a.km < 0.1 ? 1 : 13);  // at 5 km/h
        }
        EXPECT_EQ(marches, c.marches);
    }
}

TEST(ImportGtfs, Coordonnees) {
    // Centred on the feed and shifted by its south-west corner; or in a projected system
    // (UTM 31 N) as it is, in km.
    const Resultat local = Importe(FluxDeBase(), false);
    ASSERT_EQ(local.noeuds.size(), 3u);
    EXPECT_EQ(local.noeuds[0].x, 0);
    EXPECT_EQ(local.noeuds[0].y, 0);
    EXPECT_NEAR(local.noeuds[1].y, 1.112, 0.002);
    EXPECT_NEAR(local.noeuds[2].x, 0.787, 0.002);
    const Resultat utm = Importe(FluxDeBase(), false, Avec(&OptionsGtfs::epsg, 32631));
    ASSERT_TRUE(utm.rapport.reussi) << utm.rapport.message;
    EXPECT_NEAR(utm.noeuds[0].x, 658.0, 1);
    EXPECT_NEAR(utm.noeuds[0].y, 4984.4, 1);
    EXPECT_NEAR(utm.noeuds[1].y - utm.noeuds[0].y, 1.112, 0.002);
    for (const auto& [epsg, message] :
         {std::pair(4326, "n'est pas une projection plane"), std::pair(1, "est inconnu de PROJ")}) {
        const Resultat r = Importe(FluxDeBase(), false, Avec(&OptionsGtfs::epsg, epsg));
        EXPECT_NE(r.rapport.message.find(message), std::string::npos) << r.rapport.message;
        EXPECT_FALSE(r.fichiers);
    }
}

// The best journeys of every pair, by codes, leaving after each time.
using Trajets = std::map<std::tuple<int, long long, long long>, std::pair<int, int>>;
Trajets TrajetsDe(const std::string& noeuds, const std::string& arcs) {
    test::Session s;
    s.port.fichiers.push_back(noeuds);
    s.port.fichiers.push_back(arcs);
    menOuvrir(s.e);
    Etat& e = s.e;
    e.Valuation = "Horaires";
    CreeMatriceArcsMinHoraires(e, "Horaires");
    Trajets t;
    for (int hhmm : {450, 700, 1000, 1230, 1700, 2330}) {
        e.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(hhmm));
        CalculTrajetsHoraires(e, false);
        for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
            for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
                if (i == j || !e.CheMin.Existe(i, j)) continue;
                const Trajet& x = e.CheMin.Meilleur(i, j);
                t[{hhmm, e.Noeuds[i].Code, e.Noeuds[j].Code}] = {x.Depart, x.Arrivee};
            }
    }
    return t;
}

TEST(ImportGtfs, CaltrainEtTriMetCommeLeursReseauxConvertis) {
    // The converted networks of ../shared/data; failing that, their copies kept with the tests.
    const struct {
        const char* flux;
        const char* partage;
        const char* copie;
        const char* date;
        int trajets;
    } cas[] = {{"caltrain", "Caltrain", "caltrain", "20170725", 92},
               {"trimet", "TriMet-Line1", "trimet", "20180206", 26}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.flux);
        std::string reference = std::string(VEK_SOURCE_DIR) + "/../shared/data/" + c.partage;
        if (!fs::exists(reference + "/arcs.dat")) {
            std::cout << "../shared/data/" << c.partage
                      << " absent : comparaison avec la copie de tests/data/horaires\n";
            reference = test::Source(std::string("tests/data/horaires/") + c.copie);
        }
        test::DossierTemporaire d;
        OptionsGtfs o;
        o.flux = test::Source(std::string("tests/data/gtfs/") + c.flux);
        o.date = c.date;
        o.sortie = d / "sortie";
        o.grouperParNom = true;
        const RapportImport r = ImporteGtfs(o);
        ASSERT_TRUE(r.reussi) << r.message;
        EXPECT_EQ(r.trajets, c.trajets);
        const Trajets importes = TrajetsDe(o.sortie + "/noeuds.dat", o.sortie + "/arcs.dat");
        const Trajets convertis = TrajetsDe(reference + "/noeuds.dat", reference + "/arcs.dat");
        ASSERT_GT(convertis.size(), 1000u);
        EXPECT_EQ(importes.size(), convertis.size());
        int differents = 0;
        for (const auto& [cle, trajet] : convertis) {
            const auto k = importes.find(cle);
            if (k != importes.end() && k->second == trajet) continue;
            if (++differents <= 5)
                ADD_FAILURE() << std::get<0>(cle) << " : " << std::get<1>(cle) << " -> "
                              << std::get<2>(cle) << " convertis " << trajet.first << "-"
                              << trajet.second;
        }
        EXPECT_EQ(differents, 0);
    }
}

}  // namespace
}  // namespace vek
