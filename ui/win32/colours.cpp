#include "ui/win32/colours.h"

#include <cmath>

#include "ui/common/look.h"

namespace selbrin::win32 {
namespace {

constexpr double kChannelMax = 255;

face::Rgb RgbOf(COLORREF c) {
  return {GetRValue(c) / kChannelMax, GetGValue(c) / kChannelMax, GetBValue(c) / kChannelMax};
}

BYTE Channel(double value) { return static_cast<BYTE>(std::lround(value * kChannelMax)); }

}  // namespace

int SurfaceColourIndex(Kind kind) {
  return face::LookOf(kind).background == face::Surface::Form ? COLOR_BTNFACE : COLOR_WINDOW;
}

COLORREF FrameColour(Kind kind) {
  face::Rgb mixed = face::Mix(RgbOf(GetSysColor(COLOR_BTNFACE)),
                              RgbOf(GetSysColor(COLOR_WINDOWTEXT)), face::LookOf(kind).frame_share);
  return RGB(Channel(mixed.r), Channel(mixed.g), Channel(mixed.b));
}

}  // namespace selbrin::win32
