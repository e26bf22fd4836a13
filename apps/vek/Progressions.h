#pragma once
// The two progress windows: "Traitement en cours" (message and bar) and "Calcul en cours"
// (message, bar, percentage, elapsed time and estimated total duration).

#include <QWidget>

class QLabel;
class QProgressBar;

namespace vek {

class FenetreProgression : public QWidget {
  public:
    FenetreProgression(bool chronometre, QWidget* parent);
    void Montre(const QString& message);
    // A new message, the window staying as it is.
    void Message(const QString& message);
    void Pourcentage(double p);
    void Temps(double ecoule, double estime);

  private:
    QLabel* message_;
    QProgressBar* barre_;
    QLabel* pourcentage_ = nullptr;
    QLabel* ecoule_ = nullptr;
    QLabel* estime_ = nullptr;
};

}  // namespace vek
