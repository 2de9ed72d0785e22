#include "ui/fault_text.h"

namespace selbrin::ui {

QString FaultText(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return QStringLiteral("Sıfıra bölme");
    case FaultKind::InvalidArgument:
      return QStringLiteral("Geçersiz değer");
    case FaultKind::Overflow:
      return QStringLiteral("Taşma");
  }
  return {};
}

}  // namespace selbrin::ui
