// The order of the form's controls for a face whose elements follow one another,
// as a page's do: it is both the reading order of a screen reader and, for the
// controls that take the focus, the tab order.
#pragma once

#include <vector>

#include "form/controls.h"

namespace selbrin::face {

// Every control, captions and displays too, in tab-index order, so that a
// caption is read just before the field it names. Without the captions and
// displays it is TabOrder().
std::vector<Ctl> ReadingOrder();

}  // namespace selbrin::face
