#include <gtest/gtest.h>

#include "drive/drive.h"
#include "motor/motor.h"
#include "program/routing.h"
#include "sizing/sizing.h"
#include "tests/support/snapshot.h"

namespace selbrin {
namespace {

using testing::Snapshot;

// Typed values that raise no event: combo box edits, and boxes without handlers.
void Prepare(Form1& form) {
  form.Edit(Ctl::Combo1, "30");
  form.Edit(Ctl::Combo2, "250");
  form.Edit(Ctl::Combo3, "200");
  form.Edit(Ctl::Text9, "50");
  form.Edit(Ctl::Text10, "600");
}

struct EventCase {
  const char* event;
  EventRouting::Handler EventRouting::*slot;
  void (*action)(Form1&);
  EventRouting::Handler procedure;
};

const EventCase kCases[] = {
    {"Combo1_Click", &EventRouting::Combo1_Click, [](Form1& f) { f.Pick(Ctl::Combo1, 5); },
     Combo1_Click},
    {"chkKompakt_Click", &EventRouting::chkKompakt_Click,
     [](Form1& f) { f.Click(Ctl::chkKompakt); }, chkKompakt_Click},
    {"chk4kutup_Click", &EventRouting::chk4kutup_Click, [](Form1& f) { f.Click(Ctl::chk4kutup); },
     chk4kutup_Click},
    {"chkC2_Click", &EventRouting::chkC2_Click, [](Form1& f) { f.Click(Ctl::chkC2); }, chkC2_Click},
    {"Command1_Click", &EventRouting::Command1_Click, [](Form1& f) { f.Click(Ctl::Command1); },
     Command1_Click},
    {"Command3_Click", &EventRouting::Command3_Click, [](Form1& f) { f.Click(Ctl::Command3); },
     Command3_Click},
    {"Combo2_Click", &EventRouting::Combo2_Click, [](Form1& f) { f.Pick(Ctl::Combo2, 3); },
     Combo2_Click},
    {"Combo3_Click", &EventRouting::Combo3_Click, [](Form1& f) { f.Pick(Ctl::Combo3, 20); },
     Combo3_Click},
    {"Text2_Change", &EventRouting::Text2_Change, [](Form1& f) { f.Edit(Ctl::Text2, "3000"); },
     Text2_Change},
    {"Text5_Change", &EventRouting::Text5_Change, [](Form1& f) { f.Edit(Ctl::Text5, "3"); },
     Text5_Change},
    {"Text11_Change", &EventRouting::Text11_Change, [](Form1& f) { f.Edit(Ctl::Text11, "1500"); },
     Text11_Change},
};

// State: a form with typed values. Action: the user action that raises the event.
// Expected: the same as the action on a form without that event, followed by a
// direct call of the event's own procedure; and something changes.
TEST(ProgramRouting, EachEventRunsItsOwnProcedure) {
  for (const EventCase& c : kCases) {
    SCOPED_TRACE(c.event);
    Form1 routed;
    Prepare(routed);
    c.action(routed);

    EventRouting without = ProgramRouting();
    without.*c.slot = nullptr;
    Form1 direct(without);
    Prepare(direct);
    c.action(direct);
    EXPECT_NE(Snapshot(direct), Snapshot(routed)) << "the event changes nothing";
    c.procedure(direct);
    EXPECT_EQ(Snapshot(direct), Snapshot(routed));
  }
}

TEST(ProgramRouting, LoadAndProfileClickRunTheirProcedures) {
  EventRouting without = ProgramRouting();
  without.Form_Load = nullptr;
  without.Option1_Click = nullptr;
  Form1 direct(without);
  Form_Load(direct);
  Form1 routed;
  EXPECT_EQ(Snapshot(direct), Snapshot(routed));

  Prepare(direct);
  Prepare(routed);
  direct.Select(2);
  routed.Select(2);
  EXPECT_NE(Snapshot(direct), Snapshot(routed));
  Option1_Click(direct, 2);
  EXPECT_EQ(Snapshot(direct), Snapshot(routed));
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
