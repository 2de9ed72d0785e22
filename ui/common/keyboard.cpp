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

KeyAnswer AnswerToKey(FormKey key, Kind focused, bool list_open) {
  if (list_open) return KeyAnswer::Control;
  switch (key) {
    case FormKey::Enter:
      return focused == Kind::CommandButton ? KeyAnswer::Click : KeyAnswer::Nothing;
    case FormKey::Arrow:
      return focused == Kind::OptionButton ? KeyAnswer::MoveOption : KeyAnswer::Control;
    case FormKey::Other:
      break;
  }
  return KeyAnswer::Control;
}

bool WheelReaches(Kind kind, bool list_open) { return kind != Kind::ComboBox || list_open; }

}  // namespace selbrin::face
