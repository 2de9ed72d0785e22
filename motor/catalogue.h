// The motor catalogue: for each of the 14 motor powers of the Combo1 list, the
// rated speed and the shaft diameter of a 2-pole or 4-pole motor, in the normal
// and the compact build. The texts are shown exactly as they stand here.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace selbrin {

struct MotorData {
  std::string_view speed;  // rpm, for Label31
  std::string_view shaft;  // mm, for Label32
};

struct MotorRow {
  double power;  // kW; the value of the Combo1 item, matched exactly
  MotorData two_pole;
  MotorData two_pole_compact;
  MotorData four_pole;
  MotorData four_pole_compact;
};

// The speeds do not rise steadily with power (22 kW 4-pole runs slower than
// 18.5 kW 4-pole, 90 kW 2-pole slower than 75 kW 2-pole): they are the makers'
// rated speeds, not a formula.
// clang-format off
inline constexpr std::array<MotorRow, 14> kMotorCatalogue{{
    // kW     2-pole          2-pole, compact   4-pole          4-pole, compact
    {7.5,   {"2885", "38"}, {"2885", "38"},   {"1430", "38"}, {"1430", "38"}},
    {11,    {"2930", "42"}, {"2915", "38"},   {"1455", "42"}, {"1455", "42"}},
    {15,    {"2935", "42"}, {"2935", "42"},   {"1460", "42"}, {"1460", "42"}},
    {18.5,  {"2935", "42"}, {"2935", "42"},   {"1460", "48"}, {"1450", "42"}},
    {22,    {"2940", "48"}, {"2930", "42"},   {"1455", "48"}, {"1455", "48"}},
    {30,    {"2940", "55"}, {"2940", "48"},   {"1455", "48"}, {"1455", "48"}},
    {37,    {"2955", "55"}, {"2955", "55"},   {"1465", "60"}, {"1460", "55"}},
    {45,    {"2960", "55"}, {"2960", "55"},   {"1465", "60"}, {"1465", "60"}},
    {55,    {"2970", "60"}, {"2965", "55"},   {"1470", "65"}, {"1470", "60"}},
    {75,    {"2975", "65"}, {"2970", "60"},   {"1475", "75"}, {"1470", "65"}},
    {90,    {"2970", "65"}, {"2970", "65"},   {"1480", "75"}, {"1480", "75"}},
    {110,   {"2980", "65"}, {"2975", "65"},   {"1480", "80"}, {"1480", "75"}},
    {132,   {"2980", "65"}, {"2980", "65"},   {"1480", "80"}, {"1480", "80"}},
    {160,   {"2980", "65"}, {"2980", "65"},   {"1485", "80"}, {"1485", "80"}},
}};
// clang-format on

// The catalogue cell for a power (exact match: 7.50 finds the 7.5 row, 7 and 5.5
// find nothing), or nothing when the power is not in the catalogue.
std::optional<MotorData> FindMotor(double power, bool four_pole, bool compact);

}  // namespace selbrin
