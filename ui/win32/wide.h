// Texts cross into Windows as UTF-16 and come back as UTF-8, the model's
// encoding, so Turkish captions show whatever the system's code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace selbrin::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The number of UTF-16 units in the first `bytes` bytes of a UTF-8 text: where
// a byte offset falls in the control's text.
int Utf16Offset(std::string_view utf8, std::size_t bytes);

// The text of a window or control.
std::wstring WindowText(HWND w);

}  // namespace selbrin::win32
