// How the Windows window looks at the screen's DPI (these tests run at 96, 144
// and 192 DPI): one scale for the whole form in the system's dialog font,
// every caption whole, the window and the fault message on the screen, display
// fields read-only, and a display field's value that does not fit cut with an
// ellipsis and shown whole in its tooltip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/ui/win32/window_fixture.h"
// after windows.h, which it needs
#include <commctrl.h>

#include "ui/common/geometry.h"
#include "ui/win32/colours.h"
#include "ui/win32/form_font.h"

namespace selbrin::win32 {
namespace {

// What `measure` finds on a device context of `w` holding the font `w` draws with.
template <typename Measure>
int InItsFont(HWND w, Measure measure) {
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
  int result = measure(dc);
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return result;
}

// The width of `w`'s window text in the font it draws with.
int CaptionWidth(HWND w) {
  return InItsFont(w, [w](HDC dc) { return TextWidth(dc, WindowText(w)); });
}

int RoomIn(HWND w, Kind kind, int dpi) {
  RECT client{};
  GetClientRect(w, &client);
  return InItsFont(w, [&](HDC dc) { return CaptionRoom(kind, client.right, dc, dpi); });
}

// The tip the window's tooltip control holds for `control`, empty for none.
std::string TipOf(HWND form, HWND control) {
  struct Search {
    HWND form;
    HWND tooltips = nullptr;
  } search{form};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t cls[32] = {};
        GetClassNameW(w, cls, 32);
        if (lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0 || GetWindow(w, GW_OWNER) != s->form) return TRUE;
        s->tooltips = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  wchar_t text[256] = {};
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = form;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = text;
  SendMessageW(search.tooltips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
  return Narrow(text);
}

using WindowLookTest = WindowTest;

RECT WorkArea(HWND w) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTOPRIMARY), &mi);
  return mi.rcWork;
}

bool Inside(const RECT& outer, const RECT& r) {
  return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right &&
         r.bottom <= outer.bottom;
}

// The height of the dialog font at `dpi`, in pixels.
int DialogFontHeight(int dpi) {
  LOGFONTW lf{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  return MulDiv(std::abs(lf.lfHeight), dpi, static_cast<int>(GetDpiForSystem()));
}

int FontHeightOf(HWND w) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return std::abs(lf.lfHeight);
}

// The colour on the screen at the point `x`, `y` of `w`'s client area.
COLORREF ScreenPixel(HWND w, int x, int y) {
  POINT at{x, y};
  ClientToScreen(w, &at);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// State: a new window at the screen's DPI.  Action: none.
// Expected: the window draws in the system's dialog font at that DPI, at one
// scale of at least the DPI's; every control at its twips / 15 times that
// scale; the whole window on the 1280 x 800 screen.
TEST_F(WindowLookTest, StandsAtOneScaleOfTheTableInTheDialogFont) {
  int dpi = static_cast<int>(GetDpiForWindow(window_.hwnd()));
  ASSERT_EQ(window_.dpi(), dpi);
  double scale = window_.scale();
  EXPECT_GE(scale, dpi / 96.0);
  RECT frame{}, work = WorkArea(window_.hwnd());
  GetWindowRect(window_.hwnd(), &frame);
  // A smaller font only where the form in the dialog font would not fit the screen.
  int font = FontHeightOf(Control(Ctl::Label1));
  EXPECT_LE(font, DialogFontHeight(dpi));
  if (font < DialogFontHeight(dpi)) {
    EXPECT_GE(font, MulDiv(7, dpi, 72));
    EXPECT_GT(std::max((frame.right - frame.left) * 10 / (work.right - work.left),
                       (frame.bottom - frame.top) * 10 / (work.bottom - work.top)),
              8);
  }
  RECT client{};
  GetClientRect(window_.hwnd(), &client);
  EXPECT_EQ(client.right, face::ClientAreaAt(scale).width);
  EXPECT_EQ(client.bottom, face::ClientAreaAt(scale).height);
  EXPECT_EQ(Shown(window_.hwnd()), " Selbrin");
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    RECT r{};
    GetWindowRect(Control(c), &r);
    MapWindowPoints(nullptr, window_.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    face::PixelRect want = face::PlaceAt(kControls[i].geometry, scale);
    EXPECT_EQ(r.left, want.left) << WidgetName(c);
    EXPECT_EQ(r.top, want.top) << WidgetName(c);
    EXPECT_EQ(r.right - r.left, want.width) << WidgetName(c);
    if (Def(c).kind != Kind::ComboBox) {
      EXPECT_EQ(r.bottom - r.top, want.height) << WidgetName(c);
    }
  }
  EXPECT_TRUE(Inside(work, frame));
  EXPECT_LE(frame.right - frame.left, 1280);
  EXPECT_LE(frame.bottom - frame.top, 800);
  EXPECT_NE(GetWindowLongPtrW(window_.hwnd(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(GetFocus(), Control(Ctl::Text2));
}

// State: the typical use.  Action: none.
// Expected: a display field is filled with the form's colour, not the
// input's, inside a frame lighter than the text; "Motor Deviri"'s left border
// shows beside its caption.
TEST_F(WindowLookTest, DisplayFieldsLookReadOnly) {
  TypicalUse();
  HWND field = Control(Ctl::Label31);
  RedrawWindow(window_.hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  GetClientRect(field, &r);
  EXPECT_EQ(ScreenPixel(field, r.right - 2, r.bottom - 2), GetSysColor(COLOR_BTNFACE));
  RECT edge{};
  GetWindowRect(field, &edge);
  MapWindowPoints(nullptr, window_.hwnd(), reinterpret_cast<POINT*>(&edge), 2);
  COLORREF border = ScreenPixel(window_.hwnd(), edge.left, (edge.top + edge.bottom) / 2);
  EXPECT_EQ(border, FrameColour(Kind::Display));
  EXPECT_NE(border, GetSysColor(COLOR_WINDOWTEXT));  // which glares on a dark form
}

// State: a new window.  Action: values measured for Label40 in its font.
// Expected: one that fits is shown whole; one that does not is cut and ends
// in an ellipsis.
TEST_F(WindowLookTest, AValueCutByItsFieldEndsInAnEllipsis) {
  HWND field = Control(Ctl::Label40);
  RECT r{};
  GetClientRect(field, &r);
  auto fitted = [&](std::wstring_view value) {
    HDC dc = GetDC(field);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
    std::wstring shown = FittedValue(dc, value, r.right);
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    return shown;
  };
  EXPECT_EQ(fitted(L"12.5"), L"12.5");
  std::wstring cut = fitted(L"340136045987244564851720192.00");
  ASSERT_GT(cut.size(), 1U);
  EXPECT_EQ(cut.back(), L'\u2026');
  EXPECT_TRUE(std::wstring_view(L"340136045987244564851720192.00")
                  .starts_with(std::wstring_view(cut).substr(0, cut.size() - 1)));
}

// State: a fault shown beside the form.  Action: a click on the message, then
// the form moved.  Expected: the click does not activate the message; it goes
// with the form, beside it and on the screen.
TEST_F(WindowLookTest, TheFaultMessageStaysBesideTheFormAndInactive) {
  PickFromList(Ctl::Combo1, kPower30kW);
  SetFocus(Control(Ctl::Text2));
  Type(Ctl::Text2, "9e99");
  HWND message = window_.faultMessage().hwnd();
  ASSERT_TRUE(window_.faultMessage().visible());
  EXPECT_EQ(SendMessageW(message, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(message),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  RECT form{}, before{}, after{};
  GetWindowRect(window_.hwnd(), &form);
  GetWindowRect(message, &before);
  RECT work = WorkArea(window_.hwnd());
  EXPECT_TRUE(Inside(work, before));
  constexpr int kLeft = 40, kDown = 24;
  SetWindowPos(window_.hwnd(), nullptr, form.left - kLeft, form.top + kDown, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  GetWindowRect(message, &after);
  if (before.left >= form.right) {  // beside it on the right while that fits
    EXPECT_EQ(after.left, before.left - kLeft);
    EXPECT_EQ(after.top, before.top + kDown);
  }
  EXPECT_TRUE(Inside(work, after));
  EXPECT_EQ(GetFocus(), Control(Ctl::Text2));
}

// State: a new window at 96 DPI.  Action: none.
// Expected: no label, check box, option button or command button has a
// caption wider than the room its control gives it.
TEST_F(WindowLookTest, NoCaptionIsClipped) {
  std::string clipped;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    Kind kind = Def(c).kind;
    if (kind == Kind::Display || kind == Kind::TextBox || kind == Kind::ComboBox) continue;
    HWND w = Control(c);
    int width = CaptionWidth(w);
    int room = RoomIn(w, kind, window_.dpi());
    if (width > room) {
      clipped += WidgetName(c) + " \"" + Shown(w) + "\" " + std::to_string(width) + " > " +
                 std::to_string(room) + "; ";
    }
  }
  EXPECT_EQ(clipped, "");
}

// State: a new window.  Action: the program writes belt speeds into Label40.
// Expected: a value too wide for the field is its tip, whole; one that fits
// leaves no tip.
TEST_F(WindowLookTest, ADisplayValueThatDoesNotFitShowsInItsTip) {
  const struct {
    const char* value;
    const char* tip;
  } cases[] = {
      {"1047.123456", "1047.123456"},
      {"12", ""},
      {"-1.79769313486232E+308", "-1.79769313486232E+308"},
      {"", ""},
  };
  for (const auto& c : cases) {
    form_.SetCaption(Ctl::Label40, c.value);
    Pump();
    EXPECT_EQ(TipOf(window_.hwnd(), Control(Ctl::Label40)), c.tip) << c.value;
  }
}

}  // namespace
}  // namespace selbrin::win32
