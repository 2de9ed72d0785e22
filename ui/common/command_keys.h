// How the sheet's commands are pressed and shown beside their menu texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/common/commands.h"

namespace selbrin::face {

// The print dialog's title, and what a face says when the sheet could not be printed.
inline constexpr std::string_view kPrintTitle = "Yazdır";
inline constexpr std::string_view kPrintFailedText = "Sayfa yazdırılamadı.";

// "Ctrl+Shift+C", "Ctrl+P": the shortcut as a menu shows it beside the command.
std::string ShortcutText(const Shortcut& keys);

// The command that Ctrl with `letter` (either case) runs, Shift held or not;
// nothing when no command has these keys. Shift must match, so Ctrl+C stays the
// boxes' own copy.
std::optional<SheetCommand> CommandForKeys(bool shift, char letter);

}  // namespace selbrin::face
