#pragma once
// The two progress windows: "Traitement en cours" (message and bar) and "Calcul en cours"
// (message, bar, percentage, elapsed time and estimated total duration). Both offer
// "Annuler": the command running stops at its next step and the program is put back as it was
// before it.

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vek {

class FenetreProgression : public QWidget {
  public:
    FenetreProgression(bool chronometre, QWidget* parent);
    void Montre(const QString& message);
    // A new message, the window staying as it is.
    void Message(const QString& message);
    void Pourcentage(double p);
    void Temps(double ecoule, double estime);
    // Called on the interface thread when "Annuler" is clicked; the button then stays
    // disabled until the window is shown again.
    std::function<void()> annulation;
    QPushButton* BoutonAnnuler() const { return annuler_; }

  private:
    QLabel* message_;
    QProgressBar* barre_;
    QLabel* pourcentage_ = nullptr;
    QLabel* ecoule_ = nullptr;
    QLabel* estime_ = nullptr;
    QPushButton* annuler_;
};

}  // namespace vek
