#include <cstdint>

#include "form/form1.h"
#include "runtime/std_fallback.h"

namespace selbrin {
namespace {

constexpr std::array<std::string_view, 14> kMotorPowers{
    "7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90", "110", "132", "160"};

constexpr std::array<std::string_view, 27> kPulleyDiameters{
    "100", "112", "118", "125", "132", "140", "150", "160", "170",
    "180", "190", "200", "212", "224", "236", "250", "265", "280",
    "300", "315", "335", "355", "375", "400", "425", "450", "500"};

}  // namespace

void Form_Load(Form1& form) {
  for (std::string_view power : kMotorPowers) form.AddItem(Ctl::Combo1, std::string(power));
  form.SetText(Ctl::Combo1, "");
  for (std::string_view d : kPulleyDiameters) form.AddItem(Ctl::Combo2, std::string(d));
  form.SetText(Ctl::Combo2, "");
  for (std::string_view d : kPulleyDiameters) form.AddItem(Ctl::Combo3, std::string(d));
  form.SetText(Ctl::Combo3, "");
  // pi as the nearest single, not the double: every use of pi in the program
  // computes with this value.
  form.piValue = BitCast<float>(std::uint32_t{0x40490FDB});
}

void Command3_Click(Form1& form) { form.End(); }

}  // namespace selbrin
