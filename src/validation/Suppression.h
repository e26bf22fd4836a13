#pragma once
// Removing records from the working tables, keeping the node indices held by the arcs right.

#include <cstdint>

namespace vek {

struct EtatValidation;

// Removes arc k: the later arcs move down by one.
void SupprimeArc(EtatValidation& e, std::int32_t k);
// Removes node k: the later nodes move down by one, and so do the arc indices beyond k.
void SupprimeNoeud(EtatValidation& e, std::int32_t k);
// Every arc index (origin or destination) greater than k decreases by one.
void DecaleIndicesNoeuds(EtatValidation& e, std::int32_t k);
// Every arc index equal to `supprime` becomes `garde`.
void RemplaceIndiceNoeud(EtatValidation& e, std::int32_t garde, std::int32_t supprime);

}  // namespace vek
