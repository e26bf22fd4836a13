#pragma once
// The pair result list: one value per ordered node pair or per arc, in ListeCouples.

#include <cstdint>
#include <string>

namespace vek {

struct EtatReseau;

// Writes ListeCouples 1..NbCouples. Text layout: code i (1-10), name i (12-27), code j
// (29-38), name j (40-55) and the value from column 63 (41 characters; a negative value
// takes one more). When an output choice is "Graphique", a tab-separated layout for the
// spreadsheet instead: name j and value, names i and j and value, or name i and value,
// according to the options of the output dialogs.
void EcritureListeCouples(EtatReseau& e, const std::string& chemin);

// Starts ListeCouples afresh with n entries 1..n (pairs 0, 0 and value 0), its lookup index
// dropped.
void DimensionneListeCouples(EtatReseau& e, std::int32_t n);

}  // namespace vek
