#include "sheet/drawing.h"

#include <algorithm>
#include <cmath>

#include "runtime/numtext.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

// The widths of the outlines and the belt, at most these, and thinner on small
// pulleys so that a belt line is never wider than a pulley.
constexpr double kOutlineWidth = 0.35;
constexpr double kBeltWidth = 0.7;
constexpr double kOutlineShare = 0.15;  // of the smaller radius on the page
constexpr double kBeltShare = 0.25;
constexpr double kThinnest = 0.02;
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
constexpr double kLeader = 3;  // how far a text that does not fit stands off its line

std::string Stroke(std::string_view colour, double width) {
  return R"(fill="none" stroke=")" + std::string(colour) + R"(" stroke-width=")" + Mm(width) + "\"";
}

double WidthFor(const DriveLayout& d, double most, double share) {
  return std::clamp(share * std::min(d.motor_radius, d.screw_radius), kThinnest, most);
}

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
// On a line too short for both arrows they point in from outside; a text wider
// than the line stands to its right, on a leader.
void Dimension(Svg& svg, double x1, double x2, double y, std::string_view text) {
  double length = x2 - x1;
  bool arrows_inside = length >= 2 * kArrowLength + kArrowHalfWidth;
  if (arrows_inside) {
    svg.Line(x1, y, x2, y, kThin);
    Arrow(svg, {x1, y}, {x2, y});
    Arrow(svg, {x2, y}, {x1, y});
  } else {
    svg.Line(x1 - 2 * kArrowLength, y, x2 + 2 * kArrowLength, y, kThin);
    Arrow(svg, {x1, y}, {x1 - 1, y});
    Arrow(svg, {x2, y}, {x2 + 1, y});
  }
  if (TextWidth(text, kTextSize) <= length) {
    svg.Text((x1 + x2) / 2, y - 1, text, kTextSize, "middle");
    return;
  }
  double end = x2 + (arrows_inside ? 0 : 2 * kArrowLength);
  svg.Line(end, y, end + kLeader, y - kLeader, kThin);
  svg.Text(end + kLeader + 0.5, y - kLeader, text, kTextSize, "start");
}

void DrawPulleys(Svg& svg, const DriveLayout& d) {
  Point m = d.motor_centre, s = d.screw_centre;
  svg.Line(m.x - d.motor_radius - 3, m.y, s.x + d.screw_radius + 3, s.y, kCentreLine);
  for (auto [c, r] : {std::pair{m, d.motor_radius}, std::pair{s, d.screw_radius}}) {
    double mark = std::min(r, 3.0) + 2;
    svg.Line(c.x, c.y - mark, c.x, c.y + mark, kThin);
  }
  std::string outline = Stroke("black", WidthFor(d, kOutlineWidth, kOutlineShare));
  std::string belt = Stroke("#1f4e9c", WidthFor(d, kBeltWidth, kBeltShare));
  svg.Circle(m.x, m.y, d.motor_radius, outline, "motor-pulley");
  svg.Circle(s.x, s.y, d.screw_radius, outline, "screw-pulley");
  svg.Line(d.upper_motor.x, d.upper_motor.y, d.upper_screw.x, d.upper_screw.y,
           belt + R"( id="upper-strand")");
  svg.Line(d.lower_motor.x, d.lower_motor.y, d.lower_screw.x, d.lower_screw.y,
           belt + R"( id="lower-strand")");
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
           Stroke(kAccentColour, WidthFor(d, kBeltWidth, kBeltShare)), "arc-of-contact");
  std::string pulley = d.arc_on_motor ? "motor kasnağı" : "vida kasnağı";
  std::string angle = ShownNumber(d.wrap_degrees, kAngleDecimals) + "°";
  double side = d.arc_on_motor ? -1 : 1;
  std::string_view anchor = d.arc_on_motor ? "end" : "start";
  double x = c.x + side * (rho + kAngleGap);
  svg.Text(x, c.y - 1, angle, kTextSize, anchor, TextStyle::Angle);
  svg.Text(x, c.y + kTextSize, pulley, kTextSize * 0.8, anchor, TextStyle::Angle);
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

void DrawDrive(Svg& svg, const DriveLayout& d, bool calculated) {
  svg.Open("drive");
  DrawPulleys(svg, d);
  if (calculated) {
    DrawArc(svg, d);
  } else {
    double bottom = d.motor_centre.y + std::max(d.motor_radius, d.screw_radius) + kDimGap + 5;
    svg.Text(d.motor_centre.x - d.motor_radius, bottom,
             "Sarım açısı ve kayış boyu henüz hesaplanmadı (\"Hesapla\").", kTextSize, "start",
             TextStyle::Angle);
  }
  DrawDimensions(svg, d);
  svg.Close();
}

}  // namespace selbrin::sheet
