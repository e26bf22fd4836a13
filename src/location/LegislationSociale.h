#pragma once
// The driving-time rules of road haulage ("Législation sociale transports routiers"): every
// shortest-path time lengthened by the breaks and rests a driver must take on the way.

#include "paths/Matrice.h"

namespace vek {

struct EtatLocalisation;

// A driving time in minutes with its stops: a 45-minute break after each 270-minute block
// after which driving goes on, every second block followed by a 540-minute rest instead
// unless 60 minutes or less remain (270 stays 270, 300 gives 345, 600 gives 690, 700 gives
// 1285). 32000 (no path), anything above it and a value that is not finite are returned as
// they are.
float TempsAvecArretsReglementaires(float temps);

// A copy of CheminsMin's values (0..NbNoeuds, row = origin), every pair's time lengthened by
// TempsAvecArretsReglementaires; CheminsMin itself is left as it is. Empty, after a message,
// when the paths were not computed for the network or not on the valuation "Temps"
// (CheminsMinValuation): only those hold minutes of driving.
Matrice<float> LegislationSocialeTransportsRoutiers(EtatLocalisation& e);

}  // namespace vek
