#include "sheet/after_sizing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sheet/belt_data.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

// The static tension's constants: T = 500 (2.02 - c1) P_B / (c1 z v) + k v^2.
constexpr double kTensionFactor = 500;
constexpr double kArcConstant = 2.02;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
constexpr std::string_view kDash = "—";

void Lengths(AfterSizing& a, const Readings& r, double d1, double d2) {
  std::span<const double> series = DatumLengths(*r.profile);
  double length = *r.belt_length;
  auto above = std::upper_bound(series.begin(), series.end(), length);
  if (above == series.begin() || above == series.end()) {
    a.lengths_why_not = "kayış boyu (" + NumberText(length) + " mm) " +
                        std::string(DataOf(*r.profile).name) + " boy serisinin dışında";
  }
  if (above != series.begin())
    a.below = StandardLength{*(above - 1), CentreForLength(*(above - 1), d1, d2)};
  if (above != series.end()) a.above = StandardLength{*above, CentreForLength(*above, d1, d2)};
  std::optional<double> nearer;
  if (a.below && a.above)
    nearer =
        length - a.below->length <= a.above->length - length ? a.below->length : a.above->length;
  else if (a.below || a.above)
    nearer = a.below ? a.below->length : a.above->length;
  if (nearer) {
    a.take_up = kTakeUpFactor * *nearer;
    a.fitting = kFittingFactor * *nearer;
  }
}

void Tension(AfterSizing& a, const Readings& r, const Form1& form) {
  a.arc_factor = form.arcFactor.value();
  a.mass = DataOf(*r.profile).mass;
  if (!r.belts || *r.belts < 1 || std::floor(*r.belts) != *r.belts) {
    a.tension_why_not = "kayış sayısı 1 ya da daha büyük bir tam sayı değil";
    return;
  }
  // The product must be positive too: a denormal speed times the arc factor
  // can round to zero.
  if (!r.speed || *r.speed <= 0 || !r.wrap || !(*a.arc_factor > 0) ||
      !(*a.arc_factor * *r.belts * *r.speed > 0)) {
    a.tension_why_not = "kayış hızı, sarım açısı ya da açı faktörü yok";
    return;
  }
  double c1 = *a.arc_factor, z = *r.belts, v = *r.speed;
  a.tension =
      kTensionFactor * (kArcConstant - c1) * *a.design_power / (c1 * z * v) + *a.mass * v * v;
  a.shaft_load = 2 * z * *a.tension * std::sin(*r.wrap / 2 / kDegreesPerRadian);
}

}  // namespace

std::optional<double> CentreForLength(double length, double d1, double d2) {
  double p = length / 4 - std::numbers::pi * (d1 + d2) / 8;
  double q = (d2 - d1) * (d2 - d1) / 8;
  if (p <= 0 || p * p < q) return std::nullopt;
  return p + std::sqrt(p * p - q);
}

AfterSizing ComputeAfterSizing(const Form1& form, const Readings& r) {
  AfterSizing a;
  if (r.results != Results::Current) {
    a.why_not = "sonuçlar gösterilen girdilerle hesaplanmadı";
  } else if (!r.profile) {
    a.why_not = "kayış profili seçilmemiş";
  } else if (!r.motor_diameter || !r.screw_diameter || !r.belt_length) {
    a.why_not = "kasnak çapı ya da kayış boyu boş";
  }
  if (!a.why_not.empty()) return a;
  a.service_factor = form.serviceFactor.value();
  Lengths(a, r, *r.motor_diameter, *r.screw_diameter);
  if (!r.motor_power) {
    a.tension_why_not = "motor gücü boş";
    return a;
  }
  a.design_power = *r.motor_power * *a.service_factor;
  Tension(a, r, form);
  return a;
}

namespace {

std::string Missing(const std::string& why) { return std::string(kDash) + " (" + why + ")"; }

std::string LengthText(const std::optional<StandardLength>& s, const std::string& why) {
  if (!s) return Missing(why);
  std::string c = s->centre ? NumberText(*s->centre, 1) + " mm" : Missing("kasnaklara yetmez");
  return NumberText(s->length) + " mm, eksen mesafesi C = " + c;
}

std::string MassNote(const Readings& r) {
  const BeltData& d = DataOf(*r.profile);
  std::string note = "k = " + NumberText(d.mass, 3) + " kg/m";
  if (d.mass_of_sp) note += ", " + std::string(d.name).replace(0, 2, "SP") + " kütlesi";
  return note;
}

}  // namespace

std::vector<SizingLine> AfterSizingLines(const Form1& form) {
  Readings r = Read(form);
  AfterSizing a = ComputeAfterSizing(form, r);
  if (!a.why_not.empty()) return {{"Boyutlandırma sonrası değerler", Missing(a.why_not)}};
  std::vector<SizingLine> lines;
  lines.push_back(
      {"Servis faktörü c2, tasarım gücü P_B = P·c2",
       NumberText(*a.service_factor, 2) + ", " +
           (a.design_power ? NumberText(*a.design_power, 2) + " kW" : Missing(a.tension_why_not))});
  lines.push_back({"Standart boy (ISO 4184), altında", LengthText(a.below, a.lengths_why_not)});
  lines.push_back({"Standart boy (ISO 4184), üstünde", LengthText(a.above, a.lengths_why_not)});
  lines.push_back({"Germe payı x = 0.03·Ld, takma payı y = 0.015·Ld",
                   a.take_up ? "x ≥ " + NumberText(*a.take_up, 1) + " mm, y ≥ " +
                                   NumberText(*a.fitting, 1) + " mm (yakın standart boy için)"
                             : Missing(a.lengths_why_not)});
  std::string inputs = "c1 = " + NumberText(a.arc_factor.value_or(0), 3) + ", " + MassNote(r);
  lines.push_back({"Statik gerginlik T = 500·(2.02−c1)·P_B/(c1·z·v) + k·v²",
                   a.tension ? NumberText(*a.tension, 0) + " N/kayış (" + inputs + ")"
                             : Missing(a.tension_why_not)});
  lines.push_back(
      {"Statik mil yükü S = 2·z·T·sin(β/2), her milde",
       a.shaft_load ? NumberText(*a.shaft_load, 0) + " N" : Missing(a.tension_why_not)});
  return lines;
}

}  // namespace selbrin::sheet
