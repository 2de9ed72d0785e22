// The foot of the page: the title block an engineer signs, and the scale bar
// that lets a print of any size be measured.
#pragma once

#include "sheet/sheet.h"
#include "sheet/svg.h"

namespace selbrin::sheet {

inline constexpr double kTitleBlockTop = 259;

// Project, drive, compressor, file; prepared and checked by, with room to sign;
// the date, "Sayfa 1/1" and the sources of the data.
void DrawTitleBlock(Svg& svg, const TitleBlock& title, const Date& date);

// A bar of five equal parts from (x, y) to the right, standing for a round true
// length at `page_factor` page millimetres per true millimetre.
void ScaleBar(Svg& svg, double x, double y, double page_factor);

}  // namespace selbrin::sheet
