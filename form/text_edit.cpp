#include "form/text_edit.h"

#include <algorithm>
#include <array>

namespace selbrin {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

// The length of the character a lead byte starts, 0 for a byte that starts none.
std::size_t LeadLength(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c >> 5) == 0x6) return 2;
  if ((c >> 4) == 0xE) return 3;
  if ((c >> 3) == 0x1E) return 4;
  return 0;
}

}  // namespace

std::optional<Utf8Char> DecodeChar(std::string_view text, std::size_t i) {
  if (i >= text.size()) return std::nullopt;
  auto lead = static_cast<unsigned char>(text[i]);
  std::size_t len = LeadLength(lead);
  if (len == 0 || i + len > text.size()) return std::nullopt;
  static constexpr std::array<unsigned char, 5> kLeadBits{0, 0x7F, 0x1F, 0x0F, 0x07};
  static constexpr std::array<char32_t, 5> kShortest{0, 0, 0x80, 0x800, 0x10000};
  char32_t cp = lead & kLeadBits[len];
  for (std::size_t k = 1; k < len; ++k) {
    if (StartsChar(text, i + k)) return std::nullopt;  // a continuation byte is missing
    cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
  }
  if (cp < kShortest[len] || cp > kLastCodePoint) return std::nullopt;
  if (cp >= kFirstSurrogate && cp <= kLastSurrogate) return std::nullopt;
  return Utf8Char{cp, len};
}

std::string CutToChars(std::string_view text, int max_chars) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i) && ++chars > max_chars) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

int CountChars(std::string_view text) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i)) ++chars;
  }
  return chars;
}

}  // namespace selbrin
