#include "ui/win32/caption_font.h"

#include <algorithm>
#include <cmath>

#include "ui/common/geometry.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

// The smallest text height, in pixels at 96 DPI, that still reads well.
constexpr int kFloorHeight = 7;

bool HasCaption(Kind kind) {
  return kind == Kind::Label || kind == Kind::CheckBox || kind == Kind::OptionButton ||
         kind == Kind::CommandButton;
}

// The most a caption overflows its control in `font`: its width over its room,
// 1 or less when every caption fits.
double LargestOverflow(HFONT font, int dpi) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  double scale = static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI;
  double largest = 0;
  for (const ControlDef& d : kControls) {
    if (!HasCaption(d.kind) || d.caption.empty()) continue;
    int room = CaptionRoom(d.kind, face::PlaceAt(d.geometry, scale).width, dc, dpi);
    largest = std::max(largest, TextWidth(dc, Widen(d.caption)) / static_cast<double>(room));
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return largest;
}

}  // namespace

int TextWidth(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// A check box draws its text half a digit after its box; a button keeps its
// edge and the focus frame inside it clear on both sides.
int CaptionRoom(Kind kind, int width, HDC dc, int dpi) {
  switch (kind) {
    case Kind::CheckBox:
    case Kind::OptionButton:
      return width - GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi)) -
             TextWidth(dc, L"0") / 2;
    case Kind::CommandButton:
      return width - 4 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
    default:
      return width;
  }
}

// The dialog font (DEFAULT_GUI_FONT), which the system gives at its own DPI,
// at the window's DPI; then one pixel lower at a time while a caption still
// overflows, starting from the height the overflow alone asks for.
HFONT CreateCaptionFont(int dpi) {
  LOGFONTW lf{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) == 0) return nullptr;
  lf.lfHeight = MulDiv(lf.lfHeight, dpi, static_cast<int>(GetDpiForSystem()));
  HFONT font = CreateFontIndirectW(&lf);
  double overflow = font != nullptr ? LargestOverflow(font, dpi) : 0;
  if (overflow <= 1) return font;
  int sign = lf.lfHeight < 0 ? -1 : 1;
  int floor = MulDiv(kFloorHeight, dpi, USER_DEFAULT_SCREEN_DPI);
  int height = std::max(floor, static_cast<int>(std::floor(std::abs(lf.lfHeight) / overflow)));
  for (;; --height) {
    DeleteObject(font);
    lf.lfHeight = sign * height;
    lf.lfWidth = 0;
    font = CreateFontIndirectW(&lf);
    if (height <= floor || font == nullptr || LargestOverflow(font, dpi) <= 1) return font;
  }
}

}  // namespace selbrin::win32
