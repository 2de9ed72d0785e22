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

// The keys the form answers itself before the focused control sees them.
enum class FormKey { Enter, Arrow, Other };

enum class KeyAnswer {
  Control,     // the focused control's own
  Click,       // the focused command button is clicked, as by Space
  Nothing,     // dropped
  MoveOption,  // the profile group's selection moves (OptionAfterArrow)
};

// What the form does with `key` pressed in a control of `focused` kind. Enter
// clicks a command button and does nothing anywhere else: in a combo box's
// field it would pick the list item matching the typed text, which is no pick
// the user made. An open list keeps its own keys.
KeyAnswer AnswerToKey(FormKey key, Kind focused, bool list_open);

// Whether the wheel reaches a control: over a closed combo box it would pick
// the next item when the user only meant to scroll past.
bool WheelReaches(Kind kind, bool list_open);

}  // namespace selbrin::face
