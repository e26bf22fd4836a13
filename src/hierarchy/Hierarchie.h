#pragma once
// The hierarchy of arcs and of nodes by suppression: how much the sum of all shortest paths
// changes when each arc (each node) is taken away. The sums come from one set of shortest
// paths updated only where a removal changes them, so the working network is never changed.

#include "shell/Dialogue.h"

namespace vek {

struct EtatHierarchie;

// "Critères d'optimisation pour la hiérarchisation": one criterion, the sum of the shortest
// paths; `valide` is set by CritOptOk only.
Dialogue DialogueCritOptArcs(bool& valide);

// Each arc's S − S0 into ListeCouples (S = 0 when a pair loses its path, hence −S0), written to
// "\ArcVal.dat". Refused under the timetable valuations and when S0 is 0 (the network already
// has a pair without a path).
bool HierarchieArcs(EtatHierarchie& e);
// The sum of the shortest paths of the network without each node into ValeursNoeuds, written
// to "\NoeudVal.dat".
bool HierarchieNoeuds(EtatHierarchie& e);

void menDestructionRes(EtatHierarchie& e);
void menHiérarchNoeuds(EtatHierarchie& e);

}  // namespace vek
