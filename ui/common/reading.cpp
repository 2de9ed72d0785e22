#include "ui/common/reading.h"

#include "ui/common/fault_message.h"

namespace selbrin::face {

std::string DisplayReading(Ctl c, std::string_view value) {
  if (value.empty()) return InputReading(c);
  std::string reading = ActionCaption(c) + ": " + std::string(value);
  Ctl unit = Def(c).unit;
  if (unit != Ctl::None) reading += " " + std::string(Def(unit).caption);
  return reading;
}

}  // namespace selbrin::face
