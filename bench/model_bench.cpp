// How long the form model takes for one user action, without any window: the
// time the program itself adds between a keystroke or a click and the moment the
// window can draw the new values. Every action runs its whole chain (the handler,
// the nested Change handlers its writes start, the shown-number writes), exactly
// as the window runs it; only the widget updates are missing.
//
//   build/bin/selbrin-bench                       (release preset: build-release/bin/)
//   build/bin/selbrin-bench --benchmark_filter=Hesapla
#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <string_view>

#include "form/form1.h"

namespace selbrin {
namespace {

// Positions in the start-up lists.
constexpr int kPower30kW = 5;   // Combo1 "30"
constexpr int kPulley180 = 9;   // Combo2 / Combo3 "180"
constexpr int kPulley190 = 10;  // "190"
constexpr int kPulley250 = 15;  // "250"
constexpr int kProfileXPA = 1;  // Option1 "XPA"
constexpr int kProfileSPA = 5;  // Option1 "SPA"

// Types `text` the way a user does: one edit per keystroke, each a longer prefix.
std::optional<FaultKind> Type(Form1& form, Ctl box, std::string_view text) {
  std::optional<FaultKind> fault;
  for (std::size_t n = 1; n <= text.size(); ++n) {
    if (auto f = form.Edit(box, text.substr(0, n))) fault = f;
  }
  return fault;
}

// A form filled in as a user leaves it after entering a whole drive: a 30 kW
// motor, about 4000 rpm at the screw, SPA belts (the B and C sections are
// withdrawn at this speed), 250 mm on the motor and 180 mm on the screw, three
// belts, 600 mm between the shafts, calculated once.
void FillIn(Form1& form) {
  form.Pick(Ctl::Combo1, kPower30kW);
  Type(form, Ctl::Text2, "4000");
  form.Select(kProfileSPA);
  form.Pick(Ctl::Combo2, kPulley250);
  form.Pick(Ctl::Combo3, kPulley180);
  Type(form, Ctl::Text9, "45");
  Type(form, Ctl::Text5, "3");
  Type(form, Ctl::Text10, "600");
  form.Click(Ctl::Command1);
}

// Runs `action(form, i)` once per iteration on a filled-in form. An action that
// ends in a fault would measure the fault path instead, so that is reported.
template <typename Action>
void RunOnFilledForm(benchmark::State& state, Action action) {
  Form1 form;
  FillIn(form);
  std::size_t i = 0;
  for (auto _ : state) {
    std::optional<FaultKind> fault = action(form, i++);
    benchmark::DoNotOptimize(fault);
    if (fault) {
      state.SkipWithError("the action ended in an arithmetic fault");
      break;
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// One keystroke in "Vida Deviri": Text2_Change rewrites the ratio, the motor
// pulley and the belt speed. The last digit alternates so every edit changes
// the text and so raises Change.
void Text2Keystroke(benchmark::State& state) {
  static constexpr std::array<std::string_view, 2> kTexts{"4000", "4001"};
  RunOnFilledForm(state,
                  [](Form1& form, std::size_t i) { return form.Edit(Ctl::Text2, kTexts[i % 2]); });
}
BENCHMARK(Text2Keystroke);

// A pick in "Vida Kasnağı Çapı": Combo3_Click with the profile minimum, the
// screw speed written into Text2 (whose Change runs nested), the belt speed and
// the screw pulley's bush.
void Combo3Pick(benchmark::State& state) {
  RunOnFilledForm(state, [](Form1& form, std::size_t i) {
    return form.Pick(Ctl::Combo3, i % 2 == 0 ? kPulley190 : kPulley180);
  });
}
BENCHMARK(Combo3Pick);

// "Hesapla": the drive calculation, with the belt length written into Text11
// (whose Change re-derives the centre distance) and the rated power looked up.
void Hesapla(benchmark::State& state) {
  RunOnFilledForm(state, [](Form1& form, std::size_t) { return form.Click(Ctl::Command1); });
}
BENCHMARK(Hesapla);

// A click on a belt profile: the pulley width, the screw pulley minimum and the
// drive calculation again.
void ProfileClick(benchmark::State& state) {
  RunOnFilledForm(state, [](Form1& form, std::size_t i) {
    return form.Select(i % 2 == 0 ? kProfileXPA : kProfileSPA);
  });
}
BENCHMARK(ProfileClick);

// The 20 actions of a typical use, from choosing the motor to "Çıkış".
std::optional<FaultKind> TypicalSession(Form1& form) {
  std::optional<FaultKind> fault;
  auto note = [&fault](std::optional<FaultKind> f) {
    if (f) fault = f;
  };
  note(form.Pick(Ctl::Combo1, kPower30kW));  // 1
  note(Type(form, Ctl::Text2, "4000"));      // 2-5
  note(form.Select(kProfileSPA));            // 6
  note(form.Pick(Ctl::Combo2, kPulley250));  // 7
  note(form.Pick(Ctl::Combo3, kPulley180));  // 8
  note(Type(form, Ctl::Text9, "45"));        // 9-10
  note(Type(form, Ctl::Text5, "3"));         // 11
  note(Type(form, Ctl::Text10, "600"));      // 12-14
  note(form.Click(Ctl::Command1));           // 15
  note(form.Click(Ctl::chkC2));              // 16
  note(form.Select(kProfileXPA));            // 17
  note(form.Pick(Ctl::Combo3, kPulley190));  // 18
  note(form.Click(Ctl::Command1));           // 19
  note(form.Click(Ctl::Command3));           // 20
  return fault;
}
constexpr int kSessionActions = 20;

// A whole session on a new form, its creation and load (the lists) included.
// Items per second counts actions, so the reported time per item is the mean
// time of one action.
void Session(benchmark::State& state) {
  for (auto _ : state) {
    Form1 form;
    std::optional<FaultKind> fault = TypicalSession(form);
    benchmark::DoNotOptimize(form);
    if (fault) {
      state.SkipWithError("the session ended in an arithmetic fault");
      break;
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSessionActions);
}
BENCHMARK(Session);

// Creating and loading the form alone: what the window pays for the model
// before its first frame.
void CreateForm(benchmark::State& state) {
  for (auto _ : state) {
    Form1 form;
    benchmark::DoNotOptimize(form);
  }
}
BENCHMARK(CreateForm);

}  // namespace
}  // namespace selbrin

BENCHMARK_MAIN();
