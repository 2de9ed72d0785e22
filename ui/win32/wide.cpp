#include "ui/win32/wide.h"

namespace selbrin::win32 {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  int size = static_cast<int>(utf16.size());
  int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

int Utf16Offset(std::string_view utf8, std::size_t bytes) {
  return static_cast<int>(Widen(utf8.substr(0, bytes)).size());
}

std::wstring WindowText(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  n = GetWindowTextW(w, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

}  // namespace selbrin::win32
