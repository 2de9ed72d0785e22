// The drive file's commands, beside the sheet's on the form's background menu
// and by shortcut. Unlike those they write the drive into a file or replace the
// form by one.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/common/commands.h"

namespace selbrin::face {

enum class DriveCommand {
  Open,      // a drive file into the form, through the system's open dialog
  Save,      // the form into the file it came from (asks for one the first time)
  SaveAs,    // the form into a file the user names
  CopyLink,  // the web page's address, which holds the drive, onto the clipboard
};

// Which faces offer a command: the desktop windows keep files, the web page
// keeps the drive in its address and offers the file as a download.
struct Offered {
  bool desktop;
  bool web;
};

struct DriveCommandDef {
  DriveCommand command;
  std::string_view name;  // the widget or element name: "openDrive"
  std::string_view caption;
  Shortcut keys;
  Offered offered;
};

inline constexpr std::array<DriveCommandDef, 4> kDriveCommands{{
    {DriveCommand::Open, "openDrive", "Aç…", {false, 'O'}, {true, true}},
    {DriveCommand::Save, "saveDrive", "Kaydet", {false, 'S'}, {true, true}},
    {DriveCommand::SaveAs, "saveDriveAs", "Farklı kaydet…", {true, 'S'}, {true, false}},
    {DriveCommand::CopyLink, "copyLink", "Bağlantıyı kopyala", {true, 'L'}, {false, true}},
}};

// The file dialogs' filter and the name a drive never saved is offered under.
inline constexpr std::string_view kDriveFilterName = "Kayış hesabı";
inline constexpr std::string_view kDefaultDriveName = "kayis-hesabi.selbrin";

// The question on closing a window whose drive changed since it was opened or
// saved, and its answers.
inline constexpr std::string_view kUnsavedTitle = "Kaydedilmemiş değişiklikler";
inline constexpr std::string_view kUnsavedText = "%1 dosyasındaki değişiklikler kaydedilsin mi?";
inline constexpr std::string_view kSaveAnswer = "Kaydet";
inline constexpr std::string_view kDiscardAnswer = "Kaydetme";
inline constexpr std::string_view kCancelAnswer = "Vazgeç";

// The window's title once a drive file is open: "pompa.selbrin – Selbrin".
std::string WindowTitle(std::string_view file_name);

// The drive command that Ctrl (and Shift as given) with `letter` runs.
std::optional<DriveCommand> DriveCommandForKeys(bool shift, char letter);

// What the program's command line asks for: `selbrin [FILE]`, `--help`, `--version`.
struct CommandLine {
  enum class Ask { Run, Help, Version, Wrong } ask = Ask::Run;
  std::string_view file;  // the drive file to open, if any
};
CommandLine ParseCommandLine(int argc, const char* const* argv);
std::string HelpText();
std::string VersionText(std::string_view version);

}  // namespace selbrin::face
