#pragma once
// The commands that load a network or change its modes, each followed by the minimal-arc
// matrix of the current valuation.

namespace vek {

struct Etat;

// "&Ouvrir... ": choose both files and load them, then build the minimal-arc matrix.
void menOuvrir(Etat& e);
// "&Espace... ": shows VekOp; "Lecture" loads the chosen data set and builds its
// minimal-arc matrix, "Annuler" leaves the file names as they were.
void menNoeudsEtArcs(Etat& e);
// "&Paramètres du graphe...": shows Reseaux; "Lecture" reads the network again with the
// edited modes; the minimal-arc matrix is always built again.
void menReseaux(Etat& e);

}  // namespace vek
