// The Windows window driven through its real controls with the messages user
// input produces: characters into edit fields, picks from a combo box's open
// list, button clicks and keys. What the window shows is compared with the form
// model, and the model with one driven directly with the same actions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>

#include "form/values.h"
#include "sheet/fields.h"
#include "tests/ui/win32/window_fixture.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/win32/print_page.h"
#include "ui/win32/sheet_commands.h"

namespace selbrin::win32 {
namespace {

std::string MenuText(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return Narrow(text);
}

// State: the start.  Action: the typical use, "Hesapla" by Enter on its button.
// Expected: the window shows what the model computed.
TEST_F(WindowTest, TypicalUseShowsTheModelsResults) {
  TypicalUse();
  EXPECT_EQ(form_.Text(Ctl::Label31), "2940");
  EXPECT_EQ(form_.Text(Ctl::Text2), "3003");
  EXPECT_EQ(form_.Text(Ctl::Combo2), "143");
  EXPECT_EQ(form_.Text(Ctl::Text11), "944.5");
  EXPECT_EQ(form_.Text(Ctl::Label35), "179.31");
  EXPECT_EQ(MismatchWithModel(window_, form_), "");
  EXPECT_FALSE(window_.faultMessage().visible());
}

// State: Text2 empty.  Action: six keystrokes.  Expected: the first five kept.
TEST_F(WindowTest, Text2TakesAtMostFiveCharacters) {
  Type(Ctl::Text2, "123456");
  EXPECT_EQ(Shown(Control(Ctl::Text2)), "12345");
  EXPECT_EQ(form_.Text(Ctl::Text2), "12345");
}

// State: "200" typed after Combo2's 143.  Action: Enter in its field.
// Expected: nothing runs; the model is as before the key.
TEST_F(WindowTest, EnterInAComboBoxRaisesNothing) {
  PickFromList(Ctl::Combo1, kPower30kW);
  Type(Ctl::Text2, "3000");
  Type(Ctl::Combo2, "200");
  std::string before = testing::Snapshot(form_);
  Key(Field(Control(Ctl::Combo2)), VK_RETURN);
  EXPECT_EQ(testing::Snapshot(form_), before);
  EXPECT_EQ(Shown(Control(Ctl::Combo2)), "143200");  // typed after the computed 143
}

// State: a 30 kW motor.  Action: "9e99" typed into Text2, the last key overflows.
// Expected: the message names the field and the fault, the focus stays in
// Text2; Esc closes the message, and so does the next action without a fault.
TEST_F(WindowTest, AFaultLeavesTheFocusWhereItWas) {
  PickFromList(Ctl::Combo1, kPower30kW);
  SetFocus(Control(Ctl::Text2));
  Type(Ctl::Text2, "9e99");
  ASSERT_TRUE(window_.faultMessage().visible());
  EXPECT_EQ(window_.faultMessage().text(), "Vida Deviri: Taşma");
  EXPECT_EQ(GetFocus(), Control(Ctl::Text2));
  Key(Control(Ctl::Text2), VK_ESCAPE);
  EXPECT_FALSE(window_.faultMessage().visible());
  Type(Ctl::Text2, "\b");  // overflows again: "9e9" is the last good text ...
  Type(Ctl::Text2, "\b\b");
  EXPECT_FALSE(window_.faultMessage().visible());
}

// A user acting at random through the window's controls, who does the same to a
// second model directly.
class RandomUser {
 public:
  RandomUser(WindowTest& test, Form1& window_model, Form1& reference)
      : test_(test), form_(window_model), reference_(reference) {}

  // How many arrow keys went round an end of the option group.
  int wraps() const { return wraps_; }

  // One action; returns what it was, for the failure message.
  std::string Act() {
    switch (Pick(5)) {
      case 0:
        return TypeOneKey();
      case 1: {
        Ctl c = kCombos[Pick(3)];
        int item = Pick(static_cast<int>(form_.Items(c).size()));
        test_.PickFromList(c, item);
        reference_.Pick(c, item);
        return "pick in " + WidgetName(c);
      }
      case 2: {
        Ctl c = kButtons[Pick(4)];
        test_.Click(c);
        reference_.Click(c);
        return "click " + WidgetName(c);
      }
      case 3: {
        int i = Pick(kProfileCount);
        test_.Click(Option(i));
        reference_.Select(i);
        return "click Option1_" + std::to_string(i);
      }
      default:
        return Arrow();
    }
  }

 private:
  static constexpr Ctl kBoxes[] = {Ctl::Text2,  Ctl::Text5,  Ctl::Text9,
                                   Ctl::Text10, Ctl::Text11, Ctl::Combo2};
  static constexpr Ctl kCombos[] = {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3};
  static constexpr Ctl kButtons[] = {Ctl::chkKompakt, Ctl::chk4kutup, Ctl::chkC2, Ctl::Command1};
  static constexpr std::string_view kKeys = "0123456789012345.,e-\b\b";

  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  std::string TypeOneKey() {
    Ctl c = kBoxes[Pick(6)];
    char ch = kKeys[static_cast<std::size_t>(Pick(static_cast<int>(kKeys.size())))];
    test_.Type(c, std::string(1, ch));
    std::string t = reference_.Text(c);
    reference_.Edit(c, ch == '\b' ? CutToChars(t, std::max(CountChars(t) - 1, 0)) : t + ch);
    return "type into " + WidgetName(c);
  }

  // An arrow key in the option group: each a click, wrapping at the ends.
  std::string Arrow() {
    static constexpr std::pair<WPARAM, face::Arrow> kArrows[] = {{VK_LEFT, face::Arrow::Left},
                                                                 {VK_RIGHT, face::Arrow::Right},
                                                                 {VK_UP, face::Arrow::Up},
                                                                 {VK_DOWN, face::Arrow::Down}};
    auto [key, arrow] = kArrows[Pick(4)];
    int from = face::OptionTabStop(SelectedProfile(form_));
    int to = face::OptionAfterArrow(from, arrow);
    test_.Key(test_.Control(Option(from)), key);
    reference_.Select(to);
    if (std::abs(to - from) > 1) ++wraps_;
    return "arrow " + std::to_string(key) + " from Option1_" + std::to_string(from);
  }

  WindowTest& test_;
  int wraps_ = 0;
  Form1& form_;
  Form1& reference_;
  std::mt19937 random_{20240607};
};

// State: the start.  Action: a few hundred random user actions through the
// controls (the four arrow keys in the option group among them), and the same
// actions on a second model.
// Expected: after each, the window equals its model and its model the second;
// some arrow keys went round an end of the group.
TEST_F(WindowTest, RandomActionsKeepTheWindowEqualToTheModel) {
  Form1 reference;
  RandomUser user(*this, form_, reference);
  for (int step = 0; step < 300; ++step) {
    std::string what = user.Act();
    ASSERT_EQ(MismatchWithModel(window_, form_), "") << "step " << step << ": " << what;
    ASSERT_EQ(testing::Snapshot(form_), testing::Snapshot(reference))
        << "step " << step << ": " << what;
  }
  EXPECT_GT(user.wraps(), 0);
}

// State: the start, then the typical use.  Action: none.
// Expected: a display field's window text, which screen readers read, is its
// caption and unit while empty, then caption, value and unit.
TEST_F(WindowTest, ADisplayFieldReadsCaptionValueAndUnit) {
  EXPECT_EQ(Shown(Control(Ctl::Label35)), "Açı (derece)");
  TypicalUse();
  EXPECT_EQ(Shown(Control(Ctl::Label31)), "Motor Deviri: 2940 d/dk");
  EXPECT_EQ(Shown(Control(Ctl::Label35)), "Açı: 179.31 derece");
}

// State: the typical use.  Action: "Kopyala" from a display field's menu, then
// Ctrl+Shift+C in Text5.  Expected: the field's value, then the results text
// with Windows line ends, on the clipboard; the form as it was.
TEST_F(WindowTest, CopyCommandsPutTheFormOnTheClipboard) {
  TypicalUse();
  std::string before = testing::Snapshot(form_);
  FirstMenuItemOn(Ctl::Label35);
  EXPECT_EQ(ClipboardText(), "179.31");
  SetFocus(Control(Ctl::Text5));
  Shortcut(true, 'C');
  EXPECT_EQ(ClipboardText(), WithCrLf(sheet::ResultsText(form_)));
  EXPECT_NE(ClipboardText().find("Açı\t179.31\tderece\r\n"), std::string::npos);
  EXPECT_EQ(testing::Snapshot(form_), before);
}

// State: a new window.  Action: none.  Expected: the background's menu has the
// three drive file commands, a separator and the two sheet commands with their
// shortcuts, no PDF command, and last, after a separator, "Hakkında…".
TEST_F(WindowTest, TheBackgroundMenuListsTheDriveAndSheetCommands) {
  HMENU menu = CreateFormMenu();
  EXPECT_EQ(GetMenuItemCount(menu), 8);
  EXPECT_EQ(MenuText(menu, 0), "Aç…\tCtrl+O");
  EXPECT_EQ(MenuText(menu, 1), "Kaydet\tCtrl+S");
  EXPECT_EQ(MenuText(menu, 2), "Farklı kaydet…\tCtrl+Shift+S");
  EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(menu, 4), "Sonuçları kopyala\tCtrl+Shift+C");
  EXPECT_EQ(MenuText(menu, 5), "Yazdır…\tCtrl+P");
  EXPECT_EQ(GetMenuState(menu, 6, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(menu, 7), "Hakkında…\tF1");
  DestroyMenu(menu);
}

// State: the typical use, from a drive file.  Action: the page "Yazdır…" opens,
// written to a file.  Expected: an HTML page holding the sheet, with its date,
// results and file name, and a script that prints it.
TEST_F(WindowTest, ThePrintPageHoldsTheSheetAndPrintsItself) {
  TypicalUse();
  std::wstring path = NewPrintPagePath(TemporaryFolder());
  sheet::TitleBlock title;
  title.file_name = "pompa.selbrin";
  ASSERT_TRUE(WritePrintPage(path, form_, {2024, 3, 5}, title));
  std::ifstream file{std::filesystem::path(path), std::ios::binary};
  std::stringstream page;
  page << file.rdbuf();
  file.close();
  std::filesystem::remove(std::filesystem::path(path));
  std::string html = page.str();
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>"));
  EXPECT_EQ(html.find("<?xml"), std::string::npos);
  for (const char* part :
       {"<svg", "05.03.2024", "179.31", "pompa.selbrin", "window.print()", "</html>"}) {
    EXPECT_NE(html.find(part), std::string::npos) << part;
  }
}

// State: a folder with a page of an earlier print, one of a print long ago and
// another file.  Action: two new page paths; the old pages removed.
// Expected: each print has a path of its own; only the page long ago goes.
TEST(PrintPageTest, EachPrintWritesItsOwnPageAndOldOnesGo) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / "selbrin-print-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::wstring where = folder.wstring() + L"\\";
  std::wstring first = NewPrintPagePath(where), second = NewPrintPagePath(where);
  EXPECT_NE(first, second);
  fs::path old = folder / "selbrin-sheet-20200101-000000-1-0.html";
  fs::path other = folder / "notes.html";
  for (const fs::path& p : {fs::path(first), old, other}) std::ofstream{p} << "x";
  fs::last_write_time(old, fs::file_time_type::clock::now() - 2 * kPrintPageLife);
  fs::last_write_time(other, fs::file_time_type::clock::now() - 2 * kPrintPageLife);
  RemoveOldPrintPages(where);
  EXPECT_TRUE(fs::exists(first));
  EXPECT_FALSE(fs::exists(old));
  EXPECT_TRUE(fs::exists(other));
  fs::remove_all(folder);
}

// State: none.  Action: the texts of a page not opened and one not written.
// Expected: each says where the page is and why it was not printed.
TEST(PrintPageTest, AFailedPrintSaysWhereThePageIsAndWhy) {
  std::string opened = PrintFailedText(L"C:\\temp\\s.html", true, ERROR_NO_ASSOCIATION);
  std::string written = PrintFailedText(L"C:\\temp\\s.html", false, ERROR_ACCESS_DENIED);
  for (const std::string& text : {opened, written}) {
    EXPECT_TRUE(text.starts_with("Sayfa yazdırılamadı.")) << text;
    EXPECT_NE(text.find("C:\\temp\\s.html"), std::string::npos) << text;
  }
  EXPECT_NE(opened.find("şuraya yazıldı"), std::string::npos) << opened;
  EXPECT_NE(opened.find("(1155)"), std::string::npos) << opened;
  EXPECT_NE(written.find("yazılamadı"), std::string::npos) << written;
  EXPECT_NE(written.find("(5)"), std::string::npos) << written;
}

}  // namespace
}  // namespace selbrin::win32
