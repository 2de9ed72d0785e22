// How each kind of control looks, from what the user may do with it. Only what
// the user may edit sits on the background of a box one types in; a display
// field, which only the program writes, sits on the form's own colour inside a
// thin frame, so that it reads as read-only on every face. Frames are drawn
// between the form's colour and its text colour: a frame in the full text
// colour glares on a dark form, one in the form's colour vanishes.
#pragma once

#include "form/controls.h"

namespace selbrin::face {

enum class Surface { Form, Input };

struct Look {
  Surface background = Surface::Form;
  // The frame's colour as a share of the way from the form's colour to its
  // text colour; 0 where the control has no frame of its own.
  double frame_share = 0;
};

Look LookOf(Kind kind);

// A colour, each channel from 0 to 1.
struct Rgb {
  double r = 0, g = 0, b = 0;
};

// The colour `share` of the way from `from` to `to`.
Rgb Mix(Rgb from, Rgb to, double share);

// The contrast ratio of two colours as accessibility guidelines define it,
// from 1 (the same) to 21 (black on white).
double Contrast(Rgb a, Rgb b);

}  // namespace selbrin::face
