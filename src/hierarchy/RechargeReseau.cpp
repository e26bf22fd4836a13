#include "hierarchy/RechargeReseau.h"

#include "hierarchy/EtatHierarchie.h"
#include "paths/MatriceArcsMin.h"

namespace vek {

namespace {
constexpr const char* kContrainteArrivee = "menHoraireContrainteArrivée";
}

InstantaneReseau PrendInstantane(const EtatHierarchie& e) {
    InstantaneReseau i;
    i.Noeuds = e.Noeuds;
    i.NbNoeuds = e.NbNoeuds;
    i.Arcs = e.Arcs;
    i.NbArcs = e.NbArcs;
    i.Valuation = e.Valuation;
    i.Oriente = e.Oriente;
    i.DebitsHoraires = e.DebitsHoraires;
    i.MatriceArcsMin = !e.MatArcsMin.Vide() && e.MatArcsMinValuation == e.Valuation &&
                       e.MatArcsMin.Lignes() == static_cast<std::size_t>(e.NbNoeuds) + 1;
    i.ContrainteArriveeVisible = e.Menus.EstVisible(kContrainteArrivee);
    return i;
}

void RechargeReseau(EtatHierarchie& e, const InstantaneReseau& i) {
    e.Noeuds = i.Noeuds;
    e.NbNoeuds = i.NbNoeuds;
    e.Arcs = i.Arcs;
    e.NbArcs = i.NbArcs;
    e.Valuation = i.Valuation;
    e.DebitsHoraires = i.DebitsHoraires;
    ++e.GenerationReseau;  // the paths computed meanwhile were of another network
    if (i.MatriceArcsMin) {
        CalculMatriceArcsMin(e);
    } else {
        e.MatArcsMin.Libere();
        e.MatArcsMinValuation.clear();
    }
    e.Oriente = i.Oriente;
    e.Menus.Montre(kContrainteArrivee, i.ContrainteArriveeVisible);
}

}  // namespace vek
