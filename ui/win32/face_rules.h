// The rules every face of the form follows, whatever its toolkit: the fault
// message's texts and when it closes, the twips-to-pixels geometry, the option
// group's keyboard rule and the tab order. The Windows window calls each rule
// through one function here and holds no copy of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"
#include "runtime/fault.h"

namespace selbrin::face {

// --- The fault message ---------------------------------------------------------

// The message window's title and its one button.
std::string_view FaultTitle();
std::string_view FaultButton();

// What the user reads: the caption of the control acted on, then the fault's
// Turkish name ("Vida Deviri: Taşma").
std::string FaultText(Ctl acted_on, FaultKind kind);

// Whether the message stays up after a user action that ended so: a later
// action without a fault closes it.
bool FaultMessageStays(const std::optional<FaultKind>& fault);

// --- Geometry ------------------------------------------------------------------

inline constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

struct PixelRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

// Pixels for a length in twips at `scale` device pixels per 96-DPI pixel.
int ToPixels(int twips, double scale);

// A control's rectangle: each edge rounded on its own, so controls that touch
// in the table touch on screen at every scale.
PixelRect ToPixels(const Twips& twips, double scale);

// --- Keyboard ------------------------------------------------------------------

enum class Arrow { Left, Up, Right, Down };

// The element of Option1 an arrow key moves to from `current`: Up goes as Left,
// Down as Right, and the group wraps round at both ends.
int OptionAfterArrow(int current, Arrow arrow);

// The one tab stop of the option group: the selected button, or the first when
// none is selected.
int OptionTabStop(const Form1& form);

// Every control, in tab order (by tab index).
std::vector<Ctl> TabOrder();

}  // namespace selbrin::face
