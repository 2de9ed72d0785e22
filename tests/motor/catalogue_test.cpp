#include <gtest/gtest.h>

#include <string>

#include "form/form1.h"
#include "motor/catalogue.h"
#include "runtime/numparse.h"

namespace selbrin {
namespace {

// Every cell of the motor catalogue, as the motor data sheet gives it.
struct CatalogueCase {
  const char* power;
  bool four_pole;
  bool compact;
  const char* speed;
  const char* shaft;
};

constexpr CatalogueCase kCatalogue[] = {
    {"7.5", false, false, "2885", "38"},  {"7.5", false, true, "2885", "38"},
    {"7.5", true, false, "1430", "38"},   {"7.5", true, true, "1430", "38"},
    {"11", false, false, "2930", "42"},   {"11", false, true, "2915", "38"},
    {"11", true, false, "1455", "42"},    {"11", true, true, "1455", "42"},
    {"15", false, false, "2935", "42"},   {"15", false, true, "2935", "42"},
    {"15", true, false, "1460", "42"},    {"15", true, true, "1460", "42"},
    {"18.5", false, false, "2935", "42"}, {"18.5", false, true, "2935", "42"},
    {"18.5", true, false, "1460", "48"},  {"18.5", true, true, "1450", "42"},
    {"22", false, false, "2940", "48"},   {"22", false, true, "2930", "42"},
    {"22", true, false, "1455", "48"},    {"22", true, true, "1455", "48"},
    {"30", false, false, "2940", "55"},   {"30", false, true, "2940", "48"},
    {"30", true, false, "1455", "48"},    {"30", true, true, "1455", "48"},
    {"37", false, false, "2955", "55"},   {"37", false, true, "2955", "55"},
    {"37", true, false, "1465", "60"},    {"37", true, true, "1460", "55"},
    {"45", false, false, "2960", "55"},   {"45", false, true, "2960", "55"},
    {"45", true, false, "1465", "60"},    {"45", true, true, "1465", "60"},
    {"55", false, false, "2970", "60"},   {"55", false, true, "2965", "55"},
    {"55", true, false, "1470", "65"},    {"55", true, true, "1470", "60"},
    {"75", false, false, "2975", "65"},   {"75", false, true, "2970", "60"},
    {"75", true, false, "1475", "75"},    {"75", true, true, "1470", "65"},
    {"90", false, false, "2970", "65"},   {"90", false, true, "2970", "65"},
    {"90", true, false, "1480", "75"},    {"90", true, true, "1480", "75"},
    {"110", false, false, "2980", "65"},  {"110", false, true, "2975", "65"},
    {"110", true, false, "1480", "80"},   {"110", true, true, "1480", "75"},
    {"132", false, false, "2980", "65"},  {"132", false, true, "2980", "65"},
    {"132", true, false, "1480", "80"},   {"132", true, true, "1480", "80"},
    {"160", false, false, "2980", "65"},  {"160", false, true, "2980", "65"},
    {"160", true, false, "1485", "80"},   {"160", true, true, "1485", "80"},
};

int ItemIndex(const Form1& form, Ctl combo, const std::string& item) {
  const auto& items = form.Items(combo);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == item) return static_cast<int>(i);
  }
  return -1;
}

// Through the form: tick the boxes, then pick the power, as a user would.
TEST(MotorCatalogue, EveryCellThroughTheForm) {
  for (const CatalogueCase& c : kCatalogue) {
    SCOPED_TRACE(std::string(c.power) + (c.four_pole ? " 4-pole" : " 2-pole") +
                 (c.compact ? " compact" : ""));
    Form1 form;
    if (c.four_pole) form.Click(Ctl::chk4kutup);
    if (c.compact) form.Click(Ctl::chkKompakt);
    ASSERT_EQ(form.Pick(Ctl::Combo1, ItemIndex(form, Ctl::Combo1, c.power)), std::nullopt);
    EXPECT_EQ(form.Caption(Ctl::Label31), c.speed);
    EXPECT_EQ(form.Caption(Ctl::Label32), c.shaft);
  }
}

TEST(MotorCatalogue, KeysAreTheCombo1ItemsInOrder) {
  Form1 form;
  const auto& items = form.Items(Ctl::Combo1);
  ASSERT_EQ(items.size(), kMotorCatalogue.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(ParseNumber(items[i]), kMotorCatalogue[i].power) << items[i];
  }
}

// Toggling a box reruns the lookup with the power already chosen.
TEST(MotorCatalogue, ToggleRerunsTheLookup) {
  Form1 form;
  form.Pick(Ctl::Combo1, 3);  // "18.5"
  form.Click(Ctl::chk4kutup);
  EXPECT_EQ(form.Caption(Ctl::Label31), "1460");
  EXPECT_EQ(form.Caption(Ctl::Label32), "48");
  form.Click(Ctl::chkKompakt);
  EXPECT_EQ(form.Caption(Ctl::Label31), "1450");
  EXPECT_EQ(form.Caption(Ctl::Label32), "42");
}

// A power typed into Combo1 is looked up only at the next toggle; one that is
// not in the catalogue empties the motor labels and the ratio.
TEST(MotorCatalogue, TypedPowerCountsAtTheNextToggle) {
  Form1 form;
  form.Edit(Ctl::Combo1, "7.50");
  EXPECT_EQ(form.Caption(Ctl::Label31), "");
  form.Click(Ctl::chkKompakt);
  EXPECT_EQ(form.Caption(Ctl::Label31), "2885");
  form.Edit(Ctl::Combo1, "7,5");  // reads 7: no such motor
  form.Click(Ctl::chkKompakt);
  EXPECT_EQ(form.Caption(Ctl::Label31), "");
  EXPECT_EQ(form.Caption(Ctl::Label32), "");
  EXPECT_EQ(form.Caption(Ctl::Label36), "");
  EXPECT_EQ(form.Text(Ctl::Combo3), "140") << "still raised to the SPB minimum";
  EXPECT_EQ(form.Text(Ctl::Combo2), "0") << "the empty ratio reads 0";
}

}  // namespace
}  // namespace selbrin
