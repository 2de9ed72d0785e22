// Draws a laid-out drive: pulleys, strands, arc of contact and dimensions.
#pragma once

#include "sheet/geometry.h"
#include "sheet/svg.h"

namespace selbrin::sheet {

// Without `calculated` (the results do not belong to the inputs shown) the arc
// of contact is left out and a note says it is not yet calculated.
void DrawDrive(Svg& svg, const DriveLayout& d, bool calculated);

}  // namespace selbrin::sheet
