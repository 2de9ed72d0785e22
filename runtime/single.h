// Single-precision stores. Form variables and values "held as a single" are
// rounded to the nearest float (ties to even) at the moment they are stored;
// a finite value whose nearest float is infinite raises the overflow fault.
#pragma once

#include <cmath>

#include "runtime/fault.h"
#include "runtime/num.h"

namespace selbrin {

inline float ToSingle(double v) {
  if (std::isnan(v)) Raise(FaultKind::InvalidArgument);
  if (std::isinf(v)) Raise(FaultKind::Overflow);
  auto f = static_cast<float>(v);
  if (std::isinf(f)) Raise(FaultKind::Overflow);
  return f;
}

inline float ToSingle(Num v) { return ToSingle(v.value()); }

// A single-precision cell: every assignment rounds to float and checks the
// range, every read widens exactly to double.
class Single {
 public:
  constexpr Single() = default;
  Single& operator=(double v) {
    v_ = ToSingle(v);
    return *this;
  }
  Single& operator=(Num v) { return *this = v.value(); }
  Single& operator=(float v) {
    v_ = v;
    return *this;
  }
  Single& operator=(int v) { return *this = static_cast<double>(v); }

  constexpr float get() const { return v_; }
  constexpr operator Num() const { return Num(v_); }  // a stored single computes as a Num
  constexpr double value() const { return v_; }

 private:
  float v_ = 0.0F;
};

}  // namespace selbrin
