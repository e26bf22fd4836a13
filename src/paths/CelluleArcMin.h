#pragma once

#include <cstdint>

namespace vek {

// One cell of the minimal-arc matrix: the best direct arc of a pair under the valuation.
// Twenty bytes, the two short fields last: at 3000 nodes the matrix holds 9 million cells.
struct CelluleArcMin {
    float Valeur = 0;   // value of the best direct arc; 0 = no arc
    float Valeur2 = 0;  // second value (distance-minimising arcs carrying their time)
    std::int32_t TempsEntier = 0;
    std::int32_t IndiceArc = 0;  // the arc retained, 0 = none
    std::int16_t Mode = 0;
    std::int16_t NbServices = 0;  // slots of a pair: at most the services allowed and one link
};

static_assert(sizeof(CelluleArcMin) == 20);

}  // namespace vek
