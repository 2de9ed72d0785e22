// The calculation sheet: one A4 page (portrait, millimetres) in SVG that shows
// the form as it stands, for printing or saving as PDF. It reads the form and
// changes nothing in it.
//
//   title: program, version, date
//   inputs table          results table
//   the drive drawn to scale (or why it cannot be), with a scale bar
//   "Kontroller": each check with its verdict as symbol, word and colour
//   what the drive needs after sizing: lengths, travel, tension, shaft load
//   the title block: project, drive, compressor, who prepared and checked it,
//   the page and the sources of the data
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"
#include "sheet/svg.h"

namespace selbrin::sheet {

inline constexpr double kPageWidth = 210;
inline constexpr double kPageHeight = 297;
inline constexpr double kMargin = 15;
inline constexpr double kHeadSize = 4.2;

// What the sheet is, after the program's name and version in its title.
inline constexpr std::string_view kSheetTitle = "Kayış kasnak hesabı";

struct Date {
  int year, month, day;
};

// "05.03.2024".
std::string DateText(const Date& date);

// A section's heading, underlined across `width`.
void Heading(Svg& svg, double x, double y, double width, std::string_view text);

// The title block's lines that the form does not hold: what the drive is for and
// who answers for it. Empty lines are left blank on the page, to be written in
// by hand; the file name, when given, says where the drive was saved.
struct TitleBlock {
  std::string proje;         // "Proje"
  std::string tahrik;        // "Tahrik"
  std::string kompresor;     // "Kompresör"
  std::string hazirlayan;    // "Hazırlayan"
  std::string kontrol_eden;  // "Kontrol eden"
  std::string file_name;     // "Dosya"
};

// The whole page. The date and the version are given, so that the same form
// always gives the same page.
std::string SheetSvg(const Form1& form, std::string_view version, const Date& date,
                     const TitleBlock& title = {});

// The same page in two parts, for a face that draws the texts itself: the
// drawing without its texts, and the texts.
struct SheetParts {
  std::string graphics;
  std::vector<TextItem> texts;
};
SheetParts SheetForPainter(const Form1& form, std::string_view version, const Date& date,
                           const TitleBlock& title = {});

}  // namespace selbrin::sheet
