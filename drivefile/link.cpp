#include "drivefile/link.h"

#include <charconv>
#include <set>
#include <vector>

namespace selbrin::drivefile {
namespace {

constexpr std::string_view kLinkHeader = "selbrin=1";
constexpr int kHexBase = 16;

// What a fragment holds raw, less the separators '&', '%' and '+' (which some
// readers of addresses take for a blank).
bool Raw(unsigned char c) {
  constexpr std::string_view kMarks = "-._~!$'()*,;=:@/?";
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         kMarks.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Encode(std::string_view line) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string out;
  for (char ch : line) {
    auto c = static_cast<unsigned char>(ch);
    if (Raw(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c / kHexBase];
      out += kHex[c % kHexBase];
    }
  }
  return out;
}

std::optional<std::string> Decode(std::string_view item) {
  std::string out;
  for (std::size_t i = 0; i < item.size(); ++i) {
    if (item[i] != '%') {
      out += item[i];
      continue;
    }
    unsigned byte = 0;
    const char* hex = item.data() + i + 1;
    if (item.size() - i < 3) return std::nullopt;
    auto r = std::from_chars(hex, hex + 2, byte, kHexBase);
    if (r.ec != std::errc() || r.ptr != hex + 2) return std::nullopt;
    out += static_cast<char>(byte);
    i += 2;
  }
  return out;
}

// The file's lines after its first.
std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t start = file.find('\n') + 1;
  while (start < file.size()) {
    std::size_t end = file.find('\n', start);
    lines.push_back(file.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string NameOf(std::string_view line) { return std::string(line.substr(0, line.find('='))); }

}  // namespace

std::string DriveLink(const Drive& drive, const Drive& fresh) {
  std::vector<std::string> start = Lines(WriteDrive(fresh));
  std::set<std::string> unchanged(start.begin(), start.end());
  std::string link(kLinkHeader);
  for (const std::string& line : Lines(WriteDrive(drive))) {
    if (unchanged.count(line) == 0) link += '&' + Encode(line);
  }
  return link;
}

std::optional<ReadError> ParseDriveLink(std::string_view link, const Drive& fresh, Drive& drive) {
  std::string file = std::string(kMagic) + ' ' + std::to_string(kFormatVersion) + '\n';
  std::set<std::string> given;
  int number = 0;
  while (!link.empty() || number == 0) {
    ++number;
    std::size_t amp = link.find('&');
    std::string_view item = link.substr(0, amp);
    link = amp == std::string_view::npos ? std::string_view{} : link.substr(amp + 1);
    std::optional<std::string> line = Decode(item);
    if (!line) return ReadError{number, "bozuk %XX dizisi"};
    if (number == 1) {
      if (*line != kLinkHeader) return ReadError{1, "bağlantı bir kayış hesabı taşımıyor"};
      continue;
    }
    if (line->find('\n') != std::string::npos) return ReadError{number, "satır sonu olmamalı"};
    given.insert(NameOf(*line));
    file += *line + '\n';
  }
  for (const std::string& line : Lines(WriteDrive(fresh))) {
    if (given.count(NameOf(line)) == 0) file += line + '\n';
  }
  return ParseDrive(file, drive);
}

}  // namespace selbrin::drivefile
