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

}  // namespace

double ParseNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }

  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  std::string digits;  // the significant digits, leading zeros dropped
  bool any_digit = false;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    any_digit = true;
    if (digits.empty() && s[i] == '0') continue;
    digits.push_back(s[i]);
  }
  std::int64_t int_digits = static_cast<std::int64_t>(digits.size());
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      any_digit = true;
      if (digits.empty() && s[i] == '0') {
        --int_digits;  // a leading zero after the point moves the value down
        continue;
      }
      digits.push_back(s[i]);
    }
  }
  if (!any_digit) return 0.0;

  std::int64_t exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    bool exp_negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      exp_negative = s[j] == '-';
      ++j;
    }
    if (j < s.size() && IsDigit(s[j])) {  // a marker with no digit is ignored
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (s[j] - '0');
      }
      if (exp_negative) exponent = -exponent;
    }
  }
  if (digits.empty()) return negative ? -0.0 : 0.0;

  // The value is 0.DIGITS x 10^(int_digits + exponent).
  std::int64_t magnitude = int_digits + exponent;
  if (magnitude > 400) Raise(FaultKind::Overflow);
  if (magnitude < -400) return negative ? -0.0 : 0.0;

  std::string normal = "0." + digits + "e" + std::to_string(magnitude);
  double value = 0.0;
  auto [end, ec] = FromChars(normal.data(), normal.data() + normal.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    if (magnitude > 0) Raise(FaultKind::Overflow);
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace selbrin
