#include "drivefile/format.h"

#include <charconv>
#include <map>

#include "drivefile/fields.h"

namespace selbrin::drivefile {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr int kHexDigits = 2;
constexpr int kHexBase = 16;

void AppendHexByte(std::string& out, unsigned char b) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[b / kHexBase];
  out += kHex[b % kHexBase];
}

std::string Header() { return std::string(kMagic) + ' ' + std::to_string(kFormatVersion); }

ReadError At(int line, std::string reason) { return {line, std::move(reason)}; }

// The line of the first byte that is not UTF-8, if there is one.
std::optional<int> NotUtf8Line(std::string_view bytes) {
  int line = 1;
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::optional<Utf8Char> c = DecodeChar(bytes, i);
    if (!c) return line;
    if (bytes[i] == '\n') ++line;
    i += c->length;
  }
  return std::nullopt;
}

std::optional<ReadError> CheckHeader(std::string_view line) {
  std::string prefix = std::string(kMagic) + ' ';
  if (line.substr(0, prefix.size()) != prefix) {
    return At(1, "kayış hesabı dosyası değil: ilk satır \"" + Header() + "\" olmalı");
  }
  std::string_view rest = line.substr(prefix.size());
  int version = 0;
  auto r = std::from_chars(rest.data(), rest.data() + rest.size(), version);
  if (r.ec != std::errc() || r.ptr != rest.data() + rest.size() || rest.empty() || rest[0] == '0' ||
      version < kFormatVersion) {
    return At(1, "kayış hesabı dosyası değil: ilk satır \"" + Header() + "\" olmalı");
  }
  if (version > kFormatVersion) {
    return At(1, "dosya Selbrin'in daha yeni bir sürümünün biçiminde (" + std::string(line) +
                     "); bu sürüm yalnız " + std::to_string(kFormatVersion) + ". biçimi okur");
  }
  return std::nullopt;
}

// Reads the items after the first line, each at most once, then checks that
// every required one came.
class ItemReader {
 public:
  explicit ItemReader(Drive& d) : drive_(d) {
    for (std::size_t i = 0; i < Fields().size(); ++i) index_[Fields()[i].name] = i;
  }

  std::optional<ReadError> Line(int number, std::string_view line) {
    if (line.empty() || line.front() == '#') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return At(number, "\"AD=DEĞER\" biçiminde değil");
    std::string name(line.substr(0, eq));
    auto it = index_.find(name);
    if (it == index_.end()) return At(number, "bilinmeyen ad \"" + name + "\"");
    int& seen = seen_[it->second];
    if (seen != 0) {
      return At(number,
                "\"" + name + "\" ikinci kez yazılmış (ilki satır " + std::to_string(seen) + ")");
    }
    seen = number;
    std::optional<std::string> value = Unescape(line.substr(eq + 1));
    if (!value) return At(number, "\"" + name + "\" değerinde geçersiz ters bölü dizisi");
    if (auto reason = Fields()[it->second].read(*value, drive_)) return At(number, *reason);
    return std::nullopt;
  }

  std::optional<ReadError> Finish(int next_line) const {
    for (std::size_t i = 0; i < Fields().size(); ++i) {
      if (Fields()[i].required && seen_.count(i) == 0) {
        return At(next_line, "dosya eksik: \"" + Fields()[i].name + "\" satırı yok");
      }
    }
    for (std::size_t i = 0; i < Fields().size(); ++i) {
      const Field& f = Fields()[i];
      auto seen = seen_.find(i);
      if (!f.check || seen == seen_.end()) continue;
      if (std::optional<std::string> reason = f.check(drive_)) return At(seen->second, *reason);
    }
    return std::nullopt;
  }

 private:
  Drive& drive_;
  std::map<std::string, std::size_t> index_;
  std::map<std::size_t, int> seen_;
};

}  // namespace

std::string Escape(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b == '\\') {
      out += "\\\\";
    } else if (b == '\n' || b == '\r' || b == '\t') {
      out += '\\';
      out += b == '\n' ? 'n' : b == '\r' ? 'r' : 't';
    } else if (b < kFirstPrintable || b == kDelete) {
      AppendHexByte(out, b);
    } else if (std::optional<Utf8Char> c = DecodeChar(text, i)) {
      out += text.substr(i, c->length);
      i += c->length;
      continue;
    } else {
      AppendHexByte(out, b);
    }
    ++i;
  }
  return out;
}

std::optional<std::string> Unescape(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    char e = value[i];
    if (e == '\\' || e == 'n' || e == 'r' || e == 't') {
      out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : '\\';
      continue;
    }
    unsigned byte = 0;
    const char* hex = value.data() + i + 1;
    if (e != 'x' || value.size() - i - 1 < kHexDigits) return std::nullopt;
    auto r = std::from_chars(hex, hex + kHexDigits, byte, kHexBase);
    if (r.ec != std::errc() || r.ptr != hex + kHexDigits) return std::nullopt;
    out += static_cast<char>(byte);
    i += kHexDigits;
  }
  return out;
}

std::string WriteDrive(const Drive& drive) {
  std::string out = Header() + '\n';
  for (const Field& f : Fields()) {
    std::optional<std::string> v = f.write(drive);
    if (v) out += f.name + '=' + Escape(*v) + '\n';
  }
  return out;
}

std::optional<ReadError> ParseDrive(std::string_view bytes, Drive& drive) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  if (bytes.empty()) return At(0, "dosya boş");
  if (std::optional<int> line = NotUtf8Line(bytes)) return At(*line, "UTF-8 metin değil");
  Drive read;
  ItemReader items(read);
  int number = 0;
  while (!bytes.empty()) {
    ++number;
    std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return At(number, "satır sonu yok: dosya yarıda kesilmiş");
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::optional<ReadError> e = number == 1 ? CheckHeader(line) : items.Line(number, line);
    if (e) return e;
  }
  if (std::optional<ReadError> e = items.Finish(number + 1)) return e;
  drive = std::move(read);
  return std::nullopt;
}

std::string ErrorMessage(std::string_view file, const ReadError& error) {
  std::string s(file);
  s += ": ";
  if (error.line > 0) s += "satır " + std::to_string(error.line) + ": ";
  return s + error.reason;
}

}  // namespace selbrin::drivefile
