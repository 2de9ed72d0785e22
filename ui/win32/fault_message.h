// The message that reports an arithmetic fault: a small window beside the form
// with a warning icon, the text and a "Tamam" button. It is shown without being
// activated, so the field the user types in keeps the keyboard focus, and it is
// placed next to the form rather than over it, and follows it. A click on it
// does not activate it either. One window serves every fault.
// When it shows and what it says are the shared rules of face::FaultMessage.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/common/fault_message.h"

namespace selbrin::win32 {

class FaultMessage {
 public:
  FaultMessage() = default;
  ~FaultMessage();
  FaultMessage(const FaultMessage&) = delete;
  FaultMessage& operator=(const FaultMessage&) = delete;

  // A user action on `acted_on` ended, with `fault` or without: the message
  // shows the fault next to `form`, in `font`, or closes.
  void ActionEnded(HWND form, HFONT font, Ctl acted_on, std::optional<FaultKind> fault);
  // The form moved: the message, when shown, goes beside it again.
  void Follow(HWND form);
  // Esc in the form or in the message; true when it closed the message.
  bool Escape();
  bool visible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE; }
  HWND hwnd() const { return hwnd_; }
  // The text shown, as UTF-8.
  std::string text() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Create(HWND form);
  void Arrange(HWND form, HFONT font);
  void Draw(HWND form, HFONT font);

  face::FaultMessage rules_;

  HWND hwnd_ = nullptr;
  HWND icon_ = nullptr;
  HWND label_ = nullptr;
  HWND button_ = nullptr;
};

}  // namespace selbrin::win32
