#pragma once
// The multipolar node indicators drawn from the shortest paths (the frame "Multipolaire" of
// the dialog "Fichiers Chemins Minimaux"): sums of minimal values, centralities, equities,
// the straight-line sums and the number of paths through each node.
//
// Every routine re-creates ValeursNoeuds (0..NbNoeuds, zero) first, then fills it. None of
// them changes CheminsMin, MatPredecesseurs or MatArcsMin: the straight-line distances are
// computed on the fly, as the Euclidean matrix would hold them (Single, 1 on the diagonal),
// and the diagonal of CheminsMin is read as 1 where a weighting needs it without being
// written. Sums accumulate in Double, in the order of the node indices. A node whose value
// would divide by zero gets 0, and one information message per run says how many.
//
// The routines that read CheminsMin return false, after a message, when it is not sized for
// the network (no shortest paths computed); which paths it holds is the caller's concern.
// CalculNbConnexions also wants the traces of the current paths.
//
// `pondere` is the option "Pondéré" of the dialog. CalculSVMA reads the answer to the
// population-weighting question from e.PonderationPopulation.

#include <string>
#include <vector>

namespace vek {

struct EtatLocalisation;

// "SVM-Attraction". With PonderationPopulation: sum over j of d(j, i) x P(j), d(i, i) counted
// as 1. Otherwise the sum over j of d(j, i), divided by P(i) when `pondere` (d(i, i) counted
// as 1; 0 for a node without population).
bool CalculSVMA(EtatLocalisation& e, bool pondere);
// "SVM-Emission": the sum over j of d(i, j); when `pondere`, for the nodes above 50000
// inhabitants only, the sum over those nodes divided by their number less one (0 for the
// others, and for all when only one node is above 50000).
bool CalculSVME(EtatLocalisation& e, bool pondere);
// "SVEuclid": the same sums on the straight-line distances (1 on the diagonal; 0 on it under
// `pondere`).
bool CalculSVE(EtatLocalisation& e, bool pondere);
// "Nb Connexions": the number of shortest paths between nodes of different codes that start,
// end or pass through each node, walked back through the traces (at most NbNoeuds steps;
// pairs without a path are left out). False, after a message, when the traces are not those
// of the current paths.
bool CalculNbConnexions(EtatLocalisation& e);
// "Centralité-Attraction": 100 x (T / N) / A(i), T the sum of all shortest paths and A(i) the
// sum of those ending at i.
bool CalculCentraliteAttraction(EtatLocalisation& e);
// "Centralité-Emission": among the nodes above 2000 inhabitants only, (T / n) / E(i), T the
// sum of their paths between them, n their number and E(i) the sum of the paths from i to
// them. Other nodes keep 0.
bool CalculCentraliteEmission(EtatLocalisation& e);
// "Centralité euclidienne": the largest straight-line distance from each node.
bool CalculCentraliteEuclidienne(EtatLocalisation& e);
// "Equité-Attraction (MaxiMin)" and "Equité-Emission (MaxiMin)": the largest shortest path
// ending at, or starting from, each node.
bool CalculEquiteAttraction(EtatLocalisation& e);
bool CalculEquiteEmission(EtatLocalisation& e);

// The multipolar indicators in the order the dialog checks its options: the option's control,
// the result file (after RepResultats) and the routine.
struct IndicateurMultipolaire {
    std::string Controle;  // "SVMA", "SVME", "SVE", "NbConnex", "Centralité_A", ...
    std::string Fichier;   // "\NSVMA000.dat", ...
    bool (*Calcul)(EtatLocalisation& e, bool pondere);
};
const std::vector<IndicateurMultipolaire>& IndicateursMultipolaires();

}  // namespace vek
