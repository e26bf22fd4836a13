#include "vek/Etat.h"

#include "vek/MenuVek.h"

namespace vek {

Etat::Etat(Port& port)
    : EtatChemins(port),
      EtatHoraires(port),
      EtatValidation(port),
      EtatIndicateurs(port),
      EtatGravite(port),
      EtatFlux(port),
      EtatAccessibilite(port),
      EtatLocalisation(port),
      EtatHierarchie(port) {
    ConstruitMenuVek(*this);
}

}  // namespace vek
