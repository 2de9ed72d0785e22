#include "ui/common/user_edit.h"

#include <algorithm>

#include "form/text_edit.h"

namespace selbrin::face {
namespace {

// A UTF-8 lead byte of four bytes starts a character beyond 16 bits: two units.
constexpr unsigned char kFourByteLead = 0xF0;

std::size_t UnitsOfChar(unsigned char lead) { return lead >= kFourByteLead ? 2 : 1; }

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::size_t Utf16Length(std::string_view text, std::size_t bytes) {
  bytes = std::min(bytes, text.size());
  std::size_t units = 0;
  for (std::size_t i = 0; i < bytes; ++i) {
    if (StartsChar(text, i)) units += UnitsOfChar(static_cast<unsigned char>(text[i]));
  }
  return units;
}

std::size_t ByteOffset(std::string_view text, std::size_t utf16) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!StartsChar(text, i)) continue;
    units += UnitsOfChar(static_cast<unsigned char>(text[i]));
    if (units > utf16) return i;
  }
  return text.size();
}

std::size_t CharOffset(std::string_view text, std::size_t chars) {
  return CutToChars(text, static_cast<int>(std::min<std::size_t>(chars, 1U << 30))).size();
}

EditOutcome ApplyUserEdit(std::string_view before, const UserEdit& edit, int max_chars) {
  std::size_t from = ByteOffset(before, std::min(edit.start, edit.end));
  std::size_t to = ByteOffset(before, std::max(edit.start, edit.end));
  std::string_view head = before.substr(0, from);
  std::string_view tail = before.substr(to);
  std::string inserted = edit.inserted.substr(0, edit.inserted.find_first_of("\r\n"));
  int kept = CountChars(head) + CountChars(tail);
  if (max_chars > 0 && kept + CountChars(inserted) > max_chars) {
    inserted = CutToChars(inserted, std::max(max_chars - kept, 0));
  }
  bool refused = !edit.inserted.empty() && inserted.empty();
  std::string text = std::string(head) + inserted;
  std::size_t cursor = Utf16Length(text);
  text += tail;
  return {std::move(text), cursor, refused};
}

Span DeletedSpan(std::u16string_view text, std::size_t start, std::size_t end, bool forward) {
  start = std::min(start, text.size());
  end = std::min(end, text.size());
  if (start != end) return {std::min(start, end), std::max(start, end)};
  if (forward) {
    if (start == text.size()) return {start, start};
    bool pair = IsHighSurrogate(text[start]) && start + 1 < text.size();
    return {start, start + (pair ? 2 : 1)};
  }
  if (start == 0) return {0, 0};
  bool pair = IsLowSurrogate(text[start - 1]) && start > 1;
  return {start - (pair ? 2 : 1), start};
}

}  // namespace selbrin::face
