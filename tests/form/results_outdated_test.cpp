// Whether the results may belong to older inputs: every user change marks them,
// a drive calculation that runs to its end clears the mark.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/form1.h"
#include "tests/support/drives.h"

namespace selbrin {
namespace {

using Step = std::function<void(Form1&)>;

struct Row {
  std::string name;
  std::vector<Step> steps;
  bool outdated;
};

TEST(ResultsOutdated, FollowsUserChangesAndCompletedCalculations) {
  const std::vector<Row> rows = {
      {"start-up", {}, false},
      {"a picked motor", {[](Form1& f) { f.Pick(Ctl::Combo1, 5); }}, true},
      {"Hesapla", {testing::EnterFirstDrive}, false},
      {"belts typed after it",
       {testing::EnterFirstDrive, [](Form1& f) { f.Edit(Ctl::Text5, "4"); }},
       true},
      {"the same text again",
       {testing::EnterFirstDrive, [](Form1& f) { f.Edit(Ctl::Text10, "500"); }},
       false},
      {"a result overtyped",
       {testing::EnterFirstDrive, [](Form1& f) { f.Edit(Ctl::Text13, "1"); }},
       true},
      {"heavy duty ticked (calculates)",
       {testing::EnterFirstDrive, [](Form1& f) { f.Click(Ctl::chkC2); }},
       false},
      {"a profile selected (calculates)",
       {testing::EnterFirstDrive, [](Form1& f) { f.Select(2); }},
       false},
      {"4-pole ticked",
       {testing::EnterFirstDrive, [](Form1& f) { f.Click(Ctl::chk4kutup); }},
       true},
      {"Hesapla cut short by a fault",
       {testing::EnterFirstDrive,
        [](Form1& f) {
          f.Edit(Ctl::Combo2, "");
          f.Edit(Ctl::Combo3, "600");
          f.Edit(Ctl::Text10, "");
          ASSERT_TRUE(f.Click(Ctl::Command1).has_value());
        }},
       true},
  };
  for (const Row& row : rows) {
    Form1 form;
    for (const Step& step : row.steps) step(form);
    EXPECT_EQ(form.ResultsOutdated(), row.outdated) << row.name;
  }
}

}  // namespace
}  // namespace selbrin
