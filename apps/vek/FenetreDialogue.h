#pragma once
// Renders any declared dialog as a Qt dialog: frames as group boxes in the declared order,
// option buttons grouped by frame, check boxes, text fields, lists, labels, and the buttons
// of the top level at the bottom right. The controls scroll when the dialog is taller or
// wider than the screen, so that it always fits and its buttons stay in view. Every action of
// the person goes to the declaration's handlers; the widgets then follow the declared state
// again.

#include <QDialog>
#include <functional>
#include <map>

#include "shell/Dialogue.h"

class QRect;
class QScrollArea;
class QWidget;

namespace vek {

class FenetreDialogue : public QDialog {
  public:
    FenetreDialogue(Dialogue& d, QWidget* parent = nullptr);
    // Copies the declared state into the widgets.
    void Synchronise();
    // Sizes the dialog to its controls, within `disponible` less a margin for the window
    // frame; what does not fit scrolls. The constructor does it for the dialog's screen.
    void AjusteA(const QRect& disponible);
    QScrollArea* Defilement() const { return defilement_; }
    QSize sizeHint() const override;
    // What the window frame and the screen's edges take, kept free around the dialog.
    static constexpr int kMargeLargeur = 40, kMargeHauteur = 80;
    // Called after every handler (a dialog that does not block the window keeps the main
    // window in step through it).
    std::function<void()> apresAction;

  protected:
    void reject() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void Apres();  // after a handler: close or follow the state
    Dialogue& d_;
    std::map<std::string, QWidget*> widgets_;
    QWidget* controles_;
    QScrollArea* defilement_;
    QSize taille_;  // what AjusteA chose
    bool synchro_ = false;
};

}  // namespace vek
