#include "ui/common/geometry.h"

#include <algorithm>
#include <cmath>

namespace selbrin::face {
namespace {

// The gap between the form and the fault message beside it.
constexpr int kGap = 8;

constexpr double kTwips = kTwipsPerPixel;  // so that every division here is exact

bool Inside(const PixelRect& outer, const PixelRect& r) {
  return r.left >= outer.left && r.top >= outer.top &&
         r.left + r.width <= outer.left + outer.width &&
         r.top + r.height <= outer.top + outer.height;
}

// The start of a span of `size` centred in [start, start + room), or `start`
// when it does not fit.
int CentredStart(int start, int room, int size) {
  return size >= room ? start : start + (room - size) / 2;
}

}  // namespace

int ToPixels(int twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / kTwips));
}

PixelRect PlaceAt(const Twips& g, double scale) {
  int left = ToPixels(g.left, scale);
  int top = ToPixels(g.top, scale);
  return {left, top, ToPixels(g.left + g.width, scale) - left,
          ToPixels(g.top + g.height, scale) - top};
}

PixelRect ClientAreaAt(double scale) { return PlaceAt(kFormClientArea, scale); }

double ScaleToFit(const Twips& g, int width, int height) {
  return std::max({1.0, width * kTwips / g.width, height * kTwips / g.height});
}

PixelRect CentreIn(const PixelRect& available, int width, int height) {
  return {CentredStart(available.left, available.width, width),
          CentredStart(available.top, available.height, height), width, height};
}

PixelRect PlaceBeside(const PixelRect& frame, const PixelRect& available, int width, int height) {
  int right = frame.left + frame.width;
  int bottom = frame.top + frame.height;
  const PixelRect candidates[] = {
      {right + kGap, frame.top, width, height},
      {frame.left - kGap - width, frame.top, width, height},
      {frame.left, bottom + kGap, width, height},
      {frame.left, frame.top - kGap - height, width, height},
  };
  for (const PixelRect& r : candidates) {
    if (Inside(available, r)) return r;
  }
  return {right - width, bottom - height, width, height};
}

}  // namespace selbrin::face
