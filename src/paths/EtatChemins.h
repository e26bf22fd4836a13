#pragma once
// The shortest-path tables: the minimal-arc matrix, the Floyd matrices and the traces, with
// what they were computed for. EtatChemins is the state as the shortest-path layer and the
// analyses above it see it.

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "network/EtatReseau.h"
#include "paths/CelluleArcMin.h"
#include "paths/Floyd.h"
#include "paths/Matrice.h"
#include "paths/ServicesPaires.h"

namespace vek {

struct TablesChemins {
    Matrice<CelluleArcMin> MatArcsMin;
    std::string MatArcsMinValuation;  // the valuation MatArcsMin was built for
    TableServices ServicesPaires;     // "JoursEtHeures": the timetabled services of each pair

    Matrice<float> MatFloyd;
    Matrice<CelluleChemin> CheminsMin;
    Matrice<CellulePredecesseur> MatPredecesseurs;
    double SommeChemins = 0;  // accumulated in Double: a Single sum drifts on large networks
    std::uint64_t CheminsMinReseau = 0;
    std::string CheminsMinValuation;
    std::uint64_t TracesReseau = 0;

    bool ValuationAnnulee = false;
    std::string ValuCircuite = "LONGUEURS";  // deviation type of circuity: or "ATTRACTIONS"
};

// A valuation whose minimal arcs and shortest paths an analysis above this layer computes
// (the timetables, the circuity): the analysis registers its routines under the valuation's
// name when its state is built.
struct VarianteValuation {
    std::function<void(const std::string& valuation)> MatriceArcsMin;
    // True when paths were computed; empty: this version does not compute them.
    std::function<bool()> CheminsMinimaux;
};

struct EtatChemins : EtatReseau, TablesChemins {
    explicit EtatChemins(Port& port) : EtatReseau(port) {}
    void ReseauModifie() override;

    std::map<std::string, VarianteValuation> VariantesValuation;
};

}  // namespace vek
