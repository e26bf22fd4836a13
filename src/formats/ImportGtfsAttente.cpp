// Stands in for the GTFS importer until it is part of the program.

#include "formats/ImportGtfs.h"

namespace vek {

RapportImport ImporteGtfs(const OptionsGtfs&) {
    RapportImport rapport;
    rapport.message = "L'import GTFS n'est pas encore disponible.";
    return rapport;
}

}  // namespace vek
