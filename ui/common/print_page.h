// The sheet as every face prints it: alone on an A4 portrait page with the
// printer's margins off, since the sheet draws its own.
#pragma once

#include <string>
#include <string_view>

namespace selbrin::face {

// The printed page, in millimetres.
struct PrintPage {
  double width_mm;
  double height_mm;
};
inline constexpr PrintPage kPrintPage{210, 297};

// The style a browser prints the sheet's SVG (in `sheet_selector`) with.
std::string PrintPageCss(std::string_view sheet_selector);

// The sheet's SVG as an HTML page of its own that prints itself once loaded,
// for a face that hands the printing to the browser.
std::string PrintPageHtml(std::string_view sheet_svg);

}  // namespace selbrin::face
