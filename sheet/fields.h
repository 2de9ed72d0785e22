// The form's inputs and results as the user reads them: caption, value, unit.
#pragma once

#include <string>
#include <vector>

#include "form/form1.h"

namespace selbrin::sheet {

struct Field {
  Ctl control;          // Option1_0 stands for the whole profile array
  std::string caption;  // as on the form, without its trailing " ="
  std::string value;    // tabs and line breaks made blanks
  std::string unit;     // empty when the form shows none
  bool result;          // written by the program rather than given by the user
};

// Every non-empty input and result, in the form's order: rows from top to
// bottom, left to right. Check boxes read "Evet" or "Hayır"; the profile is its
// name, and missing when none is selected.
std::vector<Field> Fields(const Form1& form);

// One line "caption<TAB>value<TAB>unit" per field: what "Sonuçları kopyala"
// puts on the clipboard, so that a spreadsheet fills three columns.
std::string ResultsText(const Form1& form);

}  // namespace selbrin::sheet
