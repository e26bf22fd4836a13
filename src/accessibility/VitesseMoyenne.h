#pragma once
// Average-speed accessibility: for each node, the average speed (km/h) at which the other
// nodes are reached along the shortest paths by time or by distance, with the real lengths
// or the straight-line distances. The pairs without a path are left out, and so are, for the
// mean of the pair speeds, the pairs of zero time; one message says how many.

namespace vek {

struct EtatAccessibilite;

// "Vitesse moyenne effective": 60 x the sum of the lengths / the sum of the times.
void menMinTemps(EtatAccessibilite& e);
void menMinKm(EtatAccessibilite& e);
// "Moyenne des vitesses moyennes": the mean of 60 x length / time over the pairs.
void menMinTemps2(EtatAccessibilite& e);
void menMinKm2(EtatAccessibilite& e);
// "Vitesse moyenne euclidienne": 60 x the sum of the straight-line distances / the times.
void menMinTemps3(EtatAccessibilite& e);
// The same speeds without a file: the shortest paths by time computed on the arcs' times,
// then each node's speed into ValeursNoeuds (Valuation is left at "Temps").
void VitessesMoyennesEuclidiennes(EtatAccessibilite& e);
void menMinKm3(EtatAccessibilite& e);

}  // namespace vek
