// Arithmetic faults. The calculation never validates its inputs; instead, an
// operation that cannot give a finite result raises one of three faults, which
// ends every running handler. The form model catches it at the boundary of the
// user action and hands it to whoever reports it (the window or the runner).
#pragma once

#include <exception>
#include <string_view>

namespace selbrin {

enum class FaultKind {
  DivisionByZero,   // a divisor of 0 (the arc-cosine of exactly 1 or -1)
  InvalidArgument,  // square root or fractional power of a negative number
  Overflow,         // beyond the double range, or a store beyond the single range
};

// "division by zero", "invalid argument" or "overflow".
std::string_view FaultName(FaultKind kind);

class Fault : public std::exception {
 public:
  explicit Fault(FaultKind kind) : kind_(kind) {}
  FaultKind kind() const { return kind_; }
  const char* what() const noexcept override;

 private:
  FaultKind kind_;
};

[[noreturn]] void Raise(FaultKind kind);

}  // namespace selbrin
