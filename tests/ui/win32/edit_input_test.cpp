// Edits of the text boxes and combo fields as the user makes them: the
// selection and what goes in, by the messages keys and the clipboard produce.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "tests/ui/win32/window_fixture.h"

namespace selbrin::win32 {
namespace {

enum class Op { Paste, Chars, Backspace, Delete, Cut, ShiftDelete };

struct EditCase {
  const char* what;
  Ctl box;
  const wchar_t* start;  // pasted over the whole field first
  int from, to;          // the selection the user makes, in UTF-16 units
  Op op;
  const wchar_t* text;  // pasted or typed
  const char* expected;
  int caret;
  const char* clipboard;  // after the edit, when it cuts
};

void PrintTo(const EditCase& e, std::ostream* out) { *out << e.what; }

// Shift held while the key goes down, as the box reads it.
void HoldShift(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class EditInputTest : public WindowTest, public ::testing::WithParamInterface<EditCase> {
 protected:
  void Do(const EditCase& e) {
    HWND edit = Field(Control(e.box));
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(e.from), e.to);
    switch (e.op) {
      case Op::Paste:
        return PasteOver(e.box, e.from, e.to, e.text);
      case Op::Chars:
        for (const wchar_t* ch = e.text; *ch != 0; ++ch) SendMessageW(edit, WM_CHAR, *ch, 0);
        break;
      case Op::Backspace:
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
        break;
      case Op::Delete:
      case Op::ShiftDelete:
        HoldShift(e.op == Op::ShiftDelete);
        SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 0);
        HoldShift(false);
        break;
      case Op::Cut:
        SendMessageW(edit, WM_CUT, 0, 0);
        break;
    }
    Pump();
  }
};

const EditCase kEdits[] = {
    // The limit cuts what was pasted, however the old text ended.
    {"paste over all", Ctl::Text2, L"4040", 0, -1, Op::Paste, L"123450", "12345", 5, nullptr},
    {"tab over a like end", Ctl::Text2, L"8\t00", 0, -1, Op::Paste, L"123\t00", "123\t0", 5,
     nullptr},
    {"paste into the middle", Ctl::Text2, L"1234", 2, 2, Op::Paste, L"abc", "12a34", 3, nullptr},
    {"paste up to a line break", Ctl::Text5, L"3", 0, -1, Op::Paste, L"7\r\n8", "7", 1, nullptr},
    {"key over a selection", Ctl::Text2, L"12345", 1, 3, Op::Chars, L"9", "1945", 2, nullptr},
    {"key past the limit", Ctl::Text2, L"12345", 5, 5, Op::Chars, L"6", "12345", 5, nullptr},
    {"two halves, one character", Ctl::Text5, L"3", 0, -1, Op::Chars, L"\xD83D\xDE00", "😀", 2,
     nullptr},
    {"backspace over a pair", Ctl::Text2, L"12\xD83D\xDE00", 4, 4, Op::Backspace, L"", "12", 2,
     nullptr},
    {"delete a pair", Ctl::Text2,
     L"1\xD83D\xDE00"
     L"2",
     1, 1, Op::Delete, L"", "12", 1, nullptr},
    {"cut", Ctl::Text2, L"12345", 0, 2, Op::Cut, L"", "345", 0, "12"},
    {"shift+delete cuts", Ctl::Text10, L"9876", 1, 4, Op::ShiftDelete, L"", "9", 1, "876"},
    {"combo field", Ctl::Combo2, L"143", 1, 2, Op::Paste, L"9", "193", 2, nullptr},
};

// State: a field holding `start`, a selection in it.  Action: a paste, keys or
// a cut.  Expected: the field and the model hold the edit as the user made it,
// cut to the field's limit, the caret after what went in.
TEST_P(EditInputTest, TheFieldHoldsTheUsersEditCutToItsLimit) {
  const EditCase& e = GetParam();
  PasteOver(e.box, 0, -1, e.start);
  ASSERT_EQ(Widen(form_.Text(e.box)), e.start);
  Do(e);
  HWND edit = Field(Control(e.box));
  EXPECT_EQ(Shown(edit), e.expected);
  EXPECT_EQ(form_.Text(e.box), e.expected);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(e.caret));
  EXPECT_EQ(end, static_cast<DWORD>(e.caret));
  if (e.clipboard != nullptr) {
    EXPECT_EQ(ClipboardText(), e.clipboard);
  }
}

std::string CaseName(const ::testing::TestParamInfo<EditCase>& row) {
  std::string name;
  for (const char* ch = row.param.what; *ch != 0; ++ch) {
    if (std::isalnum(static_cast<unsigned char>(*ch))) name += *ch;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Edits, EditInputTest, ::testing::ValuesIn(kEdits), CaseName);

}  // namespace
}  // namespace selbrin::win32
