#pragma once
// The spreadsheet hand-offs of the result tables: the names of their nodes beside their
// values.

#include <string>

namespace vek {

struct EtatReseau;

// Writes ListeCouples into a workbook: sheet "Feuil1", the first 16 characters of the name of
// each entry's first node in column A and its value in column B from row 1, the block
// A1:B<NbCouples> selected. Throws ErreurFichier when the workbook cannot be written.
void EcritureClasseurListeCouples(const EtatReseau& e, const std::string& cheminClasseur);

// The spreadsheet hand-off of a pair list already written as text: the workbook beside it,
// then opened in the spreadsheet program. Returns the workbook's path.
std::string EnvoiTableur(EtatReseau& e, const std::string& cheminTexte);
// The same for a node-value file: the names and values of the nodes.
std::string EnvoiTableurValeursNoeuds(EtatReseau& e, const std::string& cheminTexte);

}  // namespace vek
