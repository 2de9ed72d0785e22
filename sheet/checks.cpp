#include "sheet/checks.h"

#include <array>

#include "form/values.h"
#include "runtime/fault.h"
#include "runtime/numparse.h"
#include "runtime/std_fallback.h"

namespace selbrin::sheet {
namespace {

constexpr int kSignificantDigits = 6;

}  // namespace

std::optional<double> ReadValue(const Form1& form, Ctl c) {
  if (form.Text(c).empty()) return std::nullopt;
  try {
    return ParseNumber(form.Text(c));
  } catch (const Fault&) {
    return std::nullopt;
  }
}

std::string NumberText(double value) {
  std::array<char, 64> buf{};
  auto [end, ec] = ToCharsGeneral(buf.data(), buf.data() + buf.size(), value, kSignificantDigits);
  std::string s = ec == std::errc() ? std::string(buf.data(), end) : std::string("?");
  return s == "-0" ? "0" : s;
}

Check BeltSpeedCheck(std::optional<double> belt_speed) {
  std::string limit = "(en çok " + NumberText(kMaxBeltSpeed) + " m/sn)";
  if (!belt_speed)
    return {Verdict::Unknown, "Kayış hızı boş: sınırla " + limit + " karşılaştırılamadı."};
  std::string speed = "Kayış hızı (" + NumberText(*belt_speed) + " m/sn) ";
  if (*belt_speed > kMaxBeltSpeed)
    return {Verdict::Warning, speed + "sınırın " + limit + " üstünde."};
  return {Verdict::Passed, speed + "sınırın " + limit + " içinde."};
}

Check BeltPowerCheck(std::optional<double> total_power, std::optional<double> motor_power) {
  // A field the user may type into can hold text that is no number.
  constexpr std::string_view kMissing = " boş ya da okunamıyor: ";
  if (!total_power && !motor_power) {
    return {Verdict::Unknown,
            "Toplam kayış gücü ve motor gücü" + std::string(kMissing) + "karşılaştırılamadı."};
  }
  if (!total_power) {
    return {Verdict::Unknown, "Toplam kayış gücü" + std::string(kMissing) + "motor gücüyle (" +
                                  NumberText(*motor_power) + " kW) karşılaştırılamadı."};
  }
  if (!motor_power) {
    return {Verdict::Unknown, "Motor gücü" + std::string(kMissing) + "toplam kayış gücüyle (" +
                                  NumberText(*total_power) + " kW) karşılaştırılamadı."};
  }
  std::string both = "Toplam kayış gücü (" + NumberText(*total_power) + " kW) motor gücünün (" +
                     NumberText(*motor_power) + " kW) ";
  if (*total_power < *motor_power) {
    return {Verdict::Warning, both + "altında: kayışlar motorun gücünü taşıyamaz."};
  }
  return {Verdict::Passed, both + "altında değil: kayışlar motorun gücünü taşır."};
}

Check ProfileCheck(const Form1& form) {
  std::optional<int> profile = SelectedProfile(form);
  if (!profile) return {Verdict::Warning, "Kayış profili seçilmemiş: kayış gücü hesaplanamaz."};
  return {Verdict::Passed,
          "Kayış profili " + std::string(Def(Option(*profile)).caption) + " seçili."};
}

Check OutdatedCheck(const Form1& form) {
  if (form.Text(Ctl::Text13).empty()) {
    return {Verdict::Warning, "Sonuç yok: \"Hesapla\" henüz çalıştırılmadı."};
  }
  if (form.ResultsOutdated()) {
    return {
        Verdict::Warning,
        "Girdiler son hesaptan sonra değişti: sonuçlar eski, \"Hesapla\" yeniden çalıştırılmalı."};
  }
  return {Verdict::Passed, "Sonuçlar gösterilen girdilerle hesaplandı."};
}

std::vector<Check> Checks(const Form1& form) {
  return {BeltSpeedCheck(ReadValue(form, Ctl::Label40)),
          BeltPowerCheck(ReadValue(form, Ctl::Text13), ReadValue(form, Ctl::Combo1)),
          ProfileCheck(form), OutdatedCheck(form)};
}

}  // namespace selbrin::sheet
