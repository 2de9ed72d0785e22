// The drive file (".selbrin"): UTF-8 text, one item a line, readable and
// diffable.
//
//   selbrin-drive 1            the first line: what the file is, and its format
//   Proje=Kompresör hattı 3    title lines, each optional: Proje, Tahrik,
//                              Kompresör, Hazırlayan, Kontrol eden
//   Label31=2970               every text box, combo box and display field by its
//   Combo1=30                  control's name, its text as it stands; each check
//   chkKompakt=0               box 0 or 1; Option1 the selected profile 0 to 7,
//   Option1=6                  or "-" when none is
//   ProgramWritten=Combo1 ...  the texts the program wrote last, not the user
//   cellA=2970                 the twelve form variables, each as the nearest
//   ...                        single-precision number to the one written
//   ResultsOutdated=0          1 when an input changed after the last "Hesapla"
//   CalculationFault=overflow  only when a fault cut the last "Hesapla" short:
//                              "division by zero", "invalid argument" or "overflow"
//
// A value is everything after the first '=', with four escapes: "\\" for a
// backslash, "\n", "\r" and "\t" for a line feed, carriage return and tab, and
// "\xHH" for any other control byte or a byte that is not UTF-8. Lines end with
// a line feed (a carriage return before it is dropped); empty lines and lines
// starting with '#' are skipped. Every item but the title lines and CalculationFault must be there,
// once each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "drivefile/drive.h"

namespace selbrin::drivefile {

inline constexpr std::string_view kMagic = "selbrin-drive";
inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kExtension = ".selbrin";

// What is wrong with a file: the line (1 for the first, 0 for the file as a
// whole) and the reason, in Turkish.
struct ReadError {
  int line = 0;
  std::string reason;
};

std::string WriteDrive(const Drive& drive);

// Reads a whole file. On an error `drive` is left as it was.
std::optional<ReadError> ParseDrive(std::string_view bytes, Drive& drive);

// "FILE: satır N: REASON", or "FILE: REASON" for the file as a whole.
std::string ErrorMessage(std::string_view file, const ReadError& error);

// A value as the file writes it, and back; nullopt for a broken escape.
std::string Escape(std::string_view text);
std::optional<std::string> Unescape(std::string_view value);

}  // namespace selbrin::drivefile
