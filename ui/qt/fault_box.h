// The message that reports an arithmetic fault, drawn as a Qt message box that
// follows the shared rules (ui/common/fault_message.h): Turkish texts, never
// the keyboard focus, one box for every fault, closed by Esc or by the next
// action that ends without a fault. It stands beside the form, so it hides
// neither the field being typed in nor the results.
#pragma once

#include <QObject>
#include <optional>

#include "form/controls.h"
#include "runtime/fault.h"
#include "ui/common/fault_message.h"

class QMessageBox;
class QWidget;

namespace selbrin::ui {

class FaultBox : public QObject {
  Q_OBJECT

 public:
  explicit FaultBox(QWidget* form);

  // A user action on `acted_on` has ended, with `fault` or without.
  void ActionEnded(Ctl acted_on, std::optional<FaultKind> fault);
  // Esc in the form; true when it closed the message.
  bool Escape();

  // The message box; null until the first fault.
  QMessageBox* box() const { return box_; }

 private:
  void Create();
  void KeepTitleWhole();
  void Show();
  void PlaceBesideForm();

  QWidget* form_;
  QMessageBox* box_ = nullptr;
  face::FaultMessage state_;
};

}  // namespace selbrin::ui
