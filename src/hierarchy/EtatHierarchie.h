#pragma once
// The tables of the hierarchy by suppression, the congestion indices and the losses.

#include <cstdint>
#include <vector>

#include "accessibility/EtatAccessibilite.h"
#include "flows/EtatFlux.h"

namespace vek {

struct TablesHierarchie {
    std::int32_t NbNoeudsInitial = 0;  // nodes when the node hierarchy starts
    float CongestionGlobale = 0;       // network congestion index
    float PerteTempsGlobale = 0;       // total of the nodal time losses
    float PerteVitesseGlobale = 0;     // total of the nodal speed losses
    // Average straight-line speeds per node, at free-flow and at loaded speeds (0..NbNoeuds).
    std::vector<double> VitessesLibres;
    std::vector<double> VitessesChargees;
};

struct EtatHierarchie : virtual EtatFlux, virtual EtatAccessibilite, TablesHierarchie {
    explicit EtatHierarchie(Port& port)
        : EtatChemins(port),
          EtatGravite(port),
          EtatFlux(port),
          EtatValidation(port),
          EtatAccessibilite(port) {}
};

}  // namespace vek
