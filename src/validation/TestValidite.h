#pragma once
// The validity test of the working network: duplicate nodes, isolated nodes, loops,
// disconnected arcs and duplicate arcs, each removed after asking (unless told not to), then
// a summary of what went.

namespace vek {

struct Etat;

void EliminationNoeudsDoubles(Etat& e);
void EliminationNoeudsIsoles(Etat& e);
void EliminationBoucles(Etat& e);
void EliminationArcsDeconnectes(Etat& e);
// Duplicate arcs: the candidates of each arc are found by their end codes and mode, and the
// questions come in the order of a scan of every pair.
void EliminationArcsDoubles(Etat& e);

// "&Tester la validité des fichiers": the five passes and the summary.
void menTestValiditéFichiers(Etat& e);

}  // namespace vek
