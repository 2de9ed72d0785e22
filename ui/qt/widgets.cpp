#include "ui/qt/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>
#include <mutex>
#include <optional>

#include "ui/common/lists.h"
#include "ui/common/reading.h"
#include "ui/qt/display_field.h"
#include "ui/qt/edit_box.h"

namespace selbrin::ui {
namespace {

// Every value the program puts in a combo box has at most this many digits
// (pulleys and powers up to 9999).
constexpr int kComboDigits = 4;
// The least text height a combo box makes room for, as the box itself does.
constexpr int kComboMinTextHeight = 14;

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

// Qt's own interface for a combo box names it by its text on Linux, so after a
// pick a screen reader would hear "30" for "Motor Gücü (kW)": the box keeps
// its caption as its name and reads its text as its value.
class ComboAccessible : public QAccessibleWidget {
 public:
  explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<const QComboBox*>(widget())->currentText();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* ComboFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("QComboBox") && object->isWidgetType()) {
    return new ComboAccessible(static_cast<QComboBox*>(object));
  }
  return nullptr;
}

QComboBox* NewCombo(QWidget* parent) {
  static std::once_flag factory_installed;
  std::call_once(factory_installed, [] { QAccessible::installFactory(ComboFactory); });
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setLineEdit(new EditBox(combo));
  // Typing never completes, inserts or picks: only a pick from the list does.
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  // The box keeps the control table's size: adjusting it to its contents
  // would shrink it a moment after start and cut a four-digit value.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(kComboDigits);
  combo->setMaxVisibleItems(face::kListVisibleItems);
  return combo;
}

QWidget* NewWidget(Ctl c, QWidget* parent) {
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::Display:
      return new DisplayField(c, parent);
    case Kind::TextBox:
      return new EditBox(parent);
    case Kind::ComboBox:
      return NewCombo(parent);
    case Kind::CheckBox:
      return new QCheckBox(ToQt(d.caption), parent);
    case Kind::OptionButton:
      return new QRadioButton(ToQt(d.caption), parent);  // the eight share this parent: one group
    case Kind::CommandButton: {
      auto* button = new QPushButton(ToQt(d.caption), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
  }
  return nullptr;
}

}  // namespace

QString WidgetName(Ctl c) { return ToQt(face::WidgetName(c)); }

// The smallest size at which control `c` shows its caption, list items or the
// longest text the user may type whole, in the current font.
QSize NeededSize(Ctl c, QWidget* w) {
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Label:
    case Kind::Display: {
      auto* label = static_cast<QLabel*>(w);
      QFontMetrics fm(label->font());
      QMargins m = label->contentsMargins();
      int frame = 2 * label->frameWidth();
      int chrome =
          frame + m.left() + m.right() + 2 * label->margin() + std::max(label->indent(), 0);
      return {fm.horizontalAdvance(label->text()) + chrome,
              fm.height() + frame + m.top() + m.bottom()};
    }
    case Kind::TextBox: {
      // A box with a typing limit must show that many digits; others only need a line.
      QString widest(std::max(d.max_chars, 1), QLatin1Char('0'));
      return LineEditSize(w, widest);
    }
    case Kind::ComboBox: {
      // The widest list item, and any value of kComboDigits digits.
      auto* combo = static_cast<QComboBox*>(w);
      QStyleOptionComboBox opt;
      opt.initFrom(combo);
      opt.editable = true;
      QFontMetrics fm(combo->font());
      int text = fm.horizontalAdvance(QString(kComboDigits, QLatin1Char('0')));
      for (int i = 0; i < combo->count(); ++i) {
        text = std::max(text, fm.horizontalAdvance(combo->itemText(i)));
      }
      // The box's own minimum size hint is kept from its first font, so its
      // height is worked out here as the box works it out.
      QSize contents(text + 2 * 2, std::max(fm.height(), kComboMinTextHeight) + 2);
      return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, contents, combo);
    }
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton:
      return w->sizeHint();
  }
  return {};
}

QWidget* CreateWidget(Ctl c, QWidget* parent) {
  QWidget* w = NewWidget(c, parent);
  const ControlDef& d = Def(c);
  w->setObjectName(WidgetName(c));
  if (!face::ToolTipOf(c).empty()) w->setToolTip(ToQt(face::ToolTipOf(c)));
  if (d.kind != Kind::Label) w->setAccessibleName(ToQt(AccessibleName(c)));
  if (auto* combo = qobject_cast<QComboBox*>(w))
    combo->lineEdit()->setAccessibleName(w->accessibleName());
  return w;
}

}  // namespace selbrin::ui
