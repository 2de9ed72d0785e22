#include "sheet/sheet.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "sheet/after_sizing.h"
#include "sheet/checks.h"
#include "sheet/drawing.h"
#include "sheet/fields.h"
#include "sheet/geometry.h"
#include "sheet/readings.h"
#include "sheet/svg.h"
#include "sheet/title_block.h"

namespace selbrin::sheet {
namespace {

constexpr double kTitleBaseline = 16;
constexpr double kTablesTop = 25;
constexpr double kRowHeight = 4.6;
constexpr double kHalfWidth = 87;  // width of each table
constexpr double kDrawingTop = 84;
constexpr double kDrawingHeight = 79;
constexpr double kChecksTop = 169;
constexpr double kLineStep = 3.3;   // between the lines of one check or value, at most
constexpr double kHeadingRoom = 5;  // from a heading to its first line
constexpr double kSectionGap = 3;   // from the checks to the next heading
constexpr double kItemGap = 0.7;    // between two checks
constexpr double kBodySize = 3;
constexpr double kSentenceSize = 2.5;
constexpr int kSentenceChars = 100;  // what fits beside the verdict at kSentenceSize
constexpr int kValueChars = 11;      // what a table cell shows of a value
constexpr double kValueRight = 62;   // where a table's values end, from its left
constexpr double kVerdictWidth = 29;
constexpr double kSizingValueX = 92;
constexpr int kSizingChars = 56;

void Title(Svg& svg, std::string_view version, const Date& date) {
  svg.Text(kMargin, kTitleBaseline,
           "Selbrin " + std::string(version) + " · " + std::string(kSheetTitle), 6, "start",
           TextStyle::Bold);
  svg.Text(kPageWidth - kMargin, kTitleBaseline, "Tarih: " + DateText(date), kBodySize, "end");
  svg.Line(kMargin, kTitleBaseline + 2, kPageWidth - kMargin, kTitleBaseline + 2,
           R"(stroke="black" stroke-width="0.6")");
}

// The table's caption: "Açı" says which pulley's arc it is.
std::string TableCaption(const Field& f) {
  return f.control == Ctl::Label35 ? f.caption + " (vida kasnağı)" : f.caption;
}

// Caption on the left, value right-aligned in the middle, unit after it.
void Table(Svg& svg, double x, std::string_view id, std::string_view heading,
           const std::vector<Field>& fields) {
  svg.Open(id);
  Heading(svg, x, kTablesTop, kHalfWidth, heading);
  double y = kTablesTop + kRowHeight + 1;
  for (const Field& f : fields) {
    svg.Text(x, y, TableCaption(f), kBodySize);
    svg.Text(x + kValueRight, y, Shorten(f.value, kValueChars), kBodySize, "end", TextStyle::Bold);
    svg.Text(x + kValueRight + 2, y, f.unit, kBodySize);
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

void Drawing(Svg& svg, const Form1& form, const Readings& r) {
  double width = kPageWidth - 2 * kMargin;
  Heading(svg, kMargin, kDrawingTop, width, "Tahrik");
  Area area{kMargin, kDrawingTop + 3, width, kDrawingHeight - 3};
  DriveDrawing drawing = LayOutDrive(form, area);
  if (const auto* layout = std::get_if<DriveLayout>(&drawing)) {
    svg.Text(kPageWidth - kMargin, kDrawingTop, "Ölçek " + ScaleText(*layout), kBodySize, "end");
    ScaleBar(svg, kPageWidth - kMargin - 70, kDrawingTop - 1.2, PageFactor(*layout));
    DrawDrive(svg, *layout, r.results == Results::Current && r.wrap.has_value());
  } else {
    svg.Text(kMargin, kDrawingTop + 12, std::get<std::string>(drawing), kBodySize);
  }
}

struct Look {
  std::string_view symbol, word, colour;
};

Look LookOf(Verdict v) {
  if (v == Verdict::Pass) return {"✓", "Uygun", "#2e7d32"};
  if (v == Verdict::Fail) return {"✗", "Uygun değil", kAccentColour};
  return {"?", "Doğrulanamadı", "#666666"};
}

// Symbol and word as well as colour, so that a grey print reads the same.
double OneCheck(Svg& svg, const Check& check, double y, double step) {
  Look look = LookOf(check.verdict);
  svg.Open("check-" + std::string(check.name),
           "class=\"check\" data-verdict=\"" + std::string(VerdictName(check.verdict)) + "\"");
  svg.Text(kMargin + 1.2, y, look.symbol, kSentenceSize + 0.5, "middle", TextStyle::Bold);
  svg.Text(kMargin + 3.5, y, look.word, kSentenceSize, "start", TextStyle::Bold);
  svg.Rect(kMargin - 0.3, y - kSentenceSize, 0.6, kSentenceSize + 0.6,
           "fill=\"" + std::string(look.colour) + "\" stroke=\"none\"");
  for (const std::string& line : Wrap(check.sentence, kSentenceChars)) {
    svg.Text(kMargin + kVerdictWidth, y, line, kSentenceSize);
    y += step;
  }
  svg.Close();
  return y + kItemGap;
}

double ChecksList(Svg& svg, const std::vector<Check>& checks, double step) {
  svg.Open("checks");
  Heading(svg, kMargin, kChecksTop, kPageWidth - 2 * kMargin, "Kontroller");
  double y = kChecksTop + kHeadingRoom;
  for (const Check& check : checks) y = OneCheck(svg, check, y, step);
  svg.Close();
  return y;
}

void AfterSizingSection(Svg& svg, const std::vector<SizingLine>& lines, double top, double step) {
  svg.Open("after-sizing");
  Heading(svg, kMargin, top, kPageWidth - 2 * kMargin, "Boyutlandırmadan sonra tahrikin gerekleri");
  double y = top + kHeadingRoom;
  for (const SizingLine& line : lines) {
    svg.Text(kMargin, y, line.caption, kSentenceSize);
    for (const std::string& part : Wrap(line.value, kSizingChars)) {
      svg.Text(kMargin + kSizingValueX, y, part, kSentenceSize, "start", TextStyle::Bold);
      y += step;
    }
  }
  svg.Close();
}

// The step between lines that fits the checks and the section above the title
// block: kLineStep, or closer when there are many lines.
double LineStep(const std::vector<Check>& checks, const std::vector<SizingLine>& lines) {
  int count = 0;
  for (const Check& c : checks) count += static_cast<int>(Wrap(c.sentence, kSentenceChars).size());
  for (const SizingLine& l : lines) count += static_cast<int>(Wrap(l.value, kSizingChars).size());
  double room = kTitleBlockTop - kChecksTop - 2 * kHeadingRoom - kSectionGap -
                kItemGap * static_cast<double>(checks.size()) - kLineStep;
  return std::min(kLineStep, room / count);
}

void Build(Svg& svg, const Form1& form, std::string_view version, const Date& date,
           const TitleBlock& title) {
  Readings r = Read(form);
  Title(svg, version, date);
  Tables(svg, form);
  Drawing(svg, form, r);
  std::vector<Check> checks = Checks(r);
  std::vector<SizingLine> lines = AfterSizingLines(form);
  double step = LineStep(checks, lines);
  double end = ChecksList(svg, checks, step);
  AfterSizingSection(svg, lines, end + kSectionGap, step);
  DrawTitleBlock(svg, title, date);
}

}  // namespace

void Heading(Svg& svg, double x, double y, double width, std::string_view text) {
  svg.Text(x, y, text, kHeadSize, "start", TextStyle::Bold);
  svg.Line(x, y + 1.5, x + width, y + 1.5, R"(stroke="black" stroke-width="0.3")");
}

std::string DateText(const Date& date) {
  auto two = [](int n) { return (n < 10 && n >= 0 ? "0" : "") + std::to_string(n); };
  return two(date.day) + "." + two(date.month) + "." + std::to_string(date.year);
}

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
