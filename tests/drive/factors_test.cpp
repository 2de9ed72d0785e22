#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drive/factors.h"

namespace selbrin {
namespace {

float Below(float x) { return std::nextafter(x, -1e30F); }

EventRouting LoadOnly() {
  EventRouting r;
  r.Form_Load = Form_Load;  // for piValue
  return r;
}

struct ArcCos {
  float x;
  double degrees;
  double within;
};

class ArcCosDegTest : public testing::TestWithParam<ArcCos> {};

TEST_P(ArcCosDegTest, GivesDegrees) {
  Form1 form(LoadOnly());
  const ArcCos& c = GetParam();
  EXPECT_NEAR(ArcCosDeg(form, c.x), c.degrees, c.within) << "x=" << c.x;
}

INSTANTIATE_TEST_SUITE_P(Values, ArcCosDegTest,
                         testing::Values(ArcCos{0, 90, 0}, ArcCos{0.059F, 86.6176, 5e-5},
                                         ArcCos{0.5F, 60, 1e-5}, ArcCos{-0.5F, 120, 1e-5},
                                         ArcCos{Below(1), 0.0198, 1e-4}));

struct ArcCosFault {
  float x;
  FaultKind kind;
};

class ArcCosDegFault : public testing::TestWithParam<ArcCosFault> {};

TEST_P(ArcCosDegFault, Raises) {
  Form1 form(LoadOnly());
  const ArcCosFault& c = GetParam();
  try {
    (void)ArcCosDeg(form, c.x);
    ADD_FAILURE() << "x=" << c.x << " raised nothing";
  } catch (const Fault& f) {
    EXPECT_EQ(f.kind(), c.kind) << "x=" << c.x;
  }
}

INSTANTIATE_TEST_SUITE_P(OutsideTheOpenInterval, ArcCosDegFault,
                         testing::Values(ArcCosFault{1, FaultKind::DivisionByZero},
                                         ArcCosFault{-1, FaultKind::DivisionByZero},
                                         ArcCosFault{1.0000001F, FaultKind::InvalidArgument},
                                         ArcCosFault{-1.4F, FaultKind::InvalidArgument}));

struct Arc {
  float wrap_angle;
  float factor;
};

class ArcFactor : public testing::TestWithParam<Arc> {};

TEST_P(ArcFactor, FollowsTheBreakpoints) {
  Form1 form(LoadOnly());
  const Arc& c = GetParam();
  form.wrapAngle = c.wrap_angle;
  SetArcFactor(form);
  EXPECT_FLOAT_EQ(form.arcFactor.get(), c.factor) << "wrap angle " << c.wrap_angle;
}

INSTANTIATE_TEST_SUITE_P(Breakpoints, ArcFactor,
                         testing::ValuesIn(std::vector<Arc>{
                             {180, 1.0F},
                             {170, 0.975F},
                             {160, 0.95F},
                             {150, 0.9222222F},
                             {142, 0.90F},
                             {135, 0.8766667F},
                             {127, 0.85F},
                             {120, 0.825F},
                             {113, 0.80F},
                             {110, 0.80F},
                             {106.00001F, 0.80F},
                             {106, 0.75F},
                             {0, 0.75F},
                             {200, 0.80F},
                             {173.23517F, 0.983088F},  // the worked example's arc
                         }));

TEST(ServiceFactor, IsHigherForHeavyDuty) {
  Form1 form(LoadOnly());
  SetServiceFactor(form);
  EXPECT_EQ(form.serviceFactor.get(), 1.2F);
  form.Click(Ctl::chkC2);
  SetServiceFactor(form);
  EXPECT_EQ(form.serviceFactor.get(), 1.1F);
}

// The bounds of each group's row of the length factor table: just below a bound
// the factor of the row before (0 below the first), at the bound its own.
struct LengthBound {
  int profile;
  float bound;
  float below, at;
};

class LengthFactor : public testing::TestWithParam<LengthBound> {};

TEST_P(LengthFactor, ChangesAtEachBound) {
  const LengthBound& c = GetParam();
  Form1 form(LoadOnly());
  form.Select(c.profile);
  form.beltLength = Below(c.bound);
  SetLengthFactor(form);
  EXPECT_EQ(form.lengthFactor.get(), c.below) << "just below " << c.bound;
  form.beltLength = c.bound;
  SetLengthFactor(form);
  EXPECT_EQ(form.lengthFactor.get(), c.at) << "at " << c.bound;
}

INSTANTIATE_TEST_SUITE_P(EveryGroup, LengthFactor,
                         testing::ValuesIn(std::vector<LengthBound>{
                             {0, 590, 0, 0.82F},
                             {4, 800, 0.82F, 0.87F},
                             {0, 1000, 0.87F, 0.91F},
                             {4, 1250, 0.91F, 0.95F},
                             {0, 1500, 0.95F, 1.00F},
                             {1, 590, 0, 0.76F},
                             {5, 900, 0.76F, 0.83F},
                             {1, 1250, 0.83F, 0.88F},
                             {5, 1600, 0.88F, 0.92F},
                             {1, 2000, 0.92F, 0.96F},
                             {6, 1250, 0, 0.83F},
                             {2, 1500, 0.83F, 0.86F},
                             {6, 1800, 0.86F, 0.90F},
                             {2, 2000, 0.90F, 0.92F},
                             {6, 2250, 0.92F, 0.94F},
                             {7, 2000, 0, 0.85F},
                             {3, 2500, 0.85F, 0.88F},
                             {7, 2800, 0.88F, 0.90F},
                         }));

TEST(LengthFactor, StaysAsItWasWithNoProfileSelected) {
  Form1 form(LoadOnly());
  form.ClearOption(6);
  form.lengthFactor = 0.75;
  form.beltLength = 1612.78;
  SetLengthFactor(form);
  EXPECT_EQ(form.lengthFactor.get(), 0.75F);
}

}  // namespace
}  // namespace selbrin
