// A drive in a web address: the part after '#', compact enough for a link. It
// holds the drive file's items that differ from a fresh form's, each NAME=VALUE
// with the file's escapes, joined by '&' after a first item that names the
// format ("selbrin=1"); every byte that a fragment may not hold raw, and '&',
// '%' and '+', as %XX:
//
//   #selbrin=1&Combo1=30&Text2=1500&Proje=Hat%203
//
// Reading fills the items a link leaves out from the fresh form, then reads the
// whole as a file, with every check of a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "drivefile/drive.h"
#include "drivefile/format.h"

namespace selbrin::drivefile {

std::string DriveLink(const Drive& drive, const Drive& fresh);

// A link's line N is its Nth item (the first names the format). On an error
// `drive` is left as it was.
std::optional<ReadError> ParseDriveLink(std::string_view link, const Drive& fresh, Drive& drive);

}  // namespace selbrin::drivefile
