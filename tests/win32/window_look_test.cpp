// What the Windows window shows of its texts: every caption whole in its
// control, and a display field's value that does not fit in its tooltip.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/window_fixture.h"
#include "ui/win32/caption_font.h"

namespace selbrin::win32 {
namespace {

// The width of `w`'s window text in the font it draws with.
int CaptionWidth(HWND w) {
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
  int width = TextWidth(dc, WindowText(w));
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return width;
}

int RoomIn(HWND w, Kind kind, int dpi) {
  RECT client{};
  GetClientRect(w, &client);
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
  int room = CaptionRoom(kind, client.right, dc, dpi);
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  return room;
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

}  // namespace
}  // namespace selbrin::win32
