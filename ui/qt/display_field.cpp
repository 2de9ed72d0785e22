#include "ui/qt/display_field.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QTextDocument>
#include <mutex>

#include "ui/common/reading.h"
#include "ui/qt/form_style.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {
namespace {

// The frame's width in the form's pixels; the text starts inside it.
constexpr int kFrameWidth = 1;

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

DisplayField::DisplayField(Ctl control, QWidget* parent) : QLabel(parent), control_(control) {
  static std::once_flag factory_installed;
  std::call_once(factory_installed, [] { QAccessible::installFactory(DisplayFieldFactory); });
  setTextFormat(Qt::PlainText);
  // The frame is drawn by paintEvent alone: a label's own box is drawn in the
  // text colour, and at scales like 1.5 it lands beside the other, not under it.
  setFrameStyle(QFrame::NoFrame);
  setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
  setIndent(2);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setBackgroundRole(BackgroundRole(Kind::Display));
  setForegroundRole(QPalette::WindowText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting a result to copy it must not pull the focus out of the field the
  // user is typing in.
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::DefaultContextMenu);
}

void DisplayField::SetValue(const QString& text) {
  if (text == this->text()) return;
  setText(text);
  setAccessibleName(QString::fromStdString(face::DisplayReading(control_, text.toStdString())));
  UpdateToolTip();
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
  }
}

bool DisplayField::CopySelection() const {
  if (!hasSelectedText()) return false;
  QApplication::clipboard()->setText(selectedText());
  return true;
}

void DisplayField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(ToQt(face::kCopyCommand));
  copy->setEnabled(!text().isEmpty());
  connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(text()); });
  menu.exec(event->globalPos());
}

void DisplayField::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  UpdateToolTip();
}

void DisplayField::UpdateToolTip() {
  int room = contentsRect().width() - indent();
  bool fits = fontMetrics().horizontalAdvance(text()) <= room;
  // A tip that looks like markup is drawn as markup: a value from a drive file
  // that does is escaped, so it shows as the characters it is.
  QString tip = ToQt(face::DisplayToolTip(control_, text().toStdString(), !fits));
  setToolTip(Qt::mightBeRichText(tip) ? Qt::convertFromPlainText(tip) : tip);
}

// One line in a colour between background and text (the text colour glares on
// a dark background), on the pixel grid as the inputs' frames are.
void DisplayField::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  QPainter painter(this);
  painter.translate(0.5, 0.5);
  painter.setPen(FrameColour(palette(), Kind::Display));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect().adjusted(0, 0, -1, -1)));
}

}  // namespace selbrin::ui
