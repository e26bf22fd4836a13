#pragma once
// The start-up state of the distance model: its file names and folders, no section chosen.

namespace vek {

struct EtatLocalisation;

void ParametresDistanceParDefaut(EtatLocalisation& e);

}  // namespace vek
