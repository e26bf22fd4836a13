#pragma once
// The start-up state of the distance model: its file names and folders, no section chosen,
// and its start command waiting for the options to be confirmed.

namespace vek {

struct EtatLocalisation;

// The folder both result files of the distance model go to at start. It is made when it is
// missing; a folder the person chose instead has to exist.
inline constexpr const char* kRepDistParDefaut = "c:\\data\\NoeudVal\\dist";

void ParametresDistanceParDefaut(EtatLocalisation& e);

}  // namespace vek
