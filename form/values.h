// What every procedure needs to read from the form: numbers from texts, and the
// selected belt profile. The profile is never stored; it is read from the Option1
// buttons each time, and no profile selected is a valid state.
#pragma once

#include <optional>

#include "form/form1.h"
#include "runtime/numparse.h"

namespace selbrin {

// The numeric parse of a control's text or caption (0 when empty).
inline double ReadNumber(const Form1& form, Ctl c) { return ParseNumber(form.Text(c)); }

// The four section sizes; both profiles of a group (XP and SP) share them.
enum class ProfileGroup { Z, A, B, C };

// Index i and i + 4 are the same section size: 0/4 Z, 1/5 A, 2/6 B, 3/7 C.
constexpr ProfileGroup GroupOf(int profile_index) {
  return static_cast<ProfileGroup>(profile_index % 4);
}

// The first selected button in index order 0 to 7, if any.
inline std::optional<int> SelectedProfile(const Form1& form) {
  for (int i = 0; i < 8; ++i) {
    if (form.OptionValue(i)) return i;
  }
  return std::nullopt;
}

// The group of the selected profile, testing Z, A, B, then C, as the sizing
// procedures do (button 0 or 4, then 1 or 5, ...).
inline std::optional<ProfileGroup> SelectedGroup(const Form1& form) {
  for (int g = 0; g < 4; ++g) {
    if (form.OptionValue(g) || form.OptionValue(g + 4)) return static_cast<ProfileGroup>(g);
  }
  return std::nullopt;
}

}  // namespace selbrin
