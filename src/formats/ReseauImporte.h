#pragma once
// Writes an imported network as VEK's own node and arc files (noeuds.dat and arcs.dat in a
// folder, UTF-8, the fixed columns the loader reads): both files or neither, never one half
// written or one without the other. A value that does not fit its column refuses the whole.

#include <string>
#include <vector>

#include "formats/RapportImport.h"
#include "network/Arc.h"
#include "network/Noeud.h"

namespace vek {

// `noeuds` and `arcs` from entry 0 (no empty first slot); the arcs name their ends by code.
// Fills `rapport` (reussi, message, counts) and returns rapport.reussi.
bool EcritReseauImporte(const std::string& dossier, const std::vector<Noeud>& noeuds,
                        const std::vector<Arc>& arcs, RapportImport& rapport);

}  // namespace vek
