#pragma once
// The tables of the assignment of the attractions to the shortest paths.

#include "gravity/EtatGravite.h"

namespace vek {

struct TablesFlux {
    Matrice<float> FluxAffectes;  // the assignment's flow of each step (later node, node before)
};

struct EtatFlux : virtual EtatGravite, TablesFlux {
    explicit EtatFlux(Port& port) : EtatChemins(port), EtatGravite(port) {}
};

}  // namespace vek
