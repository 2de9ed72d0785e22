// Each control's child-window id, named by the control: the id is the control's
// row in the control table plus a fixed base, and the name is the control's
// name with an option element's index after an underscore ("Option1_6"), as
// the tests find the controls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "ui/common/reading.h"

namespace selbrin::win32 {

inline constexpr int kFirstControlId = 1000;

constexpr int ControlId(Ctl c) { return kFirstControlId + static_cast<int>(c); }

// The control whose child window has id `id`, if any.
std::optional<Ctl> ControlOfId(int id);

// "Text2", "Option1_6".
using face::WidgetName;

// The child-window id of the control named so, if there is one.
std::optional<int> ControlIdOf(std::string_view widget_name);

}  // namespace selbrin::win32
