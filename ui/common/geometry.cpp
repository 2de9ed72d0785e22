#include "ui/common/geometry.h"

#include <algorithm>
#include <cmath>

namespace selbrin::face {
namespace {

// The gap between the form and the fault message beside it.
constexpr int kGap = 8;

constexpr double kTwips = kTwipsPerPixel;  // so that every division here is exact

// A screen's scale is found to a thousandth.
constexpr double kScaleGrain = 1000;

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

// The part of `a` that `b` covers; `a` itself when they do not meet.
PixelRect Overlap(const PixelRect& a, const PixelRect& b) {
  int left = std::max(a.left, b.left);
  int top = std::max(a.top, b.top);
  int right = std::min(a.left + a.width, b.left + b.width);
  int bottom = std::min(a.top + a.height, b.top + b.height);
  if (right <= left || bottom <= top) return a;
  return {left, top, right - left, bottom - top};
}

// Whether `r` reaches into the rows from `top` to `top + height`.
bool CrossesRows(const PixelRect& r, int top, int height) {
  return r.top < top + height && top < r.top + r.height;
}

// A corner of the visible `form` for the message, clear of the acted-on row.
PixelRect InsideForm(const PixelRect& form, int width, int height,
                     const std::optional<PixelRect>& acted_on) {
  int right = form.left + form.width - width;
  int bottom = form.top + form.height - height;
  const PixelRect corners[] = {
      {right, bottom, width, height},
      {form.left, bottom, width, height},
      {right, form.top, width, height},
      {form.left, form.top, width, height},
  };
  for (const PixelRect& r : corners) {
    if (!acted_on || !CrossesRows(r, acted_on->top, acted_on->height)) return r;
  }
  return corners[0];
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

double ScaleToFit(const Twips& g, int width, int height, double floor) {
  return std::max({floor, width * kTwips / g.width, height * kTwips / g.height});
}

double FormScale(const ControlNeeds& need, double floor) {
  double scale = floor;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    scale = std::max(scale, ScaleToFit(kControls[i].geometry, need[i].width, need[i].height, 0));
  }
  return scale;
}

double ScaleForArea(PixelSize available, PixelSize frame) {
  const double width = available.width - frame.width;
  const double height = available.height - frame.height;
  double scale =
      std::min(width * kTwips / kFormClientArea.width, height * kTwips / kFormClientArea.height);
  // Each edge is rounded to a pixel: step down until the rounded area fits.
  scale = std::floor(scale * kScaleGrain) / kScaleGrain;
  while (scale > 0 && (ClientAreaAt(scale).width > width || ClientAreaAt(scale).height > height)) {
    scale -= 1 / kScaleGrain;
  }
  return std::max(scale, 0.0);
}

FormFit FitForm(const FontSizes& sizes, double floor, double room,
                const std::function<ControlNeeds(double size)>& need) {
  const double least = std::min(floor, room);
  FormFit fit{sizes.largest, 0};
  for (double size = sizes.largest; size >= sizes.smallest; size -= sizes.step) {
    fit = {size, FormScale(need(size), least)};
    if (fit.scale <= room) return fit;
  }
  if (fit.scale == 0) fit.scale = FormScale(need(fit.size), least);  // no size to try
  return fit;
}

PixelRect CentreIn(const PixelRect& available, int width, int height) {
  return {CentredStart(available.left, available.width, width),
          CentredStart(available.top, available.height, height), width, height};
}

PixelRect PlaceBeside(const PixelRect& frame, const PixelRect& available, int width, int height,
                      const std::optional<PixelRect>& acted_on) {
  int right = frame.left + frame.width;
  int bottom = frame.top + frame.height;
  const PixelRect beside[] = {
      {right + kGap, frame.top, width, height},
      {frame.left - kGap - width, frame.top, width, height},
      {frame.left, bottom + kGap, width, height},
      {frame.left, frame.top - kGap - height, width, height},
  };
  for (const PixelRect& r : beside) {
    if (Inside(available, r)) return r;
  }
  return InsideForm(Overlap(frame, available), width, height, acted_on);
}

}  // namespace selbrin::face
