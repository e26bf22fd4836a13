#include "paths/EtatChemins.h"

namespace vek {

void EtatChemins::ReseauModifie() {
    MatArcsMin.Libere();
    MatFloyd.Libere();
    CheminsMin.Libere();
    MatPredecesseurs.Libere();
    EtatReseau::ReseauModifie();
}

}  // namespace vek
