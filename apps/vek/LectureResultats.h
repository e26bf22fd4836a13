#pragma once
// Reads the two fixed-column layouts of the result files back into rows: the per-node file
// (code, value, name) and the per-pair list (code and name of the origin and of the
// destination, value). A file of any other layout gives no rows.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace vek {

enum class DispositionResultat { Aucune, ParNoeud, ParCouple };

struct LigneResultat {
    QStringList champs;  // the texts of the columns, the value without its padding
    double valeur = 0;   // the value, for sorting
};

struct TableauResultat {
    DispositionResultat disposition = DispositionResultat::Aucune;
    QStringList entetes;
    int colonneValeur = -1;
    std::vector<LigneResultat> lignes;
};

// The rows of a file already decoded into lines (line ends removed); columns count
// characters. Blank lines are skipped; one line of neither layout gives no table.
TableauResultat LitTableauResultat(const std::vector<std::u32string>& lignes);

// The 41-character (or 42 with a sign) value field without its padding: "-280", "0.25".
// Empty when the field is not a number.
QString ValeurSansRemplissage(const QString& champ);

}  // namespace vek
