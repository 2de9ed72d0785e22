#include "tools/randuser/randuser.h"

#include <array>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "form/values.h"
#include "tools/replay/replay.h"
#include "ui/common/keyboard.h"

namespace selbrin::randuser {
namespace {

// What a text is made of; digits come more often, as a user types numbers.
constexpr std::array<std::string_view, 20> kPieces{"0", "1", "2",  "3",   "4",    "5", "6",
                                                   "7", "8", "9",  ".",   ",",    "-", "+",
                                                   "e", " ", "\t", "ğüş", "ıöçİ", "😀"};
constexpr std::size_t kDigits = 10;
constexpr std::size_t kTab = 16;
constexpr int kShortText = 7;  // most texts are shorter than this
constexpr int kLongText = 40;  // one in eight is up to this long
constexpr std::array<Ctl, 10> kBoxes{Ctl::Text2,  Ctl::Text5,  Ctl::Text9,  Ctl::Text10,
                                     Ctl::Text11, Ctl::Text12, Ctl::Text13, Ctl::Combo1,
                                     Ctl::Combo2, Ctl::Combo3};
constexpr Ctl kLimitedBox = Ctl::Text2;  // the one box with a typing limit
constexpr std::array<Ctl, 3> kCombos{Ctl::Combo1, Ctl::Combo2, Ctl::Combo3};
// Command1 twice: "Hesapla" is what users press most.
constexpr std::array<Ctl, 5> kClicks{Ctl::chkC2, Ctl::chkKompakt, Ctl::chk4kutup, Ctl::Command1,
                                     Ctl::Command1};
constexpr std::array<std::string_view, 4> kArrows{"Left", "Right", "Up", "Down"};

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : random_(seed) {}

  std::string Script(int actions) {
    for (int i = 0; i < actions; ++i) {
      Action();
      Emit("state");
    }
    return script_.str();
  }

 private:
  // A number below n, the same on every standard library (the distributions are not).
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random_() % n); }
  template <typename T, std::size_t N>
  const T& OneOf(const std::array<T, N>& list) {
    return list[Below(N)];
  }
  std::string Name(Ctl c) const { return std::string(Def(c).name); }

  // Plays the line on the model, as the runner will, and writes it.
  void Emit(const std::string& line) {
    std::ostringstream ignored;
    if (std::optional<std::string> bad = replay::PlayLine(form_, line, ignored)) {
      throw std::logic_error("the random user wrote a bad line: " + line + ": " + *bad);
    }
    script_ << line << '\n';
  }

  std::string Text(bool typed) {
    std::string text;
    std::size_t length = Below(8) == 0 ? Below(kLongText) + 1 : Below(kShortText);
    while (text.size() < length) {
      std::size_t piece = Below(2) == 0 ? Below(kDigits) : Below(kPieces.size());
      if (typed && piece == kTab) continue;  // a typed tab moves the focus
      text += kPieces[piece];
    }
    return text;
  }

  void Action() {
    std::size_t roll = Below(100);
    if (roll < 22) return Emit("type " + Name(OneOf(kBoxes)) + " " + Text(true));
    if (roll < 32) return Emit("paste " + Name(OneOf(kBoxes)) + " " + Text(false));
    if (roll < 46) return Insert();
    if (roll < 60) return Pick();
    if (roll < 72) return Emit("click " + Name(OneOf(kClicks)));
    if (roll < 80) return Emit("select " + std::to_string(Below(kProfileCount)));
    if (roll < 86) return Arrow();
    if (roll < 90) return Emit("# key Escape");
    if (roll < 94) return Emit("copy");
    CopyField();
  }

  // Half the insertions go into a box with a typing limit, mostly into its
  // middle, where the limit must cut what went in and keep the rest.
  void Insert() {
    Ctl box = Below(2) == 0 ? kLimitedBox : OneOf(kBoxes);
    auto length = static_cast<std::size_t>(CountChars(form_.Text(box)));
    std::size_t from = Below(length + 1);
    std::size_t to = from + Below(length - from + 1);
    Emit("insert " + Name(box) + " " + std::to_string(from) + " " + std::to_string(to) + " " +
         Text(false));
  }

  void Pick() {
    Ctl combo = OneOf(kCombos);
    const std::vector<std::string>& items = form_.Items(combo);
    if (items.empty()) return Emit("click Command1");
    Emit("pick " + Name(combo) + " " + items[Below(items.size())]);
  }

  void Arrow() {
    std::size_t dir = Below(kArrows.size());
    int from = face::OptionTabStop(SelectedProfile(form_));
    int to = face::OptionAfterArrow(from, static_cast<face::Arrow>(dir));
    Emit("# arrow " + std::string(kArrows[dir]));
    Emit("select " + std::to_string(to));
  }

  // Only a field with a value offers "Kopyala".
  void CopyField() {
    std::vector<Ctl> shown;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      auto c = static_cast<Ctl>(i);
      if (Def(c).kind == Kind::Display && !form_.Caption(c).empty()) shown.push_back(c);
    }
    if (shown.empty()) return Emit("copy");
    Emit("# copy-field " + Name(shown[Below(shown.size())]));
  }

  std::mt19937_64 random_;
  Form1 form_;
  std::ostringstream script_;
};

}  // namespace

std::string RandomScript(std::uint64_t seed, int actions) {
  return "# selbrin-randuser " + std::to_string(seed) + " " + std::to_string(actions) + "\n" +
         Generator(seed).Script(actions);
}

}  // namespace selbrin::randuser
