#include "ui/web/page_rules.h"

#include <algorithm>

namespace selbrin::web {
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

}  // namespace selbrin::web
