#pragma once
// The working network as a command that changes it for its computation found it: taken when
// the command starts and put back when it ends, so that the network, its valuation and its
// flags are exactly what they were (the removals of the validity test, the zooms integrated
// and the flows converted included), whatever the files on disk hold now.

#include <cstdint>
#include <string>
#include <vector>

#include "network/Arc.h"
#include "network/Noeud.h"

namespace vek {

struct EtatHierarchie;

struct InstantaneReseau {
    std::vector<Noeud> Noeuds;
    std::int32_t NbNoeuds = 0;
    std::vector<Arc> Arcs;
    std::int32_t NbArcs = 0;
    std::string Valuation;
    bool Oriente = false;
    bool DebitsHoraires = false;
    bool MatriceArcsMin = false;  // a minimal-arc matrix of the valuation was built
    bool ContrainteArriveeVisible = false;
};

InstantaneReseau PrendInstantane(const EtatHierarchie& e);
// Puts the network back; the minimal-arc matrix is built again for the valuation when there
// was one, and the shortest paths computed meanwhile no longer count as current.
void RechargeReseau(EtatHierarchie& e, const InstantaneReseau& i);

}  // namespace vek
