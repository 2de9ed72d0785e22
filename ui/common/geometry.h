// Where each control stands in pixels. The control table's geometry is in twips,
// drawn at 15 twips per pixel at scale 1; a face picks one scale for the whole
// form (the smallest, not below 1, at which every caption fits) and places every
// control at it.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "form/controls.h"

namespace selbrin::face {

struct PixelRect {
  int left, top, width, height;
  bool operator==(const PixelRect&) const = default;
};

// The pixel at which a twips coordinate falls at `scale`.
int ToPixels(int twips, double scale);

// The control's rectangle at `scale`. Each edge is rounded, rather than each
// size, so neighbours that touch in the table touch on screen.
PixelRect PlaceAt(const Twips& geometry, double scale);

// The window's client area at `scale`.
PixelRect ClientAreaAt(double scale);

// The least scale at which a control of `geometry` has room for a content of
// `width` x `height` pixels; never below `floor`.
double ScaleToFit(const Twips& geometry, int width, int height, double floor = 1.0);

// The size a control needs to show its text whole in a face's font, in pixels.
struct PixelSize {
  int width = 0;
  int height = 0;
};

using ControlNeeds = std::array<PixelSize, kControlCount>;

// The form at one scale: the smallest, not below `floor`, at which every
// control gets at least what it needs, so the form keeps its proportions in any
// font.
double FormScale(const ControlNeeds& need, double floor = 1.0);

// The smallest font the form is drawn in on a screen too small for the default
// one, in points.
inline constexpr double kSmallestFontPoints = 7.0;

// The largest scale at which the client area, inside a window frame that adds
// `frame` pixels, fits in a screen area of `available` pixels.
double ScaleForArea(PixelSize available, PixelSize frame);

// The font sizes a face may draw the form in, in its own unit (points, pixels):
// from the default down, by steps, to the smallest.
struct FontSizes {
  double largest = 0;
  double smallest = 0;
  double step = 1;
};

struct FormFit {
  double size = 0;
  double scale = 1;
};

// The form's font size and scale on a screen with room for `room`:
// `need(size)` is what every control needs in the face's font of that size.
// The largest size whose form scale (not below `floor`, nor below `room` where
// the room is smaller) fits the room, at that scale. When not even the smallest
// fits, the smallest at the scale it needs (the window then starts at the
// screen's corner).
FormFit FitForm(const FontSizes& sizes, double floor, double room,
                const std::function<ControlNeeds(double size)>& need);

// Where a window of `frame` size goes in the screen's `available` area: centred
// while it fits; a window larger than the area starts at the area's top-left
// corner in that direction, so its title bar stays on the screen.
PixelRect CentreIn(const PixelRect& available, int width, int height);

// Where the fault message of `width` x `height` goes: beside the form's
// `frame`, right of it, else left, else below, else above, so it hides none of
// the form. When the screen has no room beside it, the message goes into a
// corner of the form on screen that leaves the row of `acted_on` (the screen
// rectangle of the control the user acted on: the field and the results beside
// it) clear: bottom-right, else bottom-left, top-right, top-left.
PixelRect PlaceBeside(const PixelRect& frame, const PixelRect& available, int width, int height,
                      const std::optional<PixelRect>& acted_on = std::nullopt);

}  // namespace selbrin::face
