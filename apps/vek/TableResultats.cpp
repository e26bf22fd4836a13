#include "TableResultats.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ReglagesBureau.h"

namespace vek {

namespace {
// The value each cell sorts by: the number for the codes and values, else the text.
constexpr int kRoleTri = Qt::UserRole + 1;
}  // namespace

QString ChampCsv(const QString& champ) {
    if (!champ.contains(',') && !champ.contains('"') && !champ.contains('\n') &&
        !champ.contains('\r'))
        return champ;
    QString r = champ;
    r.replace("\"", "\"\"");
    return '"' + r + '"';
}

TableResultats::TableResultats(QWidget* parent) : QWidget(parent) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    modele_ = new QStandardItemModel(this);
    tri_ = new QSortFilterProxyModel(this);
    tri_->setSourceModel(modele_);
    tri_->setSortRole(kRoleTri);
    vue_ = new QTableView;
    vue_->setObjectName("TableauResultats");
    vue_->setModel(tri_);
    vue_->setSortingEnabled(true);
    vue_->sortByColumn(-1, Qt::AscendingOrder);  // the file's order until a header is clicked
    vue_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vue_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vue_->verticalHeader()->setDefaultSectionSize(vue_->fontMetrics().height() + 6);
    connect(vue_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (selectionChangee) selectionChangee();
    });
    auto* copier = new QAction("Copier", vue_);
    copier->setShortcut(QKeySequence::Copy);
    copier->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copier, &QAction::triggered, this, [this] { CopieSelection(); });
    vue_->addAction(copier);
    l->addWidget(vue_, 1);
    auto* barre = new QHBoxLayout;
    barre->addStretch();
    auto* boutonCopier = new QPushButton("Copier les lignes choisies");
    boutonCopier->setObjectName("CopierLignes");
    connect(boutonCopier, &QPushButton::clicked, this, [this] { CopieSelection(); });
    auto* exporter = new QPushButton("Exporter en CSV...");
    exporter->setObjectName("ExporterCsv");
    connect(exporter, &QPushButton::clicked, this, [this] { Exporte(); });
    exporterSig_ = new QPushButton("Exporter pour un SIG...");
    exporterSig_->setObjectName("ExporterSig");
    exporterSig_->setVisible(false);
    connect(exporterSig_, &QPushButton::clicked, this, [this] { ChoisitExportSig(); });
    barre->addWidget(boutonCopier);
    barre->addWidget(exporter);
    barre->addWidget(exporterSig_);
    l->addLayout(barre);
}

void TableResultats::Montre(const TableauResultat& t, const QString& fichier) {
    fichier_ = fichier;
    exporterSig_->setVisible(static_cast<bool>(exporteSig));
    disposition_ = t.disposition;
    vue_->setSortingEnabled(false);
    modele_->clear();
    modele_->setHorizontalHeaderLabels(t.entetes);
    modele_->setRowCount(static_cast<int>(t.lignes.size()));
    int ligne = 0;
    for (const LigneResultat& r : t.lignes) {
        for (int k = 0; k < r.champs.size(); ++k) {
            auto* cellule = new QStandardItem(r.champs[k]);
            bool numerique = false;
            const qlonglong code = r.champs[k].toLongLong(&numerique);
            if (k == t.colonneValeur) {
                cellule->setData(r.valeur, kRoleTri);
                cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else if (numerique) {
                cellule->setData(code, kRoleTri);
            } else {
                cellule->setData(r.champs[k].toLower(), kRoleTri);
            }
            modele_->setItem(ligne, k, cellule);
        }
        ++ligne;
    }
    tri_->sort(-1);
    vue_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    vue_->setSortingEnabled(true);
    vue_->resizeColumnsToContents();
    vue_->selectionModel()->clear();
    if (selectionChangee) selectionChangee();
}

std::vector<int> TableResultats::LignesChoisies() const {
    std::vector<int> lignes;
    for (const QModelIndex& i : vue_->selectionModel()->selectedRows()) lignes.push_back(i.row());
    std::sort(lignes.begin(), lignes.end());
    return lignes;
}

// The code columns: the node's first, then the origin's first and the destination's third.
std::int64_t TableResultats::Code(int ligneVue, int colonne) const {
    return tri_->index(ligneVue, colonne).data().toString().trimmed().toLongLong();
}

bool TableResultats::ChoisitNoeud(std::int64_t code) {
    if (disposition_ != DispositionResultat::ParNoeud) return false;
    for (int l = 0; l < tri_->rowCount(); ++l) {
        if (Code(l, 0) != code) continue;
        const QModelIndex i = tri_->index(l, 0);
        vue_->selectionModel()->setCurrentIndex(
            i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        vue_->scrollTo(i);
        return true;
    }
    return false;
}

std::vector<std::int64_t> TableResultats::NoeudsChoisis() const {
    std::vector<std::int64_t> r;
    if (disposition_ == DispositionResultat::ParNoeud)
        for (int l : LignesChoisies()) r.push_back(Code(l, 0));
    return r;
}

std::vector<std::pair<std::int64_t, std::int64_t>> TableResultats::CouplesChoisis() const {
    std::vector<std::pair<std::int64_t, std::int64_t>> r;
    if (disposition_ == DispositionResultat::ParCouple)
        for (int l : LignesChoisies()) r.emplace_back(Code(l, 0), Code(l, 2));
    return r;
}

QString TableResultats::Ligne(int ligneVue, QChar separateur, bool csv) const {
    QStringList champs;
    for (int k = 0; k < tri_->columnCount(); ++k) {
        const QString texte = ligneVue < 0 ? modele_->horizontalHeaderItem(k)->text()
                                           : tri_->index(ligneVue, k).data().toString();
        champs << (csv ? ChampCsv(texte) : texte);
    }
    return champs.join(separateur);
}

QString TableResultats::TexteSelection() const {
    const std::vector<int> lignes = LignesChoisies();
    if (lignes.empty()) return {};
    QString r = Ligne(-1, '\t', false) + '\n';
    for (int l : lignes) r += Ligne(l, '\t', false) + '\n';
    return r;
}

void TableResultats::CopieSelection() const {
    const QString texte = TexteSelection();
    if (!texte.isEmpty()) QApplication::clipboard()->setText(texte);
}

QString TableResultats::TexteCsv() const {
    QString r = Ligne(-1, ',', true) + "\r\n";
    for (int l = 0; l < tri_->rowCount(); ++l) r += Ligne(l, ',', true) + "\r\n";
    return r;
}

bool TableResultats::ExporteCsv(const QString& chemin) const {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray octets = TexteCsv().toUtf8();
    return f.write(octets) == octets.size() && f.flush();
}

void TableResultats::Exporte() {
    const QString titre = "Exporter le tableau en CSV";
    ReglagesBureau* reglages = ReglagesBureau::Actifs();
    QString dossier = reglages ? reglages->DernierDossier(titre) : QString();
    if (dossier.isEmpty()) dossier = QFileInfo(fichier_).absolutePath();
    const QString propose = dossier + '/' + QFileInfo(fichier_).completeBaseName() + ".csv";
    const QString chemin = QFileDialog::getSaveFileName(
        this, titre, propose, "Fichiers CSV (*.csv);;Tous les fichiers (*)", nullptr,
        QFileDialog::DontUseNativeDialog);
    if (chemin.isEmpty()) return;
    if (reglages) reglages->RetientDossier(titre, QFileInfo(chemin).absolutePath());
    if (!ExporteCsv(chemin))
        QMessageBox::warning(this, "VEK", "Impossible d'écrire le fichier : " + chemin);
}

QString TableResultats::ExporteSig(const QString& chemin) const {
    if (!exporteSig) return "L'export pour un SIG n'est pas disponible ici.";
    return exporteSig(fichier_, chemin);
}

void TableResultats::ChoisitExportSig() {
    const QString titre = "Exporter le résultat pour un SIG";
    ReglagesBureau* reglages = ReglagesBureau::Actifs();
    QString dossier = reglages ? reglages->DernierDossier(titre) : QString();
    if (dossier.isEmpty()) dossier = QFileInfo(fichier_).absolutePath();
    const QString propose = dossier + '/' + QFileInfo(fichier_).completeBaseName() + ".gpkg";
    const QString chemin = QFileDialog::getSaveFileName(
        this, titre, propose,
        "GeoPackage (*.gpkg);;GeoJSON (*.geojson);;CSV avec la géométrie (*.csv)", nullptr,
        QFileDialog::DontUseNativeDialog);
    if (chemin.isEmpty()) return;
    if (reglages) reglages->RetientDossier(titre, QFileInfo(chemin).absolutePath());
    const QString erreur = ExporteSig(chemin);
    if (!erreur.isEmpty()) QMessageBox::warning(this, "VEK", erreur);
}

}  // namespace vek
