#include "ui/common/column_layout.h"

#include <algorithm>
#include <vector>

#include "ui/common/reading_order.h"

namespace selbrin::face {
namespace {

// The first control of each group in the table, which runs top to bottom.
constexpr std::array<Ctl, kFormGroupCount> kGroupStarts{Ctl::Label1, Ctl::Label2, Ctl::Label9,
                                                        Ctl::Label6, Ctl::Label14};

// The control whose row a control joins: a caption or unit joins its field, an
// option button the first of the group; any other control heads its own row.
Ctl RowHead(Ctl c) {
  if (Def(c).kind == Kind::OptionButton) return Option(0);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlDef& d = kControls[i];
    if (d.label == c || d.unit == c) return RowHead(static_cast<Ctl>(i));
  }
  return c;
}

ColumnSlot SlotOf(Ctl c) {
  if (RowHead(c) != c && Def(c).kind == Kind::Label) {
    const ControlDef& field = Def(RowHead(c));
    return field.label == c ? ColumnSlot::Caption : ColumnSlot::Unit;
  }
  switch (Def(c).kind) {
    case Kind::Display:
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::OptionButton:
      return ColumnSlot::Field;
    default:
      return ColumnSlot::Whole;
  }
}

}  // namespace

FormGroup GroupOf(Ctl c) {
  std::size_t g = kFormGroupCount - 1;
  while (g > 0 && c < kGroupStarts[g]) --g;
  return static_cast<FormGroup>(g);
}

std::array<ColumnPlace, kControlCount> ColumnLayout() {
  // The row heads group by group, within a group where its row's first control is read.
  const std::vector<Ctl> order = ReadingOrder();
  std::vector<Ctl> heads;
  for (std::size_t g = 0; g < kFormGroupCount; ++g) {
    for (Ctl c : order) {
      Ctl head = RowHead(c);
      bool listed = std::find(heads.begin(), heads.end(), head) != heads.end();
      if (!listed && GroupOf(head) == static_cast<FormGroup>(g)) heads.push_back(head);
    }
  }
  std::array<ColumnPlace, kControlCount> places{};
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    auto row = std::find(heads.begin(), heads.end(), RowHead(c)) - heads.begin();
    places[i] = {GroupOf(RowHead(c)), static_cast<int>(row), SlotOf(c)};
  }
  return places;
}

}  // namespace selbrin::face
