#pragma once
// Choosing what an arc is worth: the dialog "Valu" and the two commands that show it.

#include "shell/Dialogue.h"

namespace vek {

struct EtatChemins;

// "Valu", opened with the current valuation's option and circuity choice ticked.
Dialogue DialogueValu(EtatChemins& e);

// "&Changer la valuation (temps par défaut)...": sets Valuation from the dialog and rebuilds
// the minimal-arc matrix.
void menChangerValuation(EtatChemins& e);
// "&Valuation..." under "&Circuité": the deviation type the circuity commands read.
void menValuation(EtatChemins& e);

// The valuation an option of the dialog stands for.
const char* ValuationDeLOption(const std::string& option);

// Says that the valuation in force has no meaning for `pour` ("les chemins minimaux") and
// which one to choose.
void SignaleValuationSansSens(EtatChemins& e, const std::string& pour);

}  // namespace vek
