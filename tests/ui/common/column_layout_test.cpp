#include "ui/common/column_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace selbrin::face {
namespace {

using Slot = ColumnSlot;

const ColumnPlace& PlaceOf(Ctl c) {
  static const auto places = ColumnLayout();
  return places[static_cast<std::size_t>(c)];
}

TEST(ColumnLayoutTest, EachFieldSharesItsRowWithItsCaptionAndUnit) {
  struct Row {
    Ctl caption, field, unit;
    FormGroup group;
  };
  const std::vector<Row> rows{
      {Ctl::Label1, Ctl::Label31, Ctl::Label4, FormGroup::Motor},
      {Ctl::Label7, Ctl::Combo1, Ctl::Label22, FormGroup::Motor},
      {Ctl::Label2, Ctl::Text2, Ctl::Label5, FormGroup::Screw},
      {Ctl::Label10, Ctl::Combo3, Ctl::Label26, FormGroup::Pulleys},
      {Ctl::Label13, Ctl::Text10, Ctl::Label27, FormGroup::Belt},
      {Ctl::Label41, Ctl::Label40, Ctl::Label42, FormGroup::Results},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(ControlName(r.field));
    EXPECT_EQ(PlaceOf(r.field).group, r.group);
    EXPECT_EQ(PlaceOf(r.caption).row, PlaceOf(r.field).row);
    EXPECT_EQ(PlaceOf(r.unit).row, PlaceOf(r.field).row);
    EXPECT_EQ(PlaceOf(r.caption).slot, Slot::Caption);
    EXPECT_EQ(PlaceOf(r.field).slot, Slot::Field);
    EXPECT_EQ(PlaceOf(r.unit).slot, Slot::Unit);
  }
}

TEST(ColumnLayoutTest, TheProfilesAreOneRowAndCheckBoxesAndButtonsRowsOfTheirOwn) {
  for (int i = 0; i < kProfileCount; ++i) {
    EXPECT_EQ(PlaceOf(Option(i)).row, PlaceOf(Ctl::Label6).row);
    EXPECT_EQ(PlaceOf(Option(i)).slot, Slot::Field);
  }
  EXPECT_EQ(PlaceOf(Ctl::Label6).slot, Slot::Caption);
  for (Ctl c : {Ctl::chkKompakt, Ctl::chkC2, Ctl::Command1, Ctl::Command3, Ctl::Label15}) {
    EXPECT_EQ(PlaceOf(c).slot, Slot::Whole) << ControlName(c);
  }
  EXPECT_NE(PlaceOf(Ctl::Command1).row, PlaceOf(Ctl::Command3).row);
}

TEST(ColumnLayoutTest, GroupsFollowOneAnotherAndRowsFollowTheReadingOrder) {
  // The motor group's rows, as its captions and boxes are read.
  const std::vector<Ctl> motor{Ctl::Label31, Ctl::Combo1, Ctl::chkKompakt, Ctl::chk4kutup};
  for (std::size_t i = 0; i < motor.size(); ++i)
    EXPECT_EQ(PlaceOf(motor[i]).row, static_cast<int>(i));
  // Rows are numbered without gaps, and a later row never belongs to an earlier group.
  int last_row = 0;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ColumnPlace& p = PlaceOf(static_cast<Ctl>(i));
    last_row = std::max(last_row, p.row);
    for (std::size_t k = 0; k < kControlCount; ++k) {
      const ColumnPlace& q = PlaceOf(static_cast<Ctl>(k));
      if (p.row < q.row) {
        EXPECT_LE(p.group, q.group);
      }
    }
  }
  std::vector<bool> used(static_cast<std::size_t>(last_row) + 1, false);
  for (std::size_t i = 0; i < kControlCount; ++i)
    used[static_cast<std::size_t>(PlaceOf(static_cast<Ctl>(i)).row)] = true;
  EXPECT_EQ(std::count(used.begin(), used.end(), false), 0);
}

}  // namespace
}  // namespace selbrin::face
