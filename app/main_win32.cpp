// Selbrin for Windows: create the form (which loads its lists), show its window,
// open the drive file the command line names, and run until "Çıkış" or the
// window's close box ends it. `--help` and `--version` are told in a message
// box, as a program without a console can.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>
#include <vector>

#include "form/form1.h"
#include "ui/common/drive_commands.h"
#include "ui/win32/form_window.h"
#include "ui/win32/wide.h"

namespace {

constexpr int kUsageStatus = 2;

int Tell(const std::string& text, UINT icon, int status) {
  MessageBoxW(nullptr, selbrin::win32::Widen(text).c_str(), L"Selbrin", MB_OK | icon);
  return status;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  using selbrin::face::CommandLine;
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(selbrin::win32::Narrow(wide[i]));
  LocalFree(wide);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  CommandLine line = selbrin::face::ParseCommandLine(argc, argv.data());
  if (line.ask == CommandLine::Ask::Help)
    return Tell(selbrin::face::HelpText(), MB_ICONINFORMATION, 0);
  if (line.ask == CommandLine::Ask::Version) {
    return Tell(selbrin::face::VersionText(SELBRIN_VERSION_TEXT), MB_ICONINFORMATION, 0);
  }
  if (line.ask == CommandLine::Ask::Wrong) {
    return Tell(selbrin::face::HelpText(), MB_ICONWARNING, kUsageStatus);
  }
  selbrin::Form1 form;
  selbrin::win32::FormWindow window(form, instance);
  window.Show(show_command);
  if (!line.file.empty()) window.drive().Open(selbrin::win32::Widen(line.file));
  return selbrin::win32::RunMessageLoop(window);
}
