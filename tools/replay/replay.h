// The scenario runner: plays a script of user actions on the form model and
// prints what the user would see. The window and this runner drive the same
// model through the same entry points.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "form/form1.h"
#include "sheet/sheet.h"

namespace selbrin::replay {

// Exit statuses of a run.
inline constexpr int kOk = 0;
inline constexpr int kBadLine = 2;

// The form's visible state, one NAME=VALUE line per control, then an empty line.
std::string FormState(const Form1& form);

// Runs after each user action a line makes (a `type` makes one per character),
// so that a caller can look at the form between the actions.
using AfterAction = std::function<void()>;

// Plays one script line on the form. Returns the reason when the line is bad;
// a bad line changes nothing. Output (state, faults, "end") goes to `out`.
std::optional<std::string> PlayLine(Form1& form, std::string_view line, std::ostream& out,
                                    const AfterAction& after_action = {});

// The same, for a session that also keeps what the form does not hold: the
// title lines of the drive last opened, and the name of the file last saved to
// or opened from, which the sheet prints.
std::optional<std::string> PlayLine(Form1& form, sheet::TitleBlock& title, std::string_view line,
                                    std::ostream& out, const AfterAction& after_action = {});

// Plays a whole script: creates and loads a form, runs each line in turn.
int Run(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace selbrin::replay
