#include "sheet/readings.h"

#include <cctype>
#include <cmath>
#include <numbers>

#include "form/values.h"
#include "motor/catalogue.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

// A pulley shown in whole millimetres may be up to this far from the one the
// form worked with: the motor pulley is rounded down from the ratio.
constexpr double kPulleyRounding = 1;
constexpr double kSecondsPerMinuteMm = 60000;  // mm/min in m/s

double RoundingOf(const Form1& form, Ctl c) { return Rounding(form.Text(c)); }

bool Differs(double shown, double worked_out, double tolerance) {
  return std::abs(shown - worked_out) > tolerance;
}

// The shown motor power is the one the motor data (speed, shaft) came from.
bool MotorDataMatch(const Form1& form, const Readings& r) {
  if (!r.motor_power) return true;
  std::optional<MotorData> row =
      FindMotor(*r.motor_power, form.Value(Ctl::chk4kutup) == 1, form.Value(Ctl::chkKompakt) == 1);
  std::string speed = row ? std::string(row->speed) : "";
  std::string shaft = row ? std::string(row->shaft) : "";
  return form.Caption(Ctl::Label31) == speed && form.Caption(Ctl::Label32) == shaft;
}

void FindStale(const Form1& form, Readings& r) {
  if (!MotorDataMatch(form, r)) r.stale.emplace_back(BareCaption(Ctl::Label7));
  if (r.speed && r.shown_speed) {
    double tolerance = BeltSpeed(kPulleyRounding, *r.screw_speed) +
                       BeltSpeed(*r.screw_diameter, RoundingOf(form, Ctl::Text2)) +
                       RoundingOf(form, Ctl::Label40);
    if (Differs(*r.shown_speed, *r.speed, tolerance))
      r.stale.emplace_back(BareCaption(Ctl::Label41));
  }
  if (!r.motor_diameter || !r.screw_diameter || *r.screw_diameter <= 0) return;
  double d1 = *r.motor_diameter, d2 = *r.screw_diameter;
  // How far d1/d2 may move when each pulley is a millimetre off; written so
  // that a vanishing d2 overflows to infinity instead of dividing by zero.
  double spread = kPulleyRounding * (1 + d1 / d2) / d2;
  double ratio_rounding = RoundingOf(form, Ctl::Label36);
  if (r.ratio && Differs(*r.ratio, d1 / d2, ratio_rounding + spread))
    r.stale.emplace_back(BareCaption(Ctl::Label3));
  if (r.motor_speed && r.screw_speed) {
    double n1 = *r.motor_speed;
    double tolerance = n1 * (spread + ratio_rounding) + RoundingOf(form, Ctl::Text2) +
                       RoundingOf(form, Ctl::Label31) * d1 / d2;
    if (Differs(*r.screw_speed, n1 * d1 / d2, tolerance))
      r.stale.emplace_back(BareCaption(Ctl::Label2));
  }
}

Results ResultsOf(const Form1& form) {
  if (form.CalculationFault()) return Results::Faulted;
  if (form.Text(Ctl::Text13).empty()) return Results::None;
  if (form.ResultsOutdated()) return Results::Outdated;
  return Results::Current;
}

}  // namespace

double Rounding(std::string_view text) {
  if (text.find_first_of("eE") != std::string_view::npos) return 0;
  std::size_t point = text.find('.');
  int decimals = 0;
  while (point != std::string_view::npos && point + 1 + decimals < text.size() &&
         std::isdigit(static_cast<unsigned char>(text[point + 1 + decimals])) != 0) {
    ++decimals;
  }
  return 0.5 * std::pow(10.0, -decimals);
}

double BeltSpeed(double diameter, double speed) {
  return std::numbers::pi * diameter * speed / kSecondsPerMinuteMm;
}

std::optional<double> WrapDegrees(double d1, double d2, double centre) {
  if (!(d1 > 0 && d2 > 0 && centre > 0)) return std::nullopt;
  double x = std::abs(d1 - d2) / (2 * centre);
  if (!(x < 1)) return std::nullopt;
  return 2 * std::acos(x) * 180 / std::numbers::pi;
}

double OpenBeltLength(double d1, double d2, double centre) {
  return 2 * centre + std::numbers::pi * (d1 + d2) / 2 + (d2 - d1) * (d2 - d1) / (4 * centre);
}

Readings Read(const Form1& form) {
  Readings r;
  r.motor_power = ReadValue(form, Ctl::Combo1);
  r.motor_speed = ReadValue(form, Ctl::Label31);
  r.screw_speed = ReadValue(form, Ctl::Text2);
  r.ratio = ReadValue(form, Ctl::Label36);
  r.motor_diameter = ReadValue(form, Ctl::Combo2);
  r.screw_diameter = ReadValue(form, Ctl::Combo3);
  r.centre_distance = ReadValue(form, Ctl::Text10);
  r.belt_length = ReadValue(form, Ctl::Text11);
  r.one_belt = ReadValue(form, Ctl::Text12);
  r.total_power = ReadValue(form, Ctl::Text13);
  r.shown_speed = ReadValue(form, Ctl::Label40);
  r.belts = ReadValue(form, Ctl::Text5);
  r.profile = SelectedProfile(form);
  if (r.screw_diameter && r.screw_speed) {
    double v = BeltSpeed(*r.screw_diameter, *r.screw_speed);
    if (std::isfinite(v)) r.speed = v;
  }
  if (r.motor_diameter && r.screw_diameter && r.centre_distance) {
    r.wrap = WrapDegrees(*r.motor_diameter, *r.screw_diameter, *r.centre_distance);
    r.arc_on_motor = *r.motor_diameter < *r.screw_diameter;
  }
  FindStale(form, r);
  r.results = ResultsOf(form);
  r.fault = form.CalculationFault();
  return r;
}

}  // namespace selbrin::sheet
