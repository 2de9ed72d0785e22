#include "ui/win32/form_window.h"

#include <commctrl.h>

#include "form/values.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/lists.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/form_font.h"
#include "ui/win32/sheet_commands.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

constexpr wchar_t kClassName[] = L"SelbrinForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kAppIcon = 1;  // the icon of the version record's script
// Room for the open list of a combo box below its field, of items of the
// dialog font's height.
constexpr int kListItemTwips = 195;
constexpr int kComboListTwips = face::kListVisibleItems * kListItemTwips;

struct ChildClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ChildClass ClassOf(Kind kind) {
  // A caption gives way where a field overlaps it, so the field's edge shows.
  constexpr DWORD kStatic = SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_CLIPSIBLINGS;
  switch (kind) {
    case Kind::Label:
      return {L"STATIC", kStatic, 0};
    case Kind::Display:
      return {L"STATIC", SS_OWNERDRAW, 0};
    case Kind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case Kind::CheckBox:
      return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case Kind::OptionButton:
      return {L"BUTTON", BS_RADIOBUTTON, 0};
    case Kind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
  }
  return {L"STATIC", kStatic, 0};
}

void RegisterFormClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kAppIcon));
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);  // fails harmlessly when a second window registers again
}

}  // namespace

FormWindow::FormWindow(Form1& form, HINSTANCE instance) : form_(form) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterFormClass(instance, Proc);
  hwnd_ = CreateWindowExW(kExStyle, kClassName, Widen(kFormCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
  drive_.emplace(form_, hwnd_);
  CreateControls(instance);
  ApplyDpi(static_cast<int>(GetDpiForWindow(hwnd_)));
  CentreOnWorkArea();
  shortcuts_ = CreateSheetShortcuts();
  form_.SetListener([this](Ctl c) { ShowControl(c); });
}

FormWindow::~FormWindow() {
  form_.SetListener(nullptr);
  if (hwnd_ != nullptr) {
    // Destroyed by its owner, not by the user: the message loop goes on.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
}

void FormWindow::Show(int show_command) {
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  SetFocus(control(Ctl::Text2));
}

void FormWindow::AddTooltip(HWND w, std::string_view tip, HINSTANCE instance) {
  if (tooltips_ == nullptr) {
    tooltips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                hwnd_, nullptr, instance, nullptr);
  }
  // A label tells its parent of the mouse only when asked to.
  SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | SS_NOTIFY);
  std::wstring text = Widen(tip);
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = hwnd_;
  info.uId = reinterpret_cast<UINT_PTR>(w);
  info.lpszText = text.data();
  SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// The controls Tab reaches in tab order, which is the order Tab walks the
// child windows in; each field's caption just before it, as screen readers
// name a field by the label before it. Then every display, above its caption
// (a display reads its own name), and every other caption.
void FormWindow::CreateControls(HINSTANCE instance) {
  auto create = [&](Ctl c) {
    if (c == Ctl::None || control(c) != nullptr) return;
    controls_[static_cast<std::size_t>(c)] = CreateControl(c, instance);
    ShowControl(c);
  };
  for (Ctl c : face::TabOrder()) {
    create(Def(c).label);
    create(c);
  }
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    if (Def(c).kind == Kind::Display) create(c);
    create(Def(c).label);
  }
  for (std::size_t i = 0; i < kControlCount; ++i) create(static_cast<Ctl>(i));
  UpdateOptionTabStop();
}

HWND FormWindow::CreateControl(Ctl c, HINSTANCE instance) {
  const ControlDef& d = Def(c);
  ChildClass cls = ClassOf(d.kind);
  // Each control is a group of its own, but for the option buttons, which are one.
  DWORD group = (d.kind == Kind::OptionButton && d.index > 0) ? 0 : WS_GROUP;
  std::wstring caption = Widen(d.caption);
  HWND w = CreateWindowExW(
      cls.ex_style, cls.name, caption.c_str(), WS_CHILD | WS_VISIBLE | group | cls.style, 0, 0, 0,
      0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(c))), instance, nullptr);
  // A display field's tip shows its whole value when the field cannot.
  if (!d.tooltip.empty() || d.kind == Kind::Display) AddTooltip(w, d.tooltip, instance);
  if (d.kind == Kind::TextBox) HookEditBox(w);
  if (d.kind == Kind::ComboBox) HookEditBox(FindWindowExW(w, nullptr, L"Edit", nullptr));
  return w;
}

// Every control at its twips / 15 times the form's scale, in the font chosen
// for the DPI; the client area 7125 x 4740 twips at the same scale.
void FormWindow::ApplyDpi(int dpi) {
  dpi_ = dpi;
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
  SIZE room{mi.rcWork.right - mi.rcWork.left, mi.rcWork.bottom - mi.rcWork.top};
  FormLook look = ChooseFormLook(controls_, dpi, room, kStyle, kExStyle);
  if (look.font == nullptr) look.scale = static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI;
  scale_ = look.scale;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    face::PixelRect r = face::PlaceAt(kControls[i].geometry, scale_);
    int height = r.height;
    if (kControls[i].kind == Kind::ComboBox) height += face::ToPixels(kComboListTwips, scale_);
    SetWindowPos(controls_[i], nullptr, r.left, r.top, r.width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = look.font;
  // What fits in a display field changes with its size and font.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kControls[i].kind == Kind::Display) ShowDisplay(static_cast<Ctl>(i));
  }
  face::PixelRect area = face::ClientAreaAt(scale_);
  RECT client{0, 0, area.width, area.height};
  AdjustWindowRectExForDpi(&client, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi));
  SetWindowPos(hwnd_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormWindow::CentreOnWorkArea() {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
  RECT w{};
  GetWindowRect(hwnd_, &w);
  const RECT& work = mi.rcWork;
  face::PixelRect at =
      face::CentreIn({work.left, work.top, work.right - work.left, work.bottom - work.top},
                     w.right - w.left, w.bottom - w.top);
  SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::UpdateOptionTabStop() {
  int stop = face::OptionTabStop(SelectedProfile(form_));
  for (int i = 0; i < kProfileCount; ++i) {
    HWND button = control(Option(i));
    if (button == nullptr) continue;  // still building
    LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    style = i == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(button, GWL_STYLE, style);
  }
}

void FormWindow::ShowControl(Ctl c) {
  HWND w = control(c);
  if (w == nullptr) return;  // still building
  const ControlDef& d = Def(c);
  switch (d.kind) {
    case Kind::Display:
      ShowDisplay(c);
      break;
    case Kind::Label:
    case Kind::TextBox:
      // Only a real change is written, so the caret stays where the user types.
      WriteText(w, form_.Text(c));
      break;
    case Kind::ComboBox:
      ShowCombo(c);
      break;
    case Kind::CheckBox:
      SendMessageW(w, BM_SETCHECK, form_.Value(c) == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Kind::OptionButton:
      SendMessageW(w, BM_SETCHECK, form_.OptionValue(d.index) ? BST_CHECKED : BST_UNCHECKED, 0);
      UpdateOptionTabStop();
      break;
    case Kind::CommandButton:
      break;
  }
}

void FormWindow::ShowCombo(Ctl c) {
  HWND w = control(c);
  const std::vector<std::string>& items = form_.Items(c);
  bool was_writing = writing_;
  writing_ = true;
  if (SendMessageW(w, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(items.size())) {
    SendMessageW(w, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
  }
  writing_ = was_writing;
  const std::string& text = form_.Text(c);
  if (Narrow(WindowText(w)) == text) return;
  // The list keeps its position on the item shown, so the arrow keys and the
  // opened list go on from there, as after a pick.
  int found = -1;
  for (std::size_t i = 0; i < items.size() && found < 0; ++i) {
    if (items[i] == text) found = static_cast<int>(i);
  }
  writing_ = true;
  SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  writing_ = was_writing;
  WriteText(w, text);
}

}  // namespace selbrin::win32
