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
inline constexpr int kGroupCount = 4;

// Index i and i + 4 are the same section size: 0/4 Z, 1/5 A, 2/6 B, 3/7 C.
constexpr ProfileGroup GroupOf(int profile_index) {
  return static_cast<ProfileGroup>(profile_index % kGroupCount);
}
static_assert(kProfileCount == 2 * kGroupCount, "an XP and an SP profile of each size");

// The selected button of Option1, if any. The form selects at most one button
// (a click selects one and clears the rest; the program only clears), so the
// first selected button in index order is the one.
inline std::optional<int> SelectedProfile(const Form1& form) {
  for (int i = 0; i < kProfileCount; ++i) {
    if (form.OptionValue(i)) return i;
  }
  return std::nullopt;
}

// The group of the selected profile, if any.
inline std::optional<ProfileGroup> SelectedGroup(const Form1& form) {
  std::optional<int> profile = SelectedProfile(form);
  if (!profile) return std::nullopt;
  return GroupOf(*profile);
}

}  // namespace selbrin
