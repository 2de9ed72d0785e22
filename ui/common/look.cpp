#include "ui/common/look.h"

#include <algorithm>
#include <cmath>

namespace selbrin::face {
namespace {

// An input's frame (a box's, a check box's edge, an option's ring) is the
// firmer: it marks what the user may change. Both reach 3:1
// against the form in common light and dark palettes.
constexpr double kDisplayFrameShare = 0.45;
constexpr double kInputFrameShare = 0.6;

// The sRGB transfer curve and the luminance weights of the contrast ratio.
constexpr double kLinearLimit = 0.04045;
constexpr double kLinearSlope = 12.92;
constexpr double kCurveOffset = 0.055;
constexpr double kCurveGamma = 2.4;
constexpr double kRed = 0.2126, kGreen = 0.7152, kBlue = 0.0722;
constexpr double kFlare = 0.05;

double Linear(double channel) {
  if (channel <= kLinearLimit) return channel / kLinearSlope;
  return std::pow((channel + kCurveOffset) / (1 + kCurveOffset), kCurveGamma);
}

double Luminance(Rgb c) { return kRed * Linear(c.r) + kGreen * Linear(c.g) + kBlue * Linear(c.b); }

}  // namespace

Look LookOf(Kind kind) {
  switch (kind) {
    case Kind::Display:
      return {Surface::Form, kDisplayFrameShare};
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::CheckBox:
    case Kind::OptionButton:
      return {Surface::Input, kInputFrameShare};
    default:
      return {Surface::Form, 0};
  }
}

Rgb Mix(Rgb from, Rgb to, double share) {
  auto mix = [share](double x, double y) { return x + (y - x) * share; };
  return {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

double Contrast(Rgb a, Rgb b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

}  // namespace selbrin::face
