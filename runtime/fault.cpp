#include "runtime/fault.h"

namespace selbrin {

std::string_view FaultName(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return "division by zero";
    case FaultKind::InvalidArgument:
      return "invalid argument";
    case FaultKind::Overflow:
      return "overflow";
  }
  return "overflow";
}

const char* Fault::what() const noexcept { return FaultName(kind_).data(); }

void Raise(FaultKind kind) { throw Fault(kind); }

}  // namespace selbrin
