#pragma once
// The zoom dialog (Zooms) and the level-integration commands of the "&Zoom" menu: each zoom
// ticked is read from its node and arc files and integrated into the working network, which
// is then written under the level's file names by "Edition des noeuds / des arcs".

#include "shell/Dialogue.h"

namespace vek {

struct EtatValidation;

Dialogue DialogueZooms(EtatValidation& e);

// "&Nodal...": every nodal zoom ticked replaces its node.
void menNodal(EtatValidation& e);
// "Nodal &Inverse...": every inverse zoom ticked replaces its detailed nodes by one node.
void menNodalInv(EtatValidation& e);
// "&Multinodal...": every multinodal zoom ticked replaces its list of nodes.
void menMultinodal(EtatValidation& e);

}  // namespace vek
