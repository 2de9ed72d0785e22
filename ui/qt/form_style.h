// The look of the form's boxes in any palette. The platform style draws an
// input's frame, a check box's edge and a radio button's ring a shade darker
// than the window, which vanishes on a dark window: there the boxes the user
// types in look frameless and the buttons lose their rings and boxes. This style draws both from
// the palette instead, between the window and its text colour, and the selected profile's dot in
// the text colour, so they stand out on light and dark desktops alike. Everything else is the
// application's own style.
#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

#include "form/controls.h"

namespace selbrin::ui {

// The frame of a control of `kind`, between the palette's window colour and
// its window text colour as the form's look has it.
QColor FrameColour(const QPalette& palette, Kind kind);

// The palette's colour a control of `kind` sits on: the form's, or a box's.
QPalette::ColorRole BackgroundRole(Kind kind);

class FormStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // A proxy of the application's current style.
  FormStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  void DrawInputFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  static void DrawCheckBoxEdge(const QStyleOption* option, QPainter* painter);
  static void DrawRadioIndicator(const QStyleOption* option, QPainter* painter);
};

}  // namespace selbrin::ui
