// A libFuzzer target over the drive file's reader. Every input must either be
// refused with a line inside the file, or read into a drive that, put into a
// fresh form, is written back as a file that reads to the same drive; the form
// must then still take an action.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drivefile/format.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "\ndrive reader: %s\n", what);
  std::abort();
}

int LineCount(std::string_view bytes) {
  int lines = 1;
  for (char c : bytes) lines += c == '\n' ? 1 : 0;
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selbrin;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  drivefile::Drive drive;
  if (std::optional<drivefile::ReadError> e = drivefile::ParseDrive(bytes, drive)) {
    if (e->line < 0 || e->line > LineCount(bytes) + 1 || e->reason.empty()) {
      Fail("an error outside the file");
    }
    return 0;
  }
  Form1 form;
  drivefile::Apply(drive, form);
  std::string written = drivefile::WriteDrive(drivefile::Capture(form, drive.title));
  drivefile::Drive again;
  if (drivefile::ParseDrive(written, again)) Fail("a file it wrote does not read");
  if (drivefile::WriteDrive(again) != written) Fail("a file it wrote reads to another drive");
  try {
    (void)form.Click(Ctl::Command1);
    (void)form.Select(0);
  } catch (...) {
    Fail("an exception escaped an action after opening");
  }
  return 0;
}
