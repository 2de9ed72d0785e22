// Saving a drive after any action and opening it in a fresh form, then playing
// the same remaining actions in both, gives the same output at every step.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "drivefile/format.h"
#include "tests/support/temp_path.h"
#include "tools/replay/replay.h"

namespace selbrin::drivefile {
namespace {

constexpr int kSessions = 2000;
constexpr int kRunnerSessions = 150;
constexpr int kMaxActions = 24;
constexpr int kSheetEvery = 10;  // drawing the sheet takes longer than a session
constexpr sheet::Date kDate{2024, 3, 5};

unsigned Seed() {
  const char* seed = std::getenv("SELBRIN_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20u;
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::vector<std::string> Session() {
    std::vector<std::string> lines;
    for (int n = Below(kMaxActions) + 1; n > 0; --n) lines.push_back(Line());
    return lines;
  }

  std::string Text() {
    static const std::array<const char*, 16> kPieces{"1",
                                                     "5",
                                                     "0",
                                                     "30",
                                                     ".",
                                                     ",",
                                                     "-",
                                                     "+",
                                                     "e",
                                                     " ",
                                                     "\t",
                                                     "ğİ",
                                                     "\xF0\x9F\x98\x80",
                                                     "=",
                                                     "\\n",
                                                     "<script>x</script>"};
    std::string s;
    for (int n = Below(6); n > 0; --n) s += kPieces[Below(kPieces.size())];
    return s;
  }

  int Below(std::size_t n) { return static_cast<int>(random_() % n); }

 private:
  std::string Line() {
    static const std::array<const char*, 10> kBoxes{"Combo1", "Combo2", "Combo3", "Text2",
                                                    "Text9",  "Text5",  "Text10", "Text11",
                                                    "Text12", "Text13"};
    static const std::array<const char*, 4> kClicks{"chkC2", "chkKompakt", "chk4kutup", "Command1"};
    static const Form1 loaded;
    switch (Below(8)) {
      case 0:
      case 1: {
        Ctl combo = std::array{Ctl::Combo1, Ctl::Combo2, Ctl::Combo3}[Below(3)];
        const auto& items = loaded.Items(combo);
        return "pick " + ControlName(combo) + " " + items[Below(items.size())];
      }
      case 2:
        return std::string(Below(2) == 0 ? "type " : "paste ") + kBoxes[Below(kBoxes.size())] +
               " " + Text();
      case 3:
        return "select " + std::to_string(Below(kProfileCount));
      case 4:
      case 5:
        return std::string("click ") + kClicks[Below(kClicks.size())];
      case 6:
        return "copy";
      default:
        return "state";
    }
  }

  std::mt19937 random_;
};

struct Side {
  Form1 form;
  sheet::TitleBlock title;

  std::string Play(const std::string& line) {
    std::ostringstream out;
    EXPECT_EQ(replay::PlayLine(form, title, line, out), std::nullopt) << line;
    return out.str();
  }
  std::string Saved() const { return WriteDrive(Capture(form, title)); }
};

std::string Describe(const std::vector<std::string>& lines, std::size_t save_at) {
  std::string s;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == save_at) s += "  <save>\n";
    s += "  " + lines[i] + "\n";
  }
  return s;
}

TEST(RoundTrip, OpenedDriveBehavesAsTheSavedForm) {
  unsigned seed = Seed();
  Generator gen(seed);
  for (int n = 0; n < kSessions; ++n) {
    std::vector<std::string> lines = gen.Session();
    auto save_at = static_cast<std::size_t>(gen.Below(lines.size() + 1));
    Side saved;
    saved.title = {gen.Text(), gen.Text(), "", "<svg onload=alert(1)>", "", ""};
    for (std::size_t i = 0; i < save_at; ++i) saved.Play(lines[i]);
    Side opened;
    Drive drive;
    ASSERT_EQ(ParseDrive(saved.Saved(), drive), std::nullopt);
    Apply(drive, opened.form);
    opened.title = drive.title;
    SCOPED_TRACE("SELBRIN_SEED=" + std::to_string(seed) + ", session:\n" +
                 Describe(lines, save_at));
    ASSERT_EQ(opened.Saved(), saved.Saved());
    for (std::size_t i = save_at; i < lines.size(); ++i) {
      ASSERT_EQ(opened.Play(lines[i]), saved.Play(lines[i])) << lines[i];
    }
    ASSERT_EQ(opened.Saved(), saved.Saved());
    if (n % kSheetEvery != 0) continue;
    ASSERT_EQ(sheet::SheetSvg(opened.form, "1.00", kDate, opened.title),
              sheet::SheetSvg(saved.form, "1.00", kDate, saved.title));
  }
}

std::string RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(replay::Run(in, out, err), replay::kOk) << err.str();
  return out.str();
}

// The runner's own lines, through a file: the output after "open" is the output
// after "save", sheet included.
TEST(RoundTrip, RunnerSaveAndOpen) {
  unsigned seed = Seed() + 1;
  Generator gen(seed);
  std::string path = test::UniqueTempPath("round-trip.selbrin");
  std::string sheet = test::UniqueTempPath("round-trip.svg");
  for (int n = 0; n < kRunnerSessions; ++n) {
    std::vector<std::string> lines = gen.Session();
    auto save_at = static_cast<std::size_t>(gen.Below(lines.size() + 1));
    std::string before, after = "state\ncopy\nsheet " + sheet + "\n";
    for (std::size_t i = 0; i < lines.size(); ++i)
      (i < save_at ? before : after) += lines[i] + "\n";
    before += "save " + path + "\n";
    std::string saved_sheet;
    std::string whole = RunScript(before + after);
    std::getline(std::ifstream(sheet), saved_sheet, '\0');
    std::string up_to_save = RunScript(before);
    std::string opened = RunScript("open " + path + "\n" + after);
    std::string opened_sheet;
    std::getline(std::ifstream(sheet), opened_sheet, '\0');
    SCOPED_TRACE("SELBRIN_SEED=" + std::to_string(seed) + ", script:\n" + before + after);
    ASSERT_EQ(opened, whole.substr(up_to_save.size()));
    ASSERT_EQ(opened_sheet, saved_sheet);
  }
}

// A drive whose last "Hesapla" a fault cut short opens with that fault, so its
// sheet says so, as the saved one did.
TEST(RoundTrip, KeepsTheFaultOfTheLastCalculation) {
  std::string path = test::UniqueTempPath("faulted.selbrin");
  std::string sheet = test::UniqueTempPath("faulted.svg");
  for (std::string_view fault : {"pick Combo3 500\npaste Combo2\n", "paste Combo2 -100\n"}) {
    std::string script = std::string(fault) + "click Command1\n";
    RunScript(script + "save " + path + "\nsheet " + sheet + "\n");
    std::string saved;
    std::getline(std::ifstream(sheet), saved, '\0');
    RunScript("open " + path + "\nsheet " + sheet + "\n");
    std::string opened;
    std::getline(std::ifstream(sheet), opened, '\0');
    EXPECT_EQ(opened, saved) << script;
  }
}

// A file that is not a drive is reported, and the form goes on as it was.
TEST(RoundTrip, BadFileLeavesTheFormAsItWas) {
  std::string path = test::UniqueTempPath("bad.selbrin");
  std::ofstream(path) << "selbrin-drive 1\nText2=1\n";
  std::string script = "pick Combo1 30\ntype Text2 1500\n";
  EXPECT_EQ(RunScript(script + "open " + path + "\nstate\n"),
            RunScript(script) + "error: " + path +
                ": satır 3: dosya eksik: \"Label31\" satırı yok\n" +
                RunScript(script + "state\n").substr(RunScript(script).size()));
}

}  // namespace
}  // namespace selbrin::drivefile
