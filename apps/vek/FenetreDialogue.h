#pragma once
// Renders any declared dialog as a Qt dialog: frames as group boxes in the declared order,
// option buttons grouped by frame, check boxes, text fields, lists, labels, and the buttons
// of the top level at the bottom right. Every action of the person goes to the declaration's
// handlers; the widgets then follow the declared state again.

#include <QDialog>
#include <functional>
#include <map>

#include "shell/Dialogue.h"

class QWidget;

namespace vek {

class FenetreDialogue : public QDialog {
  public:
    FenetreDialogue(Dialogue& d, QWidget* parent = nullptr);
    // Copies the declared state into the widgets.
    void Synchronise();
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
    bool synchro_ = false;
};

}  // namespace vek
