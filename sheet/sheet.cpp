#include "sheet/sheet.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "sheet/checks.h"
#include "sheet/drawing.h"
#include "sheet/fields.h"
#include "sheet/geometry.h"
#include "sheet/svg.h"

namespace selbrin::sheet {
namespace {

constexpr double kMargin = 15;
constexpr double kTitleBaseline = 20;
constexpr double kTablesTop = 34;
constexpr double kRowHeight = 6;
constexpr double kHalfWidth = 87;  // width of each table
constexpr double kDrawingTop = 116;
constexpr double kDrawingHeight = 116;
constexpr double kChecksTop = 244;
constexpr double kCheckStep = 8;
constexpr double kHeadSize = 4.2;
constexpr double kBodySize = 3.3;
constexpr double kSentenceSize = 3.1;
constexpr int kValueChars = 14;  // what a table cell shows of a typed value
constexpr std::string_view kRule = R"(stroke="black" stroke-width="0.3")";

std::string TwoDigits(int n) { return (n < 10 && n >= 0 ? "0" : "") + std::to_string(n); }

void Heading(Svg& svg, double x, double y, double width, std::string_view text) {
  svg.Text(x, y, text, kHeadSize, "start", TextStyle::Bold);
  svg.Line(x, y + 1.5, x + width, y + 1.5, kRule);
}

void Title(Svg& svg, std::string_view version, const Date& date) {
  svg.Text(kMargin, kTitleBaseline,
           "Selbrin " + std::string(version) + " · " + std::string(kSheetTitle), 6, "start",
           TextStyle::Bold);
  svg.Text(kPageWidth - kMargin, kTitleBaseline, "Tarih: " + DateText(date), kBodySize, "end");
  svg.Line(kMargin, kTitleBaseline + 3, kPageWidth - kMargin, kTitleBaseline + 3,
           R"(stroke="black" stroke-width="0.6")");
}

// Caption on the left, value right-aligned in the middle, unit after it.
void Table(Svg& svg, double x, std::string_view id, std::string_view heading,
           const std::vector<Field>& fields) {
  svg.Open(id);
  Heading(svg, x, kTablesTop, kHalfWidth, heading);
  double y = kTablesTop + kRowHeight + 1;
  for (const Field& f : fields) {
    svg.Text(x, y, f.caption, kBodySize);
    svg.Text(x + 62, y, Shorten(f.value, kValueChars), kBodySize, "end", TextStyle::Bold);
    svg.Text(x + 64, y, f.unit, kBodySize);
    y += kRowHeight;
  }
  svg.Close();
}

void Tables(Svg& svg, const Form1& form) {
  std::vector<Field> inputs, results;
  for (Field& f : Fields(form)) (f.result ? results : inputs).push_back(std::move(f));
  Table(svg, kMargin, "inputs", "Girdiler", inputs);
  Table(svg, kPageWidth - kMargin - kHalfWidth, "results", "Sonuçlar", results);
}

void Drawing(Svg& svg, const Form1& form) {
  double width = kPageWidth - 2 * kMargin;
  Heading(svg, kMargin, kDrawingTop, width, "Tahrik");
  Area area{kMargin, kDrawingTop + 3, width, kDrawingHeight - 3};
  DriveDrawing drawing = LayOutDrive(form, area);
  if (const auto* layout = std::get_if<DriveLayout>(&drawing)) {
    svg.Text(kPageWidth - kMargin, kDrawingTop, "Ölçek 1:" + std::to_string(layout->scale),
             kBodySize, "end");
    DrawDrive(svg, *layout);
  } else {
    svg.Text(kMargin, kDrawingTop + 12, std::get<std::string>(drawing), kBodySize);
  }
}

void ChecksList(Svg& svg, const Form1& form) {
  svg.Open("checks");
  Heading(svg, kMargin, kChecksTop, kPageWidth - 2 * kMargin, "Kontroller");
  double y = kChecksTop + kCheckStep;
  for (const Check& check : Checks(form)) {
    std::string_view colour = check.verdict == Verdict::Passed    ? "#2e7d32"
                              : check.verdict == Verdict::Warning ? kAccentColour
                                                                  : "#888888";
    svg.Circle(kMargin + 1.5, y - 1.1, 1.3, "fill=\"" + std::string(colour) + "\" stroke=\"none\"");
    svg.Text(kMargin + 5, y, check.sentence, kSentenceSize);
    y += kCheckStep;
  }
  svg.Close();
}

}  // namespace

std::string DateText(const Date& date) {
  return TwoDigits(date.day) + "." + TwoDigits(date.month) + "." + std::to_string(date.year);
}

namespace {

void Build(Svg& svg, const Form1& form, std::string_view version, const Date& date,
           const TitleBlock& /*title*/) {
  Title(svg, version, date);
  Tables(svg, form);
  Drawing(svg, form);
  ChecksList(svg, form);
}

}  // namespace

std::string SheetSvg(const Form1& form, std::string_view version, const Date& date,
                     const TitleBlock& title) {
  Svg svg(kPageWidth, kPageHeight);
  Build(svg, form, version, date, title);
  return svg.Finish();
}

SheetParts SheetForPainter(const Form1& form, std::string_view version, const Date& date,
                           const TitleBlock& title) {
  Svg svg(kPageWidth, kPageHeight, false);
  Build(svg, form, version, date, title);
  std::vector<TextItem> texts = svg.texts();
  return {svg.Finish(), std::move(texts)};
}

}  // namespace selbrin::sheet
