#include "vek/CommandesReseau.h"

#include "network/Chargement.h"
#include "network/Espaces.h"
#include "paths/MatriceArcsMin.h"
#include "vek/Etat.h"

namespace vek {

void menOuvrir(Etat& e) {
    if (OuvertureReseau(e)) CalculMatriceArcsMin(e);
}

void menNoeudsEtArcs(Etat& e) {
    if (ChargementEspace(e)) CalculMatriceArcsMin(e);
}

void menReseaux(Etat& e) {
    ChoixParametresReseau(e);
    CalculMatriceArcsMin(e);
}

}  // namespace vek
