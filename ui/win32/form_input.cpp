// The window's messages: user input into the model, the model's colours and the
// form's own keys.
#include <algorithm>
#include <optional>

#include "ui/common/keyboard.h"
#include "ui/win32/colours.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/form_window.h"
#include "ui/win32/sheet_commands.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

bool IsComboDropped(HWND w) {
  for (; w != nullptr; w = GetParent(w)) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (lstrcmpiW(cls, L"ComboBox") == 0) return SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

std::optional<face::Arrow> ArrowOf(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return face::Arrow::Left;
    case VK_UP:
      return face::Arrow::Up;
    case VK_RIGHT:
      return face::Arrow::Right;
    case VK_DOWN:
      return face::Arrow::Down;
    default:
      return std::nullopt;
  }
}

}  // namespace

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  if (self->hwnd_ == nullptr) self->hwnd_ = hwnd;  // messages sent while it is created
  return self->Handle(msg, wp, lp);
}

LRESULT FormWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(lp);
      return 0;
    case kListOpened:
      OnListOpened();
      return 0;
    case WM_DRAWITEM:
      DrawDisplay(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return OnColour(reinterpret_cast<HDC>(wp));
    case WM_MOVE:
      fault_.Follow(hwnd_);
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ACTIVATE:
      if (OnActivate(LOWORD(wp))) return 0;
      break;
    case WM_CLOSE:
      if (!drive_->MayClose()) return 0;
      break;
    case WM_DESTROY:
      // The messages of its end (the controls', WM_NCDESTROY) find no window.
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  ApplyDpi(dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The focus goes back to the control that had it when the form was left; true
// when it did.
bool FormWindow::OnActivate(WORD state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) last_focus_ = focus;
    return false;
  }
  if (last_focus_ == nullptr || !IsWindow(last_focus_)) return false;
  SetFocus(last_focus_);
  return true;
}

std::optional<Ctl> FormWindow::ControlOf(HWND w) const {
  while (w != nullptr && GetParent(w) != hwnd_) w = GetParent(w);
  if (w == nullptr) return std::nullopt;
  return ControlOfId(GetDlgCtrlID(w));
}

void FormWindow::OnCommand(int id, int code) {
  if (std::optional<face::SheetCommand> command = SheetCommandOfId(id)) {
    RunSheetCommand(*command);
    return;
  }
  if (std::optional<face::DriveCommand> command = DriveCommandOfId(id)) {
    drive_->Run(*command);
    return;
  }
  std::optional<Ctl> c = ControlOfId(id);
  if (!c || writing_) return;
  HWND w = control(*c);
  switch (Def(*c).kind) {
    case Kind::TextBox:
      if (code == EN_CHANGE) OnEdited(*c);
      break;
    case Kind::ComboBox: {
      int item = static_cast<int>(SendMessageW(w, CB_GETCURSEL, 0, 0));
      bool dropped = SendMessageW(w, CB_GETDROPPEDSTATE, 0, 0) != 0;
      if (code == CBN_EDITCHANGE) OnEdited(*c);
      if (code == CBN_DROPDOWN) OnListOpening(*c);
      // A pick: the list closes on an item, or an arrow key moves the closed list.
      bool pick = code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped);
      if (pick && item >= 0) Act(*c, [&] { return form_.Pick(*c, item); });
      break;
    }
    case Kind::CheckBox:
    case Kind::CommandButton:
      if (code == BN_CLICKED) Act(*c, [&] { return form_.Click(*c); });
      break;
    case Kind::OptionButton:
      if (code == BN_CLICKED) Act(*c, [&] { return form_.Select(Def(*c).index); });
      break;
    case Kind::Display:
      if (code == STN_CLICKED) SelectDisplay(*c);
      break;
    case Kind::Label:
      break;
  }
}

// The box changed its text by itself (its undo, its own menu): the whole new
// text is the edit, which the model cuts to the box's limit. The caret stays
// where it was, or at the end of a shorter text.
void FormWindow::OnEdited(Ctl c) {
  HWND w = control(c);
  HWND field = FindWindowExW(w, nullptr, L"Edit", nullptr);
  if (field == nullptr) field = w;  // a text box is its own field
  std::string text = Narrow(WindowText(w));
  DWORD caret = 0;
  SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  Act(c, [&] { return form_.Edit(c, text); });
  if (hwnd_ == nullptr) return;
  DWORD at = std::min(caret, static_cast<DWORD>(GetWindowTextLengthW(field)));
  SendMessageW(field, EM_SETSEL, at, static_cast<LPARAM>(at));
}

// Opening the list highlights the first item the typed text begins and puts
// it into the field, where Enter or a click elsewhere would pick it; the box
// does so after telling of the opening, so the field is read now and put right
// once the list is open (the posted message comes before the next input).
void FormWindow::OnListOpening(Ctl c) {
  HWND w = control(c);
  typed_ = {c, WindowText(w), 0, 0};
  SendMessageW(w, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&typed_.start),
               reinterpret_cast<LPARAM>(&typed_.end));
  PostMessageW(hwnd_, kListOpened, 0, 0);
}

// The list on the item equal to the typed text, or on none; the field with
// the text and its caret as they were.
void FormWindow::OnListOpened() {
  if (typed_.combo == Ctl::None) return;
  HWND w = control(typed_.combo);
  const std::wstring& text = typed_.text;
  LRESULT equal = text.empty() ? CB_ERR
                               : SendMessageW(w, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(text.c_str()));
  bool was_writing = writing_;
  writing_ = true;
  SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(equal), 0);
  if (WindowText(w) != text) SetWindowTextW(w, text.c_str());
  SendMessageW(w, CB_SETEDITSEL, 0, MAKELPARAM(typed_.start, typed_.end));
  writing_ = was_writing;
  typed_ = {};
}

void FormWindow::OnOptionArrow(Ctl focused, WPARAM key) {
  int next = face::OptionAfterArrow(Def(focused).index, *ArrowOf(key));
  SetFocus(control(Option(next)));
  Act(Option(next), [&] { return form_.Select(next); });
}

// Captions and display fields on the form's colour: only what the user may
// edit is on the window colour.
LRESULT FormWindow::OnColour(HDC dc) {
  int surface = SurfaceColourIndex(Kind::Label);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(surface));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(surface));
}

void FormWindow::Act(Ctl touched, const std::function<std::optional<FaultKind>()>& action) {
  std::optional<FaultKind> fault = action();
  // The control may hold what the model did not take as it stands.
  ShowControl(touched);
  fault_.ActionEnded(
      hwnd_, font_ != nullptr ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
      touched, fault);
  if (form_.ended() && hwnd_ != nullptr) {
    drive_->MayClose();
    DestroyWindow(hwnd_);
  }
}

// A program write: the notifications it causes are not user edits.
void FormWindow::WriteText(HWND w, const std::string& text) {
  std::wstring wide = Widen(text);
  if (WindowText(w) == wide) return;
  bool was_writing = writing_;
  writing_ = true;
  SetWindowTextW(w, wide.c_str());
  writing_ = was_writing;
}

// Enter and the arrows as the form answers them, before the control sees them;
// with the focus on no control, Enter still does nothing.
bool FormWindow::OnFormKey(std::optional<Ctl> c, WPARAM key) {
  std::optional<face::Arrow> arrow = ArrowOf(key);
  face::FormKey form_key = key == VK_RETURN ? face::FormKey::Enter
                           : arrow          ? face::FormKey::Arrow
                                            : face::FormKey::Other;
  switch (face::AnswerToKey(form_key, c ? Def(*c).kind : Kind::Label, false)) {
    case face::KeyAnswer::Click:
      Act(*c, [&] { return form_.Click(*c); });
      return true;
    case face::KeyAnswer::MoveOption:
      OnOptionArrow(*c, key);
      return true;
    case face::KeyAnswer::Nothing:
      return true;
    case face::KeyAnswer::Control:
      break;
  }
  return false;
}

bool FormWindow::PreTranslate(MSG& msg) {
  if (hwnd_ == nullptr) return false;
  HWND message = fault_.hwnd();
  bool in_form = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd) != FALSE;
  bool in_message = message != nullptr && (msg.hwnd == message || IsChild(message, msg.hwnd));
  if (in_form && TranslateAcceleratorW(hwnd_, shortcuts_, &msg) != FALSE) return true;
  bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (key && in_form && !IsComboDropped(msg.hwnd) && OnCommandKey(msg)) return true;
  if (msg.message == WM_KEYDOWN && (in_form || in_message) && !IsComboDropped(msg.hwnd)) {
    if (msg.wParam == VK_ESCAPE && fault_.Escape()) return true;
    std::optional<Ctl> c = in_form ? ControlOf(GetFocus()) : std::nullopt;
    if (in_form && OnFormKey(c, msg.wParam)) return true;
  }
  if (msg.message == WM_MOUSEWHEEL && in_form) {
    std::optional<Ctl> c = ControlOf(msg.hwnd);
    if (c && !face::WheelReaches(Def(*c).kind, IsComboDropped(msg.hwnd))) return true;
  }
  if (in_message) return IsDialogMessageW(message, &msg) != FALSE;
  return in_form && IsDialogMessageW(hwnd_, &msg) != FALSE;
}

bool PumpMessages(FormWindow& window) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (msg.message == WM_QUIT) return false;
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

int RunMessageLoop(FormWindow& window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace selbrin::win32
