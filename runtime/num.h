// Checked double arithmetic. Every operation of the calculation is made in
// double precision and checked on the spot, so that a fault is raised at the
// very step where it happens: a result beyond the double range is an overflow
// even when a later step would bring it back into range.
//
//   Num x = (Num(cellA) - cellB) / (2 * centreDistance);  // may raise a Fault
//
// Num converts implicitly from double (and so from float); read the value back
// with value() or an explicit cast.
#pragma once

#include <cmath>
#include <compare>

#include "runtime/fault.h"

namespace selbrin {

class Num {
 public:
  constexpr Num() = default;
  constexpr Num(double v) : v_(v) {}

  constexpr double value() const { return v_; }
  explicit constexpr operator double() const { return v_; }

  // A result that left the double range is an overflow; a NaN (which checked
  // operands cannot produce) is treated as an invalid argument.
  static Num Check(double r) {
    if (std::isinf(r)) Raise(FaultKind::Overflow);
    if (std::isnan(r)) Raise(FaultKind::InvalidArgument);
    return Num(r);
  }

 private:
  double v_ = 0;
};

// Namespace-scope (not hidden friends) so that single-precision cells, which
// convert to Num, take part in the same expressions.
inline Num operator+(Num a, Num b) { return Num::Check(a.value() + b.value()); }
inline Num operator-(Num a, Num b) { return Num::Check(a.value() - b.value()); }
inline Num operator*(Num a, Num b) { return Num::Check(a.value() * b.value()); }
inline Num operator/(Num a, Num b) {
  if (b.value() == 0) Raise(FaultKind::DivisionByZero);
  return Num::Check(a.value() / b.value());
}
inline Num operator-(Num a) { return Num(-a.value()); }
inline constexpr bool operator==(Num a, Num b) { return a.value() == b.value(); }
inline constexpr auto operator<=>(Num a, Num b) { return a.value() <=> b.value(); }

// The general power function: a negative base with a fractional exponent is an
// invalid argument; zero to a negative power divides by zero.
inline Num Pow(Num base, Num exponent) {
  double b = base.value();
  double e = exponent.value();
  if (b < 0 && std::trunc(e) != e) Raise(FaultKind::InvalidArgument);
  if (b == 0 && e < 0) Raise(FaultKind::DivisionByZero);
  return Num::Check(std::pow(b, e));
}

inline Num Sqrt(Num x) {
  if (x.value() < 0) Raise(FaultKind::InvalidArgument);
  return Num(std::sqrt(x.value()));
}

inline Num Atn(Num x) { return Num(std::atan(x.value())); }

// Round down to a whole number (the floor used for screw speeds and pulleys).
inline Num Floor(Num x) { return Num(std::floor(x.value())); }

}  // namespace selbrin
