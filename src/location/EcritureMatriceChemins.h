#pragma once
// The matrix files of the shortest-path outputs: the path matrix "\MatChem0.dat" and the
// files of the location searches, one line per pair or per triple of nodes (node positions,
// value, names).

#include <cstdint>
#include <string>
#include <vector>

#include "paths/Matrice.h"
#include "shell/Champs.h"
#include "shell/FichierTexte.h"

namespace vek {

struct EtatLocalisation;

enum class DispositionMatrice {
    Chemins,        // every ordered pair (i, j), the diagonal included: CheminsMin(i, j)
    Localisation2,  // the pairs j >= i: MatLocalisation2(i, j)
    Localisation3   // the triples i <= j <= k: MatLocalisation3(i, j, k)
};

// Writes the file `chemin` in the chosen layout. The path matrix takes its values from
// `valeurs` when given (same shape as CheminsMin) instead of CheminsMin.
void EcritureMatriceChemins(EtatLocalisation& e, const std::string& chemin,
                            DispositionMatrice disposition,
                            const Matrice<float>* valeurs = nullptr);

// The lines of a location file written as their values come, for the searches whose values
// never sit in memory all at once. The file replaces the previous one at Ferme, which then
// reports the values that could not be written.
class EcrivainCombinaisons {
  public:
    EcrivainCombinaisons(EtatLocalisation& e, const std::string& chemin);
    void Paire(std::int32_t i, std::int32_t j, float valeur);
    void Triple(std::int32_t i, std::int32_t j, std::int32_t k, float valeur);
    void Ferme();

  private:
    const std::string& Position(std::int32_t i);
    EtatLocalisation& e_;
    std::string chemin_;
    EcrivainTexte f_;
    ControleChamps c_;
    std::int64_t ligne_ = 0;
    std::vector<std::string> noms_;  // the 50-character name of each node, a blank before
    std::vector<std::string> positions_;
    std::string tampon_;
};

// Bytes of one line of a location file (line end included) for `equipements` nodes whose
// names take `octetsNoms` bytes together.
std::int64_t OctetsLigneCombinaison(int equipements, std::int64_t octetsNoms);

}  // namespace vek
