// The commands that read the form and write nothing into it: a display field's
// "Kopyala", and on the form's background "Sonuçları kopyala" (the results as
// text on the clipboard) and "Yazdır…" (the calculation sheet opened in the
// default browser, which prints it, or saves it as PDF from its print dialog).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "form/form1.h"
#include "ui/common/commands.h"
#include "ui/win32/control_ids.h"

namespace selbrin::win32 {

// Menu and shortcut ids, past every control's id.
inline constexpr int kCopyValueId = kFirstControlId + kControlCount;
inline constexpr int kFirstSheetCommandId = kCopyValueId + 1;

std::optional<face::SheetCommand> SheetCommandOfId(int id);

// The form background's menu, each command with its shortcut: the drive
// file's first, then the sheet's, last "Hakkında…".
HMENU CreateFormMenu();
// A display field's menu: "Kopyala", greyed when the field is empty.
HMENU CreateDisplayMenu(bool has_value);
// The drive file's and the sheet's shortcuts as WM_COMMAND with the command's id.
HACCEL CreateSheetShortcuts();

// `text` with every line ending in CR LF instead of LF.
std::string WithCrLf(std::string_view text);

// Puts `utf8` on the clipboard as Unicode text, lines ending in CR LF as
// Windows programs expect; false when the clipboard could not be had.
bool PutOnClipboard(HWND owner, std::string_view utf8);

}  // namespace selbrin::win32
