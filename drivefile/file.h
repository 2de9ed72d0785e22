// Drive files on disk. A file larger than any drive is refused from its size
// alone, before anything of it is read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drivefile/drive.h"

namespace selbrin::drivefile {

// Far above any drive a user types (a drive is about 1 KB), far below what would
// strain a computer.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{4} * 1024 * 1024;

// Paths are UTF-8 on every system. Each returns the Turkish message that names
// the file when it fails; `drive` is then left as it was.
std::optional<std::string> OpenDriveFile(std::string_view path, Drive& drive);
std::optional<std::string> SaveDriveFile(std::string_view path, const Drive& drive);

// The file's name without its folders ("pompa.selbrin"), for titles and the sheet.
std::string FileName(std::string_view path);

}  // namespace selbrin::drivefile
