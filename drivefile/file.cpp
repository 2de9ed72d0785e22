#include "drivefile/file.h"

#if defined(_WIN32)
#include <filesystem>
#endif
#include <fstream>

#include "drivefile/format.h"

namespace selbrin::drivefile {
namespace {

// Windows opens a narrow path in the system's code page, not UTF-8.
#if defined(_WIN32)
std::filesystem::path Native(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
#else
std::string Native(std::string_view utf8) { return std::string(utf8); }
#endif

std::string Megabytes(std::uintmax_t bytes) {
  constexpr std::uintmax_t kMega = 1024 * 1024;
  return std::to_string((bytes + kMega - 1) / kMega) + " MB";
}

}  // namespace

std::optional<std::string> OpenDriveFile(std::string_view path, Drive& drive) {
  std::ifstream in(Native(path), std::ios::binary | std::ios::ate);
  if (!in) return ErrorMessage(path, {0, "dosya açılamadı"});
  std::streamoff size = in.tellg();
  if (size < 0) return ErrorMessage(path, {0, "dosya okunamadı"});
  if (static_cast<std::uintmax_t>(size) > kMaxFileBytes) {
    return ErrorMessage(
        path,
        {0, "dosya çok büyük (" + Megabytes(static_cast<std::uintmax_t>(size)) +
                "); bir kayış hesabı dosyası en çok " + Megabytes(kMaxFileBytes) + " olabilir"});
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  // At most kMaxFileBytes here, which fits a 32-bit stream size.
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
    return ErrorMessage(path, {0, "dosya okunamadı"});
  if (std::optional<ReadError> e = ParseDrive(bytes, drive)) return ErrorMessage(path, *e);
  return std::nullopt;
}

std::optional<std::string> SaveDriveFile(std::string_view path, const Drive& drive) {
  std::ofstream out(Native(path), std::ios::binary | std::ios::trunc);
  out << WriteDrive(drive);
  out.close();
  if (!out) return ErrorMessage(path, {0, "dosya yazılamadı"});
  return std::nullopt;
}

std::string FileName(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace selbrin::drivefile
