// The message that tells the user an arithmetic fault ended an action, as every
// face shows it: its Turkish texts, and when it is shown and closed.
//
// The message never takes the keyboard focus (a fault can come at every
// keystroke in a field the user is typing in); one message is reused for every
// fault; Esc anywhere in the form closes it, and it closes by itself as soon as
// a later user action ends without a fault.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "runtime/fault.h"

namespace selbrin::face {

inline constexpr std::string_view kFaultTitle = "Hesap Hatası";
inline constexpr std::string_view kFaultButton = "Tamam";

// The Turkish name of the fault's kind: "Sıfıra bölme", "Geçersiz değer", "Taşma".
std::string_view FaultKindText(FaultKind kind);

// "Vida Deviri: Taşma".
std::string FaultText(Ctl acted_on, FaultKind kind);

// Whether the message is shown and what it says. A face feeds it the end of
// every user action and the Esc key, and draws what it holds after each.
class FaultMessage {
 public:
  // A user action on `acted_on` has ended, with `fault` or without.
  void ActionEnded(Ctl acted_on, std::optional<FaultKind> fault);
  // Esc was pressed somewhere in the form; true when this closed the message.
  bool Escape();
  // The user closed the message with its own button or close box.
  void Dismiss() { shown_ = false; }

  bool shown() const { return shown_; }
  const std::string& text() const { return text_; }
  // The control acted on when the last fault happened, which the message keeps
  // in sight; None before the first.
  Ctl acted_on() const { return acted_on_; }

 private:
  bool shown_ = false;
  std::string text_;
  Ctl acted_on_ = Ctl::None;
};

}  // namespace selbrin::face
