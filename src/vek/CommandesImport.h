#pragma once
// The commands that import a network of another format into VEK's node and arc files, then
// load it as "Ouvrir" does.

#include "shell/Dialogue.h"

namespace vek {

struct Etat;

// "Importer un flux &GTFS...": shows ImportGtfs (feed, date, folder, grouping by name, EPSG
// code, walking distance).
void menImporterGtfs(Etat& e);
// "Importer un réseau &TNTP...": shows ImportTntp (link, node, trip and flow files, folder,
// units of the lengths, times and coordinates, mode).
void menImporterTntp(Etat& e);

// The dialogs; `valide` is set when closed by OK.
Dialogue DialogueImportGtfs(bool& valide);
Dialogue DialogueImportTntp(bool& valide);

}  // namespace vek
