#include <array>

#include "drive/drive.h"
#include "form/values.h"
#include "runtime/num.h"
#include "runtime/numtext.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

struct GrooveSpacing {
  float pitch;  // mm between the centres of neighbouring grooves
  float edges;  // mm from the outer groove centres to the two faces, both sides together
};

// Indexed by profile group: Z, A, B, C.
constexpr std::array<GrooveSpacing, kGroupCount> kGrooveSpacing{{
    {12.0F, 16.0F},
    {15.0F, 20.0F},
    {19.0F, 25.0F},
    {25.5F, 34.0F},
}};

void ShowWidth(Form1& form, ProfileGroup group) {
  double width = PulleyWidth(group, ReadNumber(form, Ctl::Text5));
  form.SetCaption(Ctl::Label38, ShownNumber(width, 2));
}

}  // namespace

// The number of belts is taken as typed: a fraction or a negative number goes
// into the formula unchanged.
double PulleyWidth(ProfileGroup group, double belts) {
  const GrooveSpacing& g = kGrooveSpacing[static_cast<std::size_t>(group)];
  return ((Num(belts) - 1) * g.pitch + g.edges).value();
}

// The width follows the clicked profile even when the screw speed withdraws it
// at once; the drive calculation then sees the buttons as they are left.
void Option1_Click(Form1& form, int index) {
  AdjustScrewPulley(form);
  ShowWidth(form, GroupOf(index));
  Command1_Click(form);
}

void Text5_Change(Form1& form) {
  std::optional<int> profile = SelectedProfile(form);
  if (profile) {
    ShowWidth(form, GroupOf(*profile));
  } else {
    form.SetCaption(Ctl::Label38, "");
  }
}

}  // namespace selbrin
