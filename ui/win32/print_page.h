// "Yazdır…": the calculation sheet written as a page into the user's temporary
// folder and opened in the default browser, which prints it (or saves it as
// PDF from its print dialog). Each print writes a page of its own, so a
// browser still reading one is never given the next; pages of earlier prints
// are removed once the browser has long had them.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "form/form1.h"
#include "sheet/sheet.h"

namespace selbrin::win32 {

// Pages older than this are removed at the next print.
inline constexpr std::chrono::minutes kPrintPageLife{10};

// The page the browser opens: the sheet of `form` on an A4 page, and a script
// that opens the print dialog once the page has loaded. `title` holds the
// drive file's title lines and name, once there is a file.
std::string PrintPage(const Form1& form, const sheet::Date& date,
                      const sheet::TitleBlock& title = {});
// Writes PrintPage to `path`; false when it cannot be written.
bool WritePrintPage(const std::wstring& path, const Form1& form, const sheet::Date& date,
                    const sheet::TitleBlock& title = {});
// A path for a new page in `folder` (ending in a backslash), used by no earlier print.
std::wstring NewPrintPagePath(const std::wstring& folder);
// Removes the pages in `folder` older than kPrintPageLife; nothing else.
void RemoveOldPrintPages(const std::wstring& folder);
// The user's temporary folder, ending in a backslash.
std::wstring TemporaryFolder();

// What the user is told when the page at `path` could not be written
// (`written` false) or not opened, and why: the system's text for `error`.
std::string PrintFailedText(const std::wstring& path, bool written, DWORD error);

sheet::Date Today();

}  // namespace selbrin::win32
