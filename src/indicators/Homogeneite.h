#pragma once
// The homogeneity of the network: the dispersion of the speeds of its arcs.

namespace vek {

struct EtatIndicateurs;

// VitesseMoyenneArcs: the mean speed of the arcs, rounded to a Single.
void CalculVitesseMoyenne(EtatIndicateurs& e);
// The population standard deviation of the arc speeds, written on one line of
// RepResultats + "\NoeudVal.dat" and opened.
void CalculHomogeneite(EtatIndicateurs& e);
// "&Homogénéité".
void menHomogénéité(EtatIndicateurs& e);

}  // namespace vek
