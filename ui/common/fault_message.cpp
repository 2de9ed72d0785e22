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

std::string ActionCaption(Ctl acted_on) {
  const ControlDef& d = Def(acted_on);
  std::string caption;
  if (d.label != Ctl::None) {
    std::string_view label = Def(d.label).caption;
    if (label.ends_with(" =")) label.remove_suffix(2);
    caption = label;
  }
  if (!d.caption.empty()) caption += (caption.empty() ? "" : " ") + std::string(d.caption);
  return caption.empty() ? std::string(d.name) : caption;
}

std::string FaultText(Ctl acted_on, FaultKind kind) {
  return ActionCaption(acted_on) + ": " + std::string(FaultKindText(kind));
}

void FaultMessage::ActionEnded(Ctl acted_on, std::optional<FaultKind> fault) {
  shown_ = fault.has_value();
  if (fault) text_ = FaultText(acted_on, *fault);
}

bool FaultMessage::Escape() {
  bool was_shown = shown_;
  shown_ = false;
  return was_shown;
}

}  // namespace selbrin::face
