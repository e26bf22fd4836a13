#pragma once
// The outputs of the shortest paths: the command "Edition..." shows the dialog "Fichiers
// Chemins Minimaux" and writes every output ticked, in order, then opens what it wrote.

namespace vek {

struct EtatLocalisation;
struct Dialogue;

// Writes the outputs ticked in the dialog; only the files written by this run are opened.
void SortiesCheminsMinimaux(EtatLocalisation& e, Dialogue& d);

// "&Edition..." of the shortest paths.
void menVisuMatChMin(EtatLocalisation& e);

}  // namespace vek
