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

// One user edit of a box that takes at most `max_chars` characters: `before` was
// turned into `after` by a keystroke, a paste or a drop. The characters it
// inserts are cut to the room left, as the box's limit does it; `cursor` is the
// byte offset just after what was kept. Empty when the edit adds characters and
// none fits: the edit is refused. An edit that does not lengthen the text passes,
// even when a program write left it over the limit.
struct FittedEdit {
  std::string text;
  std::size_t cursor = 0;
};
std::optional<FittedEdit> FitUserEdit(std::string_view before, std::string_view after,
                                      int max_chars);

}  // namespace selbrin
