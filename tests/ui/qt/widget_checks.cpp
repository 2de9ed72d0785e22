#include "tests/ui/qt/widget_checks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace selbrin::ui {
namespace {

QString ToQt(const std::string& s) { return QString::fromStdString(s); }

// QLineEdit keeps this much room between its text and its contents' edges.
constexpr int kLineEditMargin = 2;

QString Describe(Ctl c, const QString& shown, const QString& model) {
  return QStringLiteral("%1 shows \"%2\", the model holds \"%3\"")
      .arg(ToQt(ControlName(c)), shown, model);
}

QString ComboMismatch(Ctl c, const QComboBox* combo, const Form1& form) {
  const std::vector<std::string>& items = form.Items(c);
  if (combo->count() != static_cast<int>(items.size())) {
    return QStringLiteral("%1 lists %2 items, the model %3")
        .arg(ToQt(ControlName(c)))
        .arg(combo->count())
        .arg(items.size());
  }
  for (int i = 0; i < combo->count(); ++i) {
    if (combo->itemText(i) != ToQt(items[static_cast<std::size_t>(i)])) {
      return Describe(c, combo->itemText(i), ToQt(items[static_cast<std::size_t>(i)]));
    }
  }
  if (combo->currentText() != ToQt(form.Text(c))) {
    return Describe(c, combo->currentText(), ToQt(form.Text(c)));
  }
  return {};
}

// Whether `text` fits a width and height in the widget's font.
bool Fits(const QWidget* w, const QString& text, int width, int height) {
  QFontMetrics fm(w->font());
  return fm.horizontalAdvance(text) <= width && fm.height() <= height;
}

QRect ButtonContents(const QAbstractButton* button) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  opt.text = button->text();
  QStyle::SubElement e =
      qobject_cast<const QCheckBox*>(button) != nullptr      ? QStyle::SE_CheckBoxContents
      : qobject_cast<const QRadioButton*>(button) != nullptr ? QStyle::SE_RadioButtonContents
                                                             : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(e, &opt, button);
}

QRect LineEditText(const QLineEdit* edit) {
  QStyleOptionFrame opt;
  opt.initFrom(edit);
  opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  QRect r = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
  r = r.marginsRemoved(edit->textMargins());
  return r.adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}

// A colour's relative luminance: its linear red, green and blue, weighted.
double Luminance(const QColor& c) {
  auto linear = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  double la = Luminance(a);
  double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString ShownText(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
}

QString MismatchWithModel(const Form1Window& window, const Form1& form) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    const QWidget* w = window.widget(c);
    const ControlDef& d = kControls[i];
    switch (d.kind) {
      case Kind::ComboBox: {
        QString m = ComboMismatch(c, static_cast<const QComboBox*>(w), form);
        if (!m.isEmpty()) return m;
        break;
      }
      case Kind::CheckBox:
      case Kind::OptionButton: {
        bool model = d.kind == Kind::CheckBox ? form.Value(c) == 1 : form.OptionValue(d.index);
        bool shown = static_cast<const QAbstractButton*>(w)->isChecked();
        if (shown != model) return Describe(c, QString::number(shown), QString::number(model));
        if (ShownText(w) != ToQt(std::string(d.caption))) {
          return Describe(c, ShownText(w), ToQt(std::string(d.caption)));
        }
        break;
      }
      case Kind::CommandButton:
        if (ShownText(w) != ToQt(std::string(d.caption))) {
          return Describe(c, ShownText(w), ToQt(std::string(d.caption)));
        }
        break;
      default:
        if (ShownText(w) != ToQt(form.Text(c)))
          return Describe(c, ShownText(w), ToQt(form.Text(c)));
        break;
    }
  }
  return {};
}

QString ClippedTexts(const Form1Window& window, const QString& containing) {
  QStringList clipped;
  auto check = [&](Ctl c, const QWidget* w, const QString& text, QRect room) {
    if (!Fits(w, text, room.width(), room.height())) {
      clipped << QStringLiteral("%1: \"%2\" in %3 x %4")
                     .arg(ToQt(ControlName(c)), text)
                     .arg(room.width())
                     .arg(room.height());
    }
  };
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    const QWidget* w = window.widget(c);
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                  -label->margin(), -label->margin());
      if (label->frameWidth() > 0 && label->indent() > 0) room.adjust(label->indent(), 0, 0, 0);
      check(c, w, label->text(), room);
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      check(c, w, edit->text(), LineEditText(edit));
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      QRect room = LineEditText(combo->lineEdit());
      for (int k = 0; k < combo->count(); ++k) check(c, w, combo->itemText(k), room);
      check(c, w, combo->currentText(), room);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      check(c, w, button->text(), ButtonContents(button));
    }
  }
  if (!containing.isEmpty()) clipped = clipped.filter(containing);
  return clipped.join(QStringLiteral("; "));
}

}  // namespace selbrin::ui
