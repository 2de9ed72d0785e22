#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "runtime/num.h"
#include "runtime/single.h"

namespace selbrin {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

struct FaultCase {
  const char* what;
  std::function<void()> action;
  FaultKind kind;
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, RaisesItsKind) {
  const FaultCase& c = GetParam();
  try {
    c.action();
    ADD_FAILURE() << c.what << " raised nothing";
  } catch (const Fault& f) {
    EXPECT_EQ(f.kind(), c.kind) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FaultTest,
    testing::Values(FaultCase{"1 / 0", [] { (void)(Num(1) / 0); }, FaultKind::DivisionByZero},
                    FaultCase{"0 / 0", [] { (void)(Num(0) / 0); }, FaultKind::DivisionByZero},
                    FaultCase{"sqrt(-1)", [] { (void)Sqrt(-1); }, FaultKind::InvalidArgument},
                    FaultCase{"(-1)^0.5", [] { (void)Pow(-1, 0.5); }, FaultKind::InvalidArgument},
                    FaultCase{"0^-1", [] { (void)Pow(0, -1); }, FaultKind::DivisionByZero},
                    FaultCase{"max * 2", [] { (void)(Num(kMax) * 2); }, FaultKind::Overflow},
                    FaultCase{"max + max", [] { (void)(Num(kMax) + kMax); }, FaultKind::Overflow},
                    FaultCase{"-max - max", [] { (void)(-Num(kMax) - kMax); }, FaultKind::Overflow},
                    FaultCase{"1e300 ^ 2", [] { (void)Pow(1e300, 2); }, FaultKind::Overflow},
                    FaultCase{"1 / 1e-320", [] { (void)(Num(1) / 1e-320); }, FaultKind::Overflow},
                    FaultCase{"single of 1e39", [] { (void)ToSingle(1e39); }, FaultKind::Overflow},
                    FaultCase{"single of -3.5e38", [] { (void)ToSingle(-3.5e38); },
                              FaultKind::Overflow},
                    FaultCase{"store 1e39 into a cell",
                              [] {
                                Single s;
                                s = 1e39;
                              },
                              FaultKind::Overflow}));

TEST(Arithmetic, WholeExponentsOfNegativeNumbersAreFine) {
  EXPECT_EQ(Pow(-3, 2).value(), 9);
  EXPECT_EQ(Pow(0.0, 0.5).value(), 0);
  EXPECT_EQ(Sqrt(0).value(), 0);
}

TEST(Single, RoundsToNearestSingleWhenStored) {
  Single s;
  s = 7.06 * 1.05;
  EXPECT_EQ(s.get(), static_cast<float>(7.06 * 1.05));
  // Just above the largest single, but nearer to it than to infinity.
  s = 3.4028235e38;
  EXPECT_EQ(s.get(), std::numeric_limits<float>::max());
  s = 1e-50;  // too small reads as zero, as the nearest single
  EXPECT_EQ(s.get(), 0.0F);
}

TEST(Single, ADiameterStepIsStoredAfterEachProduct) {
  // 7.06 x 1.05 x 1.05 with a store after each product, in double arithmetic.
  Single r;
  r = 7.06F;
  r = Num(r) * 1.05;
  r = Num(r) * 1.05;
  EXPECT_EQ(static_cast<double>(r.get()), 7.783649921417236);
}

}  // namespace
}  // namespace selbrin
