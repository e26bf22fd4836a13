#pragma once
// The configuration panel "CONFIGURATION DU GRAPHE" of the main window (and of its print
// form): one caption and one value a line.

namespace vek {

struct EtatReseau;

inline constexpr const char* kTitreConfiguration = "CONFIGURATION DU GRAPHE";

// Recomputes the totals and refreshes the panel's values.
void AfficheConfiguration(EtatReseau& e);
// The panel's lines with empty values, as at start-up.
void VideConfiguration(EtatReseau& e);

}  // namespace vek
