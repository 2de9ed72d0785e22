#include "ui/web/page_column.h"

#include <array>

#include "ui/common/column_layout.h"
#include "ui/web/page_json.h"

namespace selbrin::web {
namespace {

constexpr std::array<std::string_view, 4> kSlotNames{"caption", "field", "unit", "whole"};

// The boxes the program fills with whole numbers only, or whose list holds only
// whole numbers; every other box may hold a decimal.
constexpr std::array kWholeNumberBoxes{Ctl::Text2, Ctl::Text5, Ctl::Combo2, Ctl::Combo3};

}  // namespace

std::string_view InputMode(Ctl c) {
  Kind kind = Def(c).kind;
  if (kind != Kind::TextBox && kind != Kind::ComboBox) return "";
  for (Ctl whole : kWholeNumberBoxes) {
    if (whole == c) return "numeric";
  }
  return "decimal";
}

std::string ColumnJson(Ctl c) {
  static const auto places = face::ColumnLayout();
  const face::ColumnPlace& p = places[static_cast<std::size_t>(c)];
  return Quoted("group") + ":" + std::to_string(static_cast<int>(p.group)) + "," + Quoted("row") +
         ":" + std::to_string(p.row) + "," + Quoted("slot") + ":" +
         Quoted(kSlotNames[static_cast<std::size_t>(p.slot)]) + "," + Quoted("inputMode") + ":" +
         Quoted(InputMode(c));
}

}  // namespace selbrin::web
