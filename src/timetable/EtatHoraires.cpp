#include "timetable/EtatHoraires.h"

#include "timetable/CalculCheminsHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {

EtatHoraires::EtatHoraires(Port& port) : EtatChemins(port) {
    VariantesValuation["Horaires"].MatriceArcsMin = [this](const std::string& v) {
        CreeMatriceArcsMinHoraires(*this, v);
    };
    // Another analysis asking for the paths under "Horaires": the computation the flags and
    // times left, without a prompt and without the outputs dialog.
    VariantesValuation["Horaires"].CheminsMinimaux = [this] {
        return CalculCheminsHoraires(*this, false);
    };
}

bool TrajetsHorairesCourants(const EtatHoraires& e) {
    return !e.CheMin.Vide() && e.CheMin.Noeuds() == e.NbNoeuds &&
           e.TrajetsReseau == e.GenerationReseau;
}

}  // namespace vek
