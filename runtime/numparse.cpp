#include "runtime/numparse.h"

#include <cstdint>
#include <string>

#include "runtime/fault.h"
#include "runtime/std_fallback.h"

namespace selbrin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Far beyond any exponent a double can use, yet safe from integer overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000LL;

// Beyond this power of ten every number overflows a double (the largest is about
// 1.8e308), and below its negative every number reads as zero (the smallest is
// about 4.9e-324).
constexpr std::int64_t kBeyondDoubleMagnitude = 400;

// The text without its blanks, which may stand anywhere.
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }
  return s;
}

// A sign at s[i], if there is one: steps over it and says whether it is '-'.
bool ReadSign(const std::string& s, std::size_t& i) {
  if (i >= s.size() || (s[i] != '+' && s[i] != '-')) return false;
  return s[i++] == '-';
}

// The digits before and after the point. The value read is 0.DIGITS x 10^scale.
struct Mantissa {
  std::string digits;  // the significant digits, leading zeros dropped
  std::int64_t scale = 0;
  bool any_digit = false;
};

Mantissa ReadMantissa(const std::string& s, std::size_t& i) {
  Mantissa m;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    m.any_digit = true;
    if (m.digits.empty() && s[i] == '0') continue;
    m.digits.push_back(s[i]);
  }
  m.scale = static_cast<std::int64_t>(m.digits.size());
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      m.any_digit = true;
      if (m.digits.empty() && s[i] == '0') {
        --m.scale;  // a leading zero after the point moves the value down
        continue;
      }
      m.digits.push_back(s[i]);
    }
  }
  return m;
}

// The exponent after an 'e' or 'E' at s[i]; 0 when there is none, and a marker
// with no digit is ignored.
std::int64_t ReadExponent(const std::string& s, std::size_t i) {
  if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) return 0;
  ++i;
  bool negative = ReadSign(s, i);
  std::int64_t exponent = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    if (exponent < kExponentCap) exponent = exponent * 10 + (s[i] - '0');
  }
  return negative ? -exponent : exponent;
}

// 0.DIGITS x 10^magnitude, correctly rounded; DIGITS is not empty.
double FromDigits(const std::string& digits, std::int64_t magnitude) {
  if (magnitude > kBeyondDoubleMagnitude) Raise(FaultKind::Overflow);
  if (magnitude < -kBeyondDoubleMagnitude) return 0.0;
  std::string normal = "0." + digits + "e" + std::to_string(magnitude);
  double value = 0.0;
  auto [end, ec] = FromChars(normal.data(), normal.data() + normal.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    if (magnitude > 0) Raise(FaultKind::Overflow);
    value = 0.0;
  }
  return value;
}

}  // namespace

double ParseNumber(std::string_view text) {
  std::string s = WithoutBlanks(text);
  std::size_t i = 0;
  bool negative = ReadSign(s, i);
  Mantissa m = ReadMantissa(s, i);
  if (!m.any_digit) return 0.0;
  std::int64_t exponent = ReadExponent(s, i);
  double value = m.digits.empty() ? 0.0 : FromDigits(m.digits, m.scale + exponent);
  return negative ? -value : value;
}

}  // namespace selbrin
