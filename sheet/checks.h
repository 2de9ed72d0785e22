// What the form shows but does not judge: the checks an engineer makes before
// passing a drive on. Each has one of three verdicts and says what it found in
// one Turkish sentence with the numbers it compared. A check never passes what
// the sheet's own numbers contradict or what it has no published limit for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"
#include "sheet/readings.h"

namespace selbrin::sheet {

enum class Verdict { Pass, Fail, Unknown };

struct Check {
  std::string_view name;  // "belt-speed": the id a script finds it by
  Verdict verdict;
  std::string sentence;
};

// "pass", "fail", "unknown".
std::string_view VerdictName(Verdict v);

Check BeltSpeedCheck(const Readings& r);
Check PowerCheck(const Readings& r);
Check BeltsNeededCheck(const Readings& r);
Check ProfileCheck(const Readings& r);
Check CurrentCheck(const Readings& r);
Check MinDiameterCheck(const Readings& r);
Check ArcCheck(const Readings& r);
Check CentreDistanceCheck(const Readings& r);
Check BendingCheck(const Readings& r);

// Every check, in the order above.
std::vector<Check> Checks(const Form1& form);
std::vector<Check> Checks(const Readings& r);

// The number a control's text reads as; none when the text is empty or the
// number is beyond the double range.
std::optional<double> ReadValue(const Form1& form, Ctl c);

// A number the sheet writes itself: plain decimal, never an exponent, up to six
// significant digits (fewer decimals for larger numbers); cut with "…" beyond
// kNumberChars characters.
std::string NumberText(double value);
inline constexpr int kNumberChars = 16;

// The same with a fixed number of decimals at most ("29.32").
std::string NumberText(double value, int decimals);

// Why the per-belt power is 0: the drive lies outside the rating tables.
std::string NoRatingReason(const Readings& r);

}  // namespace selbrin::sheet
