// The three correction factors of one belt's power, and the arc-cosine that the arc of
// contact needs. Each reads and writes form variables only.
#pragma once

#include "form/form1.h"

namespace selbrin {

// The angle in degrees (0 to 180) whose cosine is x, as a single. Divides by zero at
// x = 1 or -1 and raises an invalid argument beyond them.
float ArcCosDeg(const Form1& form, float x);

// arcFactor (c1) from wrapAngle: linear between the breakpoints of the arc table.
void SetArcFactor(Form1& form);

// serviceFactor (c2): 1.2 for heavy duty ("Ağır Hizmet" ticked), 1.1 otherwise.
void SetServiceFactor(Form1& form);

// lengthFactor (c3) from beltLength and the selected profile group; left as it is
// when no profile is selected.
void SetLengthFactor(Form1& form);

}  // namespace selbrin
