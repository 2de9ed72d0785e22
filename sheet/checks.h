// What the form shows but does not judge: the checks an engineer makes before
// passing a drive on. Each says what it found in one Turkish sentence.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/form1.h"

namespace selbrin::sheet {

// The highest belt speed the form's own hint on "Kayış Hızı" allows (m/s).
inline constexpr double kMaxBeltSpeed = 50;

enum class Verdict { Passed, Warning, Unknown };

struct Check {
  Verdict verdict;
  std::string sentence;
};

// The belt speed (Label40) against kMaxBeltSpeed: above it is a warning.
Check BeltSpeedCheck(std::optional<double> belt_speed);
// The total belt power (Text13) against the motor power (Combo1): below it is
// a warning.
Check BeltPowerCheck(std::optional<double> total_power, std::optional<double> motor_power);
// A warning when no profile is selected: no belt can then be rated.
Check ProfileCheck(const Form1& form);
// A warning when the user changed the form since the last whole calculation,
// or when there is no total power to show yet.
Check OutdatedCheck(const Form1& form);

// The four checks in this order: belt speed, belt power, profile, outdated.
std::vector<Check> Checks(const Form1& form);

// The number a control's text reads as; none when the text is empty or the
// number is beyond the double range.
std::optional<double> ReadValue(const Form1& form, Ctl c);

// A compared number as a sentence shows it: up to six significant digits.
std::string NumberText(double value);

}  // namespace selbrin::sheet
