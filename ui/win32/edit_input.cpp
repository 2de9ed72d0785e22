// The user's edits of a text box or a combo box's field, taken as the user made
// them: the selection and what went in, at the keystroke, paste, cut or delete,
// before the box changes anything. The box never changes its own text for these:
// the edit goes to the model, cut to the box's limit, the model's text comes
// back, and the caret goes after what was inserted. What the box still does by
// itself (undo, its own menu) comes as its whole new text (OnEdited).
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "ui/common/user_edit.h"
#include "ui/win32/form_window.h"
#include "ui/win32/sheet_commands.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

// Where a hooked box keeps its own window procedure and its form.
constexpr wchar_t kOwnProc[] = L"SelbrinEditProc";
constexpr wchar_t kFormOfBox[] = L"SelbrinForm";

constexpr wchar_t kBackspace = L'\b';
constexpr wchar_t kFirstPrintable = L' ';
constexpr wchar_t kDeleteChar = 0x7F;  // Ctrl+Backspace, left to the box

bool IsHighSurrogate(wchar_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(wchar_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }
bool Held(int key) { return GetKeyState(key) < 0; }

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
  bool empty() const { return start == end; }
};

Selection SelectionOf(HWND box) {
  Selection s;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start),
               reinterpret_cast<LPARAM>(&s.end));
  if (s.start > s.end) std::swap(s.start, s.end);
  return s;
}

// The clipboard's text; nothing when it holds none.
std::optional<std::wstring> ClipboardText(HWND owner) {
  if (OpenClipboard(owner) == FALSE) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// What Backspace or Delete removes: the selection, or the one character at the caret.
Selection Deleted(HWND box, Selection s, bool forward) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "a wide character is one UTF-16 unit");
  std::wstring text = WindowText(box);
  std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
  face::Span span = face::DeletedSpan(units, s.start, s.end, forward);
  return {static_cast<DWORD>(span.start), static_cast<DWORD>(span.end)};
}

}  // namespace

void FormWindow::HookEditBox(HWND box) {
  SetPropW(box, kFormOfBox, this);
  LONG_PTR own = SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditBoxProc));
  SetPropW(box, kOwnProc, reinterpret_cast<HANDLE>(own));
}

LRESULT CALLBACK FormWindow::EditBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  auto own = reinterpret_cast<WNDPROC>(GetPropW(box, kOwnProc));
  auto* self = static_cast<FormWindow*>(GetPropW(box, kFormOfBox));
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    RemovePropW(box, kOwnProc);
    RemovePropW(box, kFormOfBox);
  } else if (self != nullptr && self->hwnd_ != nullptr && self->OnEditInput(box, msg, wp, lp)) {
    return 0;
  }
  return CallWindowProcW(own, box, msg, wp, lp);
}

// True when the message was an edit, made here.
bool FormWindow::OnEditInput(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  std::optional<Ctl> c = ControlOf(box);
  if (!c || writing_) return false;
  Selection s = SelectionOf(box);
  switch (msg) {
    case WM_CHAR:
      return OnEditChar(*c, box, static_cast<wchar_t>(wp));
    case WM_KEYDOWN:
      // Shift+Delete cuts; Ctrl+Delete is the box's own.
      if (wp != VK_DELETE || Held(VK_CONTROL)) return false;
      if (Held(VK_SHIFT)) return OnEditInput(box, WM_CUT, 0, lp);
      s = Deleted(box, s, true);
      break;
    case WM_PASTE: {
      std::optional<std::wstring> clip = ClipboardText(hwnd_);
      if (clip && (!clip->empty() || !s.empty())) DeliverEdit(*c, box, s.start, s.end, *clip);
      return true;
    }
    case WM_CUT:
      if (s.empty()) return true;
      PutOnClipboard(hwnd_, Narrow(WindowText(box).substr(s.start, s.end - s.start)));
      break;
    case WM_CLEAR:
      break;
    default:
      return false;
  }
  if (!s.empty()) DeliverEdit(*c, box, s.start, s.end, {});
  return true;
}

// A typed character replaces the selection; Backspace deletes it, or the
// character before the caret. A character outside the first plane comes as two
// messages, its surrogates, and goes in whole.
bool FormWindow::OnEditChar(Ctl c, HWND box, wchar_t ch) {
  wchar_t high = high_surrogate_;
  high_surrogate_ = 0;
  if (ch == kBackspace) {
    Selection s = Deleted(box, SelectionOf(box), false);
    if (!s.empty()) DeliverEdit(c, box, s.start, s.end, {});
    return true;
  }
  // Control characters are the box's own: Ctrl+V and Ctrl+X come back as
  // WM_PASTE and WM_CUT.
  if (ch < kFirstPrintable || ch == kDeleteChar) return false;
  if (IsHighSurrogate(ch)) {
    high_surrogate_ = ch;
    return true;
  }
  std::wstring typed(1, ch);
  if (IsLowSurrogate(ch)) {
    if (high == 0) return true;  // half a character is none
    typed.insert(typed.begin(), high);
  }
  Selection s = SelectionOf(box);
  DeliverEdit(c, box, s.start, s.end, typed);
  return true;
}

void FormWindow::DeliverEdit(Ctl c, HWND box, DWORD start, DWORD end,
                             const std::wstring& inserted) {
  face::EditOutcome out = face::ApplyUserEdit(Narrow(WindowText(box)),
                                              {start, end, Narrow(inserted)}, Def(c).max_chars);
  if (out.refused && out.text == form_.Text(c)) {
    MessageBeep(MB_OK);
    return;
  }
  Act(c, [&] { return form_.Edit(c, out.text); });
  if (hwnd_ == nullptr || !IsWindow(box)) return;
  auto at = static_cast<int>(
      std::min<std::size_t>(out.cursor, static_cast<std::size_t>(GetWindowTextLengthW(box))));
  SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(at), at);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace selbrin::win32
