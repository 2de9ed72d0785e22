#include "ui/common/fault_message.h"

namespace selbrin::face {

std::string_view FaultKindText(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return "Sıfıra bölme";
    case FaultKind::InvalidArgument:
      return "Geçersiz değer";
    case FaultKind::Overflow:
      return "Taşma";
  }
  return {};
}

std::string FaultText(Ctl acted_on, FaultKind kind) {
  return ControlCaption(acted_on) + ": " + std::string(FaultKindText(kind));
}

void FaultMessage::ActionEnded(Ctl acted_on, std::optional<FaultKind> fault) {
  shown_ = fault.has_value();
  if (!fault) return;
  text_ = FaultText(acted_on, *fault);
  acted_on_ = acted_on;
}

bool FaultMessage::Escape() {
  bool was_shown = shown_;
  shown_ = false;
  return was_shown;
}

}  // namespace selbrin::face
