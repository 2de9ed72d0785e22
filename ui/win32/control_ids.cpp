#include "ui/win32/control_ids.h"

namespace selbrin::win32 {

std::optional<Ctl> ControlOfId(int id) {
  int row = id - kFirstControlId;
  if (row < 0 || row >= static_cast<int>(kControlCount)) return std::nullopt;
  return static_cast<Ctl>(row);
}

std::optional<int> ControlIdOf(std::string_view widget_name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    if (WidgetName(c) == widget_name) return ControlId(c);
  }
  return std::nullopt;
}

}  // namespace selbrin::win32
