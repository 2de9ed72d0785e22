// The form in one column, for a face too narrow for the form's own layout (a
// phone): the same controls in rows, each field with its caption before it and
// its unit after it, the rows in reading order within the form's groups.
#pragma once

#include <array>
#include <cstddef>

#include "form/controls.h"

namespace selbrin::face {

// The form's parts, top to bottom; each is a band of the form's rows.
enum class FormGroup : unsigned char { Motor, Screw, Pulleys, Belt, Results };
inline constexpr std::size_t kFormGroupCount = 5;

// Where a control stands in its row: the caption, the field, the unit, or the
// whole row (a check box, a button, a caption that names no field).
enum class ColumnSlot : unsigned char { Caption, Field, Unit, Whole };

struct ColumnPlace {
  FormGroup group = FormGroup::Motor;
  int row = 0;  // 0-based over the whole column, the groups one after another
  ColumnSlot slot = ColumnSlot::Whole;
};

FormGroup GroupOf(Ctl c);

// Every control's place. The option buttons share one row, as the field of
// their caption ("Kayış ="); a row comes where its first control comes in
// ReadingOrder().
std::array<ColumnPlace, kControlCount> ColumnLayout();

}  // namespace selbrin::face
