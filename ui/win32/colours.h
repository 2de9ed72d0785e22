// The form's look in the system's colours: the surface a control sits on, and
// the frame a display field draws itself.
#pragma once

#include <windows.h>

#include "form/controls.h"

namespace selbrin::win32 {

// The system colour index of the surface a control of `kind` sits on.
int SurfaceColourIndex(Kind kind);

// The frame of a control of `kind`, between the form's colour and its text's.
COLORREF FrameColour(Kind kind);

}  // namespace selbrin::win32
