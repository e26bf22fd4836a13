#include "location/ParametresDistance.h"

#include "location/EtatLocalisation.h"

namespace vek {

void ParametresDistanceParDefaut(EtatLocalisation& e) {
    e.RepDistDest = e.RepDistOrig = kRepDistParDefaut;
    e.NomFichierDistDest = "DistDest.dat";
    e.NomFichierDistOrig = "DistOrig.dat";
    e.Distance = OptionsDistance{};
    // "Ok" of the options opens the start command.
    if (e.Menus.Trouve("menDémarrageDistance")) e.Menus.Desactive("menDémarrageDistance");
}

}  // namespace vek
