// An interval of numbers as the program's tables write it: each end strict or
// inclusive, or absent. {Ge(3200), Lt(3600)} is 3200 <= x < 3600, and
// {kAny, Le(4000)} is x <= 4000.
#pragma once

namespace selbrin {

struct Low {
  float value = 0;
  bool inclusive = false;
  bool none = false;
  constexpr bool operator==(const Low&) const = default;
};

struct High {
  float value = 0;
  bool inclusive = false;
  bool none = false;
  constexpr bool operator==(const High&) const = default;
};

constexpr Low Gt(float v) { return {v, false}; }
constexpr Low Ge(float v) { return {v, true}; }
constexpr High Lt(float v) { return {v, false}; }
constexpr High Le(float v) { return {v, true}; }

// The absent end, at either side: {kAny, Lt(112)}.
struct Unbounded {
  constexpr operator Low() const { return {0, false, true}; }
  constexpr operator High() const { return {0, false, true}; }
};
inline constexpr Unbounded kAny;

struct Interval {
  Low low;
  High high;

  constexpr bool Holds(double x) const {
    bool above = low.none || (low.inclusive ? x >= low.value : x > low.value);
    bool below = high.none || (high.inclusive ? x <= high.value : x < high.value);
    return above && below;
  }
  constexpr bool operator==(const Interval&) const = default;
};

// Two neighbouring intervals meet without gap or overlap: "x < 3200" is followed
// by "3200 <= x", and "x <= 4000" by "x > 4000".
constexpr bool Adjoin(High end, Low next) {
  return !end.none && !next.none && end.value == next.value && end.inclusive != next.inclusive;
}

}  // namespace selbrin
