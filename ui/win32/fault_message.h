// The message that reports an arithmetic fault: a small window beside the form
// with a warning icon, the text and a "Tamam" button. It is shown without being
// activated, so the field the user types in keeps the keyboard focus, and it is
// placed next to the form rather than over it. One window serves every fault.
#pragma once

#include <windows.h>

#include <string>

namespace selbrin::win32 {

class FaultMessage {
 public:
  FaultMessage() = default;
  ~FaultMessage();
  FaultMessage(const FaultMessage&) = delete;
  FaultMessage& operator=(const FaultMessage&) = delete;

  // Shows `text` (UTF-8) next to `form`, in `font`.
  void Show(HWND form, HFONT font, const std::string& text);
  void Hide();
  bool visible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE; }
  HWND hwnd() const { return hwnd_; }
  // The text shown, as UTF-8.
  std::string text() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Create(HWND form);
  void Arrange(HWND form, HFONT font);

  HWND hwnd_ = nullptr;
  HWND icon_ = nullptr;
  HWND label_ = nullptr;
  HWND button_ = nullptr;
};

}  // namespace selbrin::win32
