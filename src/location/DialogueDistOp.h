#pragma once
// The options dialog of the distance model (DistOp, "Options du modèle Distance"): which of
// the two per-node files to write, their names, whether to open them, and the total.

#include "shell/Dialogue.h"

namespace vek {

struct EtatLocalisation;

Dialogue DialogueDistOp(EtatLocalisation& e);

// "&Options..." of "&Distance": the file names shown, the dialog beside the main window.
void menOptionsDistance(EtatLocalisation& e);

}  // namespace vek
