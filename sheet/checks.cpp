#include "sheet/checks.h"

#include <algorithm>
#include <cmath>

#include "drive/rating.h"
#include "form/values.h"
#include "runtime/fault.h"
#include "runtime/numparse.h"
#include "runtime/numtext.h"
#include "sheet/belt_data.h"
#include "sheet/svg.h"

namespace selbrin::sheet {
namespace {

constexpr int kSignificantDigits = 6;
constexpr int kMostDecimals = 10;
constexpr int kSpeedDecimals = 2;

std::string Kw(double v) { return NumberText(v, kSpeedDecimals) + " kW"; }
std::string Ms(double v) { return NumberText(v, kSpeedDecimals) + " m/sn"; }

bool Computed(const Readings& r) { return r.results == Results::Current; }

const std::string kNotComputed =
    "sonuçlar gösterilen girdilerle hesaplanmadı (bkz. \"Sonuçlar güncel\").";

bool SpeedFails(const Readings& r) {
  if (!r.profile || !r.speed) return false;
  std::optional<double> limit = DataOf(*r.profile).max_speed;
  return limit && *r.speed > *limit;
}

bool IsStale(const Readings& r, Ctl label) {
  for (const std::string& s : r.stale) {
    if (s == BareCaption(label)) return true;
  }
  return false;
}

}  // namespace

std::string_view VerdictName(Verdict v) {
  return v == Verdict::Pass ? "pass" : v == Verdict::Fail ? "fail" : "unknown";
}

std::optional<double> ReadValue(const Form1& form, Ctl c) {
  if (form.Text(c).empty()) return std::nullopt;
  try {
    double value = ParseNumber(form.Text(c));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
  } catch (const Fault&) {
    return std::nullopt;
  }
}

std::string NumberText(double value, int decimals) {
  if (!std::isfinite(value)) return "?";
  return Shorten(ShownNumber(value, decimals), kNumberChars);
}

std::string NumberText(double value) {
  if (!std::isfinite(value)) return "?";
  double magnitude = std::abs(value);
  int whole_digits = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
  int decimals = std::clamp(kSignificantDigits - whole_digits, 0, kMostDecimals);
  return NumberText(value, decimals);
}

std::string NoRatingReason(const Readings& r) {
  if (!r.profile) return "kayış profili seçilmemiş";
  if (r.screw_speed && *r.screw_speed <= kRatedAboveSpeed)
    return "vida devri " + NumberText(kRatedAboveSpeed) + " d/dk üstünde değil";
  if (r.ratio && *r.ratio < 1) return "devir oranı 1'in altında";
  return "kasnak, devir ya da kayış boyu güç tablosunun dışında";
}

Check BeltSpeedCheck(const Readings& r) {
  constexpr std::string_view kName = "belt-speed";
  if (!r.speed)
    return {kName, Verdict::Unknown,
            "Kayış hızı hesaplanamadı: vida kasnağı çapı ya da vida devri boş."};
  std::string speed = "Kayış hızı (π·d·n/60000 = " + Ms(*r.speed) + ")";
  if (!r.profile) return {kName, Verdict::Unknown, speed + ": profil seçilmediğinden sınırı yok."};
  const BeltData& data = DataOf(*r.profile);
  if (!data.max_speed) {
    return {kName, Verdict::Unknown,
            speed + ": " + std::string(data.name) + " için yayımlanmış hız sınırı bulunamadı."};
  }
  std::string limit = std::string(data.name) + " sınırının (en çok " + Ms(*data.max_speed) + ")";
  if (*r.speed > *data.max_speed) return {kName, Verdict::Fail, speed + " " + limit + " üstünde."};
  if (IsStale(r, Ctl::Label41)) {
    return {kName, Verdict::Unknown,
            speed + " " + limit + " içinde, ama formdaki Kayış Hızı bununla uyuşmuyor (eski)."};
  }
  return {kName, Verdict::Pass, speed + " " + limit + " içinde."};
}

Check PowerCheck(const Readings& r) {
  constexpr std::string_view kName = "power";
  if (!Computed(r)) return {kName, Verdict::Unknown, "Güç karşılaştırılamadı: " + kNotComputed};
  if (!r.total_power || !r.motor_power) {
    return {kName, Verdict::Unknown,
            "Toplam kayış gücü ya da motor gücü boş ya da okunamıyor: karşılaştırılamadı."};
  }
  if (r.one_belt && *r.one_belt == 0) {
    return {kName, Verdict::Unknown,
            "Güç tablosunda değer yok (" + NoRatingReason(r) + "): tek kayışın gücü 0 kW."};
  }
  if (SpeedFails(r)) {
    return {kName, Verdict::Unknown,
            "Kayış hızı sınırın üstünde: kayış güçleri bu hızda geçerli değil."};
  }
  std::string both =
      "Toplam kayış gücü (" + Kw(*r.total_power) + ") motor gücünün (" + Kw(*r.motor_power) + ") ";
  if (*r.total_power < *r.motor_power)
    return {kName, Verdict::Fail, both + "altında: kayışlar motorun gücünü taşıyamaz."};
  return {kName, Verdict::Pass, both + "altında değil: kayışlar motorun gücünü taşır."};
}

Check BeltsNeededCheck(const Readings& r) {
  constexpr std::string_view kName = "belts-needed";
  if (!r.belts || *r.belts < 1 || std::floor(*r.belts) != *r.belts) {
    std::string shown = r.belts ? " (" + NumberText(*r.belts) + ")" : " boş";
    return {kName, Verdict::Fail,
            "Kayış Sayısı" + shown + ": 1 ya da daha büyük bir tam sayı değil."};
  }
  if (!Computed(r))
    return {kName, Verdict::Unknown, "Gereken kayış sayısı bulunamadı: " + kNotComputed};
  if (!r.one_belt || !r.motor_power)
    return {kName, Verdict::Unknown,
            "Tek kayışın gücü ya da motor gücü boş: gereken sayı bulunamadı."};
  if (*r.one_belt <= 0) {
    return {kName, Verdict::Unknown,
            "Güç tablosunda değer yok (" + NoRatingReason(r) + "): gereken sayı bulunamadı."};
  }
  double needed = std::ceil(*r.motor_power / *r.one_belt);
  std::string text = "Gereken kayış sayısı ⌈" + Kw(*r.motor_power) + " / " + Kw(*r.one_belt) +
                     "⌉ = " + NumberText(needed) + ", seçilen " + NumberText(*r.belts);
  if (*r.belts < needed) return {kName, Verdict::Fail, text + ": yetmez."};
  return {kName, Verdict::Pass, text + ": yeter."};
}

Check ProfileCheck(const Readings& r) {
  constexpr std::string_view kName = "profile";
  if (!r.profile)
    return {kName, Verdict::Fail, "Kayış profili seçilmemiş: kayış gücü hesaplanamaz."};
  return {kName, Verdict::Pass,
          "Kayış profili " + std::string(DataOf(*r.profile).name) + " seçili."};
}

Check CurrentCheck(const Readings& r) {
  constexpr std::string_view kName = "current";
  switch (r.results) {
    case Results::Faulted:
      return {kName, Verdict::Fail,
              "Son \"Hesapla\" bir hatayla bitti: sonuçlar eksik ya da eski girdilere ait."};
    case Results::None:
      return {kName, Verdict::Fail, "Sonuç yok: \"Hesapla\" henüz çalıştırılmadı."};
    case Results::Outdated:
      return {kName, Verdict::Fail,
              "Girdiler son hesaptan sonra değişti: sonuçlar eski, \"Hesapla\" yeniden "
              "çalıştırılmalı."};
    case Results::Current:
      break;
  }
  if (!r.stale.empty()) {
    std::string names;
    for (const std::string& s : r.stale) names += (names.empty() ? "" : ", ") + s;
    return {kName, Verdict::Fail,
            "Formda eski değer var (" + names +
                "): gösterilen öteki değerlerden çıkanla uyuşmuyor; o alan yeniden girilmeli."};
  }
  return {kName, Verdict::Pass, "Sonuçlar gösterilen girdilerle hesaplandı; değerler uyuşuyor."};
}

std::vector<Check> Checks(const Readings& r) {
  return {BeltSpeedCheck(r), PowerCheck(r),          BeltsNeededCheck(r),
          ProfileCheck(r),   CurrentCheck(r),        MinDiameterCheck(r),
          ArcCheck(r),       CentreDistanceCheck(r), BendingCheck(r)};
}

std::vector<Check> Checks(const Form1& form) { return Checks(Read(form)); }

}  // namespace selbrin::sheet
