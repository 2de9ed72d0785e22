// Writing numbers into controls. Locale-independent: the decimal sign is always a
// period, with no grouping and never an exponent.
#pragma once

#include <string>

namespace selbrin {

// The exact binary value rounded half to even to `decimals` places, in fixed
// notation without trailing zeros ("9", "59.5", "1612.8"); never "-0".
std::string ShownNumber(double value, int decimals);

// The "#.00" pattern of the speed ratio: two decimals always, no digit before the
// point when the whole part is zero (".50", "1.02", "-.50", ".00").
std::string RatioText(double value);

}  // namespace selbrin
