#include "location/ParametresDistance.h"

#include "location/EtatLocalisation.h"

namespace vek {

void ParametresDistanceParDefaut(EtatLocalisation& e) {
    e.RepDistDest = e.RepDistOrig = "c:\\data\\NoeudVal\\dist";
    e.NomFichierDistDest = "DistDest.dat";
    e.NomFichierDistOrig = "DistOrig.dat";
    e.Distance = OptionsDistance{};
}

}  // namespace vek
