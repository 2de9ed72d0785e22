#include "drive/factors.h"

#include <cstddef>
#include <span>

#include "form/values.h"
#include "runtime/num.h"
#include "runtime/single.h"

namespace selbrin {
namespace {

// Arc of contact on the screw pulley (degrees) and its factor c1; linear between
// neighbouring breakpoints.
struct ArcBreakpoint {
  float angle;
  double factor;
};

constexpr ArcBreakpoint kArcBreakpoints[] = {
    {180, 1.00}, {160, 0.95}, {142, 0.90}, {127, 0.85}, {113, 0.80},
};
// Below the last breakpoint the factor is flat: 0.80 down to just above 106
// degrees, 0.75 at 106 and below. An arc above 180 degrees (a motor pulley smaller
// than the screw pulley) is in no interval of the table and gets 0.80 as well.
constexpr float kArcFloorAngle = 106;
constexpr double kArcFactorAboveFloor = 0.80;
constexpr double kArcFactorAtFloor = 0.75;

// Belt datum length L (mm) and its factor c3, per profile group. A row holds from
// its length (included) up to the next row's length of the group (excluded); the
// group's last row holds for every longer belt. Below a group's first length no
// belt is rated: the factor is 0.
struct LengthRow {
  ProfileGroup group;
  float from_length;
  float factor;
};

using enum ProfileGroup;

// clang-format off
constexpr LengthRow kLengthFactors[] = {
    {Z,  590, 0.82F}, {Z,  800, 0.87F}, {Z, 1000, 0.91F}, {Z, 1250, 0.95F}, {Z, 1500, 1.00F},
    {A,  590, 0.76F}, {A,  900, 0.83F}, {A, 1250, 0.88F}, {A, 1600, 0.92F}, {A, 2000, 0.96F},
    {B, 1250, 0.83F}, {B, 1500, 0.86F}, {B, 1800, 0.90F}, {B, 2000, 0.92F}, {B, 2250, 0.94F},
    {C, 2000, 0.85F}, {C, 2500, 0.88F}, {C, 2800, 0.90F},
};
// clang-format on

constexpr bool LengthsRise() {
  std::span<const LengthRow> rows = kLengthFactors;
  for (std::size_t k = 1; k < rows.size(); ++k) {
    if (rows[k].group == rows[k - 1].group && !(rows[k - 1].from_length < rows[k].from_length)) {
      return false;
    }
  }
  return true;
}
static_assert(LengthsRise());

// The service factor c2 divides the belt's power: more for heavy duty.
constexpr double kServiceFactorHeavyDuty = 1.2;
constexpr double kServiceFactorNormal = 1.1;

}  // namespace

float ArcCosDeg(const Form1& form, float x) {
  Num s = Sqrt(-Num(x) * x + 1);
  Num a = Atn(-Num(x) / s);
  // A quarter turn in double precision, but degrees through the single pi.
  Num r = (2 * Atn(1) + a) * 180 / form.piValue;
  return ToSingle(r);
}

void SetArcFactor(Form1& form) {
  float beta = form.wrapAngle.get();
  for (std::size_t k = 0; k + 1 < std::size(kArcBreakpoints); ++k) {
    const ArcBreakpoint& hi = kArcBreakpoints[k];
    const ArcBreakpoint& lo = kArcBreakpoints[k + 1];
    if (beta > lo.angle && beta <= hi.angle) {
      form.arcFactor = (lo.factor * (Num(hi.angle) - beta) + hi.factor * (Num(beta) - lo.angle)) /
                       (Num(hi.angle) - lo.angle);
      return;
    }
  }
  form.arcFactor = beta > kArcFloorAngle ? kArcFactorAboveFloor : kArcFactorAtFloor;
}

void SetServiceFactor(Form1& form) {
  form.serviceFactor = form.Value(Ctl::chkC2) == 1 ? kServiceFactorHeavyDuty : kServiceFactorNormal;
}

void SetLengthFactor(Form1& form) {
  std::optional<ProfileGroup> group = SelectedGroup(form);
  if (!group) return;
  float length = form.beltLength.get();
  float factor = 0;
  for (const LengthRow& row : kLengthFactors) {
    if (row.group == *group && length >= row.from_length) factor = row.factor;
  }
  form.lengthFactor = factor;
}

}  // namespace selbrin
