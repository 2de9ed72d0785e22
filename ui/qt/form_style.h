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

namespace selbrin::ui {

// Shares of the text colour in a frame drawn on the window: a frame in the
// full text colour glares on a dark window, one in the window colour vanishes.
// Both reach at least 3:1 against the window in common light and dark palettes;
// an input's frame is the firmer of the two.
inline constexpr double kDisplayFrameShare = 0.45;
inline constexpr double kInputFrameShare = 0.6;

// The colour `text_share` of the way from the palette's window colour to its
// window text colour.
QColor FrameColour(const QPalette& palette, double text_share);

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
