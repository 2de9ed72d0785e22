// The calculation form, without any window toolkit.
//
// How data flows:
//
//   user action ──► Form1::Pick / Edit / Click / Select     (one fault boundary each)
//                     │  sets the touched control's state, then raises its event
//                     ▼
//                   EventRouting ──► handler (UpdateMotor, Command1_Click, ...)
//                     │  reads controls, computes with runtime/, writes controls
//                     ▼
//                   Form1::SetText / SetCaption / ClearOption
//                     │  stores the text, tells the listener (the window), and for
//                     │  Text2 and Text11 runs their Change handler at once, nested
//                     ▼
//                   listener ──► the window copies the new state into its widget
//                                with the widget's signals blocked, so nothing loops
//
// The model holds every text, caption and state the user sees, plus the twelve
// single-precision form variables. It is the one source of truth: the window only
// mirrors it, and the scenario runner drives it the same way the window does.
// A handler that hits an arithmetic fault throws; the boundary of the user action
// catches it, so the whole chain ends there, earlier writes kept, and the action
// returns the fault's kind for the caller to report.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/text_edit.h"  // the character rules of Edit, also for every face
#include "runtime/fault.h"
#include "runtime/single.h"

namespace selbrin {

class Form1;

// Which procedure each handled event runs. An empty entry means the event is not
// handled: the user action then changes only the control the user touched.
struct EventRouting {
  using Handler = void (*)(Form1&);
  Handler Form_Load = nullptr;
  Handler Combo1_Click = nullptr;
  Handler chkKompakt_Click = nullptr;
  Handler chk4kutup_Click = nullptr;
  Handler chkC2_Click = nullptr;
  Handler Command1_Click = nullptr;
  Handler Command3_Click = nullptr;
  Handler Combo2_Click = nullptr;
  Handler Combo3_Click = nullptr;
  void (*Option1_Click)(Form1&, int index) = nullptr;
  Handler Text2_Change = nullptr;
  Handler Text5_Change = nullptr;
  Handler Text11_Change = nullptr;
};

// Start-up and end.
void Form_Load(Form1& form);
void Command3_Click(Form1& form);

class Form1 {
 public:
  // Creates the form with the initial states of the control table and the form
  // variables at zero, then raises Load.
  explicit Form1(const EventRouting& routing);
  // The finished program's form, routed by ProgramRouting(). Only the program
  // layer (program/) knows every handler, so it defines this constructor: code
  // that creates the form this way links selbrin_program.
  Form1();

  // --- What the procedures use -------------------------------------------------

  // The text of a text box or combo box, or the caption of a label.
  const std::string& Text(Ctl c) const { return state(c).text; }
  const std::string& Caption(Ctl c) const { return state(c).text; }
  // A program write. Writing Text2 or Text11 runs its Change handler inside the
  // write, also when the text does not change.
  void SetText(Ctl c, std::string text);
  void SetCaption(Ctl c, std::string caption);
  // Whether the text or caption was last set by the program (a handler or
  // start-up) rather than by the user typing or picking. Only program texts
  // promise the number formats; the user may type anything.
  bool WrittenByProgram(Ctl c) const { return state(c).by_program; }

  int Value(Ctl check_box) const { return state(check_box).value; }
  bool OptionValue(int index) const { return state(Option(index)).value != 0; }
  void ClearOption(int index);  // raises no Click

  void AddItem(Ctl combo, std::string item);
  const std::vector<std::string>& Items(Ctl combo) const { return state(combo).items; }

  void End() { ended_ = true; }
  bool ended() const { return ended_; }

  // Whether the results of "Hesapla" may belong to older inputs: true once the
  // user has changed any control (picked, typed, ticked, selected) since the
  // drive calculation last ran to its end. Its end is its write of Text13, so
  // a calculation that a fault cut short leaves the results outdated. False at
  // start-up, when nothing has been changed nor calculated. Nothing shown
  // depends on it; the calculation sheet reports it.
  bool ResultsOutdated() const { return results_outdated_; }

  // The drive calculation says it has begun; its write of Text13 says it ended.
  // When a fault cuts it short in between, CalculationFault() keeps the fault
  // until a later calculation runs to its end. Nothing shown depends on it; the
  // calculation sheet reports it.
  void CalculationStarted() { calculating_ = true; }
  std::optional<FaultKind> CalculationFault() const { return calculation_fault_; }

  // Puts a control back as a saved drive had it (a drive file being opened):
  // its text or caption, whether the program wrote it, and its value. Raises no
  // event; tells the listener.
  void Restore(Ctl c, std::string text, bool by_program, int value);
  // The opened drive's results are as outdated as saved, with the fault, if any,
  // that cut its last calculation short.
  void RestoreResultsOutdated(bool outdated, std::optional<FaultKind> fault = std::nullopt) {
    results_outdated_ = outdated;
    calculation_fault_ = fault;
  }

  // The form variables, in their order of declaration; zero at creation.
  Single cellA, cellB, centreDistance, wrapAngle, piValue, arcFactor, serviceFactor, lengthFactor,
      beltLength, beltRating, screwSpeed, speedRatio;

  // --- User actions ------------------------------------------------------------
  // Each runs the whole chain it starts and returns the fault that ended it, if
  // one did. After the program has ended they do nothing.

  // Picks item `item` (0-based) of a combo box's list: sets the text, raises Click.
  std::optional<FaultKind> Pick(Ctl combo, int item);
  // Replaces the whole text of a text box or combo box in one edit. A text box
  // with a limit keeps only its first characters; an edit that leaves the text as
  // it was raises nothing. Combo boxes raise nothing on edits.
  std::optional<FaultKind> Edit(Ctl box, std::string_view text);
  // Clicks a check box (toggles it, then Click) or a command button.
  std::optional<FaultKind> Click(Ctl control);
  // Selects element `index` of Option1 (also when already selected), then Click.
  std::optional<FaultKind> Select(int index);

  // Called after every change the program or the user makes to a control.
  using Listener = std::function<void(Ctl)>;
  void SetListener(Listener listener) { listener_ = std::move(listener); }

  const EventRouting& routing() const { return routing_; }

 private:
  struct ControlState {
    std::string text;
    bool by_program = false;
    int value = 0;
    std::vector<std::string> items;
  };

  const ControlState& state(Ctl c) const { return controls_[static_cast<std::size_t>(c)]; }
  ControlState& state(Ctl c) { return controls_[static_cast<std::size_t>(c)]; }
  void Changed(Ctl c);
  void RaiseClick(Ctl c);
  void RaiseChange(Ctl c);
  template <typename Action>
  std::optional<FaultKind> Boundary(Action&& action);

  EventRouting routing_;
  std::array<ControlState, kControlCount> controls_;
  Listener listener_;
  bool ended_ = false;
  bool results_outdated_ = false;
  bool calculating_ = false;
  std::optional<FaultKind> calculation_fault_;
};

// The form variables by name, in their order of declaration.
struct FormVariable {
  std::string_view name;
  Single Form1::*member;
};
inline constexpr std::array<FormVariable, 12> kFormVariables{{
    {"cellA", &Form1::cellA},
    {"cellB", &Form1::cellB},
    {"centreDistance", &Form1::centreDistance},
    {"wrapAngle", &Form1::wrapAngle},
    {"piValue", &Form1::piValue},
    {"arcFactor", &Form1::arcFactor},
    {"serviceFactor", &Form1::serviceFactor},
    {"lengthFactor", &Form1::lengthFactor},
    {"beltLength", &Form1::beltLength},
    {"beltRating", &Form1::beltRating},
    {"screwSpeed", &Form1::screwSpeed},
    {"speedRatio", &Form1::speedRatio},
}};

}  // namespace selbrin
