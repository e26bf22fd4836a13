#pragma once
// VEK's own viewer of result files: fixed-width font, the file's own encoding, find, and the
// result files written in this session to reopen.

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QLineEdit;

namespace vek {

class Visionneuse : public QWidget {
  public:
    explicit Visionneuse(QWidget* parent = nullptr);
    void Ouvre(const QString& chemin);

  private:
    void Affiche(const QString& chemin);
    void Cherche();
    QListWidget* fichiers_;
    QPlainTextEdit* texte_;
    QLineEdit* recherche_;
};

}  // namespace vek
