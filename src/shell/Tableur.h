#pragma once
// The spreadsheet and map hand-offs of the result files.

#include <string>
#include <utility>
#include <vector>

namespace vek {

struct Etat;

// The workbook written beside a text result file: the same path with the extension .xlsx.
std::string CheminClasseur(const std::string& cheminTexte);

// Writes ListeCouples into a workbook: sheet "Feuil1", the first 16 characters of the name of
// each entry's first node in column A and its value in column B from row 1, the block
// A1:B<NbCouples> selected. Throws ErreurFichier when the workbook cannot be written.
void EcritureClasseurListeCouples(const Etat& e, const std::string& cheminClasseur);

// A workbook of rows (name, value): sheet "Feuil1", names in column A, values in column B
// from row 1, the block selected; with `graphique`, a column chart of the values beside them.
// Throws ErreurFichier when the workbook cannot be written.
void EcritureClasseur(const Etat& e, const std::string& cheminClasseur,
                      const std::vector<std::pair<std::string, double>>& lignes,
                      const std::string& graphique = {});

// The spreadsheet hand-off of a pair list already written as text: the workbook beside it,
// then opened in the spreadsheet program. Returns the workbook's path.
std::string EnvoiTableur(Etat& e, const std::string& cheminTexte);
// The same for a node-value file: the names and values of the nodes.
std::string EnvoiTableurValeursNoeuds(Etat& e, const std::string& cheminTexte);

// The spreadsheet program: the setting Tableur, else the first one installed, else the
// desktop's opener.
std::string ProgrammeTableur(const Etat& e);
// Opens a file in the spreadsheet program, without waiting.
void LanceTableur(Etat& e, const std::string& fichier);

// The map view is not part of this version: says where the file written for it is.
void MontreSurCarte(Etat& e, const std::string& fichier);

}  // namespace vek
