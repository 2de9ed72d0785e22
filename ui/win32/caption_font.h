// The font the window draws its captions in. It is the system's dialog font at
// the window's DPI; where that font is wider than the one the form was laid
// out for (so that a caption would be cut), the same face at the largest
// height at which every caption fits its control, but not below a readable
// floor. The geometry stays that of the control table either way.
#pragma once

#include <windows.h>

#include <string_view>

#include "form/controls.h"

namespace selbrin::win32 {

// The width in pixels of `text` in the font selected into `dc`.
int TextWidth(HDC dc, std::wstring_view text);

// The pixels a control of `kind`, `width` pixels wide, leaves its caption at
// `dpi`, in the font selected into `dc`: a check box's or option button's box
// and the gap after it, a button's edges, are not room for the text.
int CaptionRoom(Kind kind, int width, HDC dc, int dpi);

// The caption font for a window at `dpi`; the caller deletes it. Null when the
// system gives no dialog font.
HFONT CreateCaptionFont(int dpi);

}  // namespace selbrin::win32
