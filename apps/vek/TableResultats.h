#pragma once
// The table view of a result file: its rows under their headers, sorted numerically by the
// clicked column, the selected rows copied to the clipboard (tab-separated, with the header)
// and the whole table exported as CSV. The rows chosen are told, as the codes of their nodes
// or of their pairs, for the map to show them.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "LectureResultats.h"

class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QPushButton;

namespace vek {

class TableResultats : public QWidget {
  public:
    explicit TableResultats(QWidget* parent = nullptr);
    // A table of no layout shows nothing.
    void Montre(const TableauResultat& t, const QString& fichier);
    QTableView* Vue() const { return vue_; }
    DispositionResultat Disposition() const { return disposition_; }
    // Chooses the row of the node of this code alone and scrolls to it (a per-node table):
    // false when no row has it.
    bool ChoisitNoeud(std::int64_t code);
    // The codes of the rows chosen, in the order shown: the nodes of a per-node table, the
    // pairs (origin, destination) of a per-pair one.
    std::vector<std::int64_t> NoeudsChoisis() const;
    std::vector<std::pair<std::int64_t, std::int64_t>> CouplesChoisis() const;
    // Called when the rows chosen change, a new table clearing them.
    std::function<void()> selectionChangee;
    // The selected rows in the order shown, tab-separated, after the header line.
    QString TexteSelection() const;
    void CopieSelection() const;
    // The whole table in the order shown: comma-separated, header first, values in full.
    QString TexteCsv() const;
    bool ExporteCsv(const QString& chemin) const;
    // Writes the table's result for a GIS (GeoPackage, GeoJSON, CSV with the geometry) into
    // `chemin`, given the file the table shows: the text of the failure, empty when done.
    // Set by the main window; without it the button is hidden.
    std::function<QString(const QString& fichierTable, const QString& chemin)> exporteSig;
    // The button's work once the file is chosen.
    QString ExporteSig(const QString& chemin) const;

  private:
    void Exporte();
    void ChoisitExportSig();
    QString Ligne(int ligneVue, QChar separateur, bool csv) const;
    std::vector<int> LignesChoisies() const;
    std::int64_t Code(int ligneVue, int colonne) const;
    QStandardItemModel* modele_;
    QSortFilterProxyModel* tri_;
    QTableView* vue_;
    QString fichier_;
    QPushButton* exporterSig_;
    DispositionResultat disposition_ = DispositionResultat::Aucune;
};

// A field as CSV writes it: quoted when it holds a comma, a quote or a line end.
QString ChampCsv(const QString& champ);

}  // namespace vek
