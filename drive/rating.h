// The power one belt can transmit before corrections, from the rating table.
#pragma once

#include "form/form1.h"

namespace selbrin {

// beltRating from the selected profile, the screw pulley (cellB), the screw speed
// (screwSpeed) and the speed ratio (speedRatio). Stores nothing when no profile is
// selected, so the 0 the caller stored beforehand stays.
void RateBelt(Form1& form);

}  // namespace selbrin
