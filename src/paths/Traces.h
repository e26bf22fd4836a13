#pragma once
// Path traces: for every pair (i, j), the node before j on a shortest path from i, rebuilt
// from the path values and the direct arcs.

namespace vek {

struct EtatChemins;

void RecuperationTraces(EtatChemins& e);
// The traces are those of the current shortest paths.
bool TracesCourantes(const EtatChemins& e);
// The same, saying what to do when they are not.
bool VerifieTracesCourantes(EtatChemins& e);
// "&Tracés".
void menRécupTracés(EtatChemins& e);

}  // namespace vek

#include <cstdint>
#include <vector>

namespace vek {

// The nodes of the path from i to j read backwards through the traces (j first, i last);
// empty when j cannot be reached or the traces do not lead back to i within NbNoeuds steps.
std::vector<std::int32_t> TraceChemin(const EtatChemins& e, std::int32_t i, std::int32_t j);

}  // namespace vek
