// The control table as JSON for the page's script, with the texts of the page.
#pragma once

#include <string>
#include <string_view>

#include "form/form1.h"
#include "ui/common/fault_message.h"

namespace selbrin::web {

// The element id of a control: its name, "Option1_6" for an element of Option1.
std::string ElementId(std::size_t control);

// {"title", "name" (the form's, for readers), "groupName" (the profile group's),
// "faultTitle", "button", "ended", "openList", "copyField", "clientWidth",
// "clientHeight", "controls": [{"id", "kind", "caption", "tooltip", "name",
// "label", "unit", "index", "maxChars", "left", "top", "width", "height",
// "group", "row", "slot", "inputMode"}...],
// "order": [control numbers, in the order of the page's elements],
// "commands": [{"command", "id", "caption", "keys"}...]}
std::string TableJson();

// All the page shows of `form`, read back in one call after every action:
// {"stop" (the profile option that takes the tab stop), "ended", "messageOpen",
// "messageText", "controls": [[text, value, item count, reading (displays
// only, else "")] per control]}.
std::string StateJson(const Form1& form, const face::FaultMessage& message);

// A JSON string literal.
std::string Quoted(std::string_view text);

}  // namespace selbrin::web
