#include "accessibility/EtatAccessibilite.h"

#include <utility>

#include "accessibility/Circuite.h"
#include "paths/MatriceArcsMin.h"

namespace vek {

namespace {

// "Distance2Temps": the distance-minimising paths carrying their times; the times become the
// values.
bool CheminsDistance2Temps(EtatAccessibilite& e) {
    const std::string& v = e.Valuation;
    if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1 ||
        e.MatArcsMinValuation != v)
        CalculMatriceArcsMin(e);
    RecalculeOriente(e);
    CheminsCircuite(e);
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    // The diagonal is 0 as for any path value, the distances stay beside the times for the
    // traces, and the predecessors are seeded with the direct arcs.
    e.MatPredecesseurs.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            CelluleChemin& c = e.CheminsMin(i, j);
            if (i == j) {
                c.Valeur = c.Valeur2 = 0;
                continue;
            }
            std::swap(c.Valeur, c.Valeur2);
            const CelluleArcMin& a = e.MatArcsMin(i, j);
            if (a.Valeur != 0) {
                c.Mode = a.Mode;
                e.MatPredecesseurs(i, j) =
                    CellulePredecesseur{static_cast<std::int32_t>(i), a.Mode, a.Valeur};
            }
        }
    e.CheminsMinValuation = v;
    e.CheminsMinReseau = e.GenerationReseau;
    return true;
}

}  // namespace

EtatAccessibilite::EtatAccessibilite(Port& port)
    : EtatChemins(port), EtatValidation(port), EtatGravite(port) {
    VariantesValuation["Distance2Temps"] = VarianteValuation{
        [this](const std::string& v) { CreationMatriceArcsMinCircuite(*this, v); },
        [this] { return CheminsDistance2Temps(*this); }};
}

}  // namespace vek
