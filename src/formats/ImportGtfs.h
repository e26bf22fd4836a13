#pragma once
// A GTFS feed (a folder or a .zip) turned into VEK's node and arc files for one date: the
// stops as nodes, one timetabled arc per consecutive stop pair of every trip running that day.

#include <string>

#include "formats/RapportImport.h"

namespace vek {

struct OptionsGtfs {
    std::string flux;            // the feed: a folder or a .zip
    std::string date;            // YYYYMMDD
    std::string sortie;          // the folder that gets noeuds.dat and arcs.dat
    bool grouperParNom = false;  // stops merged by identical name (else by parent_station)
    int epsg = 0;                // 0: a local transverse Mercator centred on the feed
    double marcheMetres = 0;     // walking arcs between stops closer than this; 0: none
};

// Written beside noeuds.dat: each stop of the nodes, its node's code and its name
// ("stop_id<TAB>code<TAB>stop_name", a header line, UTF-8).
inline constexpr const char* kTableArretsGtfs = "arrets-gtfs.tsv";

// Writes nothing unless the whole feed was read and at least one trip runs on the date.
RapportImport ImporteGtfs(const OptionsGtfs& options);

}  // namespace vek
