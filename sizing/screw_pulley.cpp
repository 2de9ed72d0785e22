#include <array>
#include <string>
#include <string_view>

#include "form/values.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

struct SpeedLimit {
  float above_rpm;  // the profile is withdrawn at a screw speed strictly above this
  int profile;      // Option1 index
};

// Each SP profile goes at a lower speed than the XP profile of its size; the Z
// and A profiles run at any speed.
constexpr std::array<SpeedLimit, 4> kSpeedLimits{{
    {3700.0F, 7},  // "SPC"
    {4000.0F, 3},  // "XPC"
    {4700.0F, 6},  // "SPB"
    {6000.0F, 2},  // "XPB"
}};

struct MinimumPulley {
  float diameter;         // mm
  std::string_view text;  // written into Combo3
};

constexpr MinimumPulley kMinimumZ{100.0F, "100"};
constexpr MinimumPulley kMinimumA{112.0F, "112"};
constexpr MinimumPulley kMinimumBThickShaft{170.0F, "170"};
constexpr MinimumPulley kMinimumB{140.0F, "140"};
constexpr MinimumPulley kMinimumCOrNone{200.0F, "200"};

// A B-group screw pulley on a shaft thicker than this needs the larger minimum.
constexpr float kThickScrewShaft = 60.0F;

// Tested in the order Z, A, B; a C profile and no profile at all share the
// largest minimum.
MinimumPulley MinimumFor(std::optional<ProfileGroup> group, float screw_shaft) {
  if (group == ProfileGroup::Z) return kMinimumZ;
  if (group == ProfileGroup::A) return kMinimumA;
  if (group == ProfileGroup::B) {
    return screw_shaft > kThickScrewShaft ? kMinimumBThickShaft : kMinimumB;
  }
  return kMinimumCOrNone;
}

}  // namespace

void AdjustScrewPulley(Form1& form) {
  form.cellA = ReadNumber(form, Ctl::Text9);
  form.cellB = ReadNumber(form, Ctl::Text2);
  for (const SpeedLimit& limit : kSpeedLimits) {
    if (form.cellB.get() > limit.above_rpm) form.ClearOption(limit.profile);
  }

  // The buttons as they are now: a withdrawn profile no longer sets the minimum.
  form.cellB = ReadNumber(form, Ctl::Combo3);
  MinimumPulley minimum = MinimumFor(SelectedGroup(form), form.cellA.get());
  if (form.cellB.get() < minimum.diameter) form.SetText(Ctl::Combo3, std::string(minimum.text));
}

}  // namespace selbrin
