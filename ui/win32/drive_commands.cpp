#include "ui/win32/drive_commands.h"

// after windows.h, which they need
#include <commctrl.h>
#include <commdlg.h>

#include <array>

#include "drivefile/file.h"
#include "drivefile/format.h"
#include "ui/common/command_keys.h"
#include "ui/win32/wide.h"

namespace selbrin::win32 {
namespace {

// A long path fits, as the dialogs may give one.
constexpr DWORD kPathChars = 32768;

int IdOf(face::DriveCommand command) { return kFirstDriveCommandId + static_cast<int>(command); }

std::string_view CaptionOf(face::DriveCommand command) {
  return face::kDriveCommands[static_cast<std::size_t>(command)].caption;
}

// "Kayış hesabı (*.selbrin)\0*.selbrin\0\0", as the file dialogs take it.
std::wstring Filter() {
  std::wstring pattern = L"*" + Widen(drivefile::kExtension);
  std::wstring filter = Widen(face::kDriveFilterName) + L" (" + pattern + L")";
  filter += L'\0';
  filter += pattern;
  filter += L'\0';
  return filter;
}

// The file the user chose in the open or save dialog, or none.
std::optional<std::wstring> ChooseFile(HWND owner, face::DriveCommand command, bool save,
                                       const std::wstring& start) {
  std::wstring path = start;
  path.resize(kPathChars, L'\0');
  std::wstring filter = Filter(), title = Widen(CaptionOf(command));
  std::wstring extension = Widen(drivefile::kExtension).substr(1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = kPathChars;
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (chosen == FALSE) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  return path;
}

}  // namespace

std::optional<face::DriveCommand> DriveCommandOfId(int id) {
  for (const face::DriveCommandDef& def : face::kDriveCommands) {
    if (def.offered.desktop && IdOf(def.command) == id) return def.command;
  }
  return std::nullopt;
}

void AppendDriveCommands(HMENU menu) {
  for (const face::DriveCommandDef& def : face::kDriveCommands) {
    if (!def.offered.desktop) continue;
    std::wstring text = Widen(std::string(def.caption) + "\t" + face::ShortcutText(def.keys));
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(IdOf(def.command)), text.c_str());
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void AppendDriveShortcuts(std::vector<ACCEL>& keys) {
  for (const face::DriveCommandDef& def : face::kDriveCommands) {
    if (!def.offered.desktop) continue;
    auto modifiers = static_cast<BYTE>(FVIRTKEY | FCONTROL | (def.keys.shift ? FSHIFT : 0));
    keys.push_back(
        {modifiers, static_cast<WORD>(def.keys.letter), static_cast<WORD>(IdOf(def.command))});
  }
}

void DriveDocument::Run(face::DriveCommand command) {
  switch (command) {
    case face::DriveCommand::Open:
      if (std::optional<std::wstring> chosen = ChooseFile(window_, command, false, {})) {
        Open(*chosen);
      }
      break;
    case face::DriveCommand::Save:
      Save();
      break;
    case face::DriveCommand::SaveAs:
      SaveAs();
      break;
    case face::DriveCommand::CopyLink:
      break;  // the web page's alone
  }
}

void DriveDocument::Tell(std::string_view caption, const std::string& message) const {
  MessageBoxW(window_, Widen(message).c_str(), Widen(caption).c_str(), MB_OK | MB_ICONWARNING);
}

void DriveDocument::Opened(const std::wstring& path, const sheet::TitleBlock& title) {
  path_ = path;
  title_ = title;
  title_.file_name = drivefile::FileName(Narrow(path));
  saved_ = drivefile::WriteDrive(drivefile::Capture(form_, title_));
  SetWindowTextW(window_, Widen(face::WindowTitle(title_.file_name)).c_str());
}

bool DriveDocument::Open(const std::wstring& path) {
  drivefile::Drive drive;
  if (std::optional<std::string> error = drivefile::OpenDriveFile(Narrow(path), drive)) {
    Tell(CaptionOf(face::DriveCommand::Open), *error);
    return false;
  }
  drivefile::Apply(drive, form_);
  Opened(path, drive.title);
  return true;
}

bool DriveDocument::SaveTo(const std::wstring& path) {
  if (std::optional<std::string> error =
          drivefile::SaveDriveFile(Narrow(path), drivefile::Capture(form_, title_))) {
    Tell(CaptionOf(face::DriveCommand::Save), *error);
    return false;
  }
  Opened(path, title_);
  return true;
}

bool DriveDocument::Save() { return path_.empty() ? SaveAs() : SaveTo(path_); }

bool DriveDocument::SaveAs() {
  std::wstring start = path_.empty() ? Widen(face::kDefaultDriveName) : path_;
  std::optional<std::wstring> chosen = ChooseFile(window_, face::DriveCommand::SaveAs, true, start);
  return chosen && SaveTo(*chosen);
}

bool DriveDocument::Modified() const {
  return !path_.empty() && drivefile::WriteDrive(drivefile::Capture(form_, title_)) != saved_;
}

bool DriveDocument::MayClose() {
  if (!Modified()) return true;
  std::wstring title = Widen(face::kUnsavedTitle);
  std::string text(face::kUnsavedText);
  text.replace(text.find("%1"), 2, title_.file_name);
  std::wstring wide_text = Widen(text);
  std::wstring save = Widen(face::kSaveAnswer), discard = Widen(face::kDiscardAnswer),
               cancel = Widen(face::kCancelAnswer);
  std::array<TASKDIALOG_BUTTON, 3> buttons{
      {{IDYES, save.c_str()}, {IDNO, discard.c_str()}, {IDCANCEL, cancel.c_str()}}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = window_;
  config.pszWindowTitle = title.c_str();
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszContent = wide_text.c_str();
  config.pButtons = buttons.data();
  // After "Çıkış" there is no going on.
  config.cButtons = form_.ended() ? 2 : 3;
  config.nDefaultButton = IDYES;
  if (!form_.ended()) config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  int answer = IDCANCEL;
  if (FAILED(TaskDialogIndirect(&config, &answer, nullptr, nullptr))) return true;
  if (answer == IDYES) return Save() || form_.ended();
  return answer == IDNO || form_.ended();
}

}  // namespace selbrin::win32
