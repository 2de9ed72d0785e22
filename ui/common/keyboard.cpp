#include "ui/common/keyboard.h"

#include <algorithm>

namespace selbrin::face {

std::vector<Ctl> TabOrder() {
  std::vector<Ctl> order;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    Kind kind = kControls[i].kind;
    if (kind != Kind::Label && kind != Kind::Display) order.push_back(static_cast<Ctl>(i));
  }
  std::sort(order.begin(), order.end(),
            [](Ctl a, Ctl b) { return Def(a).tab_index < Def(b).tab_index; });
  return order;
}

int OptionAfterArrow(int from, Arrow arrow) {
  int step = (arrow == Arrow::Left || arrow == Arrow::Up) ? -1 : 1;
  return (from + step + kProfileCount) % kProfileCount;
}

int OptionTabStop(std::optional<int> selected) { return selected.value_or(0); }

}  // namespace selbrin::face
