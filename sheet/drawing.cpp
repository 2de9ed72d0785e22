#include "sheet/drawing.h"

#include <algorithm>
#include <cmath>

#include "runtime/numtext.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

constexpr std::string_view kOutline = R"(fill="none" stroke="black" stroke-width="0.35")";
constexpr std::string_view kBelt = R"(fill="none" stroke="#1f4e9c" stroke-width="0.7")";
constexpr std::string_view kThin = R"(stroke="black" stroke-width="0.18")";
constexpr std::string_view kCentreLine =
    R"(stroke="black" stroke-width="0.18" stroke-dasharray="6 1.5 1 1.5")";
constexpr double kTextSize = 3;
constexpr double kArrowLength = 2.2;
constexpr double kArrowHalfWidth = 0.6;
constexpr double kDimGap = 6;       // from the top of the larger pulley to the first diameter
constexpr double kDimStep = 7;      // between the two diameter levels when they would meet
constexpr double kTextRoom = 20;    // room between the centres for both diameters' texts
constexpr double kArcOffset = 1.5;  // the arc runs just outside the smaller pulley
constexpr double kAngleGap = 1.5;   // from the arc to its angle's text
constexpr int kAngleDecimals = 2;

// A filled arrowhead whose tip is at `tip`, pointing away from `from`.
void Arrow(Svg& svg, Point tip, Point from) {
  double dx = tip.x - from.x;
  double dy = tip.y - from.y;
  double len = std::hypot(dx, dy);
  if (len == 0) return;
  double ux = dx / len, uy = dy / len;
  Point base{tip.x - ux * kArrowLength, tip.y - uy * kArrowLength};
  svg.Path("M" + Mm(tip.x) + " " + Mm(tip.y) + "L" + Mm(base.x - uy * kArrowHalfWidth) + " " +
               Mm(base.y + ux * kArrowHalfWidth) + "L" + Mm(base.x + uy * kArrowHalfWidth) + " " +
               Mm(base.y - ux * kArrowHalfWidth) + "Z",
           R"(fill="black" stroke="none")");
}

// A horizontal dimension from x1 to x2 at height y, its text above the line.
void Dimension(Svg& svg, double x1, double x2, double y, std::string_view text) {
  svg.Line(x1, y, x2, y, kThin);
  Arrow(svg, {x1, y}, {x2, y});
  Arrow(svg, {x2, y}, {x1, y});
  svg.Text((x1 + x2) / 2, y - 1, text, kTextSize, "middle");
}

void DrawPulleys(Svg& svg, const DriveLayout& d) {
  Point m = d.motor_centre, s = d.screw_centre;
  svg.Line(m.x - d.motor_radius - 3, m.y, s.x + d.screw_radius + 3, s.y, kCentreLine);
  for (auto [c, r] : {std::pair{m, d.motor_radius}, std::pair{s, d.screw_radius}}) {
    double mark = std::min(r, 3.0) + 2;
    svg.Line(c.x, c.y - mark, c.x, c.y + mark, kThin);
  }
  svg.Circle(m.x, m.y, d.motor_radius, kOutline, "motor-pulley");
  svg.Circle(s.x, s.y, d.screw_radius, kOutline, "screw-pulley");
  svg.Line(d.upper_motor.x, d.upper_motor.y, d.upper_screw.x, d.upper_screw.y,
           std::string(kBelt) + R"( id="upper-strand")");
  svg.Line(d.lower_motor.x, d.lower_motor.y, d.lower_screw.x, d.lower_screw.y,
           std::string(kBelt) + R"( id="lower-strand")");
}

// The arc of contact round the far side of the smaller pulley, from one strand's
// tangent point to the other's, with its angle beside it on the outer side.
void DrawArc(Svg& svg, const DriveLayout& d) {
  Point c = d.arc_on_motor ? d.motor_centre : d.screw_centre;
  double r = d.arc_on_motor ? d.motor_radius : d.screw_radius;
  Point upper = d.arc_on_motor ? d.upper_motor : d.upper_screw;
  Point lower = d.arc_on_motor ? d.lower_motor : d.lower_screw;
  double rho = r + kArcOffset;
  double k = rho / r;
  Point from{c.x + (upper.x - c.x) * k, c.y + (upper.y - c.y) * k};
  Point to{c.x + (lower.x - c.x) * k, c.y + (lower.y - c.y) * k};
  // Clockwise on the page round the screw pulley's right, anticlockwise round the
  // motor pulley's left; the arc is never above 180 degrees.
  std::string sweep = d.arc_on_motor ? "0" : "1";
  svg.Path("M" + Mm(from.x) + " " + Mm(from.y) + "A" + Mm(rho) + " " + Mm(rho) + " 0 0 " + sweep +
               " " + Mm(to.x) + " " + Mm(to.y),
           R"(fill="none" stroke=")" + std::string(kAccentColour) + R"(" stroke-width="0.6")",
           "arc-of-contact");
  std::string angle = ShownNumber(d.wrap_degrees, kAngleDecimals) + "°";
  double side = d.arc_on_motor ? -1 : 1;
  svg.Text(c.x + side * (rho + kAngleGap), c.y - 1, angle, kTextSize,
           d.arc_on_motor ? "end" : "start", TextStyle::Angle);
}

void DrawDimensions(Svg& svg, const DriveLayout& d) {
  Point m = d.motor_centre, s = d.screw_centre;
  double r_max = std::max(d.motor_radius, d.screw_radius);
  double y1 = m.y - r_max - kDimGap;
  bool apart = (s.x - d.screw_radius) - (m.x + d.motor_radius) > 1 && s.x - m.x > kTextRoom;
  double y2 = apart ? y1 : y1 - kDimStep;
  svg.Line(m.x - d.motor_radius, m.y, m.x - d.motor_radius, y1 - 1, kThin);
  svg.Line(m.x + d.motor_radius, m.y, m.x + d.motor_radius, y1 - 1, kThin);
  Dimension(svg, m.x - d.motor_radius, m.x + d.motor_radius, y1,
            "Motor Ø" + NumberText(d.motor_diameter));
  svg.Line(s.x - d.screw_radius, s.y, s.x - d.screw_radius, y2 - 1, kThin);
  svg.Line(s.x + d.screw_radius, s.y, s.x + d.screw_radius, y2 - 1, kThin);
  Dimension(svg, s.x - d.screw_radius, s.x + d.screw_radius, y2,
            "Vida Ø" + NumberText(d.screw_diameter));
  double yc = m.y + r_max + kDimGap;
  svg.Line(m.x, m.y, m.x, yc + 1, kThin);
  svg.Line(s.x, s.y, s.x, yc + 1, kThin);
  Dimension(svg, m.x, s.x, yc, NumberText(d.centre_distance));
}

}  // namespace

void DrawDrive(Svg& svg, const DriveLayout& d) {
  svg.Open("drive");
  DrawPulleys(svg, d);
  DrawArc(svg, d);
  DrawDimensions(svg, d);
  svg.Close();
}

}  // namespace selbrin::sheet
