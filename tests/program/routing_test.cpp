#include <gtest/gtest.h>

#include "program/routing.h"

namespace selbrin {
namespace {

// The thirteen handled events of the finished program each run a procedure.
TEST(ProgramRouting, BindsEveryHandledEvent) {
  const EventRouting& r = ProgramRouting();
  for (EventRouting::Handler h :
       {r.Form_Load, r.Combo1_Click, r.chkKompakt_Click, r.chk4kutup_Click, r.chkC2_Click,
        r.Command1_Click, r.Command3_Click, r.Combo2_Click, r.Combo3_Click, r.Text2_Change,
        r.Text5_Change, r.Text11_Change}) {
    EXPECT_NE(h, nullptr);
  }
  EXPECT_NE(r.Option1_Click, nullptr);
}

// After "Hesapla" the belt length chain has left the screw pulley in cellB, the
// same value the calculation loaded there, and Text10 holds the distance of the
// rounded belt length.
TEST(ProgramRouting, BeltLengthChainRunsInsideTheCalculation) {
  Form1 form;
  form.Edit(Ctl::Combo2, "224");
  form.Edit(Ctl::Combo3, "165");
  form.Edit(Ctl::Text10, "400.4");
  ASSERT_EQ(form.Click(Ctl::Command1), std::nullopt);
  EXPECT_EQ(form.Text(Ctl::Text11), "1414");
  EXPECT_EQ(form.beltLength.get(), 1414.0F);
  EXPECT_EQ(form.Text(Ctl::Text10), "400.4");
  EXPECT_EQ(form.cellB.get(), 165.0F);
}

}  // namespace
}  // namespace selbrin
