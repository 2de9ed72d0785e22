// The whole state of a form as text, for the tests that compare two forms or a
// form before and after an action.
#pragma once

#include <cstdint>
#include <string>

#include "form/form1.h"
#include "runtime/std_fallback.h"

namespace selbrin::testing {

// Everything a procedure can change: every control and every form variable.
inline std::string Snapshot(const Form1& form) {
  std::string s;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    auto c = static_cast<Ctl>(i);
    s += form.Text(c) + '|' + std::to_string(form.Value(c)) + '\n';
  }
  for (const FormVariable& v : kFormVariables) {
    s += std::to_string(BitCast<std::uint32_t>((form.*v.member).get())) + '\n';
  }
  return s + (form.ended() ? "ended" : "");
}

}  // namespace selbrin::testing
