// How the sheet's commands are pressed and shown beside their menu texts.
#pragma once

#include <optional>
#include <string>

#include "ui/common/commands.h"

namespace selbrin::face {

// "Ctrl+Shift+C", "Ctrl+P": the shortcut as a menu shows it beside the command.
std::string ShortcutText(const Shortcut& keys);

// The command that Ctrl with `letter` (either case) runs, Shift held or not;
// nothing when no command has these keys. Shift must match, so Ctrl+C stays the
// boxes' own copy.
std::optional<SheetCommand> CommandForKeys(bool shift, char letter);

}  // namespace selbrin::face
