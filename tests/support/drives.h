// Worked drives entered as a user enters them, for the tests of every layer
// above the form.
#pragma once

#include "form/form1.h"

namespace selbrin::testing {

// The first worked drive: 30 kW, screw at 4000 rpm, pulleys 224 and 165 mm,
// centre distance 500 mm, profile SPB, three belts, then "Hesapla".
inline void EnterFirstDrive(Form1& f) {
  f.Pick(Ctl::Combo1, 5);  // 30 kW
  f.Edit(Ctl::Text2, "4000");
  f.Edit(Ctl::Combo2, "224");
  f.Edit(Ctl::Combo3, "165");
  f.Edit(Ctl::Text10, "500");
  f.Select(6);
  f.Edit(Ctl::Text5, "3");
  f.Click(Ctl::Command1);
}

}  // namespace selbrin::testing
