// The keyboard rules every face keeps: the tab order of the control table, and
// the profile option group as one tab stop whose arrow keys move the selection.
#pragma once

#include <optional>
#include <vector>

#include "form/controls.h"

namespace selbrin::face {

enum class Arrow { Left, Right, Up, Down };

// The controls the user can reach with Tab, in tab-index order. Every option
// button is listed; only the group's tab stop takes Tab's focus.
std::vector<Ctl> TabOrder();

// The option button an arrow key selects from button `from`: Left and Up go to
// the previous one, Right and Down to the next, wrapping around at the ends.
int OptionAfterArrow(int from, Arrow arrow);

// The group's one tab stop: the selected button, or the first when none is.
int OptionTabStop(std::optional<int> selected);

}  // namespace selbrin::face
