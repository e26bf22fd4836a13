#include "timetable/EtatHoraires.h"

#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {

EtatHoraires::EtatHoraires(Port& port) : EtatChemins(port) {
    VariantesValuation["Horaires"].MatriceArcsMin = [this](const std::string& v) {
        CreeMatriceArcsMinHoraires(*this, v);
    };
}

bool TrajetsHorairesCourants(const EtatHoraires& e) {
    return !e.CheMin.Vide() && e.CheMin.Noeuds() == e.NbNoeuds &&
           (e.ContrainteDepart || e.ContrainteArrivee) && e.TrajetsReseau == e.GenerationReseau;
}

}  // namespace vek
