// The checks of the drive's geometry: pulley sizes, arc of contact, centre
// distance and how often the belt bends.
#include <cmath>

#include "sheet/belt_data.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

constexpr int kDegreeDecimals = 2;
constexpr int kMmDecimals = 2;
constexpr double kMmPerM = 1000;

std::string Mm(double v) { return NumberText(v, kMmDecimals) + " mm"; }
std::string Deg(double v) { return NumberText(v, kDegreeDecimals) + "°"; }

bool HaveGeometry(const Readings& r) {
  return r.motor_diameter && r.screw_diameter && r.centre_distance;
}

}  // namespace

Check MinDiameterCheck(const Readings& r) {
  constexpr std::string_view kName = "min-diameter";
  if (!r.motor_diameter || !r.screw_diameter)
    return {kName, Verdict::Unknown, "Kasnak çapı boş: en küçük çapla karşılaştırılamadı."};
  if (!r.profile)
    return {kName, Verdict::Unknown, "Profil seçilmediğinden en küçük kasnak çapı bilinmiyor."};
  const BeltData& data = DataOf(*r.profile);
  std::string name(data.name);
  if (!data.min_diameter) {
    return {kName, Verdict::Unknown,
            name + " için yayımlanmış en küçük kasnak çapı bulunamadı: kasnaklar doğrulanamadı."};
  }
  std::string limit = name + " için en küçük çapın (" + Mm(*data.min_diameter) + ")";
  if (*r.motor_diameter < *data.min_diameter)
    return {kName, Verdict::Fail,
            "Motor kasnağı (" + Mm(*r.motor_diameter) + ") " + limit + " altında."};
  if (*r.screw_diameter < *data.min_diameter)
    return {kName, Verdict::Fail,
            "Vida kasnağı (" + Mm(*r.screw_diameter) + ") " + limit + " altında."};
  return {kName, Verdict::Pass,
          "Kasnaklar (" + NumberText(*r.motor_diameter) + " ve " + Mm(*r.screw_diameter) + ") " +
              limit + " altında değil."};
}

Check ArcCheck(const Readings& r) {
  constexpr std::string_view kName = "arc";
  if (!HaveGeometry(r))
    return {kName, Verdict::Unknown,
            "Kasnak çapı ya da eksen mesafesi boş: sarım açısı bulunamadı."};
  if (!r.wrap) {
    return {kName, Verdict::Unknown,
            "Bu eksen mesafesinde kasnaklardan biri ötekinin içinde: sarım açısı yok."};
  }
  std::string pulley = r.arc_on_motor ? "motor kasnağındaki" : "vida kasnağındaki";
  std::string text = "Küçük kasnaktaki (" + pulley + ") sarım açısı (" + Deg(*r.wrap) + ") en az " +
                     Deg(kMinArc) + " olmalı: ";
  if (*r.wrap < kMinArc) return {kName, Verdict::Fail, text + "altında."};
  return {kName, Verdict::Pass, text + "uygun."};
}

Check CentreDistanceCheck(const Readings& r) {
  constexpr std::string_view kName = "centre-distance";
  if (!HaveGeometry(r))
    return {kName, Verdict::Unknown, "Kasnak çapı ya da eksen mesafesi boş: karşılaştırılamadı."};
  double sum = *r.motor_diameter + *r.screw_diameter;
  double c = *r.centre_distance;
  double low = kMinCentreFactor * sum, high = kMaxCentreFactor * sum;
  std::string text = "Eksen mesafesi (" + Mm(c) + ") 0.7·(d1+d2) = " + Mm(low) +
                     " ile 2·(d1+d2) = " + Mm(high) + " arasında ";
  if (c <= sum / 2)
    return {kName, Verdict::Fail,
            "Eksen mesafesinde (" + Mm(c) + ") kasnak kenarları üst üste biniyor."};
  if (c < low || c > high) return {kName, Verdict::Fail, text + "değil."};
  return {kName, Verdict::Pass, text + "ve kasnak kenarları birbirinden açık."};
}

Check BendingCheck(const Readings& r) {
  constexpr std::string_view kName = "bending";
  if (!r.speed || !r.belt_length || *r.belt_length <= 0)
    return {kName, Verdict::Unknown,
            "Kayış hızı ya da kayış boyu yok: eğilme frekansı bulunamadı."};
  if (r.results != Results::Current) {
    return {kName, Verdict::Unknown,
            "Eğilme frekansı bulunamadı: kayış boyu gösterilen girdilerle hesaplanmadı."};
  }
  double f = 2 * *r.speed * kMmPerM / *r.belt_length;
  std::string text = "Eğilme frekansı f = 2·v/L = " + NumberText(f, kDegreeDecimals) + " 1/sn";
  if (!r.profile) return {kName, Verdict::Unknown, text + ": profil seçilmediğinden sınırı yok."};
  const BeltData& data = DataOf(*r.profile);
  if (!data.max_bending) {
    return {kName, Verdict::Unknown,
            text + ": " + std::string(data.name) + " için yayımlanmış sınır bulunamadı."};
  }
  std::string limit = " (en çok " + NumberText(*data.max_bending) + " 1/sn)";
  if (f > *data.max_bending) return {kName, Verdict::Fail, text + limit + ": sınırın üstünde."};
  return {kName, Verdict::Pass, text + limit + ": sınırın içinde."};
}

}  // namespace selbrin::sheet
