// The form's keys for its commands: the background menu from the keyboard,
// "Hakkında…" from it and from F1, and Ctrl+C on a result the user selected.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/win32/window_fixture.h"
#include "ui/common/about.h"
#include "ui/win32/drive_commands.h"

namespace selbrin::win32 {
namespace {

// The message box the window opened: its title and its text.
struct SeenBox {
  std::string title;
  std::string text;
};
SeenBox seen;

BOOL CALLBACK KeepLongestText(HWND child, LPARAM longest) {
  std::string text = Shown(child);
  auto* kept = reinterpret_cast<std::string*>(longest);
  if (text.size() > kept->size()) *kept = text;
  return TRUE;
}

BOOL CALLBACK CloseMessageBox(HWND w, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  // A timer comes only with the queue empty: an open menu has had every key
  // the test gave it, and waits for the user; closed, the test fails instead.
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(w)) EndMenu();
  if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
  seen.title = Shown(w);
  EnumChildWindows(w, KeepLongestText, reinterpret_cast<LPARAM>(&seen.text));
  PostMessageW(w, WM_COMMAND, IDOK, 0);
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// Runs while the box's own loop waits for the user, until it finds the box.
void CALLBACK LookForMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, reinterpret_cast<LPARAM>(&found));
  if (found) KillTimer(nullptr, timer);
}

constexpr UINT kLookEvery = 50;  // ms between looks for the box

void HoldKeys(bool shift, bool ctrl) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(keys);
}

std::string AboutText() {
  return face::AboutText(SELBRIN_VERSION_TEXT, face::FaceKind::DesktopBrowserPrint);
}

// State: a new window, the focus in Text2.  Action: F1.  Expected: a message
// titled "Selbrin Hakkında" with the program, its version and its commands,
// no command the window lacks.
TEST_F(WindowTest, F1ShowsTheProgramAndItsCommands) {
  seen = {};
  UINT_PTR timer = SetTimer(nullptr, 0, kLookEvery, LookForMessageBox);
  Key(Field(Control(Ctl::Text2)), VK_F1);
  KillTimer(nullptr, timer);
  EXPECT_EQ(seen.title, face::kAboutTitle);
  EXPECT_EQ(seen.text, AboutText());
  EXPECT_NE(seen.text.find("Yazdır…\tCtrl+P"), std::string::npos) << seen.text;
  EXPECT_EQ(seen.text.find("PDF"), std::string::npos) << seen.text;
}

struct MenuKey {
  const char* what;
  UINT message;
  WPARAM key;
  bool shift;
};

// State: the focus on a field or a button.  Action: Shift+F10, the Menu key, or
// the menu the focused control asks its form for, then the menu's last item.
// Expected: the background menu opened, "Hakkında…" last on it.
TEST_F(WindowTest, TheMenuKeysOpenTheBackgroundMenuAtTheFocus) {
  const MenuKey keys[] = {{"Shift+F10", WM_SYSKEYDOWN, VK_F10, true},
                          {"Menu key", WM_KEYDOWN, VK_APPS, false},
                          {"context menu from the keyboard", WM_CONTEXTMENU, 0, false}};
  HMENU menu = CreateFormMenu();
  int downs = DownsTo(menu, kAboutId);
  DestroyMenu(menu);
  for (Ctl focus : {Ctl::Text5, Ctl::Command1}) {
    for (const MenuKey& k : keys) {
      seen = {};
      HWND target = Field(Control(focus));
      SetFocus(target);
      // The menu's keys wait in the queue behind the key that opens it.
      if (k.message != WM_CONTEXTMENU) PostMessageW(target, k.message, k.key, 0);
      for (int i = 0; i < downs; ++i) PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
      UINT_PTR timer = SetTimer(nullptr, 0, kLookEvery, LookForMessageBox);
      HoldKeys(k.shift, false);
      if (k.message == WM_CONTEXTMENU) {
        SendMessageW(window_.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), -1);
      }
      Pump();
      KillTimer(nullptr, timer);
      HoldKeys(false, false);
      EXPECT_EQ(seen.title, face::kAboutTitle) << k.what << " in " << WidgetName(focus);
    }
  }
}

// State: the typical use, the focus in Text5, a result clicked or not, a
// selection in Text5 or not.  Action: Ctrl+C.  Expected: the box's own
// selection when it has one, else the clicked result's value, else nothing.
TEST_F(WindowTest, CtrlCCopiesTheSelectedResult) {
  struct Row {
    bool click_result;
    bool select_in_box;
    const char* copied;
  };
  const Row rows[] = {{false, false, "kept"}, {true, false, "179.31"}, {true, true, "3"}};
  TypicalUse();
  for (const Row& row : rows) {
    HWND box = Field(Control(Ctl::Text5));
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, row.select_in_box ? 0 : 1, 1);
    if (row.click_result) {
      HWND result = Control(Ctl::Label35);
      PostMessageW(result, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
      PostMessageW(result, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
      Pump();
    }
    SetClipboardText(L"kept");
    Shortcut(false, 'C');
    EXPECT_EQ(ClipboardText(), row.copied) << row.click_result << row.select_in_box;
    EXPECT_EQ(GetFocus(), box);
  }
}

}  // namespace
}  // namespace selbrin::win32
