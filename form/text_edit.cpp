#include "form/text_edit.h"

#include <algorithm>

namespace selbrin {

std::string CutToChars(std::string_view text, int max_chars) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i) && ++chars > max_chars) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

std::optional<FittedEdit> FitUserEdit(std::string_view before, std::string_view after,
                                      int max_chars) {
  // The edit kept a common head and tail of the text and put something new
  // between them; both ends are taken on character boundaries.
  std::size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head > 0 && !(StartsChar(before, head) && StartsChar(after, head))) --head;
  std::size_t tail = 0;
  std::size_t most = std::min(before.size(), after.size()) - head;
  while (tail < most && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  while (tail > 0 &&
         !(StartsChar(before, before.size() - tail) && StartsChar(after, after.size() - tail))) {
    --tail;
  }
  std::string_view kept_head = after.substr(0, head);
  std::string_view inserted = after.substr(head, after.size() - head - tail);
  std::string_view kept_tail = after.substr(after.size() - tail);

  int chars = CountChars(after);
  if (chars <= max_chars || chars <= CountChars(before)) {
    return FittedEdit{std::string(after), head + inserted.size()};
  }
  int room = max_chars - CountChars(kept_head) - CountChars(kept_tail);
  if (room <= 0) return std::nullopt;
  std::string fitted = CutToChars(inserted, room);
  std::size_t cursor = head + fitted.size();
  return FittedEdit{std::string(kept_head) + fitted + std::string(kept_tail), cursor};
}

int CountChars(std::string_view text) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i)) ++chars;
  }
  return chars;
}

}  // namespace selbrin
