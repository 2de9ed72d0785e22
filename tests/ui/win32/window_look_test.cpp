// What the Windows window shows of its texts: every caption whole in its
// control, and a display field's value that does not fit in its tooltip.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/win32/window_fixture.h"
// after windows.h, which it needs
#include <commctrl.h>

#include "ui/win32/caption_font.h"

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
