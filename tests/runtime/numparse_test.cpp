#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/fault.h"
#include "runtime/numparse.h"

namespace selbrin {
namespace {

struct ParseCase {
  const char* text;
  double value;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheLeadingNumber) {
  const ParseCase& c = GetParam();
  EXPECT_EQ(ParseNumber(c.text), c.value) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(
        // plain numbers
        ParseCase{"3000", 3000}, ParseCase{"18.5", 18.5}, ParseCase{"-13", -13}, ParseCase{"+7", 7},
        ParseCase{".5", 0.5}, ParseCase{"5.", 5}, ParseCase{"007", 7}, ParseCase{"0.059", 0.059},
        ParseCase{"1612.78", 1612.78},
        // blanks are skipped wherever they stand
        ParseCase{" 1 2 ", 12}, ParseCase{"1 2.5", 12.5}, ParseCase{"- 3", -3},
        ParseCase{"\t4\n2", 42}, ParseCase{"1 e 3", 1000},
        // reading stops at the first other character
        ParseCase{"7,5", 7}, ParseCase{"1.2.3", 1.2}, ParseCase{"3-", 3}, ParseCase{"--3", 0},
        ParseCase{"&H10", 0}, ParseCase{"12abc", 12}, ParseCase{"1\r2", 1},
        // no digit at all
        ParseCase{"", 0}, ParseCase{".", 0}, ParseCase{"-", 0}, ParseCase{"abc", 0},
        ParseCase{"e5", 0}, ParseCase{"-.", 0}, ParseCase{"inf", 0}, ParseCase{"nan", 0},
        // exponents
        ParseCase{"1e3", 1000}, ParseCase{"5.e3", 5000}, ParseCase{"2E-2", 0.02},
        ParseCase{"1e+2", 100}, ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"1e-", 1},
        ParseCase{"1ex", 1}, ParseCase{".5e1", 5},
        // the double range: too small reads as the nearest double
        ParseCase{"1e-400", 0}, ParseCase{"4.9e-324", 4.9e-324},
        ParseCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
        ParseCase{"0.000000000000000000000000000001e330", 1e300},
        ParseCase{"1e-99999999999999999999999", 0}));

TEST(ParseNumber, NegativeZeroIsZero) {
  EXPECT_EQ(ParseNumber("-0"), 0.0);
  EXPECT_EQ(ParseNumber("-0e999"), 0.0);
}

TEST(ParseNumber, RoundsTheDecimalCorrectly) {
  // 0.1 + 0.2 typed as one number is the double nearest 0.3, not their sum.
  EXPECT_EQ(ParseNumber("0.3"), 0.3);
  EXPECT_EQ(ParseNumber("2.2250738585072011e-308"), 2.2250738585072011e-308);
  std::string many(5000, '1');
  EXPECT_DOUBLE_EQ(ParseNumber("0." + many), 0.1111111111111111);
  EXPECT_EQ(ParseNumber(std::string(300, '9')), 1e300);
}

TEST(ParseNumber, BeyondTheDoubleRangeIsAnOverflow) {
  for (const char* text : {"1e999", "-1e999", "1.8e308", "1e99999999999999999999",
                           "1000000000000000000000000000000000000000e300"}) {
    try {
      ParseNumber(text);
      ADD_FAILURE() << text << " did not raise";
    } catch (const Fault& f) {
      EXPECT_EQ(f.kind(), FaultKind::Overflow) << text;
    }
  }
  EXPECT_THROW(ParseNumber(std::string(400, '9')), Fault);
}

}  // namespace
}  // namespace selbrin
