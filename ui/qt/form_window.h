// The calculation form drawn with Qt Widgets.
//
// The window owns no state of its own: it is built once from the control table
// (form/controls.h) and then mirrors the form model. User signals go into the model
// as actions; the model's writes come back through its listener and are copied
// into the widgets with their signals blocked:
//
//   EditBox edit (text box, combo field) ──► face::ApplyUserEdit ──► Form1::Edit
//   activated   (combo list, mouse or arrow keys) ──► Form1::Pick
//   clicked     (check box, command button) ──► Form1::Click
//   clicked     (option button) ──► Form1::Select
//   Form1 listener ──► ShowControl(c) under a QSignalBlocker
//
// No program write can raise a widget signal, so nothing loops, and the model's
// own chains (a write of Text2 running Text2_Change) stay inside the model.
//
// Each widget's objectName is its control's name: "Text2", "Combo3", "Label36";
// the elements of the option array are "Option1_0" to "Option1_7".
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "form/form1.h"
#include "ui/common/keyboard.h"

class QKeyEvent;
class QMessageBox;

namespace selbrin::ui {

class EditBox;
class FaultBox;

class Form1Window : public QWidget {
  Q_OBJECT

 public:
  // Builds the window for `form`, which must outlive it. The window starts
  // listening to the form at once and stops when it is destroyed.
  explicit Form1Window(Form1& form, QWidget* parent = nullptr);
  ~Form1Window() override;

  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // The widget that draws control `c`.
  QWidget* widget(Ctl c) const { return widgets_[static_cast<std::size_t>(c)]; }

  // Pixels per twip-pixel: the uniform factor that makes every caption fit.
  double scale() const { return scale_; }

  // The window that reports arithmetic faults; null until the first fault.
  QMessageBox* faultMessage() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void AddAbout();
  void ConnectControl(Ctl c);
  void ConnectCombo(Ctl c);
  void ConnectEditBox(Ctl c, EditBox* box);
  void FollowText(Ctl c);
  void Place();
  double ScreenRoom() const;
  void ChainTabOrder();
  void UpdateOptionTabStop();
  void CentreOnScreen();

  // Copies the model's state of `c` into its widget, signals blocked.
  void ShowControl(Ctl c);
  void ShowTextBox(Ctl c);
  void ShowOption(Ctl c);
  void ShowCombo(Ctl c);
  // Runs one user action on the model, then makes the touched widget agree with
  // the model again, reports a fault (or closes the report of an earlier one)
  // and closes the window when the program ended.
  void Act(Ctl touched, const std::function<std::optional<FaultKind>()>& action);
  // The keys the window gives a meaning of its own; true when `key` was used.
  bool HandleKey(QObject* watched, const QKeyEvent& key);
  void MoveInOptionGroup(Ctl from, face::Arrow arrow);
  std::optional<Ctl> ControlOf(const QObject* watched) const;
  bool ListOpen(Ctl c) const;
  bool CopyResultSelection() const;

  Form1& form_;
  std::array<QWidget*, kControlCount> widgets_{};
  double scale_ = 1.0;
  FaultBox* fault_box_ = nullptr;
};

}  // namespace selbrin::ui
