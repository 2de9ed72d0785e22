#include "ui/common/reading.h"

#include "ui/common/fault_message.h"

namespace selbrin::face {

std::string WidgetName(Ctl c) {
  const ControlDef& d = Def(c);
  std::string name(d.name);
  if (d.index >= 0) name += "_" + std::to_string(d.index);
  return name;
}

std::string_view ToolTipOf(Ctl c) {
  const ControlDef& d = Def(c);
  if (!d.tooltip.empty() || d.label == Ctl::None) return d.tooltip;
  return Def(d.label).tooltip;
}

std::string DisplayToolTip(Ctl c, std::string_view value, bool clipped) {
  return std::string(clipped ? value : ToolTipOf(c));
}

std::string DisplayReading(Ctl c, std::string_view value) {
  if (value.empty()) return InputReading(c);
  std::string reading = ControlCaption(c) + ": " + std::string(value);
  Ctl unit = Def(c).unit;
  if (unit != Ctl::None) reading += " " + std::string(Def(unit).caption);
  return reading;
}

}  // namespace selbrin::face
