#pragma once
// What an import did or why it refused: the message for the person (the file and line of a
// fault, or the counts of what was written) and the warnings on records skipped.

#include <string>
#include <vector>

namespace vek {

struct RapportImport {
    bool reussi = false;
    std::string message;                      // a refusal names the file and its line
    std::vector<std::string> avertissements;  // records skipped, values adjusted
    int noeuds = 0, arcs = 0;                 // written
    int trajets = 0;                          // GTFS: trips running on the date
};

}  // namespace vek
