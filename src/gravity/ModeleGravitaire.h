#pragma once
// The gravity model: from the node populations and the current shortest paths, the
// attraction of every node at every node, and the per-node tables written as fixed-column
// files (SLP, 3AA, 3AR, SAA, auto, AP).
//
// The attraction of a node on itself takes DistanceInterneVille as its distance (when that is
// 0 it cannot be computed: it is 0, and a message says so); an unreachable pair (32000)
// attracts nothing.

#include <string>

namespace vek {

struct EtatGravite;

void CalculSommationsPonderees(EtatGravite& e);
void CalculAttractions(EtatGravite& e);
void TroisPrincipalesAttractions(EtatGravite& e);
void CalculSommesAttractions(EtatGravite& e);
// False, after a message, when the persons cannot be counted (zero persons per job, a zero
// sum of attractions, or a count beyond 32 bits); the tables then hold 0 for what could not be
// counted.
bool CalculPersonnesAttirees(EtatGravite& e);

// False, after a message naming the first, when a sum is no 64-bit integer: nothing written.
bool EcritureSommationsPonderees(EtatGravite& e, const std::string& chemin);
void EcritureTroisAttractionsAbsolues(EtatGravite& e, const std::string& chemin);
void EcritureTroisAttractionsRelatives(EtatGravite& e, const std::string& chemin);
void EcritureSommesAttractions(EtatGravite& e, const std::string& chemin);
void EcritureAutoAttractions(EtatGravite& e, const std::string& chemin);
void EcriturePersonnesAttirees(EtatGravite& e, const std::string& chemin);

// "&Démarrage" of "&Attractions": the chosen sections computed, written and shown.
void menDémarrageGravit(EtatGravite& e);

}  // namespace vek
