#include "ui/qt/display_field.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace selbrin::ui {
namespace {

// A label's own accessible interface names it by its text, or by its accessible
// name with no value at all; a display field needs both.
class DisplayFieldAccessible : public QAccessibleWidget {
 public:
  explicit DisplayFieldAccessible(DisplayField* field)
      : QAccessibleWidget(field, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.selectableText = true;
    return s;
  }
};

QAccessibleInterface* DisplayFieldFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(DisplayField::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new DisplayFieldAccessible(static_cast<DisplayField*>(object));
  }
  return nullptr;
}

}  // namespace

DisplayField::DisplayField(QWidget* parent) : QLabel(parent) {
  static std::once_flag factory_installed;
  std::call_once(factory_installed, [] { QAccessible::installFactory(DisplayFieldFactory); });
  setTextFormat(Qt::PlainText);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setIndent(2);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting a result to copy it must not pull the focus out of the field the
  // user is typing in.
  setFocusPolicy(Qt::NoFocus);
}

void DisplayField::SetValue(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace selbrin::ui
