#pragma once
// VEK's own viewer of result files: fixed-width font, the file's own encoding, find, and the
// result files written in this session to reopen. A file of one of the two result layouts
// (per node, per pair) is also shown as a table beside its text.

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QLineEdit;
class QTabWidget;

namespace vek {

class TableResultats;

class Visionneuse : public QWidget {
  public:
    explicit Visionneuse(QWidget* parent = nullptr);
    void Ouvre(const QString& chemin);
    QPlainTextEdit* Texte() const { return texte_; }
    TableResultats* Table() const { return table_; }
    // The "Tableau" tab is shown (the file is of a result layout).
    bool TableauVisible() const;
    // Brings the "Tableau" tab forward, when it is shown.
    void MontreTableau();

  private:
    void Affiche(const QString& chemin);
    void Cherche();
    QListWidget* fichiers_;
    QPlainTextEdit* texte_;
    QTabWidget* onglets_;
    TableResultats* table_;
    QLineEdit* recherche_;
};

}  // namespace vek
