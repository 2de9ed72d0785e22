#include "ui/qt/form_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "ui/common/look.h"

namespace selbrin::ui {
namespace {

// The selected dot's radius as a share of the ring's.
constexpr double kDotShare = 0.45;
// The rounding of an input's corners, as the platform style rounds them.
constexpr double kInputCornerRadius = 2.0;

}  // namespace

QColor FrameColour(const QPalette& palette, Kind kind) {
  auto rgb = [](const QColor& c) { return face::Rgb{c.redF(), c.greenF(), c.blueF()}; };
  face::Rgb mixed =
      face::Mix(rgb(palette.color(QPalette::Window)), rgb(palette.color(QPalette::WindowText)),
                face::LookOf(kind).frame_share);
  return QColor::fromRgbF(static_cast<float>(mixed.r), static_cast<float>(mixed.g),
                          static_cast<float>(mixed.b));
}

QPalette::ColorRole BackgroundRole(Kind kind) {
  return face::LookOf(kind).background == face::Surface::Form ? QPalette::Window : QPalette::Base;
}

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_FrameLineEdit:
      DrawInputFrame(option, painter, widget);
      break;
    case PE_IndicatorRadioButton:
      DrawRadioIndicator(option, painter);
      break;
    case PE_IndicatorCheckBox:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      DrawCheckBoxEdge(option, painter);
      break;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      break;
  }
}

// The platform's frame, then its outline again in the palette's frame colour;
// a focused input keeps the platform's focus outline. A combo box's field is
// framed by the same element.
void FormStyle::DrawInputFrame(const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
  QProxyStyle::drawPrimitive(PE_FrameLineEdit, option, painter, widget);
  if (option->state & State_HasFocus) return;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->translate(0.5, 0.5);  // a one-pixel line on the pixel grid
  painter->setPen(FrameColour(option->palette, Kind::TextBox));
  painter->setBrush(Qt::NoBrush);
  painter->drawRoundedRect(QRectF(option->rect.adjusted(0, 0, -1, -1)), kInputCornerRadius,
                           kInputCornerRadius);
  painter->restore();
}

// The platform's box keeps its check mark; its edge is drawn again in the
// frame colour unless the keyboard focus outlines it.
void FormStyle::DrawCheckBoxEdge(const QStyleOption* option, QPainter* painter) {
  if ((option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange)) return;
  painter->save();
  painter->setPen(FrameColour(option->palette, Kind::CheckBox));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

// A ring in the frame colour (the highlight when the keyboard brought the focus
// there) on the background of a box, and the selected button's dot in that
// box's text colour, the pair every palette keeps readable.
void FormStyle::DrawRadioIndicator(const QStyleOption* option, QPainter* painter) {
  const QPalette& p = option->palette;
  const QRectF r(option->rect);
  const double radius = std::min(r.width(), r.height()) / 2.0 - 0.5;
  const bool keyboard_focus =
      (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(keyboard_focus ? p.color(QPalette::Highlight)
                                 : FrameColour(p, Kind::OptionButton));
  painter->setBrush(p.color(QPalette::Base));
  painter->drawEllipse(r.center(), radius, radius);
  if (option->state & State_On) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(p.color(QPalette::Text));
    painter->drawEllipse(r.center(), radius * kDotShare, radius * kDotShare);
  }
  painter->restore();
}

}  // namespace selbrin::ui
