// The finished program: which procedure each user event runs. This is the one
// place that knows every handler, so it stands above all the layers whose
// procedures it routes (form, drive, sizing, motor).
#pragma once

#include "form/form1.h"

namespace selbrin {

// The routing of the finished program; Form1() creates the form with it.
const EventRouting& ProgramRouting();

}  // namespace selbrin
