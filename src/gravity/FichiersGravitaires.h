#pragma once
// The views of the attraction matrix for one to three chosen nodes (dialog FichGrav,
// "Fichiers Gravitaires"), written as node-value or pair files and handed to the text
// viewer, the spreadsheet (a real workbook) or the map.

#include "shell/Dialogue.h"

namespace vek {

struct EtatGravite;

Dialogue DialogueFichGrav(EtatGravite& e);

// "&Edition..." of "&Attractions".
void menEditionFichGravit(EtatGravite& e);

// The workbook of the chart button: the last view's values with a column chart, saved as
// "C:\program\vek\XLCHART.xlsx" (the folder is made when it is missing).
void GraphiqueFichGrav(EtatGravite& e);

}  // namespace vek
