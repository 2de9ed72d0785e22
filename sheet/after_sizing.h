// What the drive needs once it is sized: the design power, the standard belt
// lengths either side of the calculated one with the centre distance each gives,
// the travel to tension and fit the belts, the static belt tension and the load
// it puts on each shaft (what the screw's bearing is designed for). A value
// whose input is missing or outside the tables is left out with the reason.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/form1.h"
#include "sheet/readings.h"

namespace selbrin::sheet {

struct StandardLength {
  double length;                 // datum length, mm
  std::optional<double> centre;  // the centre distance it gives, mm
};

struct AfterSizing {
  std::string why_not;  // why the values below are missing, when they all are
  std::optional<double> service_factor, design_power;           // c2, kW
  std::optional<StandardLength> below, above;                   // nearest standard lengths
  std::string lengths_why_not;                                  // when either is missing
  std::optional<double> take_up, fitting;                       // mm, for the nearer length
  std::optional<double> arc_factor, mass, tension, shaft_load;  // c1, kg/m, N, N
  std::string tension_why_not;
};

AfterSizing ComputeAfterSizing(const Form1& form, const Readings& r);

// C = p + sqrt(p^2 - q), p = L/4 - pi (d1 + d2)/8, q = (d2 - d1)^2/8; none when
// the length cannot go round the pulleys.
std::optional<double> CentreForLength(double length, double d1, double d2);

struct SizingLine {
  std::string caption, value;
};

// The section as the sheet prints it: caption and value, "—" with the reason
// where a value is missing.
std::vector<SizingLine> AfterSizingLines(const Form1& form);

}  // namespace selbrin::sheet
