#include "drive/rating.h"

#include <limits>
#include <optional>
#include <span>

#include "form/values.h"
#include "runtime/interval.h"
#include "runtime/num.h"
#include "runtime/single.h"

namespace selbrin {
namespace {

// The belt profiles by their Option1 index.
enum Profile : unsigned char { XPZ, XPA, XPB, XPC, SPZ, SPA, SPB, SPC };

// The ratio from which the second column of the rating table applies.
constexpr float kSecondColumnRatio = 1.5F;

// One speed band of one diameter group of one profile, with the rated power of one
// belt (kW) for each ratio column.
struct RatingRow {
  Profile profile;
  Interval d;  // screw pulley diameter, mm
  Interval n;  // screw speed, rpm
  float below_1_5;
  float from_1_5;
};

// clang-format off
constexpr RatingRow kRatingTable[] = {
    // profile  diameter group        speed band               i < 1.5  i >= 1.5
    {XPZ, {kAny,    Lt(112)}, {Gt(2700), Lt(3200)},  5.23F,  5.51F},
    {XPZ, {kAny,    Lt(112)}, {Ge(3200), Lt(3600)},  5.75F,  6.07F},
    {XPZ, {kAny,    Lt(112)}, {Ge(3600), Lt(4000)},  6.32F,  6.67F},
    {XPZ, {kAny,    Lt(112)}, {Ge(4000), Lt(5000)},  6.85F,  7.25F},
    {XPZ, {kAny,    Lt(112)}, {Ge(5000), kAny},      8.00F,  8.50F},
    {XPZ, {Ge(112), Lt(125)}, {Gt(2700), Lt(3200)},  6.12F,  6.40F},
    {XPZ, {Ge(112), Lt(125)}, {Ge(3200), Lt(3600)},  6.72F,  7.04F},
    {XPZ, {Ge(112), Lt(125)}, {Ge(3600), Lt(4000)},  7.37F,  7.73F},
    {XPZ, {Ge(112), Lt(125)}, {Ge(4000), Lt(5000)},  7.98F,  8.37F},
    {XPZ, {Ge(112), Lt(125)}, {Ge(5000), kAny},      9.30F,  9.80F},
    {XPZ, {Ge(125), kAny},    {Gt(2700), Lt(3200)},  7.06F,  7.25F},
    {XPZ, {Ge(125), kAny},    {Ge(3200), Lt(3600)},  7.74F,  7.96F},
    {XPZ, {Ge(125), kAny},    {Ge(3600), Lt(4000)},  8.47F,  8.71F},
    {XPZ, {Ge(125), kAny},    {Ge(4000), Lt(5000)},  9.14F,  9.41F},
    {XPZ, {Ge(125), kAny},    {Ge(5000), kAny},     10.50F, 10.90F},

    {XPA, {kAny,    Lt(125)}, {Gt(2700), Lt(3200)},  8.43F,  9.08F},
    {XPA, {kAny,    Lt(125)}, {Ge(3200), Lt(3600)},  9.23F,  9.96F},
    {XPA, {kAny,    Lt(125)}, {Ge(3600), Lt(4000)}, 10.08F, 10.90F},
    {XPA, {kAny,    Lt(125)}, {Ge(4000), Lt(5000)}, 10.86F, 11.77F},
    {XPA, {kAny,    Lt(125)}, {Ge(5000), kAny},     12.46F, 13.60F},
    {XPA, {Ge(125), Lt(140)}, {Gt(2700), Lt(3200)}, 10.03F, 10.68F},
    {XPA, {Ge(125), Lt(140)}, {Ge(3200), Lt(3600)}, 10.97F, 11.70F},
    {XPA, {Ge(125), Lt(140)}, {Ge(3600), Lt(4000)}, 11.96F, 12.78F},
    {XPA, {Ge(125), Lt(140)}, {Ge(4000), Lt(5000)}, 12.85F, 13.76F},
    {XPA, {Ge(125), Lt(140)}, {Ge(5000), kAny},     14.63F, 15.77F},
    {XPA, {Ge(140), kAny},    {Gt(2700), Lt(3200)}, 11.82F, 12.47F},
    {XPA, {Ge(140), kAny},    {Ge(3200), Lt(3600)}, 12.90F, 13.63F},
    {XPA, {Ge(140), kAny},    {Ge(3600), Lt(4000)}, 14.03F, 14.84F},
    {XPA, {Ge(140), kAny},    {Ge(4000), Lt(5000)}, 15.02F, 15.93F},
    {XPA, {Ge(140), kAny},    {Ge(5000), kAny},     16.90F, 18.03F},

    {XPB, {kAny,    Lt(160)}, {Gt(2700), Lt(3200)}, 16.67F, 18.08F},
    {XPB, {kAny,    Lt(160)}, {Ge(3200), Lt(3600)}, 18.08F, 19.67F},
    {XPB, {kAny,    Lt(160)}, {Ge(3600), Lt(4000)}, 19.51F, 21.29F},
    {XPB, {kAny,    Lt(160)}, {Ge(4000), Lt(5000)}, 21.88F, 24.11F},
    {XPB, {kAny,    Lt(160)}, {Ge(5000), kAny},     22.73F, 25.70F},
    {XPB, {Ge(160), Lt(180)}, {Gt(2700), Lt(3200)}, 20.57F, 21.98F},
    {XPB, {Ge(160), Lt(180)}, {Ge(3200), Lt(3600)}, 22.24F, 23.83F},
    {XPB, {Ge(160), Lt(180)}, {Ge(3600), Lt(4000)}, 23.88F, 25.66F},
    {XPB, {Ge(160), Lt(180)}, {Ge(4000), Lt(5000)}, 26.34F, 28.57F},
    {XPB, {Ge(160), Lt(180)}, {Ge(5000), kAny},     25.91F, 28.88F},
    {XPB, {Ge(180), kAny},    {Gt(2700), Lt(3200)}, 24.25F, 25.66F},
    {XPB, {Ge(180), kAny},    {Ge(3200), Lt(3600)}, 26.11F, 27.69F},
    {XPB, {Ge(180), kAny},    {Ge(3600), Lt(4000)}, 27.84F, 29.62F},
    {XPB, {Ge(180), kAny},    {Ge(4000), Lt(5000)}, 30.04F, 32.26F},
    {XPB, {Ge(180), kAny},    {Ge(5000), kAny},      0.00F,  0.00F},

    {XPC, {kAny,    Lt(224)}, {Gt(2700), Lt(3200)}, 29.27F, 33.19F},
    {XPC, {kAny,    Lt(224)}, {Ge(3200), Lt(3600)}, 30.57F, 34.97F},
    {XPC, {kAny,    Lt(224)}, {Ge(3600), Le(4000)}, 31.13F, 36.23F},
    {XPC, {kAny,    Lt(224)}, {Gt(4000), kAny},      0.00F,  0.00F},
    {XPC, {Ge(224), kAny},    {Gt(2700), Lt(3200)}, 35.83F, 39.75F},
    {XPC, {Ge(224), kAny},    {Ge(3200), Lt(3600)}, 37.21F, 41.61F},
    {XPC, {Ge(224), kAny},    {Ge(3600), Le(4000)}, 37.75F, 42.54F},
    {XPC, {Ge(224), kAny},    {Gt(4000), kAny},      0.00F,  0.00F},

    {SPZ, {kAny,    Lt(112)}, {Gt(2700), Lt(3500)},  4.28F,  4.66F},
    {SPZ, {kAny,    Lt(112)}, {Ge(3500), Lt(4000)},  4.95F,  5.41F},
    {SPZ, {kAny,    Lt(112)}, {Ge(4000), Lt(5000)},  5.38F,  5.91F},
    {SPZ, {kAny,    Lt(112)}, {Ge(5000), Lt(6000)},  6.03F,  6.69F},
    {SPZ, {kAny,    Lt(112)}, {Ge(6000), kAny},      5.71F,  6.77F},
    {SPZ, {Ge(112), Lt(125)}, {Gt(2700), Lt(3500)},  5.15F,  5.53F},
    {SPZ, {Ge(112), Lt(125)}, {Ge(3500), Lt(4000)},  5.94F,  6.40F},
    {SPZ, {Ge(112), Lt(125)}, {Ge(4000), Lt(5000)},  6.45F,  6.97F},
    {SPZ, {Ge(112), Lt(125)}, {Ge(5000), Lt(6000)},  7.15F,  7.81F},
    {SPZ, {Ge(112), Lt(125)}, {Ge(6000), Lt(6500)},  7.38F,  8.17F},
    {SPZ, {Ge(112), Lt(125)}, {Ge(6500), kAny},      0.00F,  0.00F},
    {SPZ, {Ge(125), kAny},    {Gt(2700), Lt(3500)},  6.06F,  6.44F},
    {SPZ, {Ge(125), kAny},    {Ge(3500), Lt(4000)},  6.96F,  7.42F},
    {SPZ, {Ge(125), kAny},    {Ge(4000), Lt(5000)},  7.51F,  8.04F},
    {SPZ, {Ge(125), kAny},    {Ge(5000), Lt(6500)},  8.21F,  8.87F},
    {SPZ, {Ge(125), kAny},    {Ge(6500), kAny},      0.00F,  0.00F},

    {SPA, {kAny,    Lt(125)}, {Gt(2700), Lt(3500)},  5.86F,  6.73F},
    {SPA, {kAny,    Lt(125)}, {Ge(3500), Lt(4000)},  6.57F,  7.65F},
    {SPA, {kAny,    Lt(125)}, {Ge(4000), Lt(5000)},  6.96F,  8.18F},
    {SPA, {kAny,    Lt(125)}, {Ge(5000), Lt(5800)},  7.24F,  8.77F},
    {SPA, {kAny,    Lt(125)}, {Ge(5800), Lt(6500)},  6.79F,  8.63F},
    {SPA, {kAny,    Lt(125)}, {Ge(6500), kAny},      0.00F,  0.00F},
    {SPA, {Ge(125), Lt(140)}, {Gt(2700), Lt(3500)},  7.39F,  8.27F},
    {SPA, {Ge(125), Lt(140)}, {Ge(3500), Lt(4000)},  8.30F,  9.37F},
    {SPA, {Ge(125), Lt(140)}, {Ge(4000), Lt(5000)},  8.78F, 10.00F},
    {SPA, {Ge(125), Lt(140)}, {Ge(5000), Lt(6000)},  9.08F, 10.61F},
    {SPA, {Ge(125), Lt(140)}, {Ge(6000), Lt(6500)},  8.38F, 10.22F},
    {SPA, {Ge(125), Lt(140)}, {Ge(6500), kAny},      0.00F,  0.00F},
    {SPA, {Ge(140), kAny},    {Gt(2700), Lt(3500)},  9.09F,  9.96F},
    {SPA, {Ge(140), kAny},    {Ge(3500), Lt(4000)}, 10.16F, 11.24F},
    {SPA, {Ge(140), kAny},    {Ge(4000), Lt(5000)}, 10.69F, 11.92F},
    {SPA, {Ge(140), kAny},    {Ge(5000), Lt(6000)}, 10.86F, 12.40F},
    {SPA, {Ge(140), kAny},    {Ge(6000), Lt(6500)},  9.65F, 11.49F},
    {SPA, {Ge(140), kAny},    {Ge(6500), kAny},      0.00F,  0.00F},

    {SPB, {kAny,    Lt(160)}, {Gt(2700), Lt(3500)},  9.02F, 10.93F},
    {SPB, {kAny,    Lt(160)}, {Ge(3500), Lt(4000)},  9.43F, 11.78F},
    {SPB, {kAny,    Lt(160)}, {Ge(4000), Lt(5000)},  9.25F, 11.94F},
    {SPB, {kAny,    Lt(160)}, {Ge(5000), Lt(5500)},  7.38F, 10.74F},
    {SPB, {kAny,    Lt(160)}, {Ge(5500), kAny},      0.00F,  0.00F},
    {SPB, {Ge(160), Lt(180)}, {Gt(2700), Lt(3500)}, 12.44F, 14.36F},
    {SPB, {Ge(160), Lt(180)}, {Ge(3500), Lt(4000)}, 13.03F, 15.39F},
    {SPB, {Ge(160), Lt(180)}, {Ge(4000), Lt(5000)}, 12.77F, 15.46F},
    {SPB, {Ge(160), Lt(180)}, {Ge(5000), Lt(5500)}, 10.06F, 13.42F},
    {SPB, {Ge(160), Lt(180)}, {Ge(5500), kAny},      0.00F,  0.00F},
    {SPB, {Ge(180), kAny},    {Gt(2700), Lt(3500)}, 15.58F, 17.50F},
    {SPB, {Ge(180), kAny},    {Ge(3500), Lt(4000)}, 16.15F, 18.51F},
    {SPB, {Ge(180), kAny},    {Ge(4000), Lt(4500)}, 15.90F, 18.28F},
    {SPB, {Ge(180), kAny},    {Ge(4500), kAny},      0.00F,  0.00F},

    {SPC, {kAny,    Lt(250)}, {Gt(2700), Lt(3000)}, 20.78F, 26.03F},
    {SPC, {kAny,    Lt(250)}, {Ge(3000), Lt(3700)}, 16.00F, 22.44F},
    {SPC, {kAny,    Lt(250)}, {Ge(3700), kAny},      0.00F,  0.00F},
    {SPC, {Ge(250), kAny},    {Gt(2700), Lt(3000)}, 25.78F, 31.03F},
    {SPC, {Ge(250), kAny},    {Ge(3000), kAny},      0.00F,  0.00F},
};
// clang-format on

// Between the tabulated diameters the rating grows by steps: a factor for each
// threshold the screw pulley reaches, or for "SPC" below 250 mm the square of
// d / 224 (1 at 224 mm).
struct StepFactor {
  double factor;
  double square_of_d_over;  // 0 for a plain factor
};
constexpr StepFactor Times(double factor) { return {factor, 0}; }
constexpr StepFactor SquareOfDOver(double d) { return {0, d}; }

constexpr float kAnyD = -std::numeric_limits<float>::infinity();

struct DiameterStep {
  Profile profile;
  Interval group;
  float from_d;  // applies when d >= from_d
  StepFactor step;
};

// Applied one after the other, in this order, each product stored as a single.
// clang-format off
constexpr DiameterStep kDiameterSteps[] = {
    // profile  diameter group      from d   factor
    {XPZ, {Ge(112), Lt(125)}, 118,   Times(1.1)},
    {XPZ, {Ge(125), kAny},    132,   Times(1.05)},
    {XPZ, {Ge(125), kAny},    140,   Times(1.05)},

    {XPA, {Ge(125), Lt(140)}, 132,   Times(1.1)},
    {XPA, {Ge(140), kAny},    150,   Times(1.1)},

    {XPB, {Ge(160), Lt(180)}, 170,   Times(1.1)},
    {XPB, {Ge(180), kAny},    190,   Times(1.1)},

    {XPC, {Ge(224), kAny},    236,   Times(1.1)},
    {XPC, {Ge(224), kAny},    250,   Times(1.1)},

    {SPZ, {Ge(112), Lt(125)}, 118,   Times(1.1)},
    {SPZ, {Ge(125), kAny},    132,   Times(1.05)},
    {SPZ, {Ge(125), kAny},    140,   Times(1.05)},

    {SPA, {Ge(125), Lt(140)}, 132,   Times(1.1)},
    {SPA, {Ge(140), kAny},    150,   Times(1.1)},

    {SPB, {kAny,    Lt(160)}, 150,   Times(1.1)},
    {SPB, {Ge(160), Lt(180)}, 170,   Times(1.1)},
    {SPB, {Ge(180), kAny},    190,   Times(1.05)},
    {SPB, {Ge(180), kAny},    200,   Times(1.05)},

    {SPC, {kAny,    Lt(250)}, kAnyD, SquareOfDOver(224)},
    {SPC, {Ge(250), kAny},    265,   Times(1.1)},
    {SPC, {Ge(250), kAny},    280,   Times(1.1)},
};
// clang-format on

// --- Checks of the tables' shape, made by the compiler --------------------------

// For every profile the diameter groups cover all diameters, and within each group
// the speed bands run without gaps from just above kRatedAboveSpeed to no upper bound.
constexpr bool TableIsComplete() {
  std::span<const RatingRow> rows = kRatingTable;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const RatingRow& r = rows[k];
    bool first_of_profile = k == 0 || rows[k - 1].profile != r.profile;
    bool first_of_group = first_of_profile || rows[k - 1].d != r.d;
    bool last_of_profile = k + 1 == rows.size() || rows[k + 1].profile != r.profile;
    bool last_of_group = last_of_profile || rows[k + 1].d != r.d;
    if (first_of_profile && !r.d.low.none) return false;
    if (last_of_profile && !r.d.high.none) return false;
    if (first_of_group && !first_of_profile && !Adjoin(rows[k - 1].d.high, r.d.low)) return false;
    if (first_of_group && !(r.n.low.value == kRatedAboveSpeed && !r.n.low.inclusive)) return false;
    if (!first_of_group && !Adjoin(rows[k - 1].n.high, r.n.low)) return false;
    if (last_of_group && !r.n.high.none) return false;
  }
  return true;
}
static_assert(TableIsComplete());

// Every step belongs to a diameter group of its profile, and a group's thresholds
// rise.
constexpr bool StepsAreInOrder() {
  std::span<const DiameterStep> steps = kDiameterSteps;
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const DiameterStep& s = steps[k];
    bool known = false;
    for (const RatingRow& r : kRatingTable) {
      known = known || (r.profile == s.profile && r.d == s.group);
    }
    if (!known) return false;
    if (k > 0 && steps[k - 1].profile == s.profile && steps[k - 1].group == s.group &&
        !(steps[k - 1].from_d < s.from_d)) {
      return false;
    }
  }
  return true;
}
static_assert(StepsAreInOrder());

// -------------------------------------------------------------------------------

// Every speed above kRatedAboveSpeed has its row; a slower one has none.
const RatingRow* FindRow(Profile profile, double d, double n) {
  for (const RatingRow& r : kRatingTable) {
    if (r.profile == profile && r.d.Holds(d) && r.n.Holds(n)) return &r;
  }
  return nullptr;
}

}  // namespace

void RateBelt(Form1& form) {
  std::optional<int> index = SelectedProfile(form);
  if (!index) return;
  auto profile = static_cast<Profile>(*index);
  double d = form.cellB.value();
  const RatingRow* row = FindRow(profile, d, form.screwSpeed.value());
  if (row == nullptr) return;  // not rated: the caller rates only faster screws

  form.beltRating = form.speedRatio.get() < kSecondColumnRatio ? row->below_1_5 : row->from_1_5;

  for (const DiameterStep& s : kDiameterSteps) {
    if (s.profile != profile || !s.group.Holds(d) || !(d >= s.from_d)) continue;
    if (s.step.square_of_d_over != 0) {
      form.beltRating = Pow(Num(d) / s.step.square_of_d_over, 2) * form.beltRating;
    } else {
      form.beltRating = Num(form.beltRating) * s.step.factor;
    }
  }
}

}  // namespace selbrin
