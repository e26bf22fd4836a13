#pragma once
// The menu tree of the main window "Vek", each command bound to its routine.

namespace vek {

struct Etat;

inline constexpr const char* kTitreFenetre =
    "VEK : LOGICIEL D'AIDE A LA DECISION EN PLANIFICATION DES TRANSPORTS";

void ConstruitMenuVek(Etat& e);

}  // namespace vek
