#include "sheet/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

constexpr std::string_view kNoDrawing = "Çizim yok: ";
// Below a hundredth of a millimetre nothing can be drawn, and at the smallest
// scale the page would hold numbers that round to zero.
constexpr double kSmallest = 0.01;

// Why the value cannot be drawn, or empty when it can.
std::string Fault(Ctl label, std::optional<double> value) {
  std::string name = std::string(BareCaption(label));
  if (!value) return std::string(kNoDrawing) + name + " boş ya da okunamıyor.";
  if (!std::isfinite(*value)) return std::string(kNoDrawing) + name + " sayı aralığının dışında.";
  if (*value <= 0) {
    return std::string(kNoDrawing) + name + " (" + NumberText(*value) +
           " mm) sıfırdan büyük değil.";
  }
  if (*value < kSmallest) {
    return std::string(kNoDrawing) + name + " (" + NumberText(*value) +
           " mm) çizilemeyecek kadar küçük.";
  }
  return {};
}

// Why the pulleys cannot both be drawn as a drive, or empty when they can: at
// this centre distance one lies inside the other, or their rims cross.
std::string Overlap(const DriveLayout& d) {
  std::string centre = " (" + NumberText(d.centre_distance) + " mm) ";
  if (std::abs(d.motor_diameter - d.screw_diameter) / 2 >= d.centre_distance) {
    return std::string(kNoDrawing) + "eksen mesafesi" + centre +
           "kasnaklardan birini ötekinin içine koyuyor.";
  }
  if (d.centre_distance < (d.motor_diameter + d.screw_diameter) / 2) {
    return std::string(kNoDrawing) + "kasnaklar bu eksen mesafesinde" + centre +
           "üst üste biniyor.";
  }
  return {};
}

// The width and height the drive takes on the page at 1:`scale`, with room for
// its dimensions and the arc's angle.
std::pair<double, double> Extent(const DriveLayout& d, double factor) {
  double r1 = d.motor_diameter / 2 * factor;
  double r2 = d.screw_diameter / 2 * factor;
  return {kRoomPlainSide + r1 + d.centre_distance * factor + r2 + kRoomArcSide,
          kRoomTop + 2 * std::max(r1, r2) + kRoomBottom};
}

bool Fits(const DriveLayout& d, const Area& area, double factor) {
  auto [width, height] = Extent(d, factor);
  return width <= area.width && height <= area.height;
}

// The largest scale at which the drive fits, enlargements first; false when it
// fits at none.
bool ChooseScale(DriveLayout& d, const Area& area) {
  for (int m : kEnlargements) {
    if (Fits(d, area, m)) {
      d.scale = 1;
      d.enlargement = m;
      return true;
    }
  }
  for (int n : kScales) {
    if (Fits(d, area, 1.0 / n)) {
      d.scale = n;
      return true;
    }
  }
  return false;
}

// Places the pulleys centred in the area and finds the strands' tangent points.
void Place(DriveLayout& d, const Area& area) {
  double k = PageFactor(d);
  double r1 = d.motor_diameter / 2 * k;
  double r2 = d.screw_diameter / 2 * k;
  double c = d.centre_distance * k;
  double r_max = std::max(r1, r2);
  auto [width, height] = Extent(d, k);
  double room_left = d.arc_on_motor ? kRoomArcSide : kRoomPlainSide;
  double x1 = area.left + (area.width - width) / 2 + room_left + r1;
  double y = area.top + (area.height - height) / 2 + kRoomTop + r_max;
  d.motor_centre = {x1, y};
  d.screw_centre = {x1 + c, y};
  d.motor_radius = r1;
  d.screw_radius = r2;
  // The strands' normal makes cos = (r2 - r1) / c with the centre line; each
  // tangent point lies one radius against that normal from its centre.
  double cos_n = (r2 - r1) / c;
  double sin_n = std::sqrt(std::max(0.0, 1 - cos_n * cos_n));
  d.upper_motor = {x1 - r1 * cos_n, y - r1 * sin_n};
  d.upper_screw = {x1 + c - r2 * cos_n, y - r2 * sin_n};
  d.lower_motor = {x1 - r1 * cos_n, y + r1 * sin_n};
  d.lower_screw = {x1 + c - r2 * cos_n, y + r2 * sin_n};
}

}  // namespace

std::string ScaleText(const DriveLayout& d) {
  return d.enlargement > 1 ? std::to_string(d.enlargement) + ":1" : "1:" + std::to_string(d.scale);
}

double PageFactor(const DriveLayout& d) { return static_cast<double>(d.enlargement) / d.scale; }

DriveDrawing LayOutDrive(std::optional<double> motor_diameter, std::optional<double> screw_diameter,
                         std::optional<double> centre_distance, const Area& area) {
  for (auto [label, value] :
       {std::pair{Ctl::Label9, motor_diameter}, std::pair{Ctl::Label10, screw_diameter},
        std::pair{Ctl::Label13, centre_distance}}) {
    if (std::string fault = Fault(label, value); !fault.empty()) return fault;
  }
  DriveLayout d{};
  d.motor_diameter = *motor_diameter;
  d.screw_diameter = *screw_diameter;
  d.centre_distance = *centre_distance;
  if (std::string fault = Overlap(d); !fault.empty()) return fault;
  // The smaller pulley's arc: 180 degrees less twice the strands' slope.
  double x = std::abs(d.motor_diameter - d.screw_diameter) / (2 * d.centre_distance);
  d.wrap_degrees = 2 * std::acos(x) * 180 / std::numbers::pi;
  d.arc_on_motor = d.motor_diameter < d.screw_diameter;
  if (!ChooseScale(d, area)) {
    return std::string(kNoDrawing) +
           "tahrik sayfaya en küçük ölçekte (1:" + std::to_string(kScales.back()) +
           ") bile sığmıyor.";
  }
  Place(d, area);
  return d;
}

DriveDrawing LayOutDrive(const Form1& form, const Area& area) {
  return LayOutDrive(ReadValue(form, Ctl::Combo2), ReadValue(form, Ctl::Combo3),
                     ReadValue(form, Ctl::Text10), area);
}

}  // namespace selbrin::sheet
