// The rules every state of the form keeps, whatever the user did before and in
// whatever order. The session fuzzer checks them after every user action, and so
// does the window's randomized widget test: one checker, two users.
//
//   Form1 form;
//   form.Edit(Ctl::Text11, "1e999");
//   for (const std::string& broken : replay::CheckInvariants(form)) Report(broken);
//
// What is checked:
//  - Every text or caption the program wrote (Form1::WrittenByProgram, and every
//    display label) is empty or in the form that control is written with: a
//    shown number with at most the control's decimals (no "nan", "inf", exponent,
//    "-0", grouping or trailing zero), the "#.00" ratio in Label36, a bush size in
//    Label19 and Label21. What the user typed is not judged, except that a box
//    with a typing limit holds no more characters than it allows.
//  - At most one Option1 element is selected; check boxes and options are 0 or 1.
//  - The fixed captions, the three combo lists and piValue are as start-up left
//    them, and every form variable holds a finite number.
// That the form keeps accepting actions is a property of a session, not of one
// state; the fuzzer checks it by acting again after every fault.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"

namespace selbrin::replay {

// Every broken rule, one line each, naming the control and what it holds
// ("Label40 holds \"nan\": not a number with at most 2 decimals"); empty when
// the form is sound.
std::vector<std::string> CheckInvariants(const Form1& form);

// Whether `text` is a number as the shown-number rule writes it with at most
// `decimals` decimals: "-12.5", "0", "3258"; not "-0", "1.50", "1e5", ".5", "007".
bool IsShownNumber(std::string_view text, int decimals);

// Whether `text` is a ratio as the "#.00" pattern writes it: ".50", "1.02",
// "-.50", "69.93"; not "0.50", "1.2", "-.00".
bool IsRatioText(std::string_view text);

}  // namespace selbrin::replay
