#pragma once
// A network in the research networks' text format (a link file, a node file of coordinates,
// optionally a trip table and a flow file) turned into VEK's node and arc files.
//
// Units: the link lengths are in `longueur` (km, m, mi or ft), the free-flow times in `temps`
// (min, h or s), the coordinates in `coordonnees` (the same, or deg for longitude and
// latitude); each may carry a factor ("0.01h": hundredths of an hour). Lengths become km and
// times minutes. Coordinates become km: plain units are scaled, degrees are projected
// equirectangularly (R = 6371.0088 km) around the centre of their bounding box; both are then
// shifted so that the smallest X and Y are 0.
//
// Links: a link and its reverse with the same length, time and capacity make one arc (its
// flow the larger of the two); any other link is an arc of its own, in its direction. With a
// mode that is not oriented (every road mode), VEK runs such an arc both ways: the report
// warns of them. With an oriented mode no pair is merged.
//
// Nodes: named "Zone N" up to the number of zones, "Noeud N" beyond, coded by their number;
// their population is their row of the trip table (productions, intrazonal trips included).

#include <string>

#include "formats/RapportImport.h"

namespace vek {

struct OptionsTntp {
    std::string reseau;           // the link file (_net.tntp)
    std::string noeuds;           // the node file (_node.tntp)
    std::string trajets;          // the trip table (_trips.tntp), empty: none
    std::string flux;             // the flow file (_flow.tntp: From To Volume Cost), empty: none
    std::string sortie;           // the folder that gets noeuds.dat and arcs.dat
    std::string longueur = "km";  // unit of the link lengths: km, m, mi, ft
    std::string temps = "min";    // unit of the free-flow times: min, h, s
    std::string coordonnees;      // unit of the coordinates: km, m, mi, ft, deg; empty: longueur
    int mode = 0;                 // the mode of every link; 0: a road mode from its speed
};

// The road mode of a link from its speed (km/h): the built-in road modes for light vehicles,
// between the midpoints of their speeds; 72 (50 km/h) when the speed is unknown.
int ModeRoutierSelonVitesse(double kmh);

// Writes nothing unless every file was read whole.
RapportImport ImporteTntp(const OptionsTntp& options);

}  // namespace vek
