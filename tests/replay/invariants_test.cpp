#include "tests/support/invariants.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace selbrin::replay {
namespace {

struct FormatCase {
  std::string text;
  int decimals;
  bool shown;
};

class ShownNumberForm : public testing::TestWithParam<FormatCase> {};

TEST_P(ShownNumberForm, AcceptsOnlyWhatTheShownNumberRuleWrites) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(IsShownNumber(c.text, c.decimals), c.shown) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ShownNumberForm,
                         testing::Values(FormatCase{"0", 0, true}, FormatCase{"3258", 0, true},
                                         FormatCase{"-13", 0, true}, FormatCase{"59.5", 2, true},
                                         FormatCase{"0.5", 1, true}, FormatCase{"-0.5", 2, true},
                                         FormatCase{"1612.8", 1, true},
                                         FormatCase{std::string(309, '9'), 0, true},
                                         FormatCase{"-0", 0, false}, FormatCase{"59.50", 2, false},
                                         FormatCase{"1.5", 0, false},
                                         FormatCase{"12.345", 2, false}, FormatCase{".5", 2, false},
                                         FormatCase{"007", 0, false}, FormatCase{"1e5", 0, false},
                                         FormatCase{"1E+20", 2, false}, FormatCase{"nan", 2, false},
                                         FormatCase{"inf", 2, false}, FormatCase{"-inf", 2, false},
                                         FormatCase{"1,5", 2, false}, FormatCase{"1 000", 0, false},
                                         FormatCase{"+1", 0, false}, FormatCase{"1.", 2, false},
                                         FormatCase{"-", 0, false}, FormatCase{"", 0, false}));

TEST(RatioForm, AcceptsOnlyWhatTheRatioPatternWrites) {
  for (const char* good : {".00", ".50", "1.02", "-.50", "69.93", "12345.00"}) {
    EXPECT_TRUE(IsRatioText(good)) << good;
  }
  for (const char* bad : {"0.50", "1.2", "1.020", "-.00", "1", "", ".", "1e2.00", "nan", " .50"}) {
    EXPECT_FALSE(IsRatioText(bad)) << bad;
  }
}

TEST(Invariants, HoldForTheFormAsLoaded) {
  Form1 form;
  EXPECT_EQ(CheckInvariants(form), std::vector<std::string>{});
}

// Each row makes "Hesapla" break one rule; the checker must name it.
struct BrokenCase {
  const char* what;
  void (*hesapla)(Form1&);
  std::string reported;
};

class BrokenRule : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenRule, IsReported) {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command1_Click = GetParam().hesapla;
  Form1 form(r);
  form.Click(Ctl::Command1);
  EXPECT_EQ(CheckInvariants(form), std::vector<std::string>{GetParam().reported});
}

INSTANTIATE_TEST_SUITE_P(
    Writes, BrokenRule,
    testing::Values(
        BrokenCase{"nan", [](Form1& f) { f.SetText(Ctl::Text12, "nan"); },
                   "Text12 holds \"nan\": not a number with at most 2 decimals"},
        BrokenCase{"exponent", [](Form1& f) { f.SetCaption(Ctl::Label40, "1e+20"); },
                   "Label40 holds \"1e+20\": not a number with at most 2 decimals"},
        BrokenCase{"minus zero", [](Form1& f) { f.SetText(Ctl::Text10, "-0"); },
                   "Text10 holds \"-0\": not a number with at most 1 decimals"},
        BrokenCase{"too many decimals", [](Form1& f) { f.SetText(Ctl::Text2, "3258.9"); },
                   "Text2 holds \"3258.9\": not a number with at most 0 decimals"},
        BrokenCase{"ratio", [](Form1& f) { f.SetCaption(Ctl::Label36, "0.50"); },
                   "Label36 holds \"0.50\": not a ratio in the form #.00"},
        BrokenCase{"bush", [](Form1& f) { f.SetCaption(Ctl::Label19, "2000"); },
                   "Label19 holds \"2000\": not a bush size"},
        BrokenCase{"input", [](Form1& f) { f.SetText(Ctl::Text5, "3"); },
                   "Text5 holds \"3\", but the program writes no value there"},
        BrokenCase{"caption", [](Form1& f) { f.SetCaption(Ctl::Label1, ""); },
                   "Label1 lost its caption: holds \"\""},
        BrokenCase{"list", [](Form1& f) { f.AddItem(Ctl::Combo3, "530"); },
                   "Combo3's list changed"},
        BrokenCase{"cell", [](Form1& f) { f.beltRating = std::numeric_limits<float>::infinity(); },
                   "beltRating holds inf"}),
    [](const testing::TestParamInfo<BrokenCase>& p) {
      std::string name = p.param.what;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

TEST(Invariants, JudgeWhatTheProgramWroteNotWhatTheUserTyped) {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command1_Click = [](Form1& f) { f.SetText(Ctl::Text13, "inf"); };
  Form1 form(r);
  form.Edit(Ctl::Text12, "nan");
  form.Edit(Ctl::Text10, "1e999");
  form.Edit(Ctl::Combo2, "7,5");
  form.Edit(Ctl::Text2, "-0");
  EXPECT_EQ(CheckInvariants(form), std::vector<std::string>{});

  form.Click(Ctl::Command1);
  EXPECT_EQ(CheckInvariants(form).size(), 1U);
  form.Edit(Ctl::Text13, "x");  // the user's text replaces the program's
  EXPECT_EQ(CheckInvariants(form), std::vector<std::string>{});
}

}  // namespace
}  // namespace selbrin::replay
