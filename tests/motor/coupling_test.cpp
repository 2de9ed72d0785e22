#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "form/form1.h"
#include "runtime/numparse.h"

namespace selbrin {
namespace {

int ItemIndex(const Form1& form, Ctl combo, const std::string& item) {
  const auto& items = form.Items(combo);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == item) return static_cast<int>(i);
  }
  ADD_FAILURE() << item << " is not an item";
  return -1;
}

// --- The motor lookup carried through the drive --------------------------------

struct UpdateMotorCase {
  const char* name;
  const char* text2;
  const char* power;
  bool four_pole;
  const char* combo3;  // typed before the motor is chosen
  const char* label36;
  const char* combo3_after;
  const char* combo2;
};

const UpdateMotorCase kUpdateMotor[] = {
    // 3000 / 2940 = 1.0204; 140 x 1.02 = 142.8, rounded down.
    {"typical", "3000", "30", false, "", "1.02", "140", "142"},
    {"no screw speed", "", "30", false, "", ".00", "140", "0"},
    {"pulley above the minimum kept", "3000", "30", false, "250", "1.02", "250", "255"},
    // 1665 / 1480 = 1.125 exactly: the tie goes to the even digit.
    {"tie at the third decimal", "1665", "90", true, "200", "1.12", "200", "224"},
};

TEST(UpdateMotor, RatioScrewPulleyAndMotorPulley) {
  for (const UpdateMotorCase& c : kUpdateMotor) {
    SCOPED_TRACE(c.name);
    Form1 form;
    form.Edit(Ctl::Text2, c.text2);
    form.Edit(Ctl::Combo3, c.combo3);
    if (c.four_pole) form.Click(Ctl::chk4kutup);
    ASSERT_EQ(form.Pick(Ctl::Combo1, ItemIndex(form, Ctl::Combo1, c.power)), std::nullopt);
    EXPECT_EQ(form.Caption(Ctl::Label36), c.label36);
    EXPECT_EQ(form.Text(Ctl::Combo3), c.combo3_after);
    EXPECT_EQ(form.Text(Ctl::Combo2), c.combo2);
  }
}

TEST(UpdateMotor, NoPowerChosenEmptiesTheMotorAndTheRatio) {
  Form1 form;
  form.Edit(Ctl::Text2, "3000");
  form.Click(Ctl::chk4kutup);
  EXPECT_EQ(form.Caption(Ctl::Label31), "");
  EXPECT_EQ(form.Caption(Ctl::Label32), "");
  EXPECT_EQ(form.Caption(Ctl::Label36), "");
  EXPECT_EQ(form.Text(Ctl::Combo2), "0");
}

// 500 x 69.93 = 34965 lies above 32767: the motor pulley keeps its text.
TEST(UpdateMotor, MotorPulleyAbove32767IsNotWritten) {
  Form1 form;
  form.Edit(Ctl::Text2, "99999");
  form.Edit(Ctl::Combo3, "500");
  form.Pick(Ctl::Combo1, 0);  // "7.5", 2-pole: 99999 / 2885 = 34.66
  EXPECT_EQ(form.Text(Ctl::Combo2), "17330");
  form.Click(Ctl::chk4kutup);  // 1430 rpm: 69.93
  EXPECT_EQ(form.Caption(Ctl::Label36), "69.93");
  EXPECT_EQ(form.Text(Ctl::Combo2), "17330");
}

// --- Text2_Change ---------------------------------------------------------------

struct ScrewSpeedCase {
  const char* motor_speed;  // Label31
  const char* combo3;
  const char* text2;
  const char* label36;
  const char* combo2;
  const char* label40;
};

const ScrewSpeedCase kScrewSpeed[] = {
    // The exact quotient, rounded to nearest: 142.857 gives 143, where the
    // motor lookup's floor of 140 x 1.02 gives 142.
    {"2940", "140", "3000", "1.02", "143", "21.99"},
    // 1470 / 2940 = 0.5 exactly; the halves go to the even neighbour.
    {"2940", "125", "1470", ".50", "62", "9.62"},
    {"2940", "135", "1470", ".50", "68", "10.39"},
    {"1480", "100", "1665", "1.12", "112", "8.72"},
    {"2940", "", "3000", "1.02", "0", ""},
    {"", "140", "3000", "", "", "21.99"},
    {"2940", "140", "", ".00", "0", "0"},
    {"2940", "140", "29400", "10.00", "1400", "215.51"},
};

TEST(Text2Change, RatioMotorPulleyAndBeltSpeed) {
  for (const ScrewSpeedCase& c : kScrewSpeed) {
    SCOPED_TRACE(std::string(c.motor_speed) + " rpm, " + c.combo3 + " mm, " + c.text2);
    Form1 form;
    form.SetCaption(Ctl::Label31, c.motor_speed);
    form.Edit(Ctl::Combo3, c.combo3);
    form.Edit(Ctl::Text2, "1");
    ASSERT_EQ(form.Edit(Ctl::Text2, c.text2), std::nullopt);
    EXPECT_EQ(form.Caption(Ctl::Label36), c.label36);
    EXPECT_EQ(form.Text(Ctl::Combo2), c.combo2);
    EXPECT_EQ(form.Caption(Ctl::Label40), c.label40);
  }
}

// --- Combo2_Click -----------------------------------------------------------------

struct MotorPulleyCase {
  const char* name;
  const char* motor_speed;  // Label31
  const char* combo3;
  const char* pick;
  const char* text2;
  const char* label36;
  const char* combo2;
  const char* label40;
  const char* label19;  // 3 belts of SPB, motor shaft 42
};

const MotorPulleyCase kMotorPulley[] = {
    // 1460 x 250 / 112 = 3258.9, down to 3258; Text2_Change then rounds the
    // motor pulley back to 250 and shows pi x 3258 x 112 / 60000 m/s.
    {"screw speed from both pulleys", "1460", "112", "250", "3258", "2.23", "250", "19.11", "3020"},
    {"no screw pulley", "1460", "", "250", "1000", ".68", "0", "", "2012"},
    {"no motor speed", "", "112", "250", "0", "", "", "0", "2012"},
    {"screw speed of 32767 written", "32767", "100", "100", "32767", "1.00", "100", "171.57",
     "2012"},
    {"screw speed above 32767 kept", "32767.5", "100", "100", "1000", ".03", "100", "5.24", "2012"},
};

TEST(Combo2Click, CouplesThroughTheScrewSpeed) {
  for (const MotorPulleyCase& c : kMotorPulley) {
    SCOPED_TRACE(c.name);
    Form1 form;
    form.SetCaption(Ctl::Label31, c.motor_speed);
    form.SetCaption(Ctl::Label32, "42");
    form.Edit(Ctl::Combo3, c.combo3);
    form.Edit(Ctl::Text5, "3");
    form.Edit(Ctl::Text2, "1000");  // the ratio shown before the pick
    ASSERT_EQ(form.Pick(Ctl::Combo2, ItemIndex(form, Ctl::Combo2, c.pick)), std::nullopt);
    EXPECT_EQ(form.Text(Ctl::Text2), c.text2);
    EXPECT_EQ(form.Caption(Ctl::Label36), c.label36);
    EXPECT_EQ(form.Text(Ctl::Combo2), c.combo2);
    EXPECT_EQ(form.Caption(Ctl::Label40), c.label40);
    EXPECT_EQ(form.Caption(Ctl::Label19), c.label19);
  }
}

// --- Combo3_Click -----------------------------------------------------------------

struct ScrewPulleyCase {
  const char* name;
  const char* text9;
  const char* combo2;  // typed after the screw speed
  const char* ratio;   // Label36 before the pick
  const char* pick;
  const char* combo3;
  const char* text2;
  const char* label36;
  const char* combo2_after;
  const char* label40;
  const char* label21;  // 5 belts of SPB
};

// Motor 2940 rpm, screw speed 3000, profile "SPB". 500 x 69.93 = 34965.
const ScrewPulleyCase kScrewPulley[] = {
    // 2940 x 142 / 140 = 2982; 2982 / 2940 x 140 rounds back to 142.
    {"both pulleys", "", "142", "1.02", "140", "140", "2982", "1.01", "142", "21.86", "2517"},
    // A screw shaft above 60 raises the pick to 170 first: 2940 x 142 / 170 =
    // 2455.8, down to 2455.
    {"thick screw shaft", "65", "142", "1.02", "140", "170", "2455", ".84", "142", "21.85", "3020"},
    // No motor pulley: 140 x 1.02 = 142.8, down to 142; the screw speed stays.
    {"no motor pulley", "", "", "1.02", "140", "140", "3000", "1.02", "142", "21.99", "2517"},
    {"motor pulley above 32767 kept", "", "", "69.93", "500", "500", "3000", "69.93", "", "78.54",
     "3535"},
};

TEST(Combo3Click, AdjustsThenCouples) {
  for (const ScrewPulleyCase& c : kScrewPulley) {
    SCOPED_TRACE(c.name);
    Form1 form;
    form.SetCaption(Ctl::Label31, "2940");
    form.Edit(Ctl::Text2, "3000");
    form.Edit(Ctl::Text9, c.text9);
    form.Edit(Ctl::Text5, "5");
    form.Edit(Ctl::Combo2, c.combo2);
    form.SetCaption(Ctl::Label36, c.ratio);
    ASSERT_EQ(form.Pick(Ctl::Combo3, ItemIndex(form, Ctl::Combo3, c.pick)), std::nullopt);
    EXPECT_EQ(form.Text(Ctl::Combo3), c.combo3);
    EXPECT_EQ(form.Text(Ctl::Text2), c.text2);
    EXPECT_EQ(form.Text(Ctl::Combo2), c.combo2_after);
    EXPECT_EQ(form.Caption(Ctl::Label40), c.label40);
    EXPECT_EQ(form.Caption(Ctl::Label21), c.label21);
    EXPECT_EQ(form.Caption(Ctl::Label36), c.label36);
  }
}

// --- Text11_Change ----------------------------------------------------------------

struct BeltLengthCase {
  const char* combo2;
  const char* combo3;
  const char* text11;
  const char* text10;  // nullptr: no real centre distance
};

// For pulleys 250 and 112 the lengths from 373.47 to 763.79 mm have no real
// centre distance.
const BeltLengthCase kBeltLength[] = {
    {"250", "112", "1578.2", "500"},   {"250", "112", "1200", "308"},
    {"200", "200", "1578.2", "474.9"}, {"250", "112", "", "-8.6"},
    {"250", "112", "373.4", "-47.5"},  {"250", "112", "373.5", nullptr},
    {"250", "112", "500", nullptr},    {"250", "112", "763.7", nullptr},
    {"250", "112", "763.8", "49.3"},   {"250", "112", "400", nullptr},
    {"250", "112", "4000", "1714.3"},
};

TEST(Text11Change, CentreDistanceFromTheBeltLength) {
  for (const BeltLengthCase& c : kBeltLength) {
    SCOPED_TRACE(std::string(c.combo2) + "/" + c.combo3 + " mm, L = " + c.text11);
    Form1 form;
    form.Edit(Ctl::Combo2, c.combo2);
    form.Edit(Ctl::Combo3, c.combo3);
    form.Edit(Ctl::Text11, "1");
    const std::string text10_before = form.Text(Ctl::Text10);
    const float distance_before = form.centreDistance.get();
    std::optional<FaultKind> fault = form.Edit(Ctl::Text11, c.text11);
    if (c.text10 == nullptr) {
      EXPECT_EQ(fault, FaultKind::InvalidArgument);
      EXPECT_EQ(form.Text(Ctl::Text10), text10_before);
      EXPECT_EQ(form.centreDistance.get(), distance_before);
      EXPECT_EQ(form.beltLength.get(), static_cast<float>(ParseNumber(c.text11)))
          << "stored before the fault";
    } else {
      EXPECT_EQ(fault, std::nullopt);
      EXPECT_EQ(form.Text(Ctl::Text10), c.text10);
    }
  }
}

// --- Faults from absurd typed values ------------------------------------------------

TEST(CouplingFaults, AbsurdValuesOverflowAndEndTheChain) {
  {
    Form1 form;
    EXPECT_EQ(form.Edit(Ctl::Text2, "9e99"), FaultKind::Overflow);  // no single holds it
  }
  {
    Form1 form;
    form.Edit(Ctl::Text9, "1e39");
    EXPECT_EQ(form.Pick(Ctl::Combo3, 0), FaultKind::Overflow);
    EXPECT_EQ(form.Text(Ctl::Combo3), "100") << "the pick itself stands";
  }
  {
    Form1 form;
    form.Edit(Ctl::Combo1, "1e999");  // beyond a double
    EXPECT_EQ(form.Click(Ctl::chkKompakt), FaultKind::Overflow);
  }
  {
    // 1e38 fits a single, but 1e38 x 9.99 does not.
    Form1 form;
    form.Edit(Ctl::Text2, "29370");
    form.Edit(Ctl::Combo3, "1e38");
    EXPECT_EQ(form.Pick(Ctl::Combo1, 5), FaultKind::Overflow);
    EXPECT_EQ(form.Caption(Ctl::Label36), "9.99") << "written before the fault";
    EXPECT_EQ(form.Text(Ctl::Combo2), "");
  }
  {
    // The screw speed and its chain are written before the number of belts is
    // read; the bush label keeps its old text.
    Form1 form;
    form.SetCaption(Ctl::Label31, "2940");
    form.SetCaption(Ctl::Label19, "old");
    form.Edit(Ctl::Combo3, "140");
    form.Edit(Ctl::Text5, "1e39");
    EXPECT_EQ(form.Pick(Ctl::Combo2, 5), FaultKind::Overflow);  // "140"
    EXPECT_EQ(form.Text(Ctl::Text2), "2940");
    EXPECT_EQ(form.Caption(Ctl::Label36), "1.00");
    EXPECT_EQ(form.Caption(Ctl::Label40), "21.55");
    EXPECT_EQ(form.Caption(Ctl::Label19), "old");
  }
}

}  // namespace
}  // namespace selbrin
