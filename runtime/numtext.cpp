#include "runtime/numtext.h"

#include <array>
#include <charconv>

#include "runtime/std_fallback.h"

namespace selbrin {
namespace {

// Fixed notation of the exact binary value, correctly rounded half to even.
std::string Fixed(double value, int decimals) {
  std::array<char, kFixedTextRoom> buf{};
  auto [end, ec] = ToCharsFixed(buf.data(), buf.data() + buf.size(), value, decimals);
  if (ec != std::errc()) return {};
  return {buf.data(), end};
}

bool IsAllZero(const std::string& s) {
  for (char c : s) {
    if (c != '0' && c != '.' && c != '-') return false;
  }
  return true;
}

}  // namespace

std::string ShownNumber(double value, int decimals) {
  std::string s = Fixed(value, decimals);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (IsAllZero(s)) return "0";
  return s;
}

std::string RatioText(double value) {
  std::string s = Fixed(value, 2);
  if (IsAllZero(s)) return ".00";
  bool negative = s.front() == '-';
  if (negative) s.erase(0, 1);
  if (s.starts_with("0.")) s.erase(0, 1);
  return negative ? "-" + s : s;
}

}  // namespace selbrin
