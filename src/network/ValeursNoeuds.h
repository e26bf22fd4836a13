#pragma once
// The per-node result file: code (columns 1-10), value (18-58, 41 characters, 20 decimals,
// a negative value with its sign in place of the first zero) and the first 16 characters of
// the name (69-84).

#include <string>

namespace vek {

struct EtatReseau;

void EcritureValeursNoeuds(EtatReseau& e, const std::string& chemin);
// The file of one network value: a single line, the value in its shortest decimal form.
void EcritureValeurUnique(EtatReseau& e, const std::string& chemin, float valeur);
// The 41-character value field of the result files.
std::string ChampValeur(double valeur);

}  // namespace vek
