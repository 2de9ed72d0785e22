// A libFuzzer target over whole sessions of the calculation form.
//
// The input is a script for the scenario runner. Every line is played on one
// form with the runner's own PlayLine, as selbrin-replay plays it, except that a
// bad line is skipped instead of ending the session, so that the fuzzer's
// mutations keep going. After every user action the form must keep the rules of
// tests/support/invariants.h; no exception may leave an action (an arithmetic
// fault ends at the action's boundary); the calculation sheet and the results
// text can be made and leave the form as it was; the form ends only when "Çıkış"
// is clicked; and after the whole session it must still calculate.
//
// A broken rule aborts, so libFuzzer saves the input. That input is itself a
// script: `build/bin/selbrin-replay FILE` plays it again.
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <locale>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/fault.h"
#include "sheet/fields.h"
#include "sheet/sheet.h"
#include "tests/support/invariants.h"
#include "tools/replay/replay.h"

namespace {

using selbrin::Form1;

// What the runner prints is not looked at; the form is.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char* /*s*/, std::streamsize n) override { return n; }
};

[[noreturn]] void Fail(std::string_view line, const std::string& what) {
  std::fprintf(stderr, "\nafter the line \"%.*s\": %s\n", static_cast<int>(line.size()),
               line.data(), what.c_str());
  std::abort();
}

void Check(const Form1& form, std::string_view line) {
  std::vector<std::string> broken = selbrin::replay::CheckInvariants(form);
  if (broken.empty()) return;
  std::string all;
  for (const std::string& b : broken) all += "\n  " + b;
  Fail(line, "the form broke its rules:" + all);
}

// Making the sheet reads the form and changes nothing in it.
void MakeSheet(const Form1& form, std::string_view line) {
  std::string before = selbrin::replay::FormState(form);
  bool outdated = form.ResultsOutdated();
  (void)selbrin::sheet::ResultsText(form);
  (void)selbrin::sheet::SheetSvg(form, "1.00", {2024, 1, 1});
  if (selbrin::replay::FormState(form) != before || form.ResultsOutdated() != outdated) {
    Fail(line, "making the sheet changed the form");
  }
}

void Play(Form1& form, std::string_view line, std::ostream& out) {
  try {
    (void)selbrin::replay::PlayLine(form, line, out, [&] {
      Check(form, line);
      MakeSheet(form, line);
    });
  } catch (const selbrin::Fault& fault) {
    Fail(line, "a fault escaped its action: " + std::string(selbrin::FaultName(fault.kind())));
  } catch (const std::exception& e) {
    Fail(line, std::string("an exception escaped its action: ") + e.what());
  } catch (...) {
    Fail(line, "an unknown exception escaped its action");
  }
}

}  // namespace

// A Turkish desktop, whose decimal comma must never reach a number the form
// writes. Without that locale the run goes on in the one it has.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  if (std::setlocale(LC_ALL, "tr_TR.UTF-8") != nullptr) std::locale::global(std::locale(""));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view script(reinterpret_cast<const char*>(data), size);
  Form1 form;
  Check(form, "(start-up)");
  NullBuffer null;
  std::ostream out(&null);
  std::size_t pos = 0;
  while (pos < script.size() && !form.ended()) {
    std::size_t end = script.find('\n', pos);
    if (end == std::string_view::npos) end = script.size();
    std::string_view line = script.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // The sheet is made after every action anyway; a fuzzed file name must not
    // write over files, nor read from one that never ends (the drive reader has
    // a fuzzer of its own).
    if (line.starts_with("sheet") || line.starts_with("save") || line.starts_with("open")) {
      continue;
    }
    Play(form, line, out);
    if (form.ended() && line != "click Command3") Fail(line, "the form ended by itself");
  }
  // Whatever happened, the form still takes the next action and calculates.
  if (!form.ended()) Play(form, "click Command1", out);
  return 0;
}
