#pragma once
// Loading the shortest paths onto the links: the demand of the gravity model assigned
// all-or-nothing (FluxAffectes), and the number of shortest paths using each link
// (ListeCouples). Both walk each path back through the traces, at most NbNoeuds steps, and
// skip the pairs that have no path.

#include <cstdint>
#include <string>

namespace vek {

struct EtatFlux;

// False, after a message, when the traces or the attractions do not match the current
// shortest paths.
bool Affectation(EtatFlux& e);
void NombreCheminsParArc(EtatFlux& e);
void NombreCheminsParArcOrigine(EtatFlux& e, std::int32_t origine);
// Adds to ("Ajoute") or sets ("Remplace") the entry of the link (a, b) or (b, a), appended
// at the end of ListeCouples when the link has none.
void AjouteCouple(EtatFlux& e, std::int32_t a, std::int32_t b, double valeur,
                  const std::string& action);

// "&Démarrage" of "&Affectation".
void menDémarrage(EtatFlux& e);

}  // namespace vek
