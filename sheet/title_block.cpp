#include "sheet/title_block.h"

#include <array>
#include <cmath>

#include "sheet/belt_data.h"
#include "sheet/checks.h"

namespace selbrin::sheet {
namespace {

constexpr double kCellHeight = 7;
constexpr double kLabelSize = 2.2;
constexpr double kValueSize = 3;
constexpr double kAdvance = 0.62;  // a bold character's width, of the font size
constexpr double kDateCell = 48;
constexpr std::string_view kFrame = R"(fill="none" stroke="black" stroke-width="0.35")";
constexpr std::string_view kBarFill = R"(fill="black" stroke="black" stroke-width="0.15")";
constexpr std::string_view kBarEmpty = R"(fill="white" stroke="black" stroke-width="0.15")";
constexpr double kBarParts = 5;
constexpr double kBarHeight = 1.2;
constexpr double kShortestBar = 15;  // mm on the page
constexpr std::array<double, 3> kRoundSteps{1, 2, 5};

// One cell: its label small at the top, its value below; an empty value leaves
// the cell blank to be written in by hand.
void Cell(Svg& svg, double x, double y, double width, std::string_view label,
          std::string_view value) {
  svg.Rect(x, y, width, kCellHeight, kFrame);
  svg.Text(x + 1, y + kLabelSize + 0.4, label, kLabelSize);
  int chars = static_cast<int>((width - 2) / (kValueSize * kAdvance));
  svg.Text(x + 1, y + kCellHeight - 1, Shorten(value, chars), kValueSize, "start", TextStyle::Bold);
}

// The true length the bar stands for: 1, 2 or 5 times a power of ten, the
// smallest that is at least kShortestBar long on the page.
double BarLength(double page_factor) {
  double decade = std::pow(10.0, std::floor(std::log10(kShortestBar / page_factor)));
  for (double step : kRoundSteps) {
    if (step * decade * page_factor >= kShortestBar) return step * decade;
  }
  return 10 * decade;
}

}  // namespace

void DrawTitleBlock(Svg& svg, const TitleBlock& title, const Date& date) {
  double left = kMargin, half = (kPageWidth - 2 * kMargin) / 2;
  double y = kTitleBlockTop;
  svg.Open("title-block");
  Cell(svg, left, y, half, "Proje", title.proje);
  Cell(svg, left + half, y, half, "Tahrik", title.tahrik);
  y += kCellHeight;
  Cell(svg, left, y, half, "Kompresör", title.kompresor);
  Cell(svg, left + half, y, half, "Dosya", title.file_name);
  y += kCellHeight;
  Cell(svg, left, y, half, "Hazırlayan (ad, imza)", title.hazirlayan);
  Cell(svg, left + half, y, half, "Kontrol eden (ad, imza)", title.kontrol_eden);
  y += kCellHeight;
  double sources = 2 * half - kDateCell;
  Cell(svg, left, y, sources, "Kaynaklar",
       std::string(kStandards) + "; " + std::string(kMakerManual));
  Cell(svg, left + sources, y, kDateCell, "Tarih · Sayfa", DateText(date) + " · Sayfa 1/1");
  svg.Close();
}

void ScaleBar(Svg& svg, double x, double y, double page_factor) {
  if (!(page_factor > 0) || !std::isfinite(page_factor)) return;
  double length = BarLength(page_factor);
  double part = length * page_factor / kBarParts;
  svg.Open("scale-bar");
  for (int i = 0; i < kBarParts; ++i) {
    svg.Rect(x + i * part, y - kBarHeight, part, kBarHeight, i % 2 == 0 ? kBarFill : kBarEmpty);
  }
  svg.Text(x, y - kBarHeight - 0.6, "0", kLabelSize, "middle");
  svg.Text(x + kBarParts * part, y - kBarHeight - 0.6, NumberText(length) + " mm", kLabelSize,
           "middle");
  svg.Close();
}

}  // namespace selbrin::sheet
