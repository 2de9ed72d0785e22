// The drive laid out on the page to a standard scale: both pulleys, the two
// belt strands as their common outer tangents, and the arc of contact on the
// smaller pulley, where the belt grips least. The motor pulley sits on the left,
// the screw pulley on the right, their centres on one horizontal line. Page units
// are millimetres, y downwards.
#pragma once

#include <array>
#include <string>
#include <variant>

#include "form/form1.h"

namespace selbrin::sheet {

struct Point {
  double x, y;
};

struct Area {
  double left, top, width, height;
};

// The reduction scales of technical drawings, 1:N.
inline constexpr std::array<int, 13> kScales{1,   2,   5,    10,   20,   50,   100,
                                             200, 500, 1000, 2000, 5000, 10000};
// The enlargement scales, M:1, largest first: a small drive is drawn large
// rather than left as a speck in the area.
inline constexpr std::array<int, 9> kEnlargements{1000, 500, 200, 100, 50, 20, 10, 5, 2};

// Room kept around the pulleys inside the area for the dimensions and the angle:
// the angle's text stands beside the pulley with the arc, on the outer side.
inline constexpr double kRoomPlainSide = 6;
inline constexpr double kRoomArcSide = 22;
inline constexpr double kRoomTop = 17;
inline constexpr double kRoomBottom = 12;

struct DriveLayout {
  int scale;                                               // N of 1:N
  int enlargement = 1;                                     // M of M:1 (scale is then 1)
  double motor_diameter, screw_diameter, centre_distance;  // true size, mm
  double wrap_degrees;                // arc of contact on the smaller pulley, at most 180
  bool arc_on_motor;                  // the motor pulley is the smaller; equal ones: the screw's
  Point motor_centre, screw_centre;   // on the page
  double motor_radius, screw_radius;  // on the page
  Point upper_motor, upper_screw;     // the upper strand's tangent points
  Point lower_motor, lower_screw;     // the lower strand's
};

// The layout of the drive in `area`, or the sentence that stands in place of the
// drawing when there is nothing sensible to draw: a diameter or the centre
// distance missing, not above zero, beyond the number range, one pulley inside
// or across the other, or a drive too large for the area at every scale.
using DriveDrawing = std::variant<DriveLayout, std::string>;
DriveDrawing LayOutDrive(const Form1& form, const Area& area);

// The same from the three numbers (empty when the field is empty or unreadable).
// "1:5" or "2:1".
std::string ScaleText(const DriveLayout& d);
// Page millimetres per true millimetre.
double PageFactor(const DriveLayout& d);

DriveDrawing LayOutDrive(std::optional<double> motor_diameter, std::optional<double> screw_diameter,
                         std::optional<double> centre_distance, const Area& area);

}  // namespace selbrin::sheet
