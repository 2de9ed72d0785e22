#include "tests/support/invariants.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "runtime/std_fallback.h"

namespace selbrin::replay {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Digits(std::string_view text, std::size_t& i) {
  std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return text.substr(start, i - start);
}

enum class Format { Number, Ratio, Bush };

struct Written {
  Ctl control;
  Format format;
  int decimals;  // for Format::Number
};

// Every control the program writes a value into, with the form it writes.
constexpr std::array<Written, 15> kWritten{{
    {Ctl::Label31, Format::Number, 0},  // motor speed, from the catalogue
    {Ctl::Label32, Format::Number, 0},  // motor shaft, from the catalogue
    {Ctl::Text2, Format::Number, 0},    // screw speed, rounded down
    {Ctl::Label36, Format::Ratio, 2},
    {Ctl::Combo2, Format::Number, 0},  // motor pulley, whole millimetres
    {Ctl::Label19, Format::Bush, 0},
    {Ctl::Combo3, Format::Number, 0},  // screw pulley minimum
    {Ctl::Label21, Format::Bush, 0},
    {Ctl::Text10, Format::Number, 1},  // 0 decimals from Hesapla, 1 from a belt length
    {Ctl::Text11, Format::Number, 1},
    {Ctl::Label35, Format::Number, 2},
    {Ctl::Text12, Format::Number, 2},
    {Ctl::Label38, Format::Number, 2},
    {Ctl::Text13, Format::Number, 2},
    {Ctl::Label40, Format::Number, 2},
}};

constexpr std::array<std::string_view, 6> kBushes{"1610", "2012", "2517", "3020", "3535", "4040"};

const Written* FindWritten(Ctl c) {
  for (const Written& w : kWritten) {
    if (w.control == c) return &w;
  }
  return nullptr;
}

bool FollowsFormat(std::string_view text, const Written& w) {
  if (text.empty()) return true;  // every written control may be emptied
  switch (w.format) {
    case Format::Number:
      return IsShownNumber(text, w.decimals);
    case Format::Ratio:
      return IsRatioText(text);
    case Format::Bush:
      for (std::string_view bush : kBushes) {
        if (text == bush) return true;
      }
      return false;
  }
  return false;
}

std::string Describe(const Written& w) {
  switch (w.format) {
    case Format::Number:
      return "not a number with at most " + std::to_string(w.decimals) + " decimals";
    case Format::Ratio:
      return "not a ratio in the form #.00";
    case Format::Bush:
      return "not a bush size";
  }
  return {};
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string q = "\"";
  q += text.substr(0, kShown);
  if (text.size() > kShown) q += "...";
  return q + "\"";
}

void CheckTexts(const Form1& form, const Form1& fresh, std::vector<std::string>& broken) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    const ControlDef& d = Def(c);
    const std::string& text = form.Text(c);
    std::string name = ControlName(c);
    if (d.kind == Kind::Label) {
      if (text != fresh.Text(c))
        broken.push_back(name + " lost its caption: holds " + Quoted(text));
      continue;
    }
    bool by_program = form.WrittenByProgram(c) || d.kind == Kind::Display;
    if (!by_program) {
      if (d.max_chars > 0 && CountChars(text) > d.max_chars) {
        broken.push_back(name + " holds " + Quoted(text) + ", more than the " +
                         std::to_string(d.max_chars) + " characters a user may type");
      }
      continue;
    }
    if (const Written* w = FindWritten(c)) {
      if (!FollowsFormat(text, *w)) {
        broken.push_back(name + " holds " + Quoted(text) + ": " + Describe(*w));
      }
    } else if (!text.empty()) {
      broken.push_back(name + " holds " + Quoted(text) + ", but the program writes no value there");
    }
  }
}

void CheckStates(const Form1& form, std::vector<std::string>& broken) {
  for (Ctl c : {Ctl::chkKompakt, Ctl::chk4kutup, Ctl::chkC2}) {
    int v = form.Value(c);
    if (v != 0 && v != 1) broken.push_back(ControlName(c) + " has the value " + std::to_string(v));
  }
  int selected = 0;
  for (int i = 0; i < kProfileCount; ++i) {
    int v = form.Value(Option(i));
    if (v != 0 && v != 1) {
      broken.push_back(ControlName(Option(i)) + " has the value " + std::to_string(v));
    }
    selected += v != 0 ? 1 : 0;
  }
  if (selected > 1) broken.push_back(std::to_string(selected) + " belt profiles are selected");
}

void CheckStartUpValues(const Form1& form, const Form1& fresh, std::vector<std::string>& broken) {
  for (Ctl c : {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3}) {
    if (form.Items(c) != fresh.Items(c)) broken.push_back(ControlName(c) + "'s list changed");
  }
  if (BitCast<std::uint32_t>(form.piValue.get()) != BitCast<std::uint32_t>(fresh.piValue.get())) {
    broken.push_back("piValue changed to " + std::to_string(form.piValue.value()));
  }
  for (const FormVariable& v : kFormVariables) {
    const Single& cell = form.*v.member;
    if (!std::isfinite(cell.get())) {
      broken.push_back(std::string(v.name) + " holds " + std::to_string(cell.value()));
    }
  }
}

// What start-up leaves (captions, lists, piValue) is shown by a form made with
// the same load handler; one is made for each handler, the first time it is asked.
const Form1& StartUp(const EventRouting& routing) {
  thread_local std::vector<std::pair<EventRouting::Handler, std::unique_ptr<const Form1>>> made;
  for (const auto& [load, form] : made) {
    if (load == routing.Form_Load) return *form;
  }
  EventRouting only_load;
  only_load.Form_Load = routing.Form_Load;
  made.emplace_back(routing.Form_Load, std::make_unique<const Form1>(only_load));
  return *made.back().second;
}

}  // namespace

bool IsShownNumber(std::string_view text, int decimals) {
  std::size_t i = 0;
  bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  std::string_view whole = Digits(text, i);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return false;
  std::string_view fraction;
  if (i < text.size()) {
    if (text[i] != '.') return false;
    ++i;
    fraction = Digits(text, i);
    if (i != text.size() || fraction.empty() || fraction.back() == '0') return false;
    if (fraction.size() > static_cast<std::size_t>(decimals)) return false;
  }
  return !(negative && whole == "0" && fraction.empty());  // never "-0"
}

bool IsRatioText(std::string_view text) {
  std::size_t i = 0;
  bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  std::string_view whole = Digits(text, i);
  if (!whole.empty() && whole[0] == '0') return false;  // ".50", never "0.50"
  if (i >= text.size() || text[i] != '.') return false;
  ++i;
  std::string_view fraction = Digits(text, i);
  if (i != text.size() || fraction.size() != 2) return false;
  return !(negative && whole.empty() && fraction == "00");  // never "-.00"
}

std::vector<std::string> CheckInvariants(const Form1& form) {
  std::vector<std::string> broken;
  const Form1& fresh = StartUp(form.routing());
  CheckTexts(form, fresh, broken);
  CheckStates(form, broken);
  CheckStartUpValues(form, fresh, broken);
  return broken;
}

}  // namespace selbrin::replay
