#include "ui/common/about.h"

#include "ui/common/command_keys.h"
#include "ui/common/commands.h"
#include "ui/common/drive_commands.h"

namespace selbrin::face {
namespace {

constexpr std::string_view kPurpose =
    "Elektrik motoru ile vidalı kompresör arasındaki V kayışı tahrikinin hesabı.";
constexpr std::string_view kLicence = "MIT lisansı ile dağıtılır.";
constexpr std::string_view kCommandsHeading = "Komutlar (formun boş yerinde sağ tık, Shift+F10):";

void AddCommand(std::string& text, std::string_view caption, std::string_view keys) {
  text += caption;
  text += '\t';
  text += keys;
  text += '\n';
}

}  // namespace

std::string AboutText(std::string_view version, FaceKind face) {
  std::string text = "Selbrin ";
  text += version;
  text += '\n';
  text += kPurpose;
  text += '\n';
  text += kLicence;
  text += "\n\n";
  text += kCommandsHeading;
  text += '\n';
  bool web = face == FaceKind::Web;
  bool browser_print = face != FaceKind::Desktop;
  for (const DriveCommandDef& def : kDriveCommands) {
    if (web ? def.offered.web : def.offered.desktop) {
      AddCommand(text, def.caption, ShortcutText(def.keys));
    }
  }
  for (const SheetCommandDef& def : kSheetCommands) {
    if (!browser_print || OfferedWithBrowserPrint(def.command)) {
      AddCommand(text, def.caption, ShortcutText(def.keys));
    }
  }
  AddCommand(text, kAboutCaption, kAboutKey);
  return text;
}

}  // namespace selbrin::face
