#pragma once
// The homogeneity of the network: the dispersion of the speeds of its arcs.

namespace vek {

struct Etat;

// VitesseMoyenneArcs: the mean speed of the arcs, rounded to a Single.
void CalculVitesseMoyenne(Etat& e);
// The population standard deviation of the arc speeds, written on one line of
// RepResultats + "\NoeudVal.dat" and opened.
void CalculHomogeneite(Etat& e);
// "&Homogénéité".
void menHomogénéité(Etat& e);

}  // namespace vek
