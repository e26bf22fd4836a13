#include "timetable/EtatHoraires.h"

#include "timetable/MatriceArcsMinHoraires.h"

namespace vek {

EtatHoraires::EtatHoraires(Port& port) : EtatChemins(port) {
    VariantesValuation["Horaires"].MatriceArcsMin = [this](const std::string& v) {
        CreeMatriceArcsMinHoraires(*this, v);
    };
}

}  // namespace vek
