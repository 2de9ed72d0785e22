#include "ui/win32/form_font.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/common/geometry.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

constexpr double kPointsPerInch = 72;
// A font too large for the screen gets smaller by a pixel at a time.
constexpr double kFontStepPixels = 1;
// Every value the program puts in a combo box has at most this many digits
// (pulleys and powers up to 9999).
constexpr std::wstring_view kComboDigits = L"0000";
// An edit field's text keeps this gap from each side of its frame.
constexpr int kEditMargin = 2;

std::wstring ItemText(HWND combo, int item) {
  auto n = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
  std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(n, 0)));
  return text;
}

// The widest of the combo box's items and any value of its digits.
int WidestItem(HWND combo, HDC dc) {
  int widest = TextWidth(dc, kComboDigits);
  int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) widest = std::max(widest, TextWidth(dc, ItemText(combo, i)));
  return widest;
}

// What control `c`, whose window is `w`, needs to show its text whole in the
// font selected into `dc`. A display field's value may be cut (it then ends in
// an ellipsis and shows whole in its tip), so it needs only a line.
face::PixelSize NeedOf(Ctl c, HWND w, HDC dc, int dpi) {
  const ControlDef& d = Def(c);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  auto metric = [dpi](int index) { return GetSystemMetricsForDpi(index, static_cast<UINT>(dpi)); };
  int line = tm.tmHeight;
  int edges = 2 * metric(SM_CXEDGE) + 2 * kEditMargin;
  std::wstring caption = Widen(d.caption);
  switch (d.kind) {
    case Kind::Label:
      return {TextWidth(dc, caption), line};
    case Kind::Display:
      return {0, line + 2};
    case Kind::TextBox:
      return {
          TextWidth(dc, std::wstring(static_cast<std::size_t>(std::max(d.max_chars, 1)), L'0')) +
              edges,
          line + 2 * metric(SM_CYEDGE)};
    case Kind::ComboBox: {
      RECT field{};
      GetWindowRect(w, &field);
      return {WidestItem(w, dc) + edges + metric(SM_CXVSCROLL),
              static_cast<int>(field.bottom - field.top)};
    }
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::CommandButton: {
      int room = CaptionRoom(d.kind, 0, dc, dpi);  // minus what is not room for the caption
      int height = d.kind == Kind::CommandButton ? line + 4 * metric(SM_CYEDGE) : line;
      return {TextWidth(dc, caption) - room, height};
    }
  }
  return {};
}

// What every control needs in `font`, which each is given.
face::ControlNeeds NeedsIn(const std::array<HWND, kControlCount>& controls, HFONT font, int dpi) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  face::ControlNeeds need{};
  for (std::size_t i = 0; i < kControlCount; ++i) {
    SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    need[i] = NeedOf(static_cast<Ctl>(i), controls[i], dc, dpi);
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return need;
}

// The largest scale at which the window's frame fits `room`.
double LargestScale(SIZE room, int dpi, DWORD style, DWORD ex_style) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectExForDpi(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi));
  const Twips& area = kFormClientArea;
  double across = (room.cx - (frame.right - frame.left)) * double{kTwipsPerPixel} / area.width;
  double down = (room.cy - (frame.bottom - frame.top)) * double{kTwipsPerPixel} / area.height;
  return std::min(across, down);
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

std::wstring FittedValue(HDC dc, std::wstring_view value, int width) {
  constexpr std::wstring_view kEllipsis = L"\u2026";
  if (TextWidth(dc, value) <= width) return std::wstring(value);
  std::wstring cut(value);
  do {
    cut.pop_back();
    // Never between the two halves of a character outside the basic plane.
    if (!cut.empty() && IS_HIGH_SURROGATE(cut.back())) cut.pop_back();
  } while (!cut.empty() && TextWidth(dc, cut + std::wstring(kEllipsis)) > width);
  return cut + std::wstring(kEllipsis);
}

// The dialog font (DEFAULT_GUI_FONT), which the system gives at its own DPI,
// at the window's DPI; one pixel lower at a time while the form at its scale,
// not below the DPI's own, would not fit the work area.
FormLook ChooseFormLook(const std::array<HWND, kControlCount>& controls, int dpi, SIZE room,
                        DWORD style, DWORD ex_style) {
  LOGFONTW lf{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) == 0) return {};
  const LONG sign = lf.lfHeight < 0 ? -1 : 1;
  auto font_of = [&lf, sign](double height) {
    lf.lfHeight = sign * static_cast<LONG>(height);
    lf.lfWidth = 0;
    return CreateFontIndirectW(&lf);
  };
  auto needs_at = [&](double height) {
    HFONT font = font_of(height);
    face::ControlNeeds need = NeedsIn(controls, font, dpi);
    DeleteObject(font);
    return need;
  };
  const face::FontSizes sizes{
      static_cast<double>(MulDiv(std::abs(lf.lfHeight), dpi, static_cast<int>(GetDpiForSystem()))),
      std::round(face::kSmallestFontPoints * dpi / kPointsPerInch), kFontStepPixels};
  const double floor = static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI;
  face::FormFit fit =
      face::FitForm(sizes, floor, LargestScale(room, dpi, style, ex_style), needs_at);
  HFONT font = font_of(fit.size);
  if (font == nullptr) return {};
  NeedsIn(controls, font, dpi);  // every control in the chosen font
  return {font, fit.scale};
}

}  // namespace selbrin::win32
