// The font and the scale the window draws the form at. The font is the system's
// dialog font at the window's DPI; the scale is the shared form scale, the
// least at which every control shows its caption, list items or typed digits
// whole in that font, not below the DPI's own. Where the form at that scale
// would not fit the screen's work area, the scale that fits it is taken and
// the font made smaller until everything fits there, down to a readable floor.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "form/controls.h"

namespace selbrin::win32 {

// The width in pixels of `text` in the font selected into `dc`.
int TextWidth(HDC dc, std::wstring_view text);

// The pixels a control of `kind`, `width` pixels wide, leaves its caption at
// `dpi`, in the font selected into `dc`: a check box's or option button's box
// and the gap after it, a button's edges, are not room for the text.
int CaptionRoom(Kind kind, int width, HDC dc, int dpi);

// `value` as a field `width` pixels wide shows it in the font selected into
// `dc`: whole when it fits, else cut and ended in an ellipsis.
std::wstring FittedValue(HDC dc, std::wstring_view value, int width);

struct FormLook {
  HFONT font = nullptr;  // the caller deletes it; null when the system has no dialog font
  double scale = 1.0;    // pixels per twips / 15
};

// The look of the form whose child windows are `controls` at `dpi`, on a
// work area of `room`. Sets each control's font to the one chosen.
FormLook ChooseFormLook(const std::array<HWND, kControlCount>& controls, int dpi, SIZE room,
                        DWORD style, DWORD ex_style);

}  // namespace selbrin::win32
