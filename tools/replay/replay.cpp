#include "tools/replay/replay.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <istream>
#include <ostream>

#include "drivefile/file.h"
#include "form/values.h"
#include "runtime/fault.h"
#include "sheet/fields.h"
#include "sheet/sheet.h"
#include "ui/common/user_edit.h"

namespace selbrin::replay {
namespace {

constexpr std::array kStateOrder{
    Ctl::Combo1, Ctl::chkKompakt, Ctl::chk4kutup, Ctl::Label31, Ctl::Text2,  Ctl::Label36,
    Ctl::chkC2,  Ctl::Combo2,     Ctl::Label19,   Ctl::Label32, Ctl::Combo3, Ctl::Label21,
    Ctl::Text9,  Ctl::Option1_0,  Ctl::Text5,     Ctl::Text10,  Ctl::Text11, Ctl::Label35,
    Ctl::Text12, Ctl::Label38,    Ctl::Text13,    Ctl::Label40,
};

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    std::optional<Utf8Char> c = DecodeChar(s, i);
    if (!c) return false;
    i += c->length;
  }
  return true;
}

// Splits "WORD REST": the word up to the first space, and what follows that one
// space (nothing when the line ends after the word).
std::pair<std::string_view, std::string_view> SplitWord(std::string_view s) {
  std::size_t space = s.find(' ');
  if (space == std::string_view::npos) return {s, {}};
  return {s.substr(0, space), s.substr(space + 1)};
}

bool IsEditable(Ctl c) {
  Kind k = Def(c).kind;
  return k == Kind::TextBox || k == Kind::ComboBox;
}

// Prints the fault that ended an action, if one did, and lets the caller look.
void Report(std::optional<FaultKind> fault, std::ostream& out, const AfterAction& after_action) {
  if (fault) out << "error: " << FaultName(*fault) << '\n';
  if (after_action) after_action();
}

// Types `text` character by character into a box whose text is all selected.
void Type(Form1& form, Ctl box, std::string_view text, std::ostream& out,
          const AfterAction& after_action) {
  if (text.empty()) {
    Report(form.Edit(box, ""), out, after_action);
    return;
  }
  bool first = true;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t len = 1;
    while (!StartsChar(text, i + len)) ++len;
    std::string_view ch = text.substr(i, len);
    std::string next = first ? std::string(ch) : form.Text(box) + std::string(ch);
    Report(form.Edit(box, next), out, after_action);
    first = false;
    i += len;
  }
}

// What every action of a line needs besides its words.
struct Action {
  Form1& form;
  std::ostream& out;
  const AfterAction& after_action;

  void Report(std::optional<FaultKind> fault) const { replay::Report(fault, out, after_action); }
};

using Verdict = std::optional<std::string>;  // the reason a line is bad, if it is

Verdict PlaySelect(const Action& a, std::string_view rest) {
  int element = rest.size() == 1 ? rest[0] - '0' : -1;
  if (element < 0 || element >= kProfileCount) {
    return "select needs an element 0 to " + std::to_string(kProfileCount - 1);
  }
  a.Report(a.form.Select(element));
  return std::nullopt;
}

Verdict PlayClick(const Action& a, std::string_view rest) {
  std::optional<Ctl> c = FindControl(rest);
  if (!c || (Def(*c).kind != Kind::CheckBox && Def(*c).kind != Kind::CommandButton)) {
    return "cannot click '" + std::string(rest) + "'";
  }
  a.Report(a.form.Click(*c));
  if (a.form.ended()) a.out << "end\n";
  return std::nullopt;
}

Verdict PlayPick(const Action& a, std::string_view rest) {
  auto [name, text] = SplitWord(rest);
  std::optional<Ctl> c = FindControl(name);
  if (!c || Def(*c).kind != Kind::ComboBox) return "cannot pick from '" + std::string(name) + "'";
  const auto& items = a.form.Items(*c);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) {
      a.Report(a.form.Pick(*c, static_cast<int>(i)));
      return std::nullopt;
    }
  }
  return "'" + std::string(text) + "' is not an item of " + std::string(name);
}

Verdict PlayEdit(const Action& a, std::string_view rest, bool typed) {
  auto [name, text] = SplitWord(rest);
  std::optional<Ctl> c = FindControl(name);
  if (!c || !IsEditable(*c)) return "cannot type into '" + std::string(name) + "'";
  if (typed) {
    Type(a.form, *c, text, a.out, a.after_action);
  } else {
    a.Report(a.form.Edit(*c, text));
  }
  return std::nullopt;
}

// A character position of an `insert` line: a whole number, 0 or more.
std::optional<std::size_t> Position(std::string_view word) {
  std::size_t n = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
  if (ec != std::errc() || end != word.data() + word.size() || word.empty()) return std::nullopt;
  return n;
}

// The user selects characters FROM..TO of the box's text and pastes TEXT over
// them in one edit, cut to the box's limit as the faces cut it.
Verdict PlayInsert(const Action& a, std::string_view rest) {
  auto [name, positions] = SplitWord(rest);
  auto [from_word, after_from] = SplitWord(positions);
  auto [to_word, text] = SplitWord(after_from);
  std::optional<Ctl> c = FindControl(name);
  if (!c || !IsEditable(*c)) return "cannot insert into '" + std::string(name) + "'";
  std::optional<std::size_t> from = Position(from_word);
  std::optional<std::size_t> to = Position(to_word);
  const std::string& before = a.form.Text(*c);
  auto length = static_cast<std::size_t>(CountChars(before));
  if (!from || !to || *from > *to || *to > length) {
    return "insert needs FROM <= TO <= " + std::to_string(length) + ", the length of " +
           std::string(name) + "'s text";
  }
  face::UserEdit edit{face::Utf16Length(before, face::CharOffset(before, *from)),
                      face::Utf16Length(before, face::CharOffset(before, *to)), std::string(text)};
  a.Report(a.form.Edit(*c, face::ApplyUserEdit(before, edit, Def(*c).max_chars).text));
  return std::nullopt;
}

// The broken-down time of `t`, in UTC or local time; false when it has none.
// The Windows C runtime has the same calls under other names and argument order.
bool BrokenDown(std::time_t t, bool utc, std::tm& out) {
#if defined(_WIN32)
  return (utc ? gmtime_s(&out, &t) : localtime_s(&out, &t)) == 0;
#else
  return (utc ? gmtime_r(&t, &out) : localtime_r(&t, &out)) != nullptr;
#endif
}

// The sheet's date: that of SOURCE_DATE_EPOCH (seconds since 1970, UTC) when it
// is set, so that a script's sheet is the same on every run; else today's.
std::optional<sheet::Date> SheetDate() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    std::string_view text(epoch);
    long long seconds = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    now = static_cast<std::time_t>(seconds);
    if (!BrokenDown(now, true, tm)) return std::nullopt;
  } else if (!BrokenDown(now, false, tm)) {
    return std::nullopt;
  }
  return sheet::Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::optional<std::string> WriteSheet(const Form1& form, const sheet::TitleBlock& title,
                                      std::string_view path) {
  if (path.empty()) return "sheet needs a file name";
  std::optional<sheet::Date> date = SheetDate();
  if (!date) return "SOURCE_DATE_EPOCH is not a whole number of seconds";
  std::ofstream file{std::string(path), std::ios::binary};
  file << sheet::SheetSvg(form, SELBRIN_VERSION_TEXT, *date, title);
  file.close();
  if (!file) return "cannot write '" + std::string(path) + "'";
  return std::nullopt;
}

Verdict SaveDrive(const Form1& form, sheet::TitleBlock& title, std::string_view path) {
  if (path.empty()) return "save needs a file name";
  if (drivefile::SaveDriveFile(path, drivefile::Capture(form, title))) {
    return "cannot write '" + std::string(path) + "'";
  }
  title.file_name = drivefile::FileName(path);
  return std::nullopt;
}

// A file that is not a drive is reported as an error, not a bad line: the file,
// not the script, is at fault, and the form stays as it was.
Verdict OpenDrive(Form1& form, sheet::TitleBlock& title, std::string_view path, std::ostream& out) {
  if (path.empty()) return "open needs a file name";
  drivefile::Drive drive;
  if (std::optional<std::string> error = drivefile::OpenDriveFile(path, drive)) {
    out << "error: " << *error << '\n';
    return std::nullopt;
  }
  drivefile::Apply(drive, form);
  title = drive.title;
  title.file_name = drivefile::FileName(path);
  return std::nullopt;
}

}  // namespace

std::string FormState(const Form1& form) {
  std::string s;
  for (Ctl c : kStateOrder) {
    const ControlDef& d = Def(c);
    s += d.name;
    s += '=';
    if (d.kind == Kind::OptionButton) {
      std::optional<int> selected = SelectedProfile(form);
      s += selected ? static_cast<char>('0' + *selected) : '-';
    } else if (d.kind == Kind::CheckBox) {
      s += std::to_string(form.Value(c));
    } else {
      s += form.Text(c);
    }
    s += '\n';
  }
  s += '\n';
  return s;
}

std::optional<std::string> PlayLine(Form1& form, std::string_view line, std::ostream& out,
                                    const AfterAction& after_action) {
  sheet::TitleBlock title;
  return PlayLine(form, title, line, out, after_action);
}

std::optional<std::string> PlayLine(Form1& form, sheet::TitleBlock& title, std::string_view line,
                                    std::ostream& out, const AfterAction& after_action) {
  if (line.empty() || line.front() == '#') return std::nullopt;
  if (!IsValidUtf8(line)) return "not UTF-8 text";
  auto [verb, rest] = SplitWord(line);
  Action action{form, out, after_action};
  if (verb == "state") {
    if (line.size() > verb.size()) return "state takes nothing after it";
    out << FormState(form);
    return std::nullopt;
  }
  if (verb == "copy") {
    if (line.size() > verb.size()) return "copy takes nothing after it";
    out << sheet::ResultsText(form) << '\n';
    return std::nullopt;
  }
  if (verb == "sheet") return WriteSheet(form, title, rest);
  if (verb == "save") return SaveDrive(form, title, rest);
  if (verb == "open") return OpenDrive(form, title, rest, out);
  if (verb == "select") return PlaySelect(action, rest);
  if (verb == "click") return PlayClick(action, rest);
  if (verb == "pick") return PlayPick(action, rest);
  if (verb == "type" || verb == "paste") return PlayEdit(action, rest, verb == "type");
  if (verb == "insert") return PlayInsert(action, rest);
  return "unknown action '" + std::string(verb) + "'";
}

int Run(std::istream& in, std::ostream& out, std::ostream& err) {
  Form1 form;
  sheet::TitleBlock title;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (std::optional<std::string> reason = PlayLine(form, title, line, out)) {
      out.flush();
      err << "bad line " << number << ": " << *reason << '\n';
      return kBadLine;
    }
    if (form.ended()) break;
  }
  return kOk;
}

}  // namespace selbrin::replay
