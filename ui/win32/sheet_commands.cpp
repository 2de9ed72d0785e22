#include "ui/win32/sheet_commands.h"

#include <cstring>
#include <vector>

#include "ui/common/about.h"
#include "ui/common/command_keys.h"
#include "ui/common/reading.h"
#include "ui/win32/drive_commands.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

int IdOf(face::SheetCommand command) { return kFirstSheetCommandId + static_cast<int>(command); }

}  // namespace

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char ch : text) {
    if (ch == '\n') out += '\r';
    out += ch;
  }
  return out;
}

std::optional<face::SheetCommand> SheetCommandOfId(int id) {
  for (const face::SheetCommandDef& def : face::kSheetCommands) {
    if (face::OfferedWithBrowserPrint(def.command) && IdOf(def.command) == id) return def.command;
  }
  return std::nullopt;
}

HMENU CreateFormMenu() {
  HMENU menu = CreatePopupMenu();
  AppendDriveCommands(menu);
  for (const face::SheetCommandDef& def : face::kSheetCommands) {
    if (!face::OfferedWithBrowserPrint(def.command)) continue;
    std::wstring text = Widen(std::string(def.caption) + "\t" + face::ShortcutText(def.keys));
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(IdOf(def.command)), text.c_str());
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  std::wstring about =
      Widen(std::string(face::kAboutCaption) + "\t" + std::string(face::kAboutKey));
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kAboutId), about.c_str());
  return menu;
}

HMENU CreateDisplayMenu(bool has_value) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (has_value ? MF_ENABLED : MF_GRAYED),
              static_cast<UINT_PTR>(kCopyValueId), Widen(face::kCopyCommand).c_str());
  return menu;
}

HACCEL CreateSheetShortcuts() {
  std::vector<ACCEL> keys;
  AppendDriveShortcuts(keys);
  for (const face::SheetCommandDef& def : face::kSheetCommands) {
    if (!face::OfferedWithBrowserPrint(def.command)) continue;
    auto modifiers = static_cast<BYTE>(FVIRTKEY | FCONTROL | (def.keys.shift ? FSHIFT : 0));
    keys.push_back(
        {modifiers, static_cast<WORD>(def.keys.letter), static_cast<WORD>(IdOf(def.command))});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

bool PutOnClipboard(HWND owner, std::string_view utf8) {
  std::wstring text = Widen(WithCrLf(utf8));
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (OpenClipboard(owner) == FALSE) return false;
  EmptyClipboard();
  bool put = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);  // the clipboard owns it only once it took it
  }
  CloseClipboard();
  return put;
}

}  // namespace selbrin::win32
