// The Windows window under test: a fixture that opens it on a fresh model and
// acts on its real controls with the messages user input produces, and the
// comparisons of what the window shows with the model.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "form/form1.h"
#include "tests/support/snapshot.h"
#include "ui/common/reading.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/form_window.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {

inline constexpr int kPower30kW = 5;  // Combo1 "30"
inline constexpr int kPulley140 = 5;  // Combo3 "140"

inline HWND Field(HWND control) {
  HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
  return edit != nullptr ? edit : control;  // a combo box's field, or the edit itself
}

inline std::string Shown(HWND w) { return Narrow(WindowText(w)); }

// Puts `text` on the clipboard as a program the user copied from would.
inline bool SetClipboardText(const std::wstring& text) {
  if (OpenClipboard(nullptr) == FALSE) return false;
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

inline std::string ClipboardText() {
  std::wstring text;
  if (OpenClipboard(nullptr) == FALSE) return "(no clipboard)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return Narrow(text);
}

// The first control whose window differs from the model, described.
inline std::string MismatchWithModel(const FormWindow& window, const Form1& form) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    HWND w = window.control(c);
    const ControlDef& d = Def(c);
    bool checked = SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
    bool same = true;
    switch (d.kind) {
      case Kind::ComboBox:
        same = SendMessageW(w, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(form.Items(c).size());
        [[fallthrough]];
      case Kind::Label:
      case Kind::TextBox:
        same = same && Shown(w) == form.Text(c);
        break;
      case Kind::Display:
        same = Shown(w) == face::DisplayReading(c, form.Text(c));
        break;
      case Kind::CheckBox:
        same = checked == (form.Value(c) == 1);
        break;
      case Kind::OptionButton:
        same = checked == form.OptionValue(d.index);
        break;
      case Kind::CommandButton:
        break;
    }
    if (!same)
      return WidgetName(c) + " shows \"" + Shown(w) + "\", the model \"" + form.Text(c) + "\"";
  }
  return {};
}

// How many Down keys reach the item `id` of `menu` from its opening, where
// no item is highlighted; separators are passed over.
inline int DownsTo(HMENU menu, int id) {
  int downs = 0;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0) continue;
    ++downs;
    if (static_cast<int>(GetMenuItemID(menu, i)) == id) break;
  }
  return downs;
}

// The process draws at the screen's DPI, as the program does by its manifest.
inline bool DrawAtTheScreensDpi() {
  return SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != FALSE;
}

// The user's actions are public: a scripted user acts through them too.
class WindowTest : public ::testing::Test {
 public:
  WindowTest() : window_(form_, GetModuleHandleW(nullptr)) {
    window_.Show(SW_SHOW);
    SetForegroundWindow(window_.hwnd());
    Pump();
  }

  void Pump() { PumpMessages(window_); }
  HWND Control(Ctl c) const { return window_.control(c); }

  // Keystrokes at the end of a field, as characters (backspace is '\b').
  void Type(Ctl c, std::string_view chars) {
    HWND edit = Field(Control(c));
    for (char ch : chars) {
      int end = GetWindowTextLengthW(edit);
      SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
      SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(ch), 0);
      Pump();
    }
  }

  // Selects UTF-16 units [from, to) of the field (to -1: all) and pastes `text`
  // over them from the clipboard.
  void PasteOver(Ctl c, int from, int to, const std::wstring& text) {
    HWND edit = Field(Control(c));
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(from), to);
    SetClipboardText(text);
    SendMessageW(edit, WM_PASTE, 0, 0);
    Pump();
  }

  // Opens the list, moves to `item` and takes it with Enter.
  void PickFromList(Ctl combo, int item) {
    HWND w = Control(combo);
    SetFocus(w);
    SendMessageW(w, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();  // the list is open before the user moves in it
    SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
  }

  void Key(HWND w, WPARAM key) {
    SetFocus(w);
    PostMessageW(w, WM_KEYDOWN, key, 0);
    Pump();
  }

  // Ctrl (and Shift) held while `letter` goes down in the focused control.
  void Shortcut(bool shift, char letter) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    keys[VK_CONTROL] |= 0x80;
    if (shift) keys[VK_SHIFT] |= 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(letter), 0);
    Pump();
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }

  // A right click on `c`, and the first item of the menu it opens taken with
  // the keyboard: the keys wait in the queue the menu reads.
  void FirstMenuItemOn(Ctl c) {
    RECT r{};
    GetWindowRect(Control(c), &r);
    PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(window_.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(c)),
                 MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Pump();
  }

  void TypicalUse() {
    PickFromList(Ctl::Combo1, kPower30kW);
    Type(Ctl::Text2, "3000");
    PickFromList(Ctl::Combo3, kPulley140);
    Type(Ctl::Text5, "3");
    Key(Control(Ctl::Command1), VK_RETURN);
  }

  void Click(Ctl c) {
    SendMessageW(Control(c), BM_CLICK, 0, 0);
    Pump();
  }

 protected:
  bool dpi_aware_ = DrawAtTheScreensDpi();
  Form1 form_;
  FormWindow window_;
};

}  // namespace selbrin::win32
