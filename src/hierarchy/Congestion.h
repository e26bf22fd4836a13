#pragma once
// What congestion costs: the loaded speed of each arc against its free-flow speed (per arc
// and for the whole network), the loaded speeds themselves, the time each node loses on its
// shortest paths, and the loss of straight-line average speed of each node, with their network
// totals.
//
// Only the road arcs have a free-flow speed (VitesseMax): the other arcs (rail, ferry,
// walking) keep their time in the free-flow network and are left out of the speed ratios; a
// node or a network whose ratio would divide by zero gets 0, said in one message. The loss
// commands change the arcs' times, the valuation and the hourly-flow flag for their
// computation and put them all back at the end.

namespace vek {

struct EtatHierarchie;

// Each arc's loaded speed / free-flow speed into ListeCouples, written to "\ArcVal.dat".
void CongestionLocale(EtatHierarchie& e);
// Each arc's loaded speed into ListeCouples, written to "\ArcVal.dat".
void AfficheVitessesReelles(EtatHierarchie& e);
// Σ distance × loaded speed / Σ free-flow speed × distance over the road arcs, written as one
// line to "\NoeudVal.dat".
void CongestionGlobaleReseau(EtatHierarchie& e);
// For each origin, the sum of its free-flow path times less the sum of its loaded ones, per
// km of its free-flow paths (negative when congestion lengthens them), to "\NoeudVal.dat".
// False when the computation could not be made (the network is put back all the same).
bool PerteTempsNodale(EtatHierarchie& e);
void PerteTempsGlobaleReseau(EtatHierarchie& e);
// For each node, the change of its straight-line average speed from free-flow to loaded
// speeds, in percent of the free-flow one, to "\NoeudVal.dat".
bool PerteVitesseMoyEucl(EtatHierarchie& e);
void PerteVitesseGlobaleReseau(EtatHierarchie& e);

void menCongLoc(EtatHierarchie& e);
void menAfficheVitRéelle(EtatHierarchie& e);
void mencongglob(EtatHierarchie& e);
void menPerteTpsNod(EtatHierarchie& e);
void menPerteTpsGlob(EtatHierarchie& e);
void menPerteVitMoyEucl(EtatHierarchie& e);
void menPerteVitMoyGlobale(EtatHierarchie& e);

}  // namespace vek
