#pragma once
// The spreadsheet and map hand-offs of the result files.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vek {

inline constexpr std::int64_t kLignesFeuille = 1048576;  // rows of a worksheet

struct EtatIhm;

// The workbook written beside a text result file: the same path with the extension .xlsx.
std::string CheminClasseur(const std::string& cheminTexte);

// A workbook of rows (name, value): sheet "Feuil1", names in column A, values in column B
// from row 1, the block selected; with `graphique`, a column chart of the values beside them.
// Throws ErreurFichier when the workbook cannot be written.
void EcritureClasseur(const EtatIhm& e, const std::string& cheminClasseur,
                      const std::vector<std::pair<std::string, double>>& lignes,
                      const std::string& graphique = {});

// The spreadsheet program: the setting Tableur, else the first one installed, else the
// desktop's opener.
std::string ProgrammeTableur(const EtatIhm& e);
// Opens a file in the spreadsheet program, without waiting.
void LanceTableur(EtatIhm& e, const std::string& fichier);

// The map view is not part of this version: says where the file written for it is.
void MontreSurCarte(EtatIhm& e, const std::string& fichier);

}  // namespace vek
