#pragma once
// The tables of circuity and accessibility: the secondary values of the circuity paths, and
// the destination kinds, markers and nearest destinations of the accessibility criteria.
// Circuity weighs its deviations with the gravity settings and removes arcs as the validity
// test does.

#include <cstdint>
#include <vector>

#include "gravity/EtatGravite.h"
#include "validation/EtatValidation.h"

namespace vek {

struct TablesAccessibilite {
    Matrice<float> MatFloyd2;            // circuity: the secondary value carried along the paths
    Matrice<CelluleChemin> MatCircuite;  // circuity: the path measure beside its reference

    bool DestEchangeursAutoroutiers = false;
    bool DestEchangeursVoiesExpress = false;
    bool DestGaresTGVVoieRapide = false;
    bool DestGaresTGVVoieClassique = false;
    std::vector<std::int16_t> NoeudsCriteres;
    std::vector<std::int16_t> TypeNoeudLePlusProche;
};

// Registers the minimal arcs and the shortest paths of the valuation "Distance2Temps".
struct EtatAccessibilite : virtual EtatValidation, virtual EtatGravite, TablesAccessibilite {
    explicit EtatAccessibilite(Port& port);
};

}  // namespace vek
