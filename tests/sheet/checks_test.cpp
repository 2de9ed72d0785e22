// Each check at, below and above its threshold with every verdict, the values
// the sheet finds stale, and what stands in place of the drawing when there is
// nothing sensible to draw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sheet/checks.h"
#include "sheet/geometry.h"
#include "sheet/readings.h"

namespace selbrin::sheet {
namespace {

constexpr auto kNone = std::nullopt;
constexpr int kXpb = 2, kSpb = 6;
constexpr Verdict kPass = Verdict::Pass, kFail = Verdict::Fail, kUnknown = Verdict::Unknown;

// A calculated SPB drive whose every value agrees; each row changes a few.
Readings Agreeing() {
  Readings r;
  r.motor_power = 30;
  r.one_belt = 10;
  r.total_power = 30;
  r.belts = 3;
  r.profile = kSpb;
  r.speed = 30;
  r.motor_diameter = 190;
  r.screw_diameter = 140;
  r.centre_distance = 500;
  r.belt_length = 1600;
  r.wrap = 174;
  r.results = Results::Current;
  return r;
}

struct Row {
  const char* what;
  void (*change)(Readings&);
  Verdict verdict;
};

void Expect(Check (*check)(const Readings&), const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    Readings r = Agreeing();
    row.change(r);
    Check c = check(r);
    EXPECT_EQ(c.verdict, row.verdict) << row.what << ": " << c.sentence;
    EXPECT_EQ(c.sentence.find("e+"), std::string::npos) << c.sentence;
  }
}

TEST(Checks, BeltSpeedAgainstTheProfileLimit) {
  Expect(BeltSpeedCheck,
         {{"under", [](Readings& r) { r.speed = 41.99; }, kPass},
          {"at", [](Readings& r) { r.speed = 42; }, kPass},
          {"over", [](Readings& r) { r.speed = 42.01; }, kFail},
          {"shown speed stale", [](Readings& r) { r.stale = {"Kayış Hızı"}; }, kUnknown},
          {"stale and over", [](Readings& r) { r.stale = {"Kayış Hızı"}, r.speed = 61; }, kFail},
          {"no published XP limit", [](Readings& r) { r.profile = kXpb; }, kUnknown},
          {"no profile", [](Readings& r) { r.profile = kNone; }, kUnknown},
          {"no speed", [](Readings& r) { r.speed = kNone; }, kUnknown}});
}

TEST(Checks, PowerOnlyFromARatingThatHolds) {
  Expect(PowerCheck,
         {{"under", [](Readings& r) { r.total_power = 29.99; }, kFail},
          {"at", [](Readings&) {}, kPass},
          {"over", [](Readings& r) { r.total_power = 30.01; }, kPass},
          {"no rating", [](Readings& r) { r.one_belt = 0, r.total_power = 0; }, kUnknown},
          {"speed over its limit", [](Readings& r) { r.speed = 42.01; }, kUnknown},
          {"outdated", [](Readings& r) { r.results = Results::Outdated; }, kUnknown},
          {"no motor power", [](Readings& r) { r.motor_power = kNone; }, kUnknown}});
  Readings r = Agreeing();
  r.one_belt = 0, r.ratio = 0.9;
  EXPECT_NE(PowerCheck(r).sentence.find("devir oranı 1'in altında"), std::string::npos);
}

TEST(Checks, BeltsNeededIsAWholeNumberAtLeastTheRatioRoundedUp) {
  Expect(BeltsNeededCheck,
         {{"one short", [](Readings& r) { r.belts = 2; }, kFail},
          {"exactly", [](Readings&) {}, kPass},
          {"one over", [](Readings& r) { r.belts = 4; }, kPass},
          {"rounded up", [](Readings& r) { r.one_belt = 9.99; }, kFail},
          {"fraction", [](Readings& r) { r.belts = 3.5; }, kFail},
          {"zero", [](Readings& r) { r.belts = 0; }, kFail},
          {"no rating", [](Readings& r) { r.one_belt = 0; }, kUnknown},
          {"faulted", [](Readings& r) { r.results = Results::Faulted; }, kUnknown}});
}

TEST(Checks, ProfileAndCurrent) {
  Expect(ProfileCheck, {{"SPB", [](Readings&) {}, kPass},
                        {"none", [](Readings& r) { r.profile = kNone; }, kFail}});
  Expect(CurrentCheck, {{"current", [](Readings&) {}, kPass},
                        {"never", [](Readings& r) { r.results = Results::None; }, kFail},
                        {"outdated", [](Readings& r) { r.results = Results::Outdated; }, kFail},
                        {"faulted", [](Readings& r) { r.results = Results::Faulted; }, kFail},
                        {"stale", [](Readings& r) { r.stale = {"Devir Oranı (i)"}; }, kFail}});
}

TEST(Checks, GeometryAtEachLimit) {
  Expect(MinDiameterCheck,
         {{"motor under", [](Readings& r) { r.motor_diameter = 139.99; }, kFail},
          {"at", [](Readings& r) { r.motor_diameter = 140; }, kPass},
          {"screw under", [](Readings& r) { r.screw_diameter = 139.99; }, kFail},
          {"no published XP minimum", [](Readings& r) { r.profile = kXpb; }, kUnknown},
          {"no profile", [](Readings& r) { r.profile = kNone; }, kUnknown}});
  Expect(ArcCheck, {{"under", [](Readings& r) { r.wrap = 119.99; }, kFail},
                    {"at", [](Readings& r) { r.wrap = 120; }, kPass},
                    {"inside", [](Readings& r) { r.wrap = kNone; }, kUnknown},
                    {"no centre", [](Readings& r) { r.centre_distance = kNone; }, kUnknown}});
  Expect(CentreDistanceCheck,  // d1 + d2 = 330
         {{"under 0.7", [](Readings& r) { r.centre_distance = 230.99; }, kFail},
          {"at 0.7", [](Readings& r) { r.centre_distance = 231; }, kPass},
          {"at 2", [](Readings& r) { r.centre_distance = 660; }, kPass},
          {"over 2", [](Readings& r) { r.centre_distance = 660.01; }, kFail},
          {"rims cross", [](Readings& r) { r.centre_distance = 165; }, kFail},
          {"no pulley", [](Readings& r) { r.motor_diameter = kNone; }, kUnknown}});
  Expect(BendingCheck,  // f = 2 v / L: 100 1/s at v = 40 m/s, L = 800 mm
         {{"under", [](Readings& r) { r.speed = 40, r.belt_length = 801; }, kPass},
          {"at", [](Readings& r) { r.speed = 40, r.belt_length = 800; }, kPass},
          {"over", [](Readings& r) { r.speed = 40, r.belt_length = 799; }, kFail},
          {"no published XP limit", [](Readings& r) { r.profile = kXpb; }, kUnknown},
          {"outdated", [](Readings& r) { r.results = Results::Outdated; }, kUnknown}});
}

// The typical drive: 30 kW picked, screw at 4000 1/min, the start-up pulleys
// 190 and 140 mm, SPB, three belts, 500 mm, calculated.
void TypicalDrive(Form1& f) {
  f.Pick(Ctl::Combo1, 5);
  f.Edit(Ctl::Text2, "4000");
  f.Edit(Ctl::Text10, "500");
  f.Select(6);
  f.Edit(Ctl::Text5, "3");
  f.Click(Ctl::Command1);
}

TEST(Readings, FindTheShownValuesThatDoNotFollowFromTheOthers) {
  Form1 form;
  TypicalDrive(form);
  ASSERT_EQ(form.Text(Ctl::Combo3), "140");
  ASSERT_EQ(form.Caption(Ctl::Label40), "29.32");
  EXPECT_EQ(CurrentCheck(Read(form)).verdict, kPass) << CurrentCheck(Read(form)).sentence;
  form.Edit(Ctl::Combo2, "224");  // typed: the belt speed is not refreshed
  form.Edit(Ctl::Combo3, "165");
  form.Click(Ctl::Command1);
  EXPECT_EQ(Read(form).stale, std::vector<std::string>{"Kayış Hızı"});
  form.Edit(Ctl::Combo2, "300");  // the ratio no longer follows from the pulleys
  form.Click(Ctl::Command1);
  EXPECT_EQ(Read(form).stale,
            (std::vector<std::string>{"Kayış Hızı", "Devir Oranı (i)", "Vida Deviri"}));
  Form1 typed;
  TypicalDrive(typed);
  typed.Edit(Ctl::Combo1, "37");  // the motor data are still the 30 kW motor's
  typed.Click(Ctl::Command1);
  EXPECT_EQ(Read(typed).stale, std::vector<std::string>{"Motor Gücü"});
}

TEST(Readings, SayWhenTheLastCalculationEndedInAFault) {
  Form1 form;
  TypicalDrive(form);
  form.Edit(Ctl::Text10, "1e999");
  ASSERT_TRUE(form.Click(Ctl::Command1).has_value());
  EXPECT_EQ(Read(form).results, Results::Faulted);
  form.Edit(Ctl::Text10, "500");
  form.Click(Ctl::Command1);
  EXPECT_EQ(Read(form).results, Results::Current);
}

TEST(Numbers, ArePlainDecimalsCutWhenLong) {
  EXPECT_EQ(NumberText(1e6), "1000000");
  EXPECT_EQ(NumberText(1234567.25), "1234567");
  EXPECT_EQ(NumberText(0.000123456), "0.00012");
  EXPECT_EQ(NumberText(1e30), "100000000000000…");
  EXPECT_EQ(NumberText(29.3215, 2), "29.32");
}

struct DrawRow {
  std::optional<double> motor, screw, centre;
  int scale;        // 0: no drawing
  std::string why;  // part of the sentence in place of the drawing
};

TEST(Drawing, TakesTheLargestScaleThatFitsOrSaysWhyNot) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const Area area{0, 0, 180, 113};  // fits 152 mm across and 84 mm high at 1:1
  const DrawRow rows[] = {
      {224, 165, 500, 5, ""},
      {20, 20, 132, 1, ""},
      {20, 20, 132.01, 2, ""},
      {84, 20, 60, 1, ""},
      {84.01, 20, 60, 2, ""},
      {5e5, 5e5, 1.02e6, 10000, ""},
      {5e5, 5e5, 1.03e6, 0, "1:10000"},
      {kNone, 165, 500, 0, "Motor Kasnağı Çapı boş"},
      {224, 0, 500, 0, "Vida Kasnağı Çapı (0 mm) sıfırdan büyük değil"},
      {224, 165, -1, 0, "Eksen Mesafesi (-1 mm) sıfırdan büyük değil"},
      {224, kInf, 500, 0, "sayı aralığının dışında"},
      {224, 165, std::nan(""), 0, "sayı aralığının dışında"},
      {224, 165, 29.5, 0, "içine"},
      {190, 160, 100, 0, "kasnaklar bu eksen mesafesinde (100 mm) üst üste biniyor"},
      {190, 160, 174.99, 0, "üst üste biniyor"},
      {190, 160, 175, 5, ""},  // the rims touch
      {500, 500, 4.9e-324, 0, "Eksen Mesafesi (0 mm) çizilemeyecek kadar küçük"},
      {0.01, 0.01, 0.01, 1, ""},
  };
  for (const DrawRow& row : rows) {
    DriveDrawing d = LayOutDrive(row.motor, row.screw, row.centre, area);
    if (row.scale > 0) {
      ASSERT_TRUE(std::holds_alternative<DriveLayout>(d)) << std::get<std::string>(d);
      EXPECT_EQ(std::get<DriveLayout>(d).scale, row.scale) << *row.centre;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(d)) << row.why;
      EXPECT_NE(std::get<std::string>(d).find(row.why), std::string::npos)
          << std::get<std::string>(d);
    }
  }
}

}  // namespace
}  // namespace selbrin::sheet
