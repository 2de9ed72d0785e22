// Selbrin: the form is the program. Create it (which loads its lists), show it,
// open the drive file the command line names, and run until "Çıkış" or the
// window's close button ends it. `selbrin --help` and `--version` print and
// exit without a window, as command-line programs do.
#include <QApplication>
#include <QString>
#include <cstdio>

#include "form/form1.h"
#include "ui/common/drive_commands.h"
#include "ui/qt/application.h"
#include "ui/qt/drive_commands.h"
#include "ui/qt/form_window.h"

namespace {

constexpr int kUsageStatus = 2;

int Print(const std::string& text, std::FILE* stream, int status) {
  std::fputs(text.c_str(), stream);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using selbrin::face::CommandLine;
  CommandLine line = selbrin::face::ParseCommandLine(argc, argv);
  if (line.ask == CommandLine::Ask::Help) return Print(selbrin::face::HelpText(), stdout, 0);
  if (line.ask == CommandLine::Ask::Version) {
    return Print(selbrin::face::VersionText(SELBRIN_VERSION_TEXT), stdout, 0);
  }
  if (line.ask == CommandLine::Ask::Wrong) {
    return Print(selbrin::face::HelpText(), stderr, kUsageStatus);
  }
  QApplication app(argc, argv);
  selbrin::ui::PrepareApplication(app);
  selbrin::Form1 form;
  selbrin::ui::Form1Window window(form);
  auto* drive = new selbrin::ui::DriveCommands(form, &window);  // owned by the window
  window.show();
  if (!line.file.empty()) drive->Open(QString::fromLocal8Bit(line.file.data()));
  return QApplication::exec();
}
