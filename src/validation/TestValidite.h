#pragma once
// The validity test of the working network: duplicate nodes, isolated nodes, loops,
// disconnected arcs and duplicate arcs, each removed after asking (unless told not to), then
// a summary of what went.

namespace vek {

struct EtatValidation;

void EliminationNoeudsDoubles(EtatValidation& e);
void EliminationNoeudsIsoles(EtatValidation& e);
void EliminationBoucles(EtatValidation& e);
void EliminationArcsDeconnectes(EtatValidation& e);
// Duplicate arcs: the candidates of each arc are found by their end codes and mode, and the
// questions come in the order of a scan of every pair.
void EliminationArcsDoubles(EtatValidation& e);

// "&Tester la validité des fichiers": the five passes and the summary.
void menTestValiditéFichiers(EtatValidation& e);

}  // namespace vek
