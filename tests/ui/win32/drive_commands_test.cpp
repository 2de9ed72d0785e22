// The drive file's commands on the Windows window: saved through the path the
// save dialog's answer takes, opened as the command line does, and a bad file.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/temp_path.h"
#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/drive_commands.h"

namespace selbrin::win32 {
namespace {

constexpr UINT kBoxWait = 50;  // ms between looks for the message box
constexpr int kMessageTextId = 0xFFFF;

std::wstring told;  // the text of the message box the timer closed

// Reads the open message box "Aç…" and closes it, as a user would with OK.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", Widen(face::kDriveCommands[0].caption).c_str());
  if (box == nullptr) return;
  KillTimer(nullptr, timer);
  told = WindowText(GetDlgItem(box, kMessageTextId));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

int answer = 0;      // the button the timer clicks in the question on closing
bool asked = false;  // whether the question was there to answer

// Answers the question on closing with `answer`, as a user would.
void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(nullptr, Widen(face::kUnsavedTitle).c_str());
  if (box == nullptr) return;
  KillTimer(nullptr, timer);
  asked = true;
  PostMessageW(box, TDM_CLICK_BUTTON, static_cast<WPARAM>(answer), 0);
}

// The first control that two windows show differently.
std::string Difference(const FormWindow& a, const FormWindow& b) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    HWND x = a.control(c), y = b.control(c);
    bool same = Shown(x) == Shown(y) &&
                SendMessageW(x, BM_GETCHECK, 0, 0) == SendMessageW(y, BM_GETCHECK, 0, 0);
    if (!same) return WidgetName(c) + ": \"" + Shown(x) + "\" / \"" + Shown(y) + "\"";
  }
  return {};
}

class DriveWindowTest : public WindowTest {
 public:
  ~DriveWindowTest() override {
    for (const std::string& p : {path_, bad_}) DeleteFileW(Widen(p).c_str());
  }

 protected:
  std::string path_ = test::UniqueTempPath("kayış-hesabı.selbrin");
  std::string bad_ = test::UniqueTempPath("bozuk.selbrin");
};

// State: the typical use, saved as the save dialog's answer does, then a change
// saved by Ctrl+S.  Action: the file opened in a new window, as the command
// line does.  Expected: both windows show the same drive and name the file.
TEST_F(DriveWindowTest, ASavedDriveOpensAsItWasShown) {
  TypicalUse();
  std::string title =
      Narrow(std::filesystem::path(Widen(path_)).filename().wstring()) + " – Selbrin";
  ASSERT_TRUE(window_.drive().SaveTo(Widen(path_)));
  EXPECT_EQ(Shown(window_.hwnd()), title);
  Type(Ctl::Text5, "\b4");
  EXPECT_TRUE(window_.drive().Modified());
  SetFocus(Control(Ctl::Text5));
  Shortcut(false, 'S');
  EXPECT_FALSE(window_.drive().Modified());

  Form1 form;
  FormWindow fresh(form, GetModuleHandleW(nullptr));
  ASSERT_TRUE(fresh.drive().Open(Widen(path_)));
  PumpMessages(fresh);
  EXPECT_EQ(Difference(window_, fresh), "");
  EXPECT_EQ(MismatchWithModel(fresh, form), "");
  EXPECT_EQ(Shown(fresh.hwnd()), title);
  EXPECT_EQ(Shown(fresh.control(Ctl::Text5)), "4");
}

// State: the typical use.  Action: open a file cut short.  Expected: the form
// and the title as they were; the message names the file and the line.
TEST_F(DriveWindowTest, ABadFileLeavesTheFormAndSaysWhy) {
  TypicalUse();
  std::ofstream(std::filesystem::path(Widen(bad_)), std::ios::binary)
      << "selbrin-drive 1\nCombo1=30\n";
  std::string before = testing::Snapshot(form_), title = Shown(window_.hwnd());
  told.clear();
  SetTimer(nullptr, 0, kBoxWait, CloseMessageBox);
  EXPECT_FALSE(window_.drive().Open(Widen(bad_)));
  EXPECT_EQ(testing::Snapshot(form_), before);
  EXPECT_EQ(MismatchWithModel(window_, form_), "");
  EXPECT_EQ(Shown(window_.hwnd()), title);
  EXPECT_TRUE(Narrow(told).ends_with("bozuk.selbrin: satır 3: dosya eksik: \"Label31\" satırı yok"))
      << Narrow(told);
}

// State: a saved drive, then a change.  Action: the close box, answered
// "Vazgeç", then again, answered "Kaydet".  Expected: the window stays with
// the change; then the change is in the file and the window is gone.
TEST_F(DriveWindowTest, ClosingWithChangesAsksToSaveThem) {
  Form1 form;
  FormWindow window(form, GetModuleHandleW(nullptr));
  ASSERT_TRUE(window.drive().SaveTo(Widen(path_)));
  SendMessageW(window.control(Ctl::chkC2), BM_CLICK, 0, 0);
  ASSERT_TRUE(window.drive().Modified());
  for (int button : {IDCANCEL, IDYES}) {
    answer = button;
    asked = false;
    SetTimer(nullptr, 0, kBoxWait, AnswerQuestion);
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(asked);
    EXPECT_EQ(window.hwnd() != nullptr, button == IDCANCEL);
  }
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the window's end, not the test's
  Form1 saved;
  FormWindow reopened(saved, GetModuleHandleW(nullptr));
  ASSERT_TRUE(reopened.drive().Open(Widen(path_)));
  EXPECT_EQ(saved.Value(Ctl::chkC2), form.Value(Ctl::chkC2));
  EXPECT_FALSE(reopened.drive().Modified());
}

}  // namespace
}  // namespace selbrin::win32
