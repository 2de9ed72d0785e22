// Draws a laid-out drive: pulleys, strands, arc of contact and dimensions.
#pragma once

#include "sheet/geometry.h"
#include "sheet/svg.h"

namespace selbrin::sheet {

void DrawDrive(Svg& svg, const DriveLayout& d);

}  // namespace selbrin::sheet
