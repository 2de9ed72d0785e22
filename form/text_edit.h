// The rules of editing text in a box with a limit on characters. Texts are UTF-8
// and a character is a Unicode code point; every face and the scenario runner
// count and cut characters with these functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace selbrin {

// True at the end of the text and at every byte that is not a UTF-8 continuation
// byte, that is where a character starts.
constexpr bool StartsChar(std::string_view text, std::size_t i) {
  return i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
}

// One well-formed UTF-8 character: its code point and its length in bytes.
struct Utf8Char {
  char32_t code_point;
  std::size_t length;
};

// The character that starts at byte `i`; empty where the bytes there are not a
// well-formed one (a stray or missing continuation byte, an overlong form, a
// surrogate, or a code point beyond U+10FFFF).
std::optional<Utf8Char> DecodeChar(std::string_view text, std::size_t i);

// The first `max_chars` characters of a UTF-8 text.
std::string CutToChars(std::string_view text, int max_chars);

// The number of characters of a UTF-8 text.
int CountChars(std::string_view text);

}  // namespace selbrin
