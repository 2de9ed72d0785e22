#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "drivefile/file.h"
#include "drivefile/format.h"
#include "drivefile/link.h"
#include "tests/support/temp_path.h"
#include "tools/replay/replay.h"

namespace selbrin::drivefile {
namespace {

// A worked drive as the program writes it.
std::string GoodFile() {
  Form1 form;
  std::ostringstream out;
  for (const char* line : {"pick Combo1 30", "pick Combo3 280", "type Text2 1500", "select 2",
                           "type Text5 3", "click Command1"}) {
    EXPECT_EQ(replay::PlayLine(form, line, out), std::nullopt) << line;
  }
  return WriteDrive(Capture(form, {"Hat 3", "", "", "Ayşe", "", ""}));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

int LineOf(const std::string& text, const std::string& start) {
  std::size_t at = text.find("\n" + start);
  return 2 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

// Each bad file names the line and what is wrong, and leaves the drive alone.
TEST(BadFile, NamesTheLineAndWhatIsWrong) {
  const std::string good = GoodFile();
  const int text2 = LineOf(good, "Text2=");
  const int cell_a = LineOf(good, "cellA=");
  const int lines = static_cast<int>(std::count(good.begin(), good.end(), '\n'));
  const std::string wrong_header =
      "kayış hesabı dosyası değil: ilk satır \"selbrin-drive 1\" olmalı";
  struct Row {
    std::string what, bytes, message;
  };
  const Row rows[] = {
      {"empty", "", "f: dosya boş"},
      {"other text", "Merhaba\n", "f: satır 1: " + wrong_header},
      {"version 0", "selbrin-drive 0\n", "f: satır 1: " + wrong_header},
      {"newer", Replace(good, "drive 1", "drive 2"),
       "f: satır 1: dosya Selbrin'in daha yeni bir sürümünün biçiminde (selbrin-drive 2); bu "
       "sürüm yalnız 1. biçimi okur"},
      {"cut in a line", good.substr(0, good.size() - 2),
       "f: satır " + std::to_string(lines) + ": satır sonu yok: dosya yarıda kesilmiş"},
      {"cut after a line", good.substr(0, good.find("cellA")),
       "f: satır " + std::to_string(cell_a) + ": dosya eksik: \"cellA\" satırı yok"},
      {"unknown name", good + "Renk=mavi\n",
       "f: satır " + std::to_string(lines + 1) + ": bilinmeyen ad \"Renk\""},
      {"twice", good + "Text2=1\n",
       "f: satır " + std::to_string(lines + 1) + ": \"Text2\" ikinci kez yazılmış (ilki satır " +
           std::to_string(text2) + ")"},
      {"no equals sign", Replace(good, "chkC2=1", "chkC2"),
       "f: satır " + std::to_string(LineOf(good, "chkC2")) + ": \"AD=DEĞER\" biçiminde değil"},
      {"check box 2", Replace(good, "chkC2=1", "chkC2=2"),
       "f: satır " + std::to_string(LineOf(good, "chkC2")) + ": \"chkC2\" değeri 0 ya da 1 olmalı"},
      {"profile 8", Replace(good, "Option1=2", "Option1=8"),
       "f: satır " + std::to_string(LineOf(good, "Option1")) +
           ": \"Option1\" değeri 0 ile 7 arasında bir sayı ya da \"-\" olmalı"},
      {"typed Text2 too long", Replace(good, "Text2=1500", "Text2=150000"),
       "f: satır " + std::to_string(text2) + ": \"Text2\" en çok 5 karakter tutar"},
      {"not a number", Replace(good, "cellA=", "cellA=x"),
       "f: satır " + std::to_string(cell_a) + ": \"cellA\" değeri bir sayı olmalı"},
      {"not a single", Replace(good, "cellA=", "cellA=1e39+"),
       "f: satır " + std::to_string(cell_a) + ": \"cellA\" değeri bir sayı olmalı"},
      {"beyond a single", Replace(good, "piValue=3.14159274", "piValue=1e39"),
       "f: satır " + std::to_string(LineOf(good, "piValue")) +
           ": \"piValue\" değeri tek duyarlıklı bir sayıya sığmıyor"},
      {"infinity", Replace(good, "piValue=3.14159274", "piValue=inf"),
       "f: satır " + std::to_string(LineOf(good, "piValue")) +
           ": \"piValue\" değeri bir sayı olmalı"},
      {"broken escape", Replace(good, "Text9=", "Text9=a\\q"),
       "f: satır " + std::to_string(LineOf(good, "Text9")) +
           ": \"Text9\" değerinde geçersiz ters bölü dizisi"},
      {"short hex escape", Replace(good, "Text9=", "Text9=\\x4"),
       "f: satır " + std::to_string(LineOf(good, "Text9")) +
           ": \"Text9\" değerinde geçersiz ters bölü dizisi"},
      {"not UTF-8", Replace(good, "Proje=Hat", "Proje=\xC3("), "f: satır 2: UTF-8 metin değil"},
      {"a fixed caption written", Replace(good, "ProgramWritten=", "ProgramWritten=Label1 "),
       "f: satır " + std::to_string(LineOf(good, "ProgramWritten")) +
           ": \"ProgramWritten\" içinde metin tutmayan ad \"Label1\""},
  };
  for (const Row& row : rows) {
    Drive drive;
    drive.title.proje = "unchanged";
    std::optional<ReadError> e = ParseDrive(row.bytes, drive);
    ASSERT_TRUE(e.has_value()) << row.what;
    EXPECT_EQ(ErrorMessage("f", *e), row.message) << row.what;
    EXPECT_EQ(drive.title.proje, "unchanged") << row.what;
  }
}

// What editors do to a text file and hand edits that keep it a drive.
TEST(GoodFile, ReadsWithEditorsChanges) {
  const std::string good = GoodFile();
  std::string crlf;
  for (char c : good) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& bytes :
       {good, "\xEF\xBB\xBF" + good, crlf, Replace(good, "\n", "\n# yorum\n\n")}) {
    Drive drive;
    ASSERT_EQ(ParseDrive(bytes, drive), std::nullopt);
    EXPECT_EQ(WriteDrive(drive), good);
  }
}

// Any bytes at all come back from the file as they went in, on one line of UTF-8.
TEST(Escape, AnyBytesRoundTrip) {
  std::mt19937 random(7);
  const std::string pieces[] = {"\\",   "\n",    "\r",
                                "\t",   "=",     "x",
                                "ğ",    "İ",     "\xF0\x9F\x98\x80",
                                "\xC3", "\x80",  "\x7F",
                                "\x01", "\\x41", "<svg onload=x>"};
  for (int i = 0; i < 500; ++i) {
    std::string text;
    for (int n = static_cast<int>(random() % 8); n > 0; --n) text += pieces[random() % 15];
    std::string escaped = Escape(text);
    EXPECT_EQ(escaped.find('\n'), std::string::npos);
    EXPECT_EQ(Unescape(escaped), text);
    Drive drive;
    drive.title.tahrik = text;
    drive.controls[static_cast<std::size_t>(Ctl::Text9)].text = text;
    Drive read;
    ASSERT_EQ(ParseDrive(WriteDrive(drive), read), std::nullopt);
    EXPECT_EQ(read.title.tahrik, text);
    EXPECT_EQ(read.controls[static_cast<std::size_t>(Ctl::Text9)].text, text);
  }
}

// A huge file is refused by its size, before it is read.
TEST(BadFile, HugeFileIsRefusedBySize) {
#if defined(__EMSCRIPTEN__)
  GTEST_SKIP() << "node keeps a file in memory, sparse or not";
#endif
  std::string path = test::UniqueTempPath("huge.selbrin");
  std::filesystem::resize_file((std::ofstream(path) << "selbrin-drive 1\n", path),
                               std::uintmax_t{100} * 1024 * 1024);
  Drive drive;
  EXPECT_EQ(OpenDriveFile(path, drive),
            path + ": dosya çok büyük (100 MB); bir kayış hesabı dosyası en çok 4 MB olabilir");
  std::filesystem::remove(path);
  EXPECT_EQ(OpenDriveFile(path, drive), path + ": dosya açılamadı");
}

}  // namespace
}  // namespace selbrin::drivefile

namespace selbrin::drivefile {
namespace {

// A link holds what differs from a fresh form, and reads back to the same drive.
TEST(Link, RoundTripsAndRefusesBadLinks) {
  Form1 fresh_form;
  const Drive fresh = Capture(fresh_form);
  Form1 form;
  std::ostringstream out;
  for (const char* line : {"pick Combo1 30", "paste Text9 a&b%c+d #<script>", "click Command1"}) {
    ASSERT_EQ(replay::PlayLine(form, line, out), std::nullopt);
  }
  Drive drive = Capture(form, {"Hat 3 & 4", "", "", "", "", ""});
  std::string link = DriveLink(drive, fresh);
  EXPECT_EQ(link.find_first_of("# \n<>\"`{}+"), std::string::npos) << link;
  EXPECT_EQ(link.substr(0, 26), "selbrin=1&Proje=Hat%203%20");
  Drive read;
  ASSERT_EQ(ParseDriveLink(link, fresh, read), std::nullopt);
  EXPECT_EQ(WriteDrive(read), WriteDrive(drive));
  ASSERT_EQ(ParseDriveLink("selbrin=1", fresh, read), std::nullopt);
  EXPECT_EQ(WriteDrive(read), WriteDrive(fresh));
  struct Row {
    std::string link, message;
  };
  const Row rows[] = {
      {"", "b: satır 1: bağlantı bir kayış hesabı taşımıyor"},
      {"baska=1", "b: satır 1: bağlantı bir kayış hesabı taşımıyor"},
      {"selbrin=1&chkC2=7", "b: satır 2: \"chkC2\" değeri 0 ya da 1 olmalı"},
      {"selbrin=1&Text9=%4", "b: satır 2: bozuk %XX dizisi"},
      {"selbrin=1&Text9=a%0Ab", "b: satır 2: satır sonu olmamalı"},
      {"selbrin=1&Renk=1", "b: satır 2: bilinmeyen ad \"Renk\""},
  };
  for (const Row& row : rows) {
    std::optional<ReadError> e = ParseDriveLink(row.link, fresh, read);
    ASSERT_TRUE(e.has_value()) << row.link;
    EXPECT_EQ(ErrorMessage("b", *e), row.message);
  }
}

}  // namespace
}  // namespace selbrin::drivefile
