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

struct Etat;

void CalculSommationsPonderees(Etat& e);
void CalculAttractions(Etat& e);
void TroisPrincipalesAttractions(Etat& e);
void CalculSommesAttractions(Etat& e);
// False, after a message, when the persons cannot be counted (zero persons per job, a zero
// sum of attractions, or a count beyond 32 bits); the tables then hold 0 for what could not be
// counted.
bool CalculPersonnesAttirees(Etat& e);

void EcritureSommationsPonderees(Etat& e, const std::string& chemin);
void EcritureTroisAttractionsAbsolues(Etat& e, const std::string& chemin);
void EcritureTroisAttractionsRelatives(Etat& e, const std::string& chemin);
void EcritureSommesAttractions(Etat& e, const std::string& chemin);
void EcritureAutoAttractions(Etat& e, const std::string& chemin);
void EcriturePersonnesAttirees(Etat& e, const std::string& chemin);

// "&Démarrage" of "&Attractions": the chosen sections computed, written and shown.
void menDémarrageGravit(Etat& e);

}  // namespace vek
