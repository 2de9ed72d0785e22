#include "runtime/std_fallback.h"

#if !defined(__cpp_lib_to_chars)

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace selbrin {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Longest exponent digit run kept; anything longer is far outside the range.
constexpr std::size_t kMaxExponentDigits = 6;

// The same number with no decimal point ("12.5e3" becomes "125e2"), so that the
// C library reads it the same in every locale.
std::string WithoutPoint(const char*& p, const char* last) {
  std::string s;
  if (p < last && (*p == '-' || *p == '+')) s.push_back(*p++);
  long shift = 0;
  for (; p < last && IsDigit(*p); ++p) s.push_back(*p);
  if (p < last && *p == '.') {
    for (++p; p < last && IsDigit(*p); ++p, --shift) s.push_back(*p);
  }
  long exponent = 0;
  if (p < last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    bool negative = q < last && *q == '-';
    if (q < last && (*q == '-' || *q == '+')) ++q;
    std::string digits;
    for (; q < last && IsDigit(*q); ++q) {
      if (digits.size() < kMaxExponentDigits) digits.push_back(*q);
    }
    if (!digits.empty()) {
      exponent = std::stol(digits) * (negative ? -1 : 1);
      p = q;
    }
  }
  return s + "e" + std::to_string(exponent + shift);
}

}  // namespace

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  const char* p = first;
  std::string plain = WithoutPoint(p, last);
  if (plain.find_first_of("0123456789") == std::string::npos) {
    return {first, std::errc::invalid_argument};
  }
  errno = 0;
  double read = std::strtod(plain.c_str(), nullptr);
  bool zero_digits = plain.find_first_of("123456789") > plain.find('e');
  if (std::isinf(read) || (read == 0.0 && !zero_digits)) {
    return {p, std::errc::result_out_of_range};
  }
  value = read;
  return {p, std::errc()};
}

namespace {

// printf's text of `value` in `format`, with whatever the locale writes for the
// point made '.' (an exponent's sign and digits are kept).
std::to_chars_result Printed(char* first, char* last, const char* format, double value,
                             int precision) {
  char buf[kFixedTextRoom];
  int n = std::snprintf(buf, sizeof buf, format, precision, value);
  if (n < 0 || static_cast<std::size_t>(n) >= sizeof buf) return {last, std::errc::value_too_large};
  std::string out;
  bool point = false;
  for (int i = 0; i < n; ++i) {
    char c = buf[i];
    bool kept = IsDigit(c) || c == '-' || c == '+' || c == 'e' || c == 'i' || c == 'n' ||
                c == 'f' || c == 'a';
    if (kept) {
      out.push_back(c);
    } else if (!point) {
      out.push_back('.');
      point = true;
    }
  }
  if (out.size() > static_cast<std::size_t>(last - first))
    return {last, std::errc::value_too_large};
  std::memcpy(first, out.data(), out.size());
  return {first + out.size(), std::errc()};
}

}  // namespace

std::to_chars_result ToCharsFixed(char* first, char* last, double value, int decimals) {
  return Printed(first, last, "%.*f", value, decimals);
}

std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int digits) {
  return Printed(first, last, "%.*g", value, digits);
}

}  // namespace selbrin

#endif
