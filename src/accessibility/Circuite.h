#pragma once
// Circuity: node by node, how much the network's paths deviate from a reference (the
// straight line, the straight-line length of the arcs used, or the path of the other logic),
// as the mean over the other nodes of a squared difference of lengths or a difference of
// gravity attractions.

#include <cstdint>
#include <string>

namespace vek {

struct EtatAccessibilite;

// DistanceEuclidienne of every arc; an arc whose ends are not both found is offered for
// removal.
void CalculDistancesEuclidiennesArcs(EtatAccessibilite& e);
// MatArcsMin.Valeur: the straight-line distance of every pair, 1 on the diagonal.
void CreationMatriceDistancesEuclidiennes(EtatAccessibilite& e);
// MatArcsMin from the arcs for a circuity valuation ("Temps2Distance", "Distance2DistEuclid",
// "Temps2DistEuclid", "Distance2Temps"): primary value in Valeur, secondary in Valeur2, both
// ways; an arc whose end is not found is skipped.
void CreationMatriceArcsMinCircuite(EtatAccessibilite& e, const std::string& valuation);
void InitialisationFloydCircuite(EtatAccessibilite& e);
// Shortest paths on the primary value carrying the secondary one (on equal primary values
// the smaller secondary value wins), into CheminsMin.Valeur and Valeur2.
void FloydCircuiteOriente(EtatAccessibilite& e);
void FloydCircuiteNonOriente(EtatAccessibilite& e);
// InitialisationFloydCircuite, then the oriented or non-oriented circuity loop as the network
// is.
void CheminsCircuite(EtatAccessibilite& e);
// The loop of both: one pivot after the other, rows shared between the cores, with the
// widest vector units the processor has (or those named, where it has them).
enum class Vectorisation { Meilleure, Avx512, Avx2, Simple };
void BoucleFloydCircuite(float* valeurs, float* secondes, std::size_t n, bool symetrique,
                         void (*parPivot)(void*, std::int64_t), void* contexte,
                         Vectorisation v = Vectorisation::Meilleure);
// ValeursNoeuds from MatCircuite (the path measure) and the reference field of CheminsMin
// ("Valeur" or "Valeur2"); the pairs without a path are left out, and so are, under
// "ATTRACTIONS", those with a zero value; one message says how many.
void CalculDegreCircuite(EtatAccessibilite& e, const std::string& reference);

void menLCK_LE(EtatAccessibilite& e);
void menLCK_LECK(EtatAccessibilite& e);
void menLECK_LE(EtatAccessibilite& e);
void menLCT_LE(EtatAccessibilite& e);
void menLCT_LECT(EtatAccessibilite& e);
void menLECT_LE(EtatAccessibilite& e);
void menLCT_LCK(EtatAccessibilite& e);

}  // namespace vek
