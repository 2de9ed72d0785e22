#include "ui/web/page_rules.h"

#include <algorithm>

#include "form/text_edit.h"
#include "ui/common/geometry.h"

namespace selbrin::web {
namespace {

// A UTF-8 lead byte of a code point beyond the basic plane, which UTF-16 writes
// as two units.
constexpr unsigned char kFourByteLead = 0xF0;

}  // namespace

std::optional<face::Arrow> ArrowOfKey(std::string_view key) {
  if (key == "ArrowLeft") return face::Arrow::Left;
  if (key == "ArrowRight") return face::Arrow::Right;
  if (key == "ArrowUp") return face::Arrow::Up;
  if (key == "ArrowDown") return face::Arrow::Down;
  return std::nullopt;
}

int ItemEqualTo(const std::vector<std::string>& items, std::string_view text) {
  auto at = std::find(items.begin(), items.end(), text);
  return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

std::size_t Utf16Length(std::string_view text, std::size_t bytes) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < bytes && i < text.size(); ++i) {
    if (!StartsChar(text, i)) continue;
    units += static_cast<unsigned char>(text[i]) >= kFourByteLead ? 2 : 1;
  }
  return units;
}

PageEdit FitPageEdit(const Form1& form, Ctl box, std::string_view after) {
  const std::string& before = form.Text(box);
  int limit = Def(box).max_chars;
  if (limit <= 0) return {std::string(after), Utf16Length(after, after.size()), false};
  std::optional<FittedEdit> fitted = FitUserEdit(before, after, limit);
  if (fitted) return {fitted->text, Utf16Length(fitted->text, fitted->cursor), false};
  // Refused: the cursor stays where the typing happened.
  std::size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head > 0 && !StartsChar(before, head)) --head;
  return {before, Utf16Length(before, head), true};
}

}  // namespace selbrin::web
