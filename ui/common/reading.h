// What the faces say about controls beyond their captions: what a screen reader
// reads for a field, and the texts of the commands every face offers.
#pragma once

#include <string>
#include <string_view>

#include "form/controls.h"

namespace selbrin::face {

// What every face names a control's widget or element, and what its tests find
// it by: the control's name, and an option element's index after an
// underscore ("Text2", "Option1_6").
std::string WidgetName(Ctl c);

// The tooltip a control carries: its own, else its caption's, so that a field
// explains itself as the caption in front of it does.
std::string_view ToolTipOf(Ctl c);

// A display field's tooltip: its whole value when the field cuts it, else
// ToolTipOf.
std::string DisplayToolTip(Ctl c, std::string_view value, bool clipped);

// The command that copies a display field's value.
inline constexpr std::string_view kCopyCommand = "Kopyala";

// What a screen reader reads for an input or display with no value: its
// caption and unit, "Motor Deviri (d/dk)".
inline std::string InputReading(Ctl c) { return AccessibleName(c); }

// What a screen reader reads for a display field showing `value`: caption,
// value and unit, "Motor Deviri: 2940 d/dk"; without a value, as an input.
std::string DisplayReading(Ctl c, std::string_view value);

}  // namespace selbrin::face
