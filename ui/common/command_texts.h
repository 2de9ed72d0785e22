// What a face writes around the sheet's commands: a command's shortcut beside
// its caption in a menu, and the message when the sheet could not be printed.
#pragma once

#include <string>
#include <string_view>

#include "ui/common/commands.h"

namespace selbrin::face {

inline constexpr std::string_view kPrintFailedTitle = "Yazdır";
inline constexpr std::string_view kPrintFailedText = "Sayfa yazdırılamadı.";

// "Ctrl+Shift+C", "Ctrl+P".
std::string ShortcutText(const Shortcut& keys);

}  // namespace selbrin::face
