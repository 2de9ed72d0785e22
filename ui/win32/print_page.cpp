#include "ui/win32/print_page.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "ui/common/command_keys.h"
#include "ui/common/print_page.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kPageStem = L"selbrin-sheet-";
constexpr std::wstring_view kPageExtension = L".html";
constexpr std::string_view kWrittenTo = "Hesap sayfası şuraya yazıldı:";
constexpr std::string_view kNotWrittenTo = "Hesap sayfası şuraya yazılamadı:";
constexpr std::string_view kNotOpened = "Tarayıcı açılamadı:";
constexpr std::string_view kReason = "Neden:";

bool IsPrintPage(const fs::path& path) {
  std::wstring name = path.filename().wstring();
  return name.starts_with(kPageStem) && name.ends_with(kPageExtension);
}

// The system's own words for `error`, without its line end.
std::string SystemText(DWORD error) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring words(text != nullptr ? text : L"", n);
  LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' '))
    words.pop_back();
  return Narrow(words) + " (" + std::to_string(error) + ")";
}

}  // namespace

std::string PrintPage(const Form1& form, const sheet::Date& date, const sheet::TitleBlock& title) {
  return face::PrintPageHtml(sheet::SheetSvg(form, SELBRIN_VERSION_TEXT, date, title));
}

bool WritePrintPage(const std::wstring& path, const Form1& form, const sheet::Date& date,
                    const sheet::TitleBlock& title) {
  std::ofstream file(fs::path(path), std::ios::binary);
  file << PrintPage(form, date, title);
  file.close();
  return static_cast<bool>(file);
}

// The time, the process and a count within it: two prints of one second, or
// of two programs, each get their own page.
std::wstring NewPrintPagePath(const std::wstring& folder) {
  static std::atomic<unsigned> count{0};
  SYSTEMTIME t{};
  GetLocalTime(&t);
  wchar_t name[64] = {};
  swprintf(name, 64, L"%04u%02u%02u-%02u%02u%02u-%lu-%u", t.wYear, t.wMonth, t.wDay, t.wHour,
           t.wMinute, t.wSecond, GetCurrentProcessId(), count++);
  return folder + std::wstring(kPageStem) + name + std::wstring(kPageExtension);
}

void RemoveOldPrintPages(const std::wstring& folder) {
  std::error_code error;
  auto now = fs::file_time_type::clock::now();
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(folder), error)) {
    if (!IsPrintPage(entry.path())) continue;
    auto written = entry.last_write_time(error);
    if (!error && now - written > kPrintPageLife) fs::remove(entry.path(), error);
  }
}

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  return std::wstring(folder, length);
}

std::string PrintFailedText(const std::wstring& path, bool written, DWORD error) {
  std::string text(face::kPrintFailedText);
  text += "\n\n";
  text += written ? kWrittenTo : kNotWrittenTo;
  text += "\n" + Narrow(path) + "\n\n";
  text += written ? kNotOpened : kReason;
  return text + " " + SystemText(error);
}

sheet::Date Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace selbrin::win32
