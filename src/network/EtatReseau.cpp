#include "network/EtatReseau.h"

namespace vek {

EtatReseau::EtatReseau(Port& port) : EtatIhm(port) {
    InitialisationModes(*this);
    ModesReseau.assign(51, ModeReseau{});
    Noeuds.resize(1);
    Arcs.resize(1);
    NoeudsLus.resize(1);
    ArcsLus.resize(1);
    ArcsProvisoires.resize(1);
}

void EtatReseau::ReseauModifie() {
    ++GenerationReseau;
    ValeursNoeuds.clear();
    ListeCouples.clear();
    NbCouples = 0;
    IndexCouplesNb = -1;
    ArcsProvisoires.clear();
    NbArcsProvisoires = 0;
    DerniereComparaison.reset();  // of the network before
}

}  // namespace vek
