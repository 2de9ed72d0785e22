// The writes that the motor lookup and the coupling handlers share: the speed
// ratio from the two speeds, and the whole-millimetre values derived from it.
#pragma once

#include "form/form1.h"

namespace selbrin {

// Neither the pulley step nor the motor lookup writes a screw speed or motor
// pulley above this value; the field keeps its old text instead.
inline constexpr double kLargestDerivedValue = 32767;

// Label36 from the screw speed in Text2 over the motor speed in Label31, or empty
// while the motor speed is unknown. Leaves the motor speed in cellB and the screw
// speed in cellA; returns whether there was a ratio.
bool WriteRatio(Form1& form);

// Writes cellA, rounded down to a whole number, into `control`, unless it is
// above kLargestDerivedValue.
void WriteRoundedDown(Form1& form, Ctl control);

// The motor pulley from the screw pulley and the ratio as shown, rounded to two
// decimals, then rounded down (and capped) by WriteRoundedDown.
void WriteMotorPulleyFromRatio(Form1& form);

}  // namespace selbrin
