#pragma once
// The catalogue of reference data sets ("Espaces de référence", dialog VekOp) and the
// partial-networks dialog ("Réseaux empruntés", dialog Reseaux), with the commands that show
// them.

#include "shell/Dialogue.h"

namespace vek {

struct Etat;

Dialogue DialogueVekOp(Etat& e);
Dialogue DialogueReseaux(Etat& e);

// "&Espace... ": shows VekOp; "Lecture" loads the chosen data set and builds its
// minimal-arc matrix, "Annuler" leaves the file names as they were.
void menNoeudsEtArcs(Etat& e);
// "&Paramètres du graphe...": shows Reseaux; "Lecture" reads the network again with the
// edited modes; the minimal-arc matrix is always built again.
void menReseaux(Etat& e);

// What every load enables: the commands that need a network.
void ActiveCommandesReseau(Etat& e);

}  // namespace vek
