#pragma once
// The settings a script or the desktop can change by name: directories, file names, the
// valuation, the viewer, and the folder each drive letter stands for ("c:").

#include <string>
#include <vector>

namespace vek {

struct Etat;

// False, with the reason in `erreur`, for an unknown name or a value that does not fit.
bool ChangeReglage(Etat& e, const std::string& nom, const std::string& valeur, std::string& erreur);
std::vector<std::string> NomsReglages();
// Gives `vers` every setting of `de` but the network files it loaded: the folders, the
// result and viewer settings, the valuation, the departure time, the loader's maxima, the
// drive letters.
void CopieReglages(const Etat& de, Etat& vers);

}  // namespace vek
