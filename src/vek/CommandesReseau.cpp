#include "vek/CommandesReseau.h"

#include "network/Chargement.h"
#include "network/Espaces.h"
#include "paths/MatriceArcsMin.h"
#include "vek/Etat.h"

namespace vek {

void menOuvrir(Etat& e) {
    OuvertureReseau(e, [&e] { CalculMatriceArcsMin(e); });
}

void menNoeudsEtArcs(Etat& e) {
    ChargementEspace(e, [&e] { CalculMatriceArcsMin(e); });
}

void menReseaux(Etat& e) {
    ChoixParametresReseau(e);
    CalculMatriceArcsMin(e);
}

}  // namespace vek
