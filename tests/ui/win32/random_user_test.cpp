// The random user plays a script through the window's real controls, with the
// messages keys, mouse and clipboard produce; at every `state` the window must
// show what selbrin-replay prints for the same script, and after `copy` the
// clipboard must hold its results. SELBRIN_SEED=N plays seed N; a failure names
// the seed, the step and the line.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

#include "tests/support/invariants.h"
#include "tests/ui/win32/window_fixture.h"
#include "tools/randuser/randuser.h"
#include "ui/common/user_edit.h"
#include "ui/win32/sheet_commands.h"

namespace selbrin::win32 {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr int kActions = 300;
constexpr DWORD kRunnerWait = 120000;  // ms; a hung runner fails the test, it never hangs it

std::uint64_t Seed() {
  const char* seed = std::getenv("SELBRIN_SEED");
  return seed != nullptr && *seed != 0 ? std::strtoull(seed, nullptr, 10) : kDefaultSeed;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// Runs `command` with its output into `out_file`; true when it ended with 0.
bool Run(std::wstring command, const std::filesystem::path& out_file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW(out_file.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdOutput = out;
  start.hStdError = out;
  PROCESS_INFORMATION process{};
  bool ran = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                            nullptr, nullptr, &start, &process) != FALSE;
  CloseHandle(out);
  DWORD status = 1;
  if (!ran) {
    std::cerr << "cannot run " << Narrow(command) << ": error " << GetLastError() << "\n";
    return false;
  }
  ran = WaitForSingleObject(process.hProcess, kRunnerWait) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &status) != FALSE && status == 0;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return ran;
}

// What the runner prints for the script, without its fault lines (the window
// shows those as its message); empty when it did not run to the end.
std::string RunnerOutput(const std::string& script) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / "selbrin-random-user";
  fs::create_directories(folder);
  fs::path script_file = folder / "script.txt", out_file = folder / "out.txt";
  std::ofstream(script_file, std::ios::binary) << script;
  bool ran =
      Run(L"\"Z:" + Widen(SELBRIN_REPLAY) + L"\" \"" + script_file.wstring() + L"\"", out_file);
  std::istringstream lines(ReadFile(out_file));
  std::error_code ignored;  // the runner's end may still hold its output a moment
  fs::remove_all(folder, ignored);
  if (!ran) std::cerr << "selbrin-replay failed:\n" << lines.str().substr(0, 2000);
  std::string kept;
  for (std::string line; ran && std::getline(lines, line);) {
    if (!line.starts_with("error: ")) kept += line + '\n';
  }
  return kept;
}

std::string WithoutCr(const std::string& text) {
  std::string out;
  for (char ch : text) {
    if (ch != '\r') out += ch;
  }
  return out;
}

// The first word of `text` and the rest after one space.
std::pair<std::string, std::string> Split(const std::string& text) {
  std::size_t space = text.find(' ');
  if (space == std::string::npos) return {text, {}};
  return {text.substr(0, space), text.substr(space + 1)};
}

class Player {
 public:
  Player(WindowTest& test, const FormWindow& window, std::string expected)
      : test_(test), window_(window), expected_(std::move(expected)) {}

  // Plays one line; an empty answer when the window agrees with the runner.
  std::string Play(const std::string& line) {
    if (line.starts_with("# arrow ")) arrow_ = line.substr(8);
    if (line == "# key Escape") return Escape();
    if (line.starts_with("# copy-field ")) return CopyField(*FindControl(line.substr(13)));
    if (line.empty() || line.starts_with("#")) return {};
    auto [verb, rest] = Split(line);
    if (verb == "state") return State();
    if (verb == "copy") return Copy();
    if (verb == "select") return Select(std::stoi(rest));
    auto [name, text] = Split(rest);
    Ctl c = *FindControl(name);
    if (verb == "click") test_.Click(c);
    if (verb == "pick") Pick(c, text);
    if (verb == "type") Type(c, text);
    if (verb == "paste") test_.PasteOver(c, 0, -1, Widen(text));
    if (verb == "insert") Insert(c, text);
    return {};
  }

 private:
  std::string Escape() {
    HWND focus = GetFocus();
    PostMessageW(focus != nullptr ? focus : window_.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    test_.Pump();
    return window_.faultMessage().visible() ? "Esc left the fault message open" : "";
  }

  void Pick(Ctl c, const std::string& item) {
    HWND combo = test_.Control(c);
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t text[64] = {};
      if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) >= 64) continue;
      SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      if (Narrow(text) == item) return test_.PickFromList(c, i);
    }
  }

  // The field holds the focus with all its text selected; then each key.
  void Type(Ctl c, const std::string& text) {
    HWND field = Field(test_.Control(c));
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    if (text.empty()) SendMessageW(field, WM_KEYDOWN, VK_DELETE, 0);
    for (wchar_t unit : Widen(text)) {
      PostMessageW(field, WM_CHAR, unit, 0);
      test_.Pump();
    }
    test_.Pump();
  }

  // Characters FROM..TO of the field selected, TEXT pasted over them.
  void Insert(Ctl c, const std::string& rest) {
    auto [from, after_from] = Split(rest);
    auto [to, text] = Split(after_from);
    std::string shown = Shown(Field(test_.Control(c)));
    auto units = [&shown](const std::string& chars) {
      return static_cast<int>(face::Utf16Length(shown, face::CharOffset(shown, std::stoul(chars))));
    };
    test_.PasteOver(c, units(from), units(to), Widen(text));
  }

  // The arrow key the line before asked for, in the group; else a click.
  std::string Select(int element) {
    if (arrow_.empty()) {
      test_.Click(Option(element));
      return {};
    }
    const std::pair<const char*, WPARAM> keys[] = {
        {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP}, {"Down", VK_DOWN}};
    WPARAM key = 0;
    for (const auto& [name, code] : keys) {
      if (arrow_ == name) key = code;
    }
    arrow_.clear();
    for (int i = 0; i < kProfileCount; ++i) {
      HWND button = test_.Control(Option(i));
      if ((GetWindowLongPtrW(button, GWL_STYLE) & WS_TABSTOP) != 0) {
        test_.Key(button, key);
        return {};
      }
    }
    return "no option button is the group's tab stop";
  }

  std::string ShownValue(Ctl c, const std::string& expected) const;
  std::string State();
  std::string Copy();
  std::string CopyField(Ctl c);

  WindowTest& test_;
  const FormWindow& window_;
  std::string expected_;
  std::size_t pos_ = 0;
  std::string last_state_;
  std::string arrow_;
};

// What the window shows for the state line of `c`; a display field's window
// text reads caption, value and unit, so it shows `expected` when it reads so.
std::string Player::ShownValue(Ctl c, const std::string& expected) const {
  if (c == Ctl::Option1_0) {
    for (int i = 0; i < kProfileCount; ++i) {
      if (SendMessageW(test_.Control(Option(i)), BM_GETCHECK, 0, 0) == BST_CHECKED)
        return std::to_string(i);
    }
    return "-";
  }
  HWND w = test_.Control(c);
  switch (Def(c).kind) {
    case Kind::CheckBox:
      return SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0";
    case Kind::Display:
      return Shown(w) == face::DisplayReading(c, expected) ? expected : "reads " + Shown(w);
    default:
      return Shown(w);
  }
}

// The runner's next block: NAME=VALUE lines up to an empty line.
std::string Player::State() {
  std::string block, shown;
  while (pos_ < expected_.size()) {
    std::size_t end = expected_.find('\n', pos_);
    std::string line = expected_.substr(pos_, end - pos_);
    pos_ = end + 1;
    block += line + '\n';
    if (line.empty()) break;
    auto [name, value] = std::pair{line.substr(0, line.find('=')), line.substr(line.find('=') + 1)};
    std::optional<Ctl> c = name == "Option1" ? Ctl::Option1_0 : FindControl(name);
    shown += name + '=' + (c ? ShownValue(*c, value) : "?") + '\n';
  }
  shown += '\n';
  last_state_ = block;
  return block == shown ? "" : "the window shows\n" + shown + "the runner\n" + block;
}

// "Sonuçları kopyala" from the background's menu, taken with the keyboard.
std::string Player::Copy() {
  HMENU menu = CreateFormMenu();
  int copy_id = -1;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    auto id = static_cast<int>(GetMenuItemID(menu, i));
    if (SheetCommandOfId(id) == face::SheetCommand::CopyResults) copy_id = id;
  }
  int downs = DownsTo(menu, copy_id);
  DestroyMenu(menu);
  for (int i = 0; i < downs; ++i) PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(window_.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
  POINT background{2, 2};  // above and left of every control
  ClientToScreen(window_.hwnd(), &background);
  SendMessageW(window_.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_.hwnd()),
               MAKELPARAM(background.x, background.y));
  test_.Pump();
  std::string copied = WithoutCr(ClipboardText()) + '\n';
  std::string expected = expected_.substr(pos_, copied.size());
  pos_ += copied.size();
  return copied == expected ? "" : "copied\n" + copied + "the runner\n" + expected;
}

// "Kopyala" from the field's menu: the value the last state showed.
std::string Player::CopyField(Ctl c) {
  SetClipboardText(L"");
  test_.FirstMenuItemOn(c);
  std::string name = WidgetName(c) + '=';
  std::size_t at = last_state_.find(name);
  std::string value = at == std::string::npos ? "" : last_state_.substr(at + name.size());
  value = value.substr(0, value.find('\n'));
  std::string copied = ClipboardText();
  return copied == value ? "" : name + " copied " + copied + ", shows " + value;
}

// State: a fresh window.  Action: a few hundred random actions of the random
// user's script, through the controls.  Expected: at every state the window
// shows what the runner prints, and the model keeps the form's rules.
TEST_F(WindowTest, TheWindowShowsWhatTheRunnerPrintsForTheSameScript) {
  const std::uint64_t seed = Seed();
  const std::string script = randuser::RandomScript(seed, kActions);
  const std::string expected = RunnerOutput(script);
  ASSERT_FALSE(expected.empty()) << "selbrin-replay did not play the script";
  Player player(*this, window_, expected);
  std::istringstream lines(script);
  std::string line;
  int step = 1;  // each action ends in a state line
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string mismatch = player.Play(line);
    for (const std::string& broken : replay::CheckInvariants(form_)) mismatch += broken;
    ASSERT_EQ(mismatch, "") << "SELBRIN_SEED=" << seed << ", step " << step << ", line " << number
                            << " \"" << line << "\"";
    if (line == "state") ++step;
  }
}

}  // namespace
}  // namespace selbrin::win32
