#pragma once
// The edition of the assignment: its flows as a pair list and as per-node values.

namespace vek {

struct EtatFlux;

// Rebuilds ListeCouples from the assignment's pair matrix FluxAffectes (every non-zero cell
// off the diagonal, row by row), then releases the matrix.
void ListeCouplesDepuisMatrice(EtatFlux& e);

// "&Edition" of the assignment: the pair list of the flows, and the per-node values (the flow
// of the steps ending at each node) written to "AFlux000.dat" in the working directory and
// opened.
void menEdition(EtatFlux& e);

}  // namespace vek
