// The numbers the sheet judges a drive by: those the form shows, and those the
// sheet works out from them so that every check uses values that agree. A shown
// value that differs from what its own inputs give by more than their rounding
// explains is stale: the form refreshes some fields only on some events.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/form1.h"

namespace selbrin::sheet {

enum class Results { Current, None, Outdated, Faulted };

struct Readings {
  std::optional<double> motor_power, motor_speed, screw_speed, ratio;
  std::optional<double> motor_diameter, screw_diameter, centre_distance;
  std::optional<double> belt_length, one_belt, total_power, shown_speed, belts;
  std::optional<int> profile;
  std::optional<double> speed;  // m/s, from the screw pulley and screw speed
  std::optional<double> wrap;   // degrees, the smaller pulley's arc from the pulleys
  bool arc_on_motor = false;    // the motor pulley is the smaller one
  // The captions of the shown values that do not follow from the others.
  std::vector<std::string> stale;
  Results results = Results::None;
  std::optional<FaultKind> fault;  // what cut the last calculation short
};

Readings Read(const Form1& form);

// Half a unit in the last decimal the text shows ("29.32": 0.005, "4000": 0.5);
// 0 for a text with an exponent, whose digits say nothing of its rounding.
double Rounding(std::string_view text);

// v = pi d n / 60000: m/s from a diameter in mm and a speed in 1/min.
double BeltSpeed(double diameter, double speed);

// The smaller pulley's arc of contact in degrees; none when one pulley lies
// inside the other or a value is not above zero.
std::optional<double> WrapDegrees(double d1, double d2, double centre);

// The datum length of the open drive, mm.
double OpenBeltLength(double d1, double d2, double centre);

}  // namespace selbrin::sheet
