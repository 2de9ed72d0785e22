// The drive file's functions for the page: the drive as a link for the page's
// address, as a file to download, and back from either. A bad link or file
// changes nothing and returns the message; a good one returns "".
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "drivefile/file.h"
#include "drivefile/format.h"
#include "drivefile/link.h"
#include "ui/common/command_keys.h"
#include "ui/common/drive_commands.h"
#include "ui/web/page_model.h"

namespace selbrin::web {

Form1& Model() {
  static std::unique_ptr<Form1> form;
  if (!form) form = std::make_unique<Form1>();
  return *form;
}

sheet::TitleBlock& DriveTitle() {
  static sheet::TitleBlock title;
  return title;
}

}  // namespace selbrin::web

namespace {

namespace drivefile = selbrin::drivefile;
namespace face = selbrin::face;
using selbrin::web::DriveTitle;
using selbrin::web::Model;

// The drive commands' numbers on the page come after the sheet's.
constexpr int kDriveCommandBase = 100;

// What a link is called in its messages.
constexpr std::string_view kLinkName = "Bağlantı";

std::string out;    // what the last string function returned, until the next call
std::string input;  // a file's bytes, written by the page into the module's memory

const char* Return(std::string s) {
  out = std::move(s);
  return out.c_str();
}

const drivefile::Drive& Fresh() {
  static const drivefile::Drive fresh = drivefile::Capture(selbrin::Form1());
  return fresh;
}

void Take(const drivefile::Drive& drive, std::string file_name) {
  drivefile::Apply(drive, Model());
  DriveTitle() = drive.title;
  DriveTitle().file_name = std::move(file_name);
}

std::string Json(std::string_view s) {
  std::string j = "\"";
  for (char c : s) j += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  return j + "\"";
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* sb_drive_link() {
  return Return(drivefile::DriveLink(drivefile::Capture(Model(), DriveTitle()), Fresh()));
}

EMSCRIPTEN_KEEPALIVE const char* sb_open_link(const char* link) {
  drivefile::Drive drive;
  if (auto e = drivefile::ParseDriveLink(link, Fresh(), drive)) {
    return Return(drivefile::ErrorMessage(kLinkName, *e));
  }
  Take(drive, "");
  return Return("");
}

EMSCRIPTEN_KEEPALIVE const char* sb_drive_file() {
  return Return(drivefile::WriteDrive(drivefile::Capture(Model(), DriveTitle())));
}

EMSCRIPTEN_KEEPALIVE const char* sb_drive_file_name() {
  return Return(DriveTitle().file_name.empty() ? std::string(face::kDefaultDriveName)
                                               : DriveTitle().file_name);
}

// Room for a file of `size` bytes, refused from its size alone (null) when no
// drive is that large.
EMSCRIPTEN_KEEPALIVE char* sb_drive_buffer(double size) {
  if (size > static_cast<double>(drivefile::kMaxFileBytes)) return nullptr;
  input.assign(static_cast<std::size_t>(size), '\0');
  return input.data();
}

EMSCRIPTEN_KEEPALIVE const char* sb_drive_too_large(const char* name) {
  return Return(drivefile::ErrorMessage(
      name, {0, "dosya çok büyük; bir kayış hesabı dosyası en çok " +
                    std::to_string(drivefile::kMaxFileBytes / (1024 * 1024)) + " MB olabilir"}));
}

// Reads the bytes the page put into the buffer as the drive file `name`.
EMSCRIPTEN_KEEPALIVE const char* sb_open_drive(const char* name) {
  drivefile::Drive drive;
  if (auto e = drivefile::ParseDrive(input, drive)) {
    return Return(drivefile::ErrorMessage(name, *e));
  }
  Take(drive, name);
  return Return("");
}

// The page's drive commands: [{"id", "caption", "keys", "command"}], the command
// numbered after the sheet's, so that one menu holds both.
EMSCRIPTEN_KEEPALIVE const char* sb_drive_commands() {
  std::string j = "[";
  for (const face::DriveCommandDef& d : face::kDriveCommands) {
    if (!d.offered.web) continue;
    if (j.size() > 1) j += ',';
    j += "{\"id\":" + Json(d.name) + ",\"caption\":" + Json(d.caption) +
         ",\"keys\":" + Json(face::ShortcutText(d.keys)) +
         ",\"command\":" + std::to_string(kDriveCommandBase + static_cast<int>(d.command)) + "}";
  }
  return Return(j + "]");
}

EMSCRIPTEN_KEEPALIVE int sb_drive_command_for_keys(int shift, const char* letter) {
  if (letter[0] == '\0' || letter[1] != '\0') return -1;
  auto command = face::DriveCommandForKeys(shift != 0, letter[0]);
  bool offered = command && face::kDriveCommands[static_cast<std::size_t>(*command)].offered.web;
  return offered ? kDriveCommandBase + static_cast<int>(*command) : -1;
}

}  // extern "C"
