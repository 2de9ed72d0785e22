#include "drivefile/drive.h"

namespace selbrin::drivefile {

bool KeepsText(Ctl c) {
  Kind k = Def(c).kind;
  return k == Kind::TextBox || k == Kind::ComboBox || k == Kind::Display;
}

bool KeepsValue(Ctl c) {
  Kind k = Def(c).kind;
  return k == Kind::CheckBox || k == Kind::OptionButton;
}

Drive Capture(const Form1& form, const sheet::TitleBlock& title) {
  Drive d;
  d.title = title;
  d.title.file_name.clear();
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    ControlRecord& r = d.controls[i];
    if (KeepsText(c)) {
      r.text = form.Text(c);
      r.by_program = form.WrittenByProgram(c);
    }
    if (KeepsValue(c)) r.value = form.Value(c);
  }
  for (std::size_t i = 0; i < kFormVariables.size(); ++i) {
    d.variables[i] = (form.*kFormVariables[i].member).get();
  }
  d.results_outdated = form.ResultsOutdated();
  d.calculation_fault = form.CalculationFault();
  return d;
}

void Apply(const Drive& drive, Form1& form) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    const ControlRecord& r = drive.controls[i];
    if (KeepsText(c)) form.Restore(c, r.text, r.by_program, form.Value(c));
    if (KeepsValue(c)) form.Restore(c, form.Text(c), form.WrittenByProgram(c), r.value);
  }
  for (std::size_t i = 0; i < kFormVariables.size(); ++i) {
    form.*kFormVariables[i].member = drive.variables[i];
  }
  form.RestoreResultsOutdated(drive.results_outdated, drive.calculation_fault);
}

}  // namespace selbrin::drivefile
