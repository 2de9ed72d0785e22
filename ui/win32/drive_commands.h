// The drive file's commands on the window: "Aç…" (Ctrl+O), "Kaydet" (Ctrl+S)
// and "Farklı kaydet…" (Ctrl+Shift+S) on the form's background menu, with the
// system's file dialogs. Once a file is opened or saved the window's title
// names it, and closing the window with changes since then asks to save them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "form/form1.h"
#include "sheet/sheet.h"
#include "ui/common/commands.h"
#include "ui/common/drive_commands.h"
#include "ui/win32/sheet_commands.h"

namespace selbrin::win32 {

// Menu and shortcut ids, past the sheet's.
inline constexpr int kFirstDriveCommandId =
    kFirstSheetCommandId + static_cast<int>(face::kSheetCommands.size());

std::optional<face::DriveCommand> DriveCommandOfId(int id);

// "Hakkında…", past the drive's.
inline constexpr int kAboutId =
    kFirstDriveCommandId + static_cast<int>(face::kDriveCommands.size());

// The desktop's drive commands with their shortcuts, then a separator.
void AppendDriveCommands(HMENU menu);
void AppendDriveShortcuts(std::vector<ACCEL>& keys);

// The drive file the window shows: where it was last opened from or saved to,
// its title lines, and the drive as that file holds it.
class DriveDocument {
 public:
  // `form` must outlive it; messages and dialogs are owned by `window`.
  DriveDocument(Form1& form, HWND window) : form_(form), window_(window) {}

  void Run(face::DriveCommand command);
  // Replaces the form by the drive in `path`. A file that is not a drive
  // leaves the form as it was and tells why.
  bool Open(const std::wstring& path);
  bool SaveTo(const std::wstring& path);
  bool Save();
  bool SaveAs();

  // Whether the form changed since the file was opened or saved; false when no
  // file was.
  bool Modified() const;
  // Asks whether to save what changed; false when the user would rather go on.
  // After "Çıkış" the form has ended, so going on is no answer then.
  bool MayClose();
  const std::wstring& path() const { return path_; }
  // The title lines and file name the calculation sheet prints.
  const sheet::TitleBlock& title() const { return title_; }

 private:
  void Opened(const std::wstring& path, const sheet::TitleBlock& title);
  void Tell(std::string_view caption, const std::string& message) const;

  Form1& form_;
  HWND window_;
  std::wstring path_;
  sheet::TitleBlock title_;
  std::string saved_;
};

}  // namespace selbrin::win32
