#pragma once
// The table view of a result file: its rows under their headers, sorted numerically by the
// clicked column, the selected rows copied to the clipboard (tab-separated, with the header)
// and the whole table exported as CSV.

#include <QWidget>
#include <functional>

#include "LectureResultats.h"

class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace vek {

class TableResultats : public QWidget {
  public:
    explicit TableResultats(QWidget* parent = nullptr);
    void Montre(const TableauResultat& t, const QString& fichier);
    QTableView* Vue() const { return vue_; }
    // The selected rows in the order shown, tab-separated, after the header line.
    QString TexteSelection() const;
    void CopieSelection() const;
    // The whole table in the order shown: comma-separated, header first, values in full.
    QString TexteCsv() const;
    bool ExporteCsv(const QString& chemin) const;

  private:
    void Exporte();
    QString Ligne(int ligneVue, QChar separateur, bool csv) const;
    QStandardItemModel* modele_;
    QSortFilterProxyModel* tri_;
    QTableView* vue_;
    QString fichier_;
};

// A field as CSV writes it: quoted when it holds a comma, a quote or a line end.
QString ChampCsv(const QString& champ);

}  // namespace vek
