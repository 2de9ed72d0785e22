#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "drive/drive.h"

namespace selbrin {
namespace {

// What the form showed when the belt length was written: Text11_Change runs inside
// that write, after the arc of contact and before the power of one belt.
struct AtBeltLength {
  std::string text10, text11, label35, text12;
};
std::vector<AtBeltLength> g_seen;

// The drive calculation alone: profile clicks and speed changes run nothing, and
// the belt length chain only records, so Text10 keeps the settled centre distance.
EventRouting DriveOnly() {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command1_Click = Command1_Click;
  r.chkC2_Click = chkC2_Click;
  r.Text11_Change = [](Form1& f) {
    g_seen.push_back(
        {f.Text(Ctl::Text10), f.Text(Ctl::Text11), f.Caption(Ctl::Label35), f.Text(Ctl::Text12)});
  };
  return r;
}

struct Inputs {
  std::string text2 = "4000", label36 = "1.36", text10 = "500", combo2 = "224", combo3 = "165";
  int profile = 6;  // "SPB"; -1 for none
  std::string text5 = "3";
};

class Drive : public testing::Test {
 protected:
  void SetUp() override { g_seen.clear(); }

  std::optional<FaultKind> Calculate(const Inputs& in) {
    form.SetText(Ctl::Text2, in.text2);
    form.SetCaption(Ctl::Label36, in.label36);
    form.SetText(Ctl::Text10, in.text10);
    form.SetText(Ctl::Combo2, in.combo2);
    form.SetText(Ctl::Combo3, in.combo3);
    if (in.profile >= 0) {
      form.Select(in.profile);
    } else {
      for (int i = 0; i < kProfileCount; ++i) form.ClearOption(i);
    }
    form.SetText(Ctl::Text5, in.text5);
    return form.Click(Ctl::Command1);
  }

  Form1 form{DriveOnly()};
};

// The two worked examples, with every intermediate value.
struct Example {
  const char* name;
  Inputs in;
  std::string text10;
  double wrap_angle;
  std::string label35;
  double arc_factor;
  double belt_length;
  std::string text11;
  float length_factor, belt_rating;
  std::string text12, text13;
};

class WorkedExample : public Drive, public testing::WithParamInterface<Example> {};

TEST_P(WorkedExample, GivesEveryValue) {
  const Example& e = GetParam();
  ASSERT_EQ(Calculate(e.in), std::nullopt);
  EXPECT_EQ(form.Text(Ctl::Text10), e.text10);
  EXPECT_NEAR(form.wrapAngle.value(), e.wrap_angle, 5e-5);
  EXPECT_EQ(form.Caption(Ctl::Label35), e.label35);
  EXPECT_NEAR(form.arcFactor.value(), e.arc_factor, 5e-6);
  EXPECT_NEAR(form.beltLength.value(), e.belt_length, 5e-4);
  EXPECT_EQ(form.Text(Ctl::Text11), e.text11);
  EXPECT_EQ(form.lengthFactor.get(), e.length_factor);
  EXPECT_EQ(form.beltRating.get(), e.belt_rating);
  EXPECT_EQ(form.Text(Ctl::Text12), e.text12);
  EXPECT_EQ(form.Text(Ctl::Text13), e.text13);
}

INSTANTIATE_TEST_SUITE_P(TwoDrives, WorkedExample,
                         testing::Values(Example{"SPB",
                                                 {},
                                                 "500",
                                                 173.2352,
                                                 "173.24",
                                                 0.98309,
                                                 1612.780,
                                                 "1612.8",
                                                 0.86F,
                                                 12.77F,
                                                 "9",
                                                 "26.99"},
                                         Example{"XPZ",
                                                 {"3000", "1.60", "300", "250", "125", 0, "4"},
                                                 "300",
                                                 155.9506,
                                                 "155.95",
                                                 0.93875,
                                                 1202.069,
                                                 "1202.1",
                                                 0.91F,
                                                 7.25F,
                                                 "5.16",
                                                 "20.64"}),
                         [](const auto& row) { return row.param.name; });

TEST_F(Drive, WritesTheBeltLengthAfterTheArcAndBeforeThePower) {
  form.SetText(Ctl::Text12, "old");
  ASSERT_EQ(Calculate({}), std::nullopt);
  ASSERT_EQ(g_seen.size(), 1U);
  EXPECT_EQ(g_seen[0].text10, "500");
  EXPECT_EQ(g_seen[0].text11, "1612.8");
  EXPECT_EQ(g_seen[0].label35, "173.24");
  EXPECT_EQ(g_seen[0].text12, "old");
}

// Variations of the first example: one row per changed input.
struct Variation {
  const char* what;
  Inputs in;
  std::string text10, label35, text11, text12, text13;
};

class Variations : public Drive, public testing::WithParamInterface<Variation> {};

TEST_P(Variations, Show) {
  const Variation& v = GetParam();
  ASSERT_EQ(Calculate(v.in), std::nullopt) << v.what;
  EXPECT_EQ(form.Text(Ctl::Text10), v.text10) << v.what;
  EXPECT_EQ(form.Caption(Ctl::Label35), v.label35) << v.what;
  EXPECT_EQ(form.Text(Ctl::Text11), v.text11) << v.what;
  EXPECT_EQ(form.Text(Ctl::Text12), v.text12) << v.what;
  EXPECT_EQ(form.Text(Ctl::Text13), v.text13) << v.what;
}

Inputs With(void (*change)(Inputs&)) {
  Inputs in;
  change(in);
  return in;
}

INSTANTIATE_TEST_SUITE_P(
    Example1, Variations,
    testing::ValuesIn(std::vector<Variation>{
        // The centre distance: at least the mean of the pulleys, at least 250; shown
        // whole, used unrounded.
        {"mean of the pulleys", With([](Inputs& i) { i.combo2 = "900", i.text10 = "300"; }), "532",
         "92.72", "2991.5", "7.5", "22.51"},
        {"mean below 250",
         With([](Inputs& i) { i.combo2 = "200", i.combo3 = "180", i.text10 = "100"; }), "250",
         "175.42", "1097.3", "0", "0"},
        {"empty", With([](Inputs& i) { i.text10 = ""; }), "250", "166.45", "1114.5", "0", "0"},
        {"400.4", With([](Inputs& i) { i.combo2 = "100", i.combo3 = "100", i.text10 = "400.4"; }),
         "400", "180", "1115", "0", "0"},
        {"452.5", With([](Inputs& i) { i.combo2 = "200", i.combo3 = "180", i.text10 = "452.5"; }),
         "452", "177.47", "1502.1", "11.32", "33.97"},
        {"453.5", With([](Inputs& i) { i.combo2 = "200", i.combo3 = "180", i.text10 = "453.5"; }),
         "454", "177.47", "1504.1", "11.32", "33.97"},
        // The rating gate.
        {"screw at 2700", With([](Inputs& i) { i.text2 = "2700"; }), "500", "173.24", "1612.8", "0",
         "0"},
        {"just above 2700, ratio 1",
         With([](Inputs& i) { i.text2 = "2700.5", i.label36 = "1.00"; }), "500", "173.24", "1612.8",
         "8.76", "26.29"},
        {"ratio .99", With([](Inputs& i) { i.label36 = ".99"; }), "500", "173.24", "1612.8", "0",
         "0"},
        {"no ratio", With([](Inputs& i) { i.label36 = ""; }), "500", "173.24", "1612.8", "0", "0"},
        // The number of belts, as it reads.
        {"2.5 belts", With([](Inputs& i) { i.text5 = "2.5"; }), "500", "173.24", "1612.8", "9",
         "22.49"},
        {"no belts", With([](Inputs& i) { i.text5 = ""; }), "500", "173.24", "1612.8", "9", "0"},
        {"-2 belts", With([](Inputs& i) { i.text5 = "-2"; }), "500", "173.24", "1612.8", "9",
         "-17.99"},
        // Profiles: none selected; a belt too short for its group.
        {"no profile", With([](Inputs& i) { i.profile = -1; }), "500", "173.24", "1612.8", "0",
         "0"},
        {"SPB too short",
         With([](Inputs& i) { i.combo2 = "200", i.combo3 = "160", i.text10 = ""; }), "250",
         "170.82", "1067.1", "0", "0"},
        {"XPB", With([](Inputs& i) { i.profile = 2; }), "500", "173.24", "1612.8", "18.56",
         "55.67"},
    }),
    [](const auto& row) {
      std::string name;
      for (char c : std::string(row.param.what)) name += std::isalnum(c) != 0 ? c : '_';
      return name + "_" + std::to_string(row.index);
    });

TEST_F(Drive, NoProfileKeepsTheDefaultLengthFactorAndNoRating) {
  ASSERT_EQ(Calculate({.profile = -1}), std::nullopt);
  EXPECT_EQ(form.lengthFactor.get(), 0.75F);
  EXPECT_EQ(form.beltRating.get(), 0.0F);
}

TEST_F(Drive, HeavyDutyTogglesTheServiceFactorAndRecalculates) {
  ASSERT_EQ(Calculate({}), std::nullopt);
  EXPECT_EQ(form.Click(Ctl::chkC2), std::nullopt);  // now unticked: 1.1
  EXPECT_EQ(form.serviceFactor.get(), 1.1F);
  EXPECT_EQ(form.Text(Ctl::Text12), "9.81");
  EXPECT_EQ(form.Click(Ctl::chkC2), std::nullopt);
  EXPECT_EQ(form.Text(Ctl::Text12), "9");
}

// A fault ends the calculation at its step: outputs written before it show their
// new texts, the later ones keep theirs.
struct FaultCase {
  const char* what;
  Inputs in;
  FaultKind kind;
  std::string text10, label35;
};

class DriveFault : public Drive, public testing::WithParamInterface<FaultCase> {};

TEST_P(DriveFault, EndsTheCalculationAtItsStep) {
  const FaultCase& c = GetParam();
  for (Ctl out : {Ctl::Text11, Ctl::Text12, Ctl::Text13}) form.SetText(out, "old");
  form.SetCaption(Ctl::Label35, "old");
  g_seen.clear();
  EXPECT_EQ(Calculate(c.in), c.kind) << c.what;
  EXPECT_EQ(form.Text(Ctl::Text10), c.text10) << c.what;
  EXPECT_EQ(form.Caption(Ctl::Label35), c.label35) << c.what;
  for (Ctl out : {Ctl::Text11, Ctl::Text12, Ctl::Text13}) EXPECT_EQ(form.Text(out), "old");
  EXPECT_TRUE(g_seen.empty()) << "the belt length was written";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DriveFault,
    testing::ValuesIn(std::vector<FaultCase>{
        {"empty motor pulley, screw pulley 500",
         With([](Inputs& i) { i.combo2 = "", i.combo3 = "500", i.text10 = ""; }),
         FaultKind::DivisionByZero, "250", "old"},
        {"empty screw pulley, motor pulley 600",
         With([](Inputs& i) { i.combo2 = "600", i.combo3 = "", i.text10 = "200"; }),
         FaultKind::DivisionByZero, "300", "old"},
        {"negative motor pulley",
         With([](Inputs& i) { i.combo2 = "-100", i.combo3 = "600", i.text10 = ""; }),
         FaultKind::InvalidArgument, "250", "old"},
        {"centre distance beyond a single", With([](Inputs& i) { i.text10 = "1e39"; }),
         FaultKind::Overflow, "1e39", "old"},
        {"belt length beyond a single",
         With([](Inputs& i) { i.combo2 = "3e38", i.combo3 = "1e38", i.text10 = ""; }),
         FaultKind::Overflow, "199999993605713849301312521538346418176", "120"},
    }));

// The finished program's routing: the button and the check box both calculate.
TEST(Routing, CommandAndHeavyDutyRunTheCalculation) {
  for (Ctl clicked : {Ctl::Command1, Ctl::chkC2}) {
    Form1 form;
    EXPECT_EQ(form.Click(clicked), std::nullopt);
    EXPECT_EQ(form.Caption(Ctl::Label35), "180") << ControlName(clicked);
    EXPECT_EQ(form.Text(Ctl::Text11), "500") << ControlName(clicked);
    EXPECT_EQ(form.Text(Ctl::Text12), "0") << ControlName(clicked);
  }
}

}  // namespace
}  // namespace selbrin
