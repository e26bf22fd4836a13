#pragma once
// The distance model: the persons the gravity model sends from node to node, weighed by the
// length of their shortest path, summed per node of destination and per node of origin and
// written as per-node files.
//
// A node's sum is kept as a 32-bit integer, rounded (halves to even) after each addition made
// in Double; the total of the destination sums is a 64-bit integer.

#include <cstdint>
#include <string>
#include <vector>

namespace vek {

struct EtatLocalisation;

// MatDistancesPersonnes(i,j) = CheminsMin(i,j).Valeur x MatPersonnesAttirees(i,j), rounded
// to a float, for i, j = 1..NbNoeuds.
void CalculDistancesPersonnes(EtatLocalisation& e);
// The sums read MatDistancesPersonnes as CalculDistancesPersonnes left it for this network.
// DistancesDestination(i) = the sum over j of M(j,i); with Distot ticked, the total is shown
// ("Total des distances parcourues"). False, after a message naming the first node, when a sum
// leaves the 32-bit range: the total is then not shown.
bool CalculDistancesDestination(EtatLocalisation& e);
// DistancesOrigine(i) = the sum over j of M(i,j); no total. False as above.
bool CalculDistancesOrigine(EtatLocalisation& e);

// One line per node: a blank, the code (a 6-digit code takes one more blank), the value
// padded with blanks to 12 characters, three blanks, the 50-character name; CR LF.
void EcritureDistances(EtatLocalisation& e, const std::vector<std::int32_t>& valeurs,
                       const std::string& chemin);

// "&Démarrage" of "&Distance": the chosen sections computed, written and shown.
void menDémarrageDistance(EtatLocalisation& e);

}  // namespace vek
