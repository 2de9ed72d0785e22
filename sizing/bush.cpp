#include <array>
#include <string_view>

#include "runtime/interval.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

// The largest shaft each small bush takes; "3020", "3535" and "4040" take any.
struct BoreLimit {
  std::string_view bush;
  float largest_shaft;  // mm
};

constexpr std::array<BoreLimit, 3> kBoreLimits{{
    {"1610", 42.0F},
    {"2012", 50.0F},
    {"2517", 60.0F},
}};

// The bands of pulley diameters D the bush table uses.
// clang-format off
constexpr Interval Any()                  { return {kAny, kAny}; }
constexpr Interval Below(float x)         { return {kAny, Lt(x)}; }   // D < x
constexpr Interval From(float a, float b) { return {Ge(a), Lt(b)}; }  // a <= D < b
constexpr Interval Span(float a, float b) { return {Ge(a), Le(b)}; }  // a <= D <= b
constexpr Interval Over(float a, float b) { return {Gt(a), Lt(b)}; }  // a < D < b
constexpr Interval AtLeast(float x)       { return {Ge(x), kAny}; }   // D >= x
constexpr Interval Above(float x)         { return {Gt(x), kAny}; }   // D > x
constexpr Interval Exactly(float x)       { return {Ge(x), Le(x)}; }  // D = x
// clang-format on

// What a shaft too thick for the row's bush means.
enum class ThickShaft {
  NoBush,   // the result is empty; no other bush is offered
  NextRow,  // the row does not apply and the next row is tried
};

struct BushRow {
  ProfileGroup group;
  float belts;
  Interval pulley;
  std::string_view bush;  // "" where the table has no bush
  ThickShaft thick_shaft = ThickShaft::NoBush;
};

using enum ProfileGroup;

// For a profile group and number of belts, the first row whose band holds the
// pulley diameter decides. Only the 5-belt A-group row for 132 to 170 mm hands a
// thick shaft on to the next, larger bush.
// clang-format off
constexpr std::array kBushTable{
    // group, belts, pulley diameter,   bush
    BushRow{Z, 1, Below(200),           "1610"},
    BushRow{Z, 1, From(200, 450),       "2012"},
    BushRow{Z, 1, AtLeast(450),         ""},
    BushRow{Z, 2, Below(150),           "1610"},
    BushRow{Z, 2, From(150, 400),       "2012"},
    BushRow{Z, 2, AtLeast(400),         "2517"},
    BushRow{Z, 3, Below(112),           "1610"},
    BushRow{Z, 3, From(112, 280),       "2012"},
    BushRow{Z, 3, Span(280, 450),       "2517"},
    BushRow{Z, 3, Above(450),           ""},
    BushRow{Z, 4, Below(112),           "1610"},
    BushRow{Z, 4, From(112, 150),       "2012"},
    BushRow{Z, 4, Span(150, 400),       "2517"},
    BushRow{Z, 4, Above(400),           ""},
    BushRow{Z, 5, Below(125),           "2012"},
    BushRow{Z, 5, Span(125, 355),       "2517"},
    BushRow{Z, 5, Above(355),           ""},

    BushRow{A, 1, Below(200),           "1610"},
    BushRow{A, 1, From(200, 450),       "2012"},
    BushRow{A, 1, AtLeast(450),         ""},
    BushRow{A, 2, Below(132),           "1610"},
    BushRow{A, 2, From(132, 200),       "2012"},
    BushRow{A, 2, AtLeast(200),         "2517"},
    BushRow{A, 3, Below(132),           "2012"},
    BushRow{A, 3, From(132, 315),       "2517"},
    BushRow{A, 3, AtLeast(315),         "3020"},
    BushRow{A, 4, Below(132),           "2012"},
    BushRow{A, 4, From(132, 200),       "2517"},
    BushRow{A, 4, AtLeast(200),         "3020"},
    BushRow{A, 5, Below(132),           "2012"},
    BushRow{A, 5, From(132, 170),       "2517", ThickShaft::NextRow},
    BushRow{A, 5, Below(280),           "3020"},
    BushRow{A, 5, AtLeast(280),         "3535"},

    BushRow{B, 1, Below(190),           "1610"},
    BushRow{B, 1, From(190, 300),       "2012"},
    BushRow{B, 1, From(300, 355),       "2517"},
    BushRow{B, 1, AtLeast(355),         "3020"},
    BushRow{B, 2, Below(180),           "2012"},
    BushRow{B, 2, From(180, 355),       "2517"},
    BushRow{B, 2, AtLeast(355),         "3020"},
    BushRow{B, 3, Below(150),           "2012"},
    BushRow{B, 3, From(150, 250),       "2517"},
    BushRow{B, 3, From(250, 400),       "3020"},
    BushRow{B, 3, AtLeast(400),         "3535"},
    BushRow{B, 4, Below(200),           "2517"},
    BushRow{B, 4, From(200, 315),       "3020"},
    BushRow{B, 4, AtLeast(315),         "3535"},
    BushRow{B, 5, Below(170),           "2517"},
    BushRow{B, 5, From(170, 236),       "3020"},
    BushRow{B, 5, AtLeast(236),         "3535"},

    // Some C-group bands are single diameters of the pulley list.
    BushRow{C, 1, Any(),                ""},
    BushRow{C, 2, Exactly(224),         "3020"},
    BushRow{C, 2, Exactly(250),         "3020"},
    BushRow{C, 2, Any(),                ""},
    BushRow{C, 3, Exactly(200),         "2517"},
    BushRow{C, 3, Over(200, 265),       "3020"},
    BushRow{C, 3, Below(200),           "3535"},
    BushRow{C, 3, AtLeast(265),         "3535"},
    BushRow{C, 4, Any(),                "3535"},
    BushRow{C, 5, Below(425),           "3535"},
    BushRow{C, 5, AtLeast(425),         "4040"},
};
// clang-format on

bool ShaftFits(std::string_view bush, float shaft) {
  for (const BoreLimit& limit : kBoreLimits) {
    if (limit.bush == bush) return shaft <= limit.largest_shaft;
  }
  return true;
}

}  // namespace

std::string SelectBush(std::optional<ProfileGroup> group, float belts, float pulley, float shaft) {
  if (!group) return "";
  for (const BushRow& row : kBushTable) {
    if (row.group != *group || row.belts != belts || !row.pulley.Holds(pulley)) continue;
    if (ShaftFits(row.bush, shaft)) return std::string(row.bush);
    if (row.thick_shaft == ThickShaft::NoBush) return "";
  }
  return "";
}

std::string SelectBush(const Form1& form, float belts, float pulley, float shaft) {
  return SelectBush(SelectedGroup(form), belts, pulley, shaft);
}

}  // namespace selbrin
