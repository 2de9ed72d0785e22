// A drive as a file keeps it: everything the form needs to show the same values
// and behave the same afterwards, and the sheet's title lines, which the form
// does not hold. Captured from a form, and put back into one, without any
// toolkit; drivefile/format.h writes and reads it as text.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "form/form1.h"
#include "sheet/sheet.h"

namespace selbrin::drivefile {

// One control as the drive keeps it. Texts for text boxes, combo boxes and
// display fields; values for check boxes and the option buttons.
struct ControlRecord {
  std::string text;
  bool by_program = false;  // the text was last written by the program
  int value = 0;
};

struct Drive {
  sheet::TitleBlock title;  // its file_name is not kept: it is where the file is
  std::array<ControlRecord, kControlCount> controls{};
  std::array<float, kFormVariables.size()> variables{};
  bool results_outdated = false;
  // The fault that cut the last "Hesapla" short, which the sheet reports until a
  // later calculation runs to its end.
  std::optional<FaultKind> calculation_fault;
};

// Whether the drive keeps a control's text, or its value. The lists of the combo
// boxes and the fixed captions never change, so they are not kept.
bool KeepsText(Ctl c);
bool KeepsValue(Ctl c);

Drive Capture(const Form1& form, const sheet::TitleBlock& title = {});

// Puts the drive into the form, telling the form's listener of every control.
// It cannot fail: a drive read from a file has been checked whole before.
void Apply(const Drive& drive, Form1& form);

}  // namespace selbrin::drivefile
