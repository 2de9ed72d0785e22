#include "ui/form_window.h"

#include <QAbstractItemView>
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
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/application.h"
#include "ui/display_field.h"
#include "ui/fault_text.h"
#include "ui/sheet_commands.h"

namespace selbrin::ui {
namespace {

// The control table's geometry is in twips, drawn at 15 twips per pixel before
// scaling. Qt's pixels are device-independent, so the screen's device pixel
// ratio is applied by Qt on top of this.
constexpr double kTwipsPerPixel = 15.0;

QString ToQt(const std::string& s) { return QString::fromStdString(s); }
QString ToQt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString WidgetName(Ctl c) {
  const ControlDef& d = Def(c);
  QString name = ToQt(d.name);
  if (d.index >= 0) name += QStringLiteral("_%1").arg(d.index);
  return name;
}

// The room a single-line edit field needs to show `text` whole: the text, the
// field's inner margins and the style's frame.
QSize LineEditSize(const QWidget* w, const QString& text) {
  QFontMetrics fm(w->font());
  QStyleOptionFrame opt;
  opt.initFrom(w);
  opt.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, w);
  QSize contents(fm.horizontalAdvance(text) + 2 * 2, fm.height() + 2 * 1);  // QLineEdit's margins
  return w->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, w);
}

// The smallest size at which control `c` shows its caption, list items or the
// longest text the user may type whole, in the current font.
QSize NeededSize(Ctl c, QWidget* w) {
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label:
    case Kind::Display: {
      auto* label = static_cast<QLabel*>(w);
      QFontMetrics fm(label->font());
      int chrome = 2 * label->frameWidth() + 2 * label->margin() + std::max(label->indent(), 0);
      return {fm.horizontalAdvance(label->text()) + chrome, fm.height() + 2 * label->frameWidth()};
    }
    case Kind::TextBox: {
      // A box with a typing limit must show that many digits; others only need a line.
      QString widest(std::max(d.max_chars, 1), QLatin1Char('0'));
      return LineEditSize(w, widest);
    }
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      return {combo->sizeHint().width(), combo->minimumSizeHint().height()};
    }
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton:
      return w->sizeHint();
  }
  return {};
}

// The typing limit of a text box, counted in characters as the model counts
// them (a line edit's own limit counts UTF-16 units and would split a
// character). It compares each edit with the model's text, which the model
// keeps until the edit reaches it.
class CharLimit : public QValidator {
 public:
  CharLimit(const Form1& form, Ctl box, QObject* parent)
      : QValidator(parent), form_(form), box_(box) {}

  State validate(QString& input, int& pos) const override {
    std::string after = input.toStdString();
    std::optional<FittedEdit> fitted = FitUserEdit(form_.Text(box_), after, Def(box_).max_chars);
    if (!fitted) return Invalid;
    if (fitted->text != after) {
      input = ToQt(fitted->text);
      pos = static_cast<int>(ToQt(std::string_view(fitted->text).substr(0, fitted->cursor)).size());
    }
    return Acceptable;
  }

 private:
  const Form1& form_;
  Ctl box_;
};

}  // namespace

Form1Window::Form1Window(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form) {
  setWindowTitle(ToQt(kFormCaption));
  // A window shows the application's icon; it needs its own only when none is set.
  if (QGuiApplication::windowIcon().isNull()) setWindowIcon(ApplicationIcon());
  CreateControls();
  UpdateOptionTabStop();
  Place();
  ChainTabOrder();
  CentreOnScreen();
  widget(Ctl::Text2)->setFocus();
  form_.SetListener([this](Ctl c) { ShowControl(c); });
  new SheetCommands(form_, this);  // owned by the window
}

Form1Window::~Form1Window() { form_.SetListener(nullptr); }

void Form1Window::CreateControls() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    QWidget* w = CreateControl(c);
    const ControlDef& d = Def(c);
    w->setObjectName(WidgetName(c));
    if (!d.tooltip.empty()) w->setToolTip(ToQt(d.tooltip));
    if (d.kind != Kind::Label) w->setAccessibleName(ToQt(AccessibleName(c)));
    widgets_[i] = w;
    ShowControl(c);
    ConnectControl(c);
  }
}

QWidget* Form1Window::CreateControl(Ctl c) {
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::Display:
      return new DisplayField(this);
    case Kind::TextBox: {
      auto* edit = new QLineEdit(this);
      if (d.max_chars > 0) edit->setValidator(new CharLimit(form_, c, edit));
      return edit;
    }
    case Kind::ComboBox: {
      auto* combo = new QComboBox(this);
      combo->setEditable(true);
      // Typing never completes, inserts or picks: only a pick from the list does.
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      combo->setMaxVisibleItems(15);
      combo->installEventFilter(this);
      combo->lineEdit()->installEventFilter(this);
      return combo;
    }
    case Kind::CheckBox:
      return new QCheckBox(ToQt(d.caption), this);
    case Kind::OptionButton:
      return new QRadioButton(ToQt(d.caption), this);  // the eight share this parent: one group
    case Kind::CommandButton: {
      auto* button = new QPushButton(ToQt(d.caption), this);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
  }
  return nullptr;
}

void Form1Window::ConnectControl(Ctl c) {
  QWidget* w = widget(c);
  switch (Def(c).kind) {
    case Kind::Label:
    case Kind::Display:
      break;
    case Kind::TextBox:
      connect(
          static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
          [this, c](const QString& t) { Act(c, [&] { return form_.Edit(c, t.toStdString()); }); });
      break;
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, c](const QString& t) {
        Act(c, [&] { return form_.Edit(c, t.toStdString()); });
      });
      connect(combo, &QComboBox::activated, this,
              [this, c](int item) { Act(c, [&] { return form_.Pick(c, item); }); });
      break;
    }
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

// Lays the controls out at the table's geometry, all scaled by one factor: the
// smallest (not below 1) at which every control shows its text whole in the
// default font, so the form keeps its proportions on any font and screen.
void Form1Window::Place() {
  double scale = 1.0;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const Twips& g = kControls[i].geometry;
    QSize need = NeededSize(static_cast<Ctl>(i), widgets_[i]);
    scale = std::max(scale, need.width() * kTwipsPerPixel / g.width);
    scale = std::max(scale, need.height() * kTwipsPerPixel / g.height);
  }
  scale_ = scale;
  // Rounding each edge, rather than each size, keeps neighbours that touch in
  // the table touching on screen.
  auto px = [scale](int twips) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
  };
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const Twips& g = kControls[i].geometry;
    widgets_[i]->setGeometry(QRect(QPoint(px(g.left), px(g.top)),
                                   QPoint(px(g.left + g.width) - 1, px(g.top + g.height) - 1)));
  }
  setFixedSize(px(kFormClientArea.width), px(kFormClientArea.height));
}

void Form1Window::ChainTabOrder() {
  std::vector<Ctl> order;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    // Every button of the option group is chained, whichever is the tab stop now.
    if ((widget(c)->focusPolicy() & Qt::ClickFocus) != 0) order.push_back(c);
  }
  std::sort(order.begin(), order.end(),
            [](Ctl a, Ctl b) { return Def(a).tab_index < Def(b).tab_index; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(widget(order[i - 1]), widget(order[i]));
  }
}

// The option group is one tab stop, on its selected button (on the first when
// none is selected), so Tab passes the group in one step and the arrow keys move
// the selection from there, each move a click. A mouse click still focuses any
// button.
void Form1Window::UpdateOptionTabStop() {
  int stop = 0;
  for (int i = 0; i < 8; ++i) {
    if (form_.OptionValue(i)) stop = i;
  }
  for (int i = 0; i < 8; ++i) {
    QWidget* button = widget(Option(i));
    if (button != nullptr) button->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void Form1Window::CentreOnScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void Form1Window::ShowControl(Ctl c) {
  QWidget* w = widget(c);
  if (w == nullptr) return;  // still building
  const QSignalBlocker blocker(w);
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label:
      static_cast<QLabel*>(w)->setText(ToQt(form_.Caption(c)));
      break;
    case Kind::Display:
      static_cast<DisplayField*>(w)->SetValue(ToQt(form_.Caption(c)));
      break;
    case Kind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(w);
      QString text = ToQt(form_.Text(c));
      // Only a real change is written, so the cursor stays where the user is typing.
      // The typing limit holds for the user only: a longer program write shows whole.
      if (edit->text() == text) break;
      edit->setText(text);
      break;
    }
    case Kind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      const std::vector<std::string>& items = form_.Items(c);
      if (combo->count() != static_cast<int>(items.size())) {
        QStringList list;
        list.reserve(static_cast<qsizetype>(items.size()));
        for (const std::string& item : items) list.append(ToQt(item));
        combo->clear();
        combo->addItems(list);  // all items in one insertion
      }
      QString text = ToQt(form_.Text(c));
      if (combo->currentText() == text) break;
      // Keep the list's position on the item shown, so the arrow keys and the
      // opened list go on from there, as they would after a pick.
      combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
      combo->setEditText(text);
      break;
    }
    case Kind::CheckBox:
      static_cast<QCheckBox*>(w)->setChecked(form_.Value(c) == 1);
      break;
    case Kind::OptionButton: {
      // An exclusive button refuses to be cleared, yet the model may clear the
      // selected profile and leave none selected.
      auto* button = static_cast<QRadioButton*>(w);
      bool on = form_.OptionValue(d.index);
      if (button->isChecked() == on) break;
      button->setAutoExclusive(on);
      button->setChecked(on);
      button->setAutoExclusive(true);
      UpdateOptionTabStop();
      break;
    }
    case Kind::CommandButton:
      break;
  }
}

void Form1Window::Act(Ctl touched, const std::function<std::optional<FaultKind>()>& action) {
  std::optional<FaultKind> fault = action();
  // The widget may hold what the model did not take as it stands.
  ShowControl(touched);
  if (fault) ReportFault(*fault);
  if (form_.ended()) close();
}

// One message window, created at the first fault and reused for every later one.
// It never takes the keyboard focus, so a fault at a keystroke does not stop the
// user typing, and the form stays usable while it is shown.
void Form1Window::ReportFault(FaultKind kind) {
  if (fault_message_ == nullptr) {
    fault_message_ =
        new QMessageBox(QMessageBox::Warning, windowTitle(), QString(), QMessageBox::Ok, this);
    fault_message_->setObjectName(QStringLiteral("faultMessage"));
    fault_message_->setWindowModality(Qt::NonModal);
    fault_message_->setAttribute(Qt::WA_ShowWithoutActivating);
    fault_message_->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  }
  fault_message_->setText(FaultText(kind));
  fault_message_->show();
  fault_message_->raise();
}

// Two things a combo box would otherwise do on its own: Enter in its field would
// pick the list item that matches the typed text, and the wheel over a closed
// list would pick the next item when the user only meant to scroll past. Only a
// deliberate pick from the list, by mouse or arrow keys, runs the handler.
bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched) != nullptr) {
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace selbrin::ui
