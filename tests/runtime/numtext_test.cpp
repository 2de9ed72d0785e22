#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "runtime/numtext.h"
#include "runtime/std_fallback.h"

namespace selbrin {
namespace {

struct ShownCase {
  double value;
  int decimals;
  const char* text;
};

class ShownNumberTest : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownNumberTest, WritesTheRoundedValue) {
  const ShownCase& c = GetParam();
  EXPECT_EQ(ShownNumber(c.value, c.decimals), c.text) << c.value << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShownNumberTest,
    testing::Values(
        // whole numbers, and ties that are exact in binary go to the even neighbour
        ShownCase{250, 0, "250"}, ShownCase{452.5, 0, "452"}, ShownCase{453.5, 0, "454"},
        ShownCase{0.5, 0, "0"}, ShownCase{1.5, 0, "2"}, ShownCase{-2.5, 0, "-2"},
        ShownCase{0.125, 2, "0.12"}, ShownCase{0.375, 2, "0.38"},
        // the exact binary value decides, not the decimal written in the source
        ShownCase{2.675, 2, "2.67"}, ShownCase{1.005, 2, "1"},
        // trailing zeros and the point are dropped
        ShownCase{9.0, 2, "9"}, ShownCase{59.50, 2, "59.5"}, ShownCase{173.2352, 2, "173.24"},
        ShownCase{19.1100001, 2, "19.11"},
        // a single widened exactly: 1612.78f is 1612.780029296875
        ShownCase{static_cast<double>(1612.78F), 1, "1612.8"},
        ShownCase{static_cast<double>(0.1F), 9, "0.100000001"},
        // never "-0"
        ShownCase{-0.004, 2, "0"}, ShownCase{-0.0, 0, "0"}, ShownCase{-0.4, 0, "0"},
        ShownCase{-8.6, 1, "-8.6"}, ShownCase{-13, 2, "-13"},
        // huge values in fixed notation, no exponent and no grouping
        ShownCase{1e20, 0, "100000000000000000000"}, ShownCase{1e22, 2, "10000000000000000000000"},
        ShownCase{3.4028234663852886e38, 0, "340282346638528859811704183484516925440"}));

TEST(ShownNumber, LargestDoubleHasAllItsDigits) {
  std::string s = ShownNumber(std::numeric_limits<double>::max(), 2);
  EXPECT_EQ(s.size(), 309U);
  EXPECT_EQ(s.substr(0, 6), "179769");
  EXPECT_EQ(s.find_first_not_of("0123456789"), std::string::npos);
}

struct RatioCase {
  double value;
  const char* text;
};

class RatioTextTest : public testing::TestWithParam<RatioCase> {};

TEST_P(RatioTextTest, WritesTheRatioPattern) {
  EXPECT_EQ(RatioText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RatioTextTest,
    testing::Values(RatioCase{static_cast<double>(3000.0F / 2940.0F), "1.02"},
                    RatioCase{0.5, ".50"}, RatioCase{0, ".00"}, RatioCase{12.5, "12.50"},
                    RatioCase{-0.5, "-.50"}, RatioCase{-0.004, ".00"}, RatioCase{-0.0, ".00"},
                    RatioCase{static_cast<double>(99999.0F / 1430.0F), "69.93"},
                    RatioCase{1.125, "1.12"}, RatioCase{0.9951, "1.00"}, RatioCase{0.995, ".99"},
                    RatioCase{1e20, "100000000000000000000.00"}, RatioCase{-12.345, "-12.35"}));

// The sheet's numbers: six significant digits, the point always '.', whichever
// library writes them (the web build's has no to_chars of its own).
TEST(ToCharsGeneral, WritesSixSignificantDigitsWithAPoint) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {{2940, "2940"},     {0.1, "0.1"},       {-12.345678, "-12.3457"},
                      {50, "50"},         {1e-5, "1e-05"},    {1234567, "1.23457e+06"},
                      {179.31, "179.31"}, {999999.5, "1e+06"}};
  for (const Row& row : rows) {
    char buf[32];
    auto [end, ec] = ToCharsGeneral(buf, buf + sizeof buf, row.value, 6);
    ASSERT_EQ(ec, std::errc()) << row.text;
    EXPECT_EQ(std::string(buf, end), row.text);
  }
}

}  // namespace
}  // namespace selbrin
