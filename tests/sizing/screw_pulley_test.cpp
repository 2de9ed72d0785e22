#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "form/values.h"
#include "program/routing.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

constexpr int kNone = -1;

// The profile is set up without its click, so that only the procedure under test
// touches the screw pulley.
EventRouting WithoutProfileClick() {
  EventRouting r = ProgramRouting();
  r.Option1_Click = nullptr;
  return r;
}

struct AdjustCase {
  int profile;  // selected before the call
  const char* screw_speed;
  const char* screw_shaft;
  const char* combo3;
  const char* combo3_after;
  int profile_after;
};

const AdjustCase kAdjust[] = {
    // Speed limits: strictly above 3700 for SPC, 4000 XPC, 4700 SPB, 6000 XPB.
    {7, "3700", "", "250", "250", 7},
    {7, "3701", "", "250", "250", kNone},
    {7, "3701", "", "150", "200", kNone},
    {3, "4000", "", "200", "200", 3},
    {3, "4001", "", "200", "200", kNone},
    {3, "4500", "", "150", "200", kNone},
    {6, "4700", "", "", "140", 6},
    {6, "4701", "", "", "200", kNone},
    {2, "6000", "", "150", "150", 2},
    {2, "6001", "", "150", "200", kNone},
    {2, "6500", "", "150", "200", kNone},
    {6, "3800", "", "150", "150", 6},  // SPC cleared, but it was not selected
    {6, "-9000", "", "150", "150", 6},
    {1, "99999", "", "", "112", 1},
    {4, "99999", "", "", "100", 4},
    // Minimum screw pulley of each group.
    {4, "", "", "90", "100", 4},
    {4, "", "", "99.5", "100", 4},
    {4, "", "", "100", "100", 4},
    {4, "", "", "125", "125", 4},
    {5, "", "", "", "112", 5},
    {1, "", "", "111.9", "112", 1},
    {6, "", "60", "150", "150", 6},
    {6, "", "61", "150", "170", 6},
    {2, "", "60.5", "169", "170", 2},
    {6, "", "", "139", "140", 6},
    {6, "", "", "141.7", "141.7", 6},  // not a list item, but not below the minimum
    {7, "", "", "250", "250", 7},
    {3, "", "", "199", "200", 3},
};

TEST(AdjustScrewPulley, WithdrawsLargeProfilesThenRaisesTheScrewPulley) {
  for (const AdjustCase& c : kAdjust) {
    SCOPED_TRACE(std::string("profile ") + std::to_string(c.profile) + ", " + c.screw_speed +
                 " rpm, shaft " + c.screw_shaft + ", Combo3 " + c.combo3);
    Form1 form{WithoutProfileClick()};
    form.Select(c.profile);
    form.Edit(Ctl::Text2, c.screw_speed);
    form.Edit(Ctl::Text9, c.screw_shaft);
    form.Edit(Ctl::Combo3, c.combo3);
    AdjustScrewPulley(form);
    EXPECT_EQ(form.Text(Ctl::Combo3), c.combo3_after);
    EXPECT_EQ(SelectedProfile(form).value_or(kNone), c.profile_after);
  }
}

}  // namespace
}  // namespace selbrin
