#include "ui/win32/fault_message.h"

#include <algorithm>

#include "ui/common/geometry.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

constexpr wchar_t kClassName[] = L"SelbrinFaultMessage";
constexpr int kButtonId = IDOK;
// Layout at 96 DPI, scaled with the form's font height.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMinTextWidth = 160;

void RegisterClassOnce(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kClassName, &wc) != FALSE) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

SIZE TextExtent(HWND hwnd, HFONT font, const std::wstring& text) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return size;
}

face::PixelRect PixelRectOf(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Beside the form, so that it hides none of it, inside the work area; on a
// screen without room, clear of the row of the control acted on.
POINT PlaceBeside(HWND form, SIZE size, Ctl acted_on) {
  RECT f{};
  GetWindowRect(form, &f);
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &mi);
  std::optional<face::PixelRect> field;
  RECT c{};
  HWND control = acted_on == Ctl::None ? nullptr : GetDlgItem(form, win32::ControlId(acted_on));
  if (control != nullptr && GetWindowRect(control, &c)) field = PixelRectOf(c);
  face::PixelRect at =
      face::PlaceBeside(PixelRectOf(f), PixelRectOf(mi.rcWork), size.cx, size.cy, field);
  return {at.left, at.top};
}

}  // namespace

FaultMessage::~FaultMessage() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK FaultMessage::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  // Its button is clicked without the message taking the focus from the form.
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if ((msg == WM_COMMAND && LOWORD(wp) == kButtonId) || msg == WM_CLOSE) {
    auto* self = reinterpret_cast<FaultMessage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr) self->rules_.Dismiss();
    ShowWindow(hwnd, SW_HIDE);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void FaultMessage::Create(HWND form) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE));
  RegisterClassOnce(instance, Proc);
  hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_NOACTIVATE, kClassName,
                          Widen(face::kFaultTitle).c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
                          0, 0, 0, form, nullptr, instance, this);
  icon_ = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 0, 0, hwnd_,
                          nullptr, instance, nullptr);
  SendMessageW(icon_, STM_SETICON,
               reinterpret_cast<WPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(32515))), 0);
  label_ = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                           0, 0, 0, hwnd_, nullptr, instance, nullptr);
  button_ =
      CreateWindowExW(0, L"BUTTON", Widen(face::kFaultButton).c_str(),
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, hwnd_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);
}

void FaultMessage::Arrange(HWND form, HFONT font) {
  for (HWND w : {label_, button_}) SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  TEXTMETRICW tm{};
  HDC dc = GetDC(form);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(form, dc);
  // The metrics at 96 DPI are for a 13-pixel font; scale them with the font.
  auto px = [&](int v) { return MulDiv(v, static_cast<int>(tm.tmHeight), 13); };
  SIZE t = TextExtent(form, font, WindowText(label_));
  int text_w = std::max(static_cast<int>(t.cx) + 2, px(kMinTextWidth));
  int body_h = std::max(static_cast<int>(t.cy), px(kIconSize));
  int width = px(kMargin) * 3 + px(kIconSize) + text_w;
  int height = px(kMargin) * 3 + body_h + px(kButtonHeight);
  MoveWindow(icon_, px(kMargin), px(kMargin), px(kIconSize), px(kIconSize), FALSE);
  MoveWindow(label_, px(kMargin) * 2 + px(kIconSize), px(kMargin) + (body_h - t.cy) / 2, text_w,
             t.cy, FALSE);
  MoveWindow(button_, (width - px(kButtonWidth)) / 2, px(kMargin) * 2 + body_h, px(kButtonWidth),
             px(kButtonHeight), FALSE);
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  SIZE size{r.right - r.left, r.bottom - r.top};
  POINT at = PlaceBeside(form, size, rules_.acted_on());
  SetWindowPos(hwnd_, HWND_TOP, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
}

void FaultMessage::ActionEnded(HWND form, HFONT font, Ctl acted_on,
                               std::optional<FaultKind> fault) {
  rules_.ActionEnded(acted_on, fault);
  Draw(form, font);
}

void FaultMessage::Follow(HWND form) {
  if (!visible()) return;
  RECT r{};
  GetWindowRect(hwnd_, &r);
  POINT at = PlaceBeside(form, {r.right - r.left, r.bottom - r.top}, rules_.acted_on());
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FaultMessage::Escape() {
  if (!rules_.Escape()) return false;
  ShowWindow(hwnd_, SW_HIDE);
  return true;
}

void FaultMessage::Draw(HWND form, HFONT font) {
  if (!rules_.shown()) {
    if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (hwnd_ == nullptr) Create(form);
  SetWindowTextW(label_, Widen(rules_.text()).c_str());
  Arrange(form, font);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string FaultMessage::text() const {
  if (label_ == nullptr) return {};
  return Narrow(WindowText(label_));
}

}  // namespace selbrin::win32
