// The window's commands that read the form and write nothing into it: the
// context menus, the sheet's shortcuts, and the display fields, drawn by the
// window so that their window text can be what a screen reader reads.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <shellapi.h>

#include "sheet/fields.h"
#include "ui/common/about.h"
#include "ui/common/command_keys.h"
#include "ui/common/reading.h"
#include "ui/win32/colours.h"
#include "ui/win32/form_font.h"
#include "ui/win32/form_window.h"
#include "ui/win32/print_page.h"
#include "ui/win32/sheet_commands.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

// A display field draws its own frame, inside its rectangle.
constexpr int kDisplayFrameWidth = 1;

}  // namespace

// The menu of what is under the mouse: a display field's "Kopyala", or the
// background's sheet commands anywhere else that has no menu of its own.
// From the keyboard (no point) the menu opens at the focused control.
void FormWindow::OnContextMenu(LPARAM lp) {
  POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  HWND target = GetFocus();
  if (lp == -1) {
    RECT r{};
    GetWindowRect(target != nullptr ? target : hwnd_, &r);
    at = {r.left, r.bottom};
  } else {
    POINT client = at;
    ScreenToClient(hwnd_, &client);
    target = ChildWindowFromPointEx(hwnd_, client, CWP_SKIPINVISIBLE);
  }
  std::optional<Ctl> c = ControlOf(target);
  bool display = c && Def(*c).kind == Kind::Display;
  HMENU menu = display ? CreateDisplayMenu(!form_.Text(*c).empty()) : CreateFormMenu();
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  if (chosen == kCopyValueId && display) {
    PutOnClipboard(hwnd_, form_.Text(*c));
  } else if (std::optional<face::SheetCommand> command = SheetCommandOfId(chosen)) {
    RunSheetCommand(*command);
  } else if (std::optional<face::DriveCommand> drive = DriveCommandOfId(chosen)) {
    drive_->Run(*drive);
  } else if (chosen == kAboutId) {
    ShowAbout();
  }
}

// The form's keys for its commands: F1 "Hakkında…", Shift+F10 and the Menu key
// the background's menu at the focused control (a box would open its own),
// Ctrl+C a selected result. True when the key was used up.
bool FormWindow::OnCommandKey(const MSG& msg) {
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (msg.wParam == VK_F1 && !shift && !ctrl) {
    ShowAbout();
    return true;
  }
  if ((msg.wParam == VK_F10 && shift && !ctrl) || msg.wParam == VK_APPS) {
    OnContextMenu(-1);
    return true;
  }
  return msg.wParam == 'C' && ctrl && !shift && CopyDisplaySelection();
}

void FormWindow::ShowAbout() {
  std::string text = face::AboutText(SELBRIN_VERSION_TEXT, face::FaceKind::DesktopBrowserPrint);
  MessageBoxW(hwnd_, Widen(text).c_str(), Widen(face::kAboutTitle).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

// A click on a result selects its value, drawn highlighted, for Ctrl+C; a
// result never takes the focus from the box the user is typing in.
void FormWindow::SelectDisplay(Ctl c) {
  Ctl before = selected_display_;
  selected_display_ = form_.Text(c).empty() ? Ctl::None : c;
  for (Ctl redraw : {before, c}) {
    if (redraw != Ctl::None) InvalidateRect(control(redraw), nullptr, FALSE);
  }
}

// Ctrl+C copies the focused box's own selection; with none there, the result
// the user selected.
bool FormWindow::CopyDisplaySelection() {
  HWND focus = GetFocus();
  wchar_t cls[16] = {};
  if (focus != nullptr) GetClassNameW(focus, cls, 16);
  DWORD start = 0, end = 0;
  if (lstrcmpiW(cls, L"Edit") == 0) {
    SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  }
  if (start != end || selected_display_ == Ctl::None) return false;
  PutOnClipboard(hwnd_, form_.Text(selected_display_));
  return true;
}

void FormWindow::RunSheetCommand(face::SheetCommand command) {
  if (command == face::SheetCommand::CopyResults) {
    PutOnClipboard(hwnd_, sheet::ResultsText(form_));
    return;
  }
  std::wstring folder = TemporaryFolder();
  RemoveOldPrintPages(folder);
  std::wstring path = NewPrintPagePath(folder);
  bool written = WritePrintPage(path, form_, Today(), drive_->title());
  DWORD error = written ? ERROR_SUCCESS : GetLastError();
  if (!written && error == ERROR_SUCCESS) error = ERROR_WRITE_FAULT;
  if (written) {
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;  // the failure is told below, with the page's path
    run.hwnd = hwnd_;
    run.lpVerb = L"open";
    run.lpFile = path.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&run) == FALSE) error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    MessageBoxW(hwnd_, Widen(PrintFailedText(path, written, error)).c_str(),
                Widen(face::kPrintTitle).c_str(), MB_OK | MB_ICONWARNING);
  }
}

// A display field: its value on the form's colour, as a read-only field, ended
// in an ellipsis where the field cuts it.
void FormWindow::DrawDisplay(const DRAWITEMSTRUCT& item) {
  std::optional<Ctl> c = ControlOf(item.hwndItem);
  if (!c) return;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(SurfaceColourIndex(Kind::Display)));
  HGDIOBJ old_pen = SelectObject(dc, CreatePen(PS_SOLID, 1, FrameColour(Kind::Display)));
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  DeleteObject(SelectObject(dc, old_pen));
  SelectObject(dc, old_brush);
  InflateRect(&r, -kDisplayFrameWidth, -kDisplayFrameWidth);
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  bool selected = *c == selected_display_;
  SetBkMode(dc, selected ? OPAQUE : TRANSPARENT);
  SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  std::wstring value = FittedValue(dc, Widen(form_.Text(*c)), r.right - r.left);
  DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &r,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
}

// The window text is what a screen reader reads: caption, value and unit. A
// value wider than the field is shown whole in the field's tip.
void FormWindow::ShowDisplay(Ctl c) {
  HWND w = control(c);
  std::string reading = face::DisplayReading(c, form_.Text(c));
  // A new value ends the selection of the old one.
  if (c == selected_display_ && Widen(reading) != WindowText(w)) selected_display_ = Ctl::None;
  WriteText(w, reading);
  InvalidateRect(w, nullptr, FALSE);
  std::wstring value = Widen(form_.Text(c));
  RECT room{};
  GetClientRect(w, &room);
  HDC dc = GetDC(w);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
  bool fits = TextWidth(dc, value) <= room.right - 2 * kDisplayFrameWidth;
  SelectObject(dc, old);
  ReleaseDC(w, dc);
  std::wstring tip = fits ? Widen(Def(c).tooltip) : value;
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(w);
  info.lpszText = tip.data();
  SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace selbrin::win32
