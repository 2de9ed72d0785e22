// What the window does after start: it copies the model into the widgets, runs
// the user's actions on the model and gives some keys a meaning of its own.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>

#include "ui/common/keyboard.h"
#include "ui/qt/display_field.h"
#include "ui/qt/fault_box.h"
#include "ui/qt/form_window.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {

void Form1Window::ShowControl(Ctl c) {
  QWidget* w = widget(c);
  const QSignalBlocker blocker(w);
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label:
      static_cast<QLabel*>(w)->setText(ToQt(form_.Caption(c)));
      break;
    case Kind::Display:
      static_cast<DisplayField*>(w)->SetValue(ToQt(form_.Caption(c)));
      break;
    case Kind::TextBox:
      ShowTextBox(c);
      break;
    case Kind::ComboBox:
      ShowCombo(c);
      break;
    case Kind::CheckBox:
      static_cast<QCheckBox*>(w)->setChecked(form_.Value(c) == 1);
      break;
    case Kind::OptionButton:
      ShowOption(c);
      break;
    case Kind::CommandButton:
      break;
  }
}

// Only a real change is written, so the cursor stays where the user is typing.
// The typing limit holds for the user only: a longer program write shows whole.
void Form1Window::ShowTextBox(Ctl c) {
  auto* edit = static_cast<QLineEdit*>(widget(c));
  QString text = ToQt(form_.Text(c));
  if (edit->text() == text) return;
  edit->setText(text);
  edit->setCursorPosition(0);  // a value longer than the box shows its start
}

// An exclusive button refuses to be cleared, yet the model may clear the
// selected profile and leave none selected.
void Form1Window::ShowOption(Ctl c) {
  auto* button = static_cast<QRadioButton*>(widget(c));
  bool on = form_.OptionValue(Def(c).index);
  // A click has already checked the button; the tab stop must still follow it.
  UpdateOptionTabStop();
  if (button->isChecked() == on) return;
  button->setAutoExclusive(on);
  button->setChecked(on);
  button->setAutoExclusive(true);
}

void Form1Window::ShowCombo(Ctl c) {
  auto* combo = static_cast<QComboBox*>(widget(c));
  const std::vector<std::string>& items = form_.Items(c);
  if (combo->count() != static_cast<int>(items.size())) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list.append(ToQt(item));
    combo->clear();
    combo->addItems(list);  // all items in one insertion
  }
  QString text = ToQt(form_.Text(c));
  if (combo->currentText() == text) return;
  combo->setEditText(text);
  combo->lineEdit()->setCursorPosition(0);
  // The list's position on the item shown, so the arrow keys and the opened
  // list go on from there, as they would after a pick.
  FollowText(c);
}

void Form1Window::Act(Ctl touched, const std::function<std::optional<FaultKind>()>& action) {
  std::optional<FaultKind> fault = action();
  // The widget may hold what the model did not take as it stands.
  ShowControl(touched);
  fault_box_->ActionEnded(touched, fault);
  if (form_.ended()) close();
}

namespace {

std::optional<face::Arrow> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return face::Arrow::Left;
    case Qt::Key_Right:
      return face::Arrow::Right;
    case Qt::Key_Up:
      return face::Arrow::Up;
    case Qt::Key_Down:
      return face::Arrow::Down;
    default:
      return std::nullopt;
  }
}

}  // namespace

// The control whose widget, or combo box field, `watched` is.
std::optional<Ctl> Form1Window::ControlOf(const QObject* watched) const {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto* combo = qobject_cast<QComboBox*>(widgets_[i]);
    if (widgets_[i] == watched || (combo != nullptr && combo->lineEdit() == watched)) {
      return static_cast<Ctl>(i);
    }
  }
  return std::nullopt;
}

bool Form1Window::ListOpen(Ctl c) const {
  auto* combo = qobject_cast<QComboBox*>(widget(c));
  return combo != nullptr && combo->view()->isVisible();
}

// Only a deliberate pick from a list runs its handler: the wheel over a closed
// list and Enter in a combo box's field are the form's, not the box's.
bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    std::optional<Ctl> c = ControlOf(watched);
    if (c && !face::WheelReaches(Def(*c).kind, ListOpen(*c))) return true;
  }
  if (event->type() == QEvent::KeyPress && HandleKey(watched, *static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool Form1Window::HandleKey(QObject* watched, const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape) return fault_box_->Escape();
  if (key.matches(QKeySequence::Copy)) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (auto* combo = qobject_cast<QComboBox*>(watched)) edit = combo->lineEdit();
    if (edit == nullptr || !edit->hasSelectedText()) return CopyResultSelection();
    return false;
  }
  // Shift+F10 opens a menu as the Menu key does: a box's own, else (a button
  // has none, so the event goes on to the form) the background menu.
  if (key.key() == Qt::Key_Menu ||
      (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier)) {
    auto* target = static_cast<QWidget*>(watched);
    QPoint at = target->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &menu);
    return true;
  }
  std::optional<Ctl> c = ControlOf(watched);
  if (!c) return false;
  std::optional<face::Arrow> arrow = ArrowOf(key.key());
  bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  face::FormKey form_key = enter   ? face::FormKey::Enter
                           : arrow ? face::FormKey::Arrow
                                   : face::FormKey::Other;
  switch (face::AnswerToKey(form_key, Def(*c).kind, ListOpen(*c))) {
    case face::KeyAnswer::Click:
      static_cast<QPushButton*>(widget(*c))->click();
      return true;
    case face::KeyAnswer::MoveOption:
      MoveInOptionGroup(*c, *arrow);
      return true;
    case face::KeyAnswer::Nothing:
      return true;
    case face::KeyAnswer::Control:
      break;
  }
  return false;
}

// Each arrow key in the profile group selects the next or previous button,
// around the ends, and that is a click.
void Form1Window::MoveInOptionGroup(Ctl from, face::Arrow arrow) {
  auto* next =
      static_cast<QRadioButton*>(widget(Option(face::OptionAfterArrow(Def(from).index, arrow))));
  next->setFocus(Qt::TabFocusReason);
  next->click();
}

// Ctrl+C with nothing selected in the focused field copies what the mouse
// selected in a result, as the result itself never takes the focus.
bool Form1Window::CopyResultSelection() const {
  for (QWidget* w : widgets_) {
    if (auto* field = qobject_cast<DisplayField*>(w); field != nullptr && field->CopySelection()) {
      return true;
    }
  }
  return false;
}

}  // namespace selbrin::ui
