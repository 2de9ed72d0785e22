// What only the web page decides, beyond the rules every face shares
// (ui/common): its own texts and the arrow keys by the browser's key names. The
// page only draws what these say and delivers the user's actions.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "form/form1.h"
#include "ui/common/commands.h"
#include "ui/common/keyboard.h"

namespace selbrin::web {

inline constexpr std::string_view kEndedText =
    "Program sona erdi. Yeniden başlatmak için sayfayı yenileyin.";
inline constexpr std::string_view kOpenList = "Listeyi aç";

// The arrow of a browser key name ("ArrowLeft"); nothing for other keys.
std::optional<face::Arrow> ArrowOfKey(std::string_view key);

}  // namespace selbrin::web
