#include "ui/common/lists.h"

#include <algorithm>

namespace selbrin::face {

int ItemEqualTo(const std::vector<std::string>& items, std::string_view text) {
  auto at = std::find(items.begin(), items.end(), text);
  return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

}  // namespace selbrin::face
