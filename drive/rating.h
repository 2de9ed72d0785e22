// The power one belt can transmit before corrections, from the rating table.
#pragma once

#include "form/form1.h"

namespace selbrin {

// The table rates only screws faster than this; every speed band of the table
// starts just above it.
inline constexpr double kRatedAboveSpeed = 2700;  // rpm

// beltRating from the selected profile, the screw pulley (cellB), the screw speed
// (screwSpeed) and the speed ratio (speedRatio). Stores nothing when no profile is
// selected or the screw is not faster than kRatedAboveSpeed, so the 0 the caller
// stored beforehand stays.
void RateBelt(Form1& form);

}  // namespace selbrin
