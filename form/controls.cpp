#include "form/controls.h"

namespace selbrin {

std::string ControlName(Ctl c) {
  const ControlDef& d = Def(c);
  std::string name(d.name);
  if (d.index >= 0) name += "(" + std::to_string(d.index) + ")";
  return name;
}

std::optional<Ctl> FindControl(std::string_view name) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    if (ControlName(c) == name) return c;
  }
  return std::nullopt;
}

std::string AccessibleName(Ctl c) {
  const ControlDef& d = Def(c);
  std::string name;
  if (d.label != Ctl::None) {
    std::string_view caption = Def(d.label).caption;
    if (caption.ends_with(" =")) caption.remove_suffix(2);
    name = caption;
  }
  if (!d.caption.empty())
    name = name.empty() ? std::string(d.caption) : name + " " + std::string(d.caption);
  if (d.unit != Ctl::None) name += " (" + std::string(Def(d.unit).caption) + ")";
  return name.empty() ? std::string(d.name) : name;
}

}  // namespace selbrin
