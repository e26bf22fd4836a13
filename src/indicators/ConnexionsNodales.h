#pragma once
// Nodal connection times: the time a change of mode costs at a node, added either to the arcs
// themselves (the mean over the arcs that lead into each arc) or to the minimal arcs along
// the shortest paths (the mean over the paths that change mode at the end of each).

namespace vek {

struct EtatIndicateurs;

// Minutes of a change between two modes: 20 when both are among the rail and road modes 3,
// 31, 4, 41, 6, 61, 622, 7, 71, 72, 74 and 75 (the same mode twice included), 0 otherwise.
int TempsConnexion(int a, int b);

// SommesTempsConnexion and NbConnexionsArc: for arc m from o to d, the arcs that enter o
// other than from d, and the arcs that leave o towards another node than d (an arc meeting
// both counts twice). Each arc's time becomes its time without connection plus the mean of
// those connection times, then MatArcsMin is rebuilt. Running it again gives the same times.
void ConnexionsNodales(EtatIndicateurs& e);

// ConnexionsArcsMin from the current traces, without checking them: on the shortest path
// from i to j, the change at each intermediate node k, from the arc entering k to the arc
// leaving it, is charged to the entering minimal arc (Pred(i, k), k). Pairs whose traces do
// not lead back to i are left out.
void CollecteConnexionsParArc(EtatIndicateurs& e);
// Needs the traces of the current paths (otherwise says so and changes nothing). Each
// minimal arc with connections grows by their mean, truncated to whole minutes; the values a
// previous run added to the same matrix are taken off first. The matrix is then no longer
// symmetric: the network is treated as oriented and the paths computed before are stale. False when
// the traces were refused.
bool ConnexionsParArc(EtatIndicateurs& e);

// "Ajouter un temps moyen de connexion nodale".
void menConnexionsNodales(EtatIndicateurs& e);
// "&Connexions".
void menConnexions(EtatIndicateurs& e);

}  // namespace vek
