#include "ui/common/reading_order.h"

#include <algorithm>

namespace selbrin::face {

std::vector<Ctl> ReadingOrder() {
  std::vector<Ctl> order;
  for (std::size_t i = 0; i < kControls.size(); ++i) order.push_back(static_cast<Ctl>(i));
  std::stable_sort(order.begin(), order.end(),
                   [](Ctl a, Ctl b) { return Def(a).tab_index < Def(b).tab_index; });
  return order;
}

}  // namespace selbrin::face
