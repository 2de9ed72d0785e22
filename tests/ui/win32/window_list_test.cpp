// Opening a combo box's list after text was typed into its field: the list
// shows the item equal to the text, or none, and the field keeps the text, so
// that Enter or closing the list picks nothing the user did not choose.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/win32/window_fixture.h"

namespace selbrin::win32 {
namespace {

constexpr LPARAM kAltHeld = 1 << 29;  // the context bit of a key pressed with Alt

enum class Opener { AltDown, F4, Arrow };

// The list opened as the user opens it: Alt+Down or F4 in the field, or a
// click on the arrow, which the box turns into the same drop-down.
void OpenList(WindowTest& test, Ctl combo, Opener opener) {
  HWND field = Field(test.Control(combo));
  SetFocus(field);
  switch (opener) {
    case Opener::AltDown:
      PostMessageW(field, WM_SYSKEYDOWN, VK_DOWN, kAltHeld);
      break;
    case Opener::F4:
      PostMessageW(field, WM_KEYDOWN, VK_F4, 0);
      break;
    case Opener::Arrow:
      SendMessageW(test.Control(combo), CB_SHOWDROPDOWN, TRUE, 0);
      break;
  }
  test.Pump();
}

struct ListCase {
  const char* typed;  // into Combo2's empty field
  int highlighted;    // the list's item after opening, -1 for none
  const char* name;
};

class ListOpening : public WindowTest, public ::testing::WithParamInterface<Opener> {};

// State: 30 kW picked; a text typed into Combo2's field.
// Action: the list opened, then Enter.
// Expected: only an item equal to the text is highlighted, the field keeps the
// text, and Enter changes nothing in the model.
TEST_P(ListOpening, HighlightsOnlyTheItemEqualToTheTypedText) {
  PickFromList(Ctl::Combo1, kPower30kW);
  const ListCase cases[] = {
      {"1", -1, "a prefix of 100"},
      {"10", -1, "a prefix of 100 and 106"},
      {"100", 0, "the first item"},
  };
  HWND combo = Control(Ctl::Combo2);
  for (const ListCase& c : cases) {
    Type(Ctl::Combo2, std::string(static_cast<std::size_t>(GetWindowTextLengthW(combo)), '\b'));
    Type(Ctl::Combo2, c.typed);
    std::string before = testing::Snapshot(form_);
    OpenList(*this, Ctl::Combo2, GetParam());
    EXPECT_NE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0) << c.name;
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), c.highlighted) << c.name;
    EXPECT_EQ(Shown(combo), c.typed) << c.name;
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0) << c.name;
    if (c.highlighted >= 0) continue;  // Enter picks the item the text names
    EXPECT_EQ(Shown(combo), c.typed) << c.name;
    EXPECT_EQ(testing::Snapshot(form_), before) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryOpener, ListOpening,
                         ::testing::Values(Opener::AltDown, Opener::F4, Opener::Arrow));

}  // namespace
}  // namespace selbrin::win32
