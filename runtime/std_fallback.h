// Three C++20 library pieces that some standard libraries still lack (libc++ 13,
// the one the WebAssembly build uses, has no floating-point from_chars, no
// to_chars with a precision and no bit_cast). Where the library has them these
// are the library's own; elsewhere small stand-ins give the same bytes.
#pragma once

#include <bit>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <version>

namespace selbrin {

// Room for any double in fixed notation: the 309 integer digits of the largest,
// its sign, the point and far more decimals than any control shows.
inline constexpr std::size_t kFixedTextRoom = 400;

#if defined(__cpp_lib_to_chars)

inline std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}

inline std::to_chars_result ToCharsFixed(char* first, char* last, double value, int decimals) {
  return std::to_chars(first, last, value, std::chars_format::fixed, decimals);
}

inline std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int digits) {
  return std::to_chars(first, last, value, std::chars_format::general, digits);
}

#else

// A decimal in plain or exponent form, correctly rounded. Like from_chars it
// leaves `value` alone and says result_out_of_range when the number is beyond
// the double range, or so small that it reads 0.
std::from_chars_result FromChars(const char* first, const char* last, double& value);

// Fixed notation with `decimals` digits after the point, of the exact binary
// value, correctly rounded.
std::to_chars_result ToCharsFixed(char* first, char* last, double value, int decimals);

// Shortest of fixed and exponent notation with `digits` significant digits, as
// printf's %g writes it in the C locale.
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int digits);

#endif

template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From));
#if defined(__cpp_lib_bit_cast)
  return std::bit_cast<To>(from);
#else
  return __builtin_bit_cast(To, from);
#endif
}

}  // namespace selbrin
