// What the page needs on a phone: each control's place in the one column the
// page lays the form out in when the form does not fit the screen, and the
// keyboard each box asks for.
#pragma once

#include <string>
#include <string_view>

#include "form/controls.h"

namespace selbrin::web {

// The keyboard a box asks a touch screen for: "numeric" (digits) where the
// numbers are whole (speeds in rpm, pulley diameters from the lists, the number
// of belts), "decimal" (digits and the point) where they are not, "" for
// controls that take no text. Only the keyboard: every box still takes any
// text, as the model reads it.
std::string_view InputMode(Ctl c);

// The control's members for the page's table: "group" (0 to 4), "row", "slot"
// ("caption", "field", "unit" or "whole") and "inputMode".
std::string ColumnJson(Ctl c);

}  // namespace selbrin::web
