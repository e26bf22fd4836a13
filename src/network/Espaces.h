#pragma once
// The catalogue of reference data sets ("Espaces de référence", dialog VekOp) and the
// partial-networks dialog ("Réseaux empruntés", dialog Reseaux), with the commands that show
// them.

#include <functional>

#include "shell/Dialogue.h"

namespace vek {

struct EtatReseau;

Dialogue DialogueVekOp(EtatReseau& e);
Dialogue DialogueReseaux(EtatReseau& e);

// The loading of "&Espace... ": shows VekOp; "Lecture" loads the chosen data set, then
// `construitMatrice` (the command's minimal-arc matrix) before the commands that need a
// network are enabled, and returns true; "Annuler" leaves the file names as they were.
bool ChargementEspace(EtatReseau& e, const std::function<void()>& construitMatrice);
// The dialog of "&Paramètres du graphe...": shows Reseaux; "Lecture" reads the network again
// with the edited modes (the command then always builds the minimal-arc matrix again).
void ChoixParametresReseau(EtatReseau& e);

// What every load enables: the commands that need a network.
void ActiveCommandesReseau(EtatReseau& e);

}  // namespace vek
