// The control table as JSON for the page's script, with the texts of the page.
#pragma once

#include <string>
#include <string_view>

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

// A JSON string literal.
std::string Quoted(std::string_view text);

}  // namespace selbrin::web
