#pragma once
// A network in the research networks' text format (a link file, a node file of coordinates,
// optionally a trip table) turned into VEK's node and arc files.

#include <string>

#include "formats/RapportImport.h"

namespace vek {

struct OptionsTntp {
    std::string reseau;           // the link file (_net.tntp)
    std::string noeuds;           // the node file (_node.tntp)
    std::string trajets;          // the trip table (_trips.tntp), empty: none
    std::string sortie;           // the folder that gets noeuds.dat and arcs.dat
    std::string longueur = "km";  // unit of the link lengths: km, m, mi, ft
    std::string temps = "min";    // unit of the free-flow times: min, h, s
    int mode = 0;                 // the mode of every link; 0: the default road mode
};

// Writes nothing unless every file was read whole.
RapportImport ImporteTntp(const OptionsTntp& options);

}  // namespace vek
