#include "ui/qt/form_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "form/values.h"
#include "ui/common/about.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/lists.h"
#include "ui/qt/application.h"
#include "ui/qt/display_field.h"
#include "ui/qt/edit_box.h"
#include "ui/qt/fault_box.h"
#include "ui/qt/form_style.h"
#include "ui/qt/sheet_commands.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {
namespace {

// A font too large for the screen gets smaller by this many points at a time.
constexpr double kFontStepPoints = 0.5;

}  // namespace

// Every widget exists, empty, before the model is shown in it once; only then
// does the window listen to the model and the user.
Form1Window::Form1Window(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form),
      fault_box_(new FaultBox(this)) {
  setWindowTitle(ToQt(kFormCaption));
  // A window shows the application's icon; it needs its own only when none is set.
  if (QGuiApplication::windowIcon().isNull()) setWindowIcon(ApplicationIcon());
  CreateControls();
  for (std::size_t i = 0; i < kControls.size(); ++i) ShowControl(static_cast<Ctl>(i));
  UpdateOptionTabStop();
  Place();
  ChainTabOrder();
  CentreOnScreen();
  widget(Ctl::Text2)->setFocus();
  for (std::size_t i = 0; i < kControls.size(); ++i) ConnectControl(static_cast<Ctl>(i));
  form_.SetListener([this](Ctl c) { ShowControl(c); });
  new SheetCommands(form_, this);  // owned by the window
  AddAbout();
}

Form1Window::~Form1Window() { form_.SetListener(nullptr); }

QMessageBox* Form1Window::faultMessage() const { return fault_box_->box(); }

// The inputs, check boxes and profile buttons are drawn in the form's style, which
// frames them visibly in dark palettes too. The style is made after the
// widgets, so as the window's child it outlives them.
// "Hakkında…" last on the background menu, and F1.
void Form1Window::AddAbout() {
  auto* about = new QAction(ToQt(face::kAboutCaption), this);
  about->setObjectName(ToQt(face::kAboutName));
  about->setShortcut(QKeySequence(ToQt(face::kAboutKey)));
  about->setShortcutContext(Qt::WindowShortcut);
  connect(about, &QAction::triggered, this, [this] {
    QMessageBox::about(this, ToQt(face::kAboutTitle),
                       ToQt(face::AboutText(SELBRIN_VERSION_TEXT, face::FaceKind::Desktop)));
  });
  addAction(about);
}

void Form1Window::CreateControls() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    QWidget* w = CreateWidget(static_cast<Ctl>(i), this);
    w->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->lineEdit()->installEventFilter(this);
    widgets_[i] = w;
  }
  // Each caption labels its box, which a screen reader tells as a relation.
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    Ctl label = kControls[i].label;
    if (label != Ctl::None && kControls[i].kind != Kind::Label) {
      static_cast<QLabel*>(widget(label))->setBuddy(widgets_[i]);
    }
  }
  auto* style = new FormStyle;
  style->setParent(this);
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    Kind kind = kControls[i].kind;
    if (kind == Kind::TextBox || kind == Kind::ComboBox || kind == Kind::CheckBox ||
        kind == Kind::OptionButton) {
      widgets_[i]->setStyle(style);
    }
  }
}

void Form1Window::ConnectControl(Ctl c) {
  QWidget* w = widget(c);
  switch (Def(c).kind) {
    case Kind::Label:
    case Kind::Display:
      break;
    case Kind::TextBox:
      ConnectEditBox(c, static_cast<EditBox*>(w));
      break;
    case Kind::ComboBox:
      ConnectCombo(c);
      break;
    case Kind::CheckBox:
    case Kind::CommandButton:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, c] { Act(c, [&] { return form_.Click(c); }); });
      break;
    case Kind::OptionButton: {
      int index = Def(c).index;
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, c, index] { Act(c, [&] { return form_.Select(index); }); });
      break;
    }
  }
}

// Each edit the user makes goes to the model as made, cut to the box's limit;
// what the box cannot tell as an edit comes as its whole new text.
void Form1Window::ConnectEditBox(Ctl c, EditBox* box) {
  box->SetHandler([this, c, box](const face::UserEdit& edit) {
    face::EditOutcome out = face::ApplyUserEdit(box->text().toStdString(), edit, Def(c).max_chars);
    if (out.refused && out.text == form_.Text(c)) return;
    Act(c, [&] { return form_.Edit(c, out.text); });
    box->setCursorPosition(
        std::min(static_cast<int>(out.cursor), static_cast<int>(box->text().size())));
    FollowText(c);
  });
  connect(box, &QLineEdit::textEdited, this, [this, c](const QString& t) {
    Act(c, [&] { return form_.Edit(c, t.toStdString()); });
    FollowText(c);
  });
}

// After an edit of a combo's field the list's position follows the text (the
// item equal to it, or none), so opening the list highlights no other item for
// Enter to pick. A pick from the list is a click.
void Form1Window::ConnectCombo(Ctl c) {
  auto* combo = static_cast<QComboBox*>(widget(c));
  ConnectEditBox(c, static_cast<EditBox*>(combo->lineEdit()));
  connect(combo, &QComboBox::activated, this,
          [this, c](int item) { Act(c, [&] { return form_.Pick(c, item); }); });
}

void Form1Window::FollowText(Ctl c) {
  auto* combo = qobject_cast<QComboBox*>(widget(c));
  if (combo == nullptr) return;
  int item = face::ItemEqualTo(form_.Items(c), combo->currentText().toStdString());
  const QSignalBlocker blocker(combo);
  if (combo->currentIndex() != item) {
    QLineEdit* field = combo->lineEdit();
    QString text = field->text();
    int cursor = field->cursorPosition();
    combo->setCurrentIndex(item);
    field->setText(text);
    field->setCursorPosition(cursor);
  }
  // Without a current item the opened list would highlight its first one.
  if (item < 0) combo->view()->setCurrentIndex(QModelIndex());
}

// Lays the controls out at the table's geometry, all scaled by one factor: the
// smallest (not below 1) at which every control shows its text whole in the
// default font, so the form keeps its proportions on any font and screen. On a
// screen too small for that, a smaller font keeps the whole window on it.
// Qt's pixels are device-independent: Qt applies the screen's device pixel
// ratio on top of this scale.
void Form1Window::Place() {
  const QFont base = QApplication::font(this);
  auto needs_at = [this, &base](double points) {
    QFont font = base;
    font.setPointSizeF(points);
    setFont(font);
    face::ControlNeeds need{};
    for (std::size_t i = 0; i < kControlCount; ++i) {
      QSize size = NeededSize(static_cast<Ctl>(i), widgets_[i]);
      need[i] = {size.width(), size.height()};
    }
    return need;
  };
  face::FormFit fit{base.pointSizeF(), 1.0};
  if (fit.size > 0) {
    fit = face::FitForm({fit.size, face::kSmallestFontPoints, kFontStepPoints}, 1.0, ScreenRoom(),
                        needs_at);
    needs_at(fit.size);
  }
  // The default font is inherited, so that the window follows the desktop's.
  if (fit.size == base.pointSizeF()) setFont(QFont());
  scale_ = fit.scale;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    face::PixelRect r = face::PlaceAt(kControls[i].geometry, scale_);
    widgets_[i]->setGeometry(r.left, r.top, r.width, r.height);
  }
  face::PixelRect client = face::ClientAreaAt(scale_);
  setFixedSize(client.width, client.height);
}

// The largest scale at which the window, frame included, fits its screen's
// available area; the frame is known once the window is shown.
double Form1Window::ScreenRoom() const {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return std::numeric_limits<double>::infinity();
  QSize area = screen->availableGeometry().size();
  QSize frame = frameGeometry().size() - geometry().size();
  return face::ScaleForArea({area.width(), area.height()}, {frame.width(), frame.height()});
}

void Form1Window::ChainTabOrder() {
  std::vector<Ctl> order = face::TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(widget(order[i - 1]), widget(order[i]));
  }
}

// The option group is one tab stop, on its selected button (on the first when
// none is selected), so Tab passes the group in one step and the arrow keys move
// the selection from there, each move a click. A mouse click still focuses any
// button.
void Form1Window::UpdateOptionTabStop() {
  int stop = face::OptionTabStop(SelectedProfile(form_));
  for (int i = 0; i < kProfileCount; ++i) {
    widget(Option(i))->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

// The frame, not only the client area, is centred in the screen's available
// area; a frame larger than the area starts at its top-left corner, so the
// title bar can always be reached. The frame is known only once the window is
// shown, so this runs again then.
void Form1Window::CentreOnScreen() {
  QScreen* screen = this->screen();
  if (screen == nullptr) return;
  QRect a = screen->availableGeometry();
  QRect frame = frameGeometry();
  face::PixelRect r =
      face::CentreIn({a.x(), a.y(), a.width(), a.height()}, frame.width(), frame.height());
  move(r.left, r.top);
}

void Form1Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  Place();  // now with the frame's size
  CentreOnScreen();
}

}  // namespace selbrin::ui
