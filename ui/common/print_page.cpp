#include "ui/common/print_page.h"

namespace selbrin::face {
namespace {

constexpr std::string_view kXmlDeclarationEnd = "?>\n";
constexpr std::string_view kPageHead =
    "<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>Selbrin</title>\n<style>\nhtml, body { margin: 0; }\n";
constexpr std::string_view kPageBody = "</style>\n</head>\n<body>\n";
constexpr std::string_view kPageTail =
    "<script>window.addEventListener(\"load\", function () { window.print(); });</script>\n"
    "</body>\n</html>\n";

std::string Millimetres(double mm) { return std::to_string(static_cast<int>(mm)) + "mm"; }

}  // namespace

std::string PrintPageCss(std::string_view sheet_selector) {
  return "@page { size: " + Millimetres(kPrintPage.width_mm) + " " +
         Millimetres(kPrintPage.height_mm) + "; margin: 0; }\n" + std::string(sheet_selector) +
         " { display: block; width: " + Millimetres(kPrintPage.width_mm) +
         "; height: " + Millimetres(kPrintPage.height_mm) + "; }\n";
}

std::string PrintPageHtml(std::string_view sheet_svg) {
  // An XML declaration has no place inside an HTML page.
  std::size_t end = sheet_svg.find(kXmlDeclarationEnd);
  if (sheet_svg.starts_with("<?xml") && end != std::string_view::npos) {
    sheet_svg.remove_prefix(end + kXmlDeclarationEnd.size());
  }
  return std::string(kPageHead) + PrintPageCss("svg") + std::string(kPageBody) +
         std::string(sheet_svg) + std::string(kPageTail);
}

}  // namespace selbrin::face
