#include "ui/common/drive_commands.h"

#include <string>

namespace selbrin::face {

std::string WindowTitle(std::string_view file_name) {
  return std::string(file_name) + " – Selbrin";
}

std::optional<DriveCommand> DriveCommandForKeys(bool shift, char letter) {
  char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
  for (const DriveCommandDef& def : kDriveCommands) {
    if (def.keys.shift == shift && def.keys.letter == upper) return def.command;
  }
  return std::nullopt;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg(argv[i]);
    if (arg == "--help" || arg == "-h") return {CommandLine::Ask::Help, {}};
    if (arg == "--version") return {CommandLine::Ask::Version, {}};
    if ((arg.starts_with('-') && arg != "-") || !line.file.empty()) {
      return {CommandLine::Ask::Wrong, {}};
    }
    line.file = arg;
  }
  return line;
}

std::string HelpText() {
  return "Kullanım: selbrin [DOSYA]\n"
         "Elektrik motoru ile vidalı kompresör arasındaki V kayışlı tahriki hesaplar.\n"
         "\n"
         "  DOSYA       açılacak kayış hesabı dosyası (.selbrin)\n"
         "  --help      bu yardımı yazar ve çıkar\n"
         "  --version   sürümü yazar ve çıkar\n";
}

std::string VersionText(std::string_view version) {
  return "Selbrin " + std::string(version) + "\n";
}

}  // namespace selbrin::face
