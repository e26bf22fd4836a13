#pragma once
// The tables of the node indicators: the choices of the nodality dialog, kept from one
// showing to the next, the working copy of the arcs and the half-degrees.

#include <cstdint>
#include <vector>

#include "indicators/OptionsIndicVek.h"
#include "paths/EtatChemins.h"

namespace vek {

struct TablesIndicateurs {
    OptionsIndicVek IndicVek;
    bool AnnulationIndicateurs = false;
    std::vector<Arc> ArcsTravail;  // copy of Arcs, 1..NbArcsTravail
    std::int32_t NbArcsTravail = 0;
    std::vector<std::int64_t> DemiDegresInterieurs;
    std::vector<std::int64_t> DemiDegresExterieurs;
    float VitesseMoyenneArcs = 0;  // mean speed of the arcs, left by the homogeneity
};

struct EtatIndicateurs : virtual EtatChemins, TablesIndicateurs {
    explicit EtatIndicateurs(Port& port) : EtatChemins(port) {}
};

}  // namespace vek
