#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "program/routing.h"
#include "runtime/numtext.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

using enum ProfileGroup;

// Profiles are selected without their click, which writes the width itself.
EventRouting WithoutProfileClick() {
  EventRouting r = ProgramRouting();
  r.Option1_Click = nullptr;
  return r;
}

struct WidthCase {
  double belts;
  double z, a, b, c;
};

// Face widths in mm for whole numbers of belts; 0 belts is an empty Text5.
const WidthCase kWidths[] = {
    {0, 4, 5, 6, 8.5},
    {1, 16, 20, 25, 34},
    {2, 28, 35, 44, 59.5},
    {3, 40, 50, 63, 85},
    {4, 52, 65, 82, 110.5},
    {5, 64, 80, 101, 136},
    {2.5, 34, 42.5, 53.5, 72.25},
    {-1, -8, -10, -13, -17},
};

TEST(PulleyWidth, GroovePitchAndEdges) {
  for (const WidthCase& c : kWidths) {
    SCOPED_TRACE(c.belts);
    EXPECT_EQ(PulleyWidth(Z, c.belts), c.z);
    EXPECT_EQ(PulleyWidth(A, c.belts), c.a);
    EXPECT_EQ(PulleyWidth(B, c.belts), c.b);
    EXPECT_EQ(PulleyWidth(C, c.belts), c.c);
  }
}

// Text5_Change writes the width of the selected profile's group.
TEST(Text5Change, WidthOfTheSelectedProfile) {
  const char* by_profile[8] = {"40", "50", "63", "85", "40", "50", "63", "85"};
  for (int profile = 0; profile < kProfileCount; ++profile) {
    Form1 form{WithoutProfileClick()};
    form.Select(profile);
    form.Edit(Ctl::Text5, "3");
    EXPECT_EQ(form.Caption(Ctl::Label38), by_profile[profile]) << profile;
  }
  Form1 form{WithoutProfileClick()};
  form.Select(3);
  form.Edit(Ctl::Text5, "2");
  EXPECT_EQ(form.Caption(Ctl::Label38), "59.5");
}

TEST(Text5Change, NoProfileEmptiesTheWidth) {
  Form1 form;
  form.Edit(Ctl::Text5, "3");
  form.ClearOption(6);
  form.Edit(Ctl::Text5, "4");
  EXPECT_EQ(form.Caption(Ctl::Label38), "");
}

// A count whose width leaves the double range overflows; the width keeps its text.
TEST(Text5Change, AbsurdCountOverflows) {
  Form1 form;
  form.Edit(Ctl::Text5, "2");
  EXPECT_EQ(form.Edit(Ctl::Text5, "1e308"), FaultKind::Overflow);
  EXPECT_EQ(form.Edit(Ctl::Text5, "1e999"), FaultKind::Overflow);
  EXPECT_EQ(form.Caption(Ctl::Label38), "44");
  EXPECT_EQ(form.Edit(Ctl::Text5, "1e39"), std::nullopt) << "a double still holds it";
}

}  // namespace
}  // namespace selbrin
