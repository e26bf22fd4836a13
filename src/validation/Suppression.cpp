#include "validation/Suppression.h"

#include "validation/EtatValidation.h"

namespace vek {

void SupprimeArc(EtatValidation& e, std::int32_t k) {
    if (k < 1 || k > e.NbArcs) return;
    e.Arcs.erase(e.Arcs.begin() + k);
    --e.NbArcs;
}

void SupprimeNoeud(EtatValidation& e, std::int32_t k) {
    if (k < 1 || k > e.NbNoeuds) return;
    e.Noeuds.erase(e.Noeuds.begin() + k);
    --e.NbNoeuds;
    DecaleIndicesNoeuds(e, k);
}

void DecaleIndicesNoeuds(EtatValidation& e, std::int32_t k) {
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine > k) --arc.IndiceOrigine;
        if (arc.IndiceDestination > k) --arc.IndiceDestination;
    }
}

void RemplaceIndiceNoeud(EtatValidation& e, std::int32_t garde, std::int32_t supprime) {
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine == supprime) arc.IndiceOrigine = garde;
        if (arc.IndiceDestination == supprime) arc.IndiceDestination = garde;
    }
}

}  // namespace vek
