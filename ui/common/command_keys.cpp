#include "ui/common/command_keys.h"

namespace selbrin::face {
namespace {

// ASCII only: the shortcuts are Latin letters, and the locale must not decide
// (a Turkish 'i' upper-cases to 'İ').
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string ShortcutText(const Shortcut& keys) {
  return std::string(keys.shift ? "Ctrl+Shift+" : "Ctrl+") + keys.letter;
}

std::optional<SheetCommand> CommandForKeys(bool shift, char letter) {
  for (const SheetCommandDef& def : kSheetCommands) {
    if (def.keys.shift == shift && def.keys.letter == Upper(letter)) return def.command;
  }
  return std::nullopt;
}

}  // namespace selbrin::face
