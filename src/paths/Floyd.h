#pragma once
// All-pairs shortest paths by the Floyd algorithm on the dense matrix seeded from the
// minimal-arc matrix: a directed variant, used as soon as the network holds one-way modes,
// and a symmetric one; the driver that runs the right computation for the valuation; the sum
// of all shortest paths.

#include <cstdint>

namespace vek {

struct EtatChemins;

inline constexpr float kInfini = 32000;

// One cell of the shortest-path results.
struct CelluleChemin {
    float Valeur = 0;       // shortest-path value; 32000 = unreachable
    float Valeur2 = 0;      // second value of the circuity variant
    std::int16_t Mode = 0;  // mode of the direct arc of the pair, 0 if none
};

// One cell of the path traces: the node before j on a shortest path from i.
struct CellulePredecesseur {
    std::int32_t Pred = 0;
    std::int16_t Mode = 0;
    float Valeur = 0;
};

void InitialisationFloyd(EtatChemins& e);
void FloydOriente(EtatChemins& e);
void FloydNonOriente(EtatChemins& e);
// InitialisationFloyd, then the oriented or non-oriented loop as the network is.
void PlusCourtsChemins(EtatChemins& e);
// True when paths were computed (false for a valuation this driver cannot compute).
bool CalculCheminsMinimaux(EtatChemins& e);
void SommeCheminsMinimaux(EtatChemins& e);
// CheminsMin holds the paths of the current network and valuation.
bool CheminsMinCourants(const EtatChemins& e);
// The same, saying what to do when they are not.
bool VerifieCheminsMinCourants(EtatChemins& e);

// "&1 fois" and "&Somme des plus courts chemins".
void menUneFois(EtatChemins& e);
void menSomChem(EtatChemins& e);

// The pivot loop on a matrix of n + 1 rows, exactly as the directed variant defines it, with
// the rows of a pivot shared between the cores and the inner loop vectorised. `parPivot` is
// called with each pivot before it is applied.
void BoucleFloyd(float* m, std::size_t n, bool symetrique, void (*parPivot)(void*, std::int64_t),
                 void* contexte);
// A zero diagonal and no negative value: a pivot never changes its own row or column, so the
// rows of a pivot can be relaxed in parallel.
bool DiagonaleNulleSansNegatif(const float* m, std::size_t n);

}  // namespace vek
