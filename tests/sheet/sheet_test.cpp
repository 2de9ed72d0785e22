// The two worked drives on the sheet: the text and the page against files a
// person has read, and the drawing's geometry read back from the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "drive/drive.h"
#include "form/form1.h"
#include "motor/motor.h"
#include "runtime/numtext.h"
#include "runtime/std_fallback.h"
#include "sheet/after_sizing.h"
#include "sheet/fields.h"
#include "sheet/readings.h"
#include "sheet/sheet.h"
#include "tests/support/drives.h"

namespace selbrin::sheet {
namespace {

// The date SOURCE_DATE_EPOCH=1700000000 gives, as in the runner's test.
constexpr Date kDate{2023, 11, 14};

// The second drive's speed ratio (1.60 at 3000 rpm) has no catalogue motor, so
// its inputs are written as the coupling would have left them.
EventRouting SecondDriveRouting() {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command1_Click = Command1_Click;
  r.Text11_Change = Text11_Change;
  return r;
}

void SecondDrive(Form1& f) {
  f.SetText(Ctl::Text2, "3000");
  f.SetCaption(Ctl::Label36, "1.60");
  f.SetText(Ctl::Text10, "300");
  f.SetText(Ctl::Combo2, "250");
  f.SetText(Ctl::Combo3, "125");
  f.Select(0);
  f.SetText(Ctl::Text5, "4");
  f.Click(Ctl::Command1);
}

std::string Expected(const std::string& name) {
  std::ifstream file(std::string(SELBRIN_SHEET_DIR) + "/" + name, std::ios::binary);
  std::stringstream s;
  s << file.rdbuf();
  return s.str();
}

// With SELBRIN_UPDATE=1 the files are written anew, to be read through again.
void Compare(const std::string& actual, const std::string& name) {
  if (const char* update = std::getenv("SELBRIN_UPDATE"); update && std::string(update) == "1") {
    std::ofstream(std::string(SELBRIN_SHEET_DIR) + "/" + name, std::ios::binary) << actual;
  }
  EXPECT_EQ(actual, Expected(name)) << name;
}

TEST(Sheet, FirstWorkedDriveAsTextAndPage) {
  Form1 form;
  testing::EnterFirstDrive(form);
  Compare(ResultsText(form), "drive-example1.txt");
  Compare(SheetSvg(form, "1.00", kDate), "drive-example1.svg");
}

TEST(Sheet, SecondWorkedDriveAsTextAndPage) {
  Form1 form{SecondDriveRouting()};
  SecondDrive(form);
  ASSERT_EQ(form.Text(Ctl::Text13), "20.64");
  Compare(ResultsText(form), "drive-example2.txt");
  Compare(SheetSvg(form, "1.00", kDate), "drive-example2.svg");
}

// The number in attribute `name` of the element with id `id`.
double Attr(const std::string& svg, const std::string& id, const std::string& name) {
  std::size_t at = svg.find("id=\"" + id + "\"");
  std::size_t open = svg.rfind('<', at);
  std::size_t close = svg.find('>', at);
  std::size_t attr = svg.find(" " + name + "=\"", open);
  if (at == std::string::npos || attr == std::string::npos || attr > close) return NAN;
  const char* start = svg.data() + attr + name.size() + 3;
  double value = NAN;
  FromChars(start, svg.data() + close, value);  // the page's numbers ignore the locale
  return value;
}

// Distance from point (px, py) to the line through the strand's two ends.
double DistanceToStrand(const std::string& svg, const std::string& strand, double px, double py) {
  double x1 = Attr(svg, strand, "x1"), y1 = Attr(svg, strand, "y1");
  double x2 = Attr(svg, strand, "x2"), y2 = Attr(svg, strand, "y2");
  return std::abs((x2 - x1) * (py - y1) - (y2 - y1) * (px - x1)) / std::hypot(x2 - x1, y2 - y1);
}

TEST(Sheet, DrawsTheFirstDriveToScaleWithTangentStrands) {
  Form1 form;
  testing::EnterFirstDrive(form);
  std::string svg = SheetSvg(form, "1.00", kDate);
  ASSERT_NE(svg.find("Ölçek 1:5"), std::string::npos);
  double mx = Attr(svg, "motor-pulley", "cx"), my = Attr(svg, "motor-pulley", "cy");
  double sx = Attr(svg, "screw-pulley", "cx"), sy = Attr(svg, "screw-pulley", "cy");
  EXPECT_DOUBLE_EQ(Attr(svg, "motor-pulley", "r"), 22.4);  // 224 mm at 1:5
  EXPECT_DOUBLE_EQ(Attr(svg, "screw-pulley", "r"), 16.5);
  EXPECT_NEAR(sx - mx, 100, 1e-3);  // 500 mm
  EXPECT_DOUBLE_EQ(sy, my);
  constexpr double kWritten = 2e-3;  // coordinates have three decimals
  for (const char* strand : {"upper-strand", "lower-strand"}) {
    EXPECT_NEAR(DistanceToStrand(svg, strand, mx, my), 22.4, kWritten) << strand;
    EXPECT_NEAR(DistanceToStrand(svg, strand, sx, sy), 16.5, kWritten) << strand;
    EXPECT_NEAR(std::hypot(Attr(svg, strand, "x1") - mx, Attr(svg, strand, "y1") - my), 22.4,
                kWritten);
    EXPECT_NEAR(std::hypot(Attr(svg, strand, "x2") - sx, Attr(svg, strand, "y2") - sy), 16.5,
                kWritten);
  }
  // The upper strand touches the screw pulley (173.24 / 2) degrees from the
  // outer end of the centre line: x = sx - r cos(86.62 degrees).
  EXPECT_NEAR(Attr(svg, "upper-strand", "x2"), sx + 16.5 * 59.0 / 1000.0, kWritten);
  EXPECT_LT(Attr(svg, "upper-strand", "y2"), sy);
  EXPECT_NE(svg.find(">173.24°<"), std::string::npos);
}

// The numbers of the arc of contact's path "M x y A r r 0 large sweep x y".
std::vector<double> ArcNumbers(const std::string& svg) {
  std::size_t at = svg.find(" d=\"", svg.find("id=\"arc-of-contact\"")) + 4;
  std::string d = svg.substr(at, svg.find('"', at) - at);
  std::replace_if(
      d.begin(), d.end(), [](char c) { return c == 'M' || c == 'A'; }, ' ');
  std::vector<double> numbers;
  std::istringstream words(d);
  for (std::string word; words >> word;) {
    double value = NAN;
    FromChars(word.data(), word.data() + word.size(), value);
    numbers.push_back(value);
  }
  return numbers;
}

// Where the arc runs, found from its path as a reader of SVG finds it.
struct Arc {
  double cx, cy, r, span_degrees, mid_x, mid_y;
};

Arc ReadArc(const std::string& svg) {
  std::vector<double> n = ArcNumbers(svg);
  if (n.size() != 9) return {NAN, NAN, NAN, NAN, NAN, NAN};
  double r = n[2], hx = (n[0] - n[7]) / 2, hy = (n[1] - n[8]) / 2;
  double root = std::sqrt(std::max(0.0, (r * r - hx * hx - hy * hy) / (hx * hx + hy * hy)));
  double sign = n[5] == n[6] ? -1 : 1;  // the large-arc flag against the sweep flag
  double cx = (n[0] + n[7]) / 2 + sign * root * hy, cy = (n[1] + n[8]) / 2 - sign * root * hx;
  double from = std::atan2(n[1] - cy, n[0] - cx), to = std::atan2(n[8] - cy, n[7] - cx);
  double span = std::remainder(to - from, 2 * std::numbers::pi);
  if (n[6] == 1 && span < 0) span += 2 * std::numbers::pi;  // sweep 1: angles grow
  if (n[6] == 0 && span > 0) span -= 2 * std::numbers::pi;
  double mid = from + span / 2;
  return {cx,
          cy,
          r,
          std::abs(span) * 180 / std::numbers::pi,
          cx + r * std::cos(mid),
          cy + r * std::sin(mid)};
}

struct ArcRow {
  const char *motor, *screw, *centre;
  const char* label35;  // the form's angle, on the screw pulley
  double wrap;          // drawn on the smaller pulley
  bool on_motor;
};

TEST(Sheet, DrawsTheArcOfContactRoundTheFarSideOfTheSmallerPulley) {
  const ArcRow rows[] = {
      {"224", "165", "500", "173.24", 173.24, false},
      {"95", "315", "600", "201.13", 158.87, true},
      {"200", "200", "500", "180", 180, false},
  };
  for (const ArcRow& row : rows) {
    Form1 form;
    form.Pick(Ctl::Combo1, 5);
    form.Edit(Ctl::Text2, "4000");
    form.SetText(Ctl::Combo2, row.motor);
    form.SetText(Ctl::Combo3, row.screw);
    form.SetText(Ctl::Text10, row.centre);
    form.Click(Ctl::Command1);
    ASSERT_EQ(form.Text(Ctl::Text10), row.centre);
    EXPECT_EQ(form.Caption(Ctl::Label35), row.label35);
    std::string svg = SheetSvg(form, "1.00", kDate);
    std::string pulley = row.on_motor ? "motor-pulley" : "screw-pulley";
    double cx = Attr(svg, pulley, "cx"), cy = Attr(svg, pulley, "cy"), r = Attr(svg, pulley, "r");
    double side = row.on_motor ? -1 : 1;  // away from the other pulley
    // Ends written to three decimals on a nearly half circle move the centre
    // found from them by hundredths; the wrong side is off by a diameter.
    constexpr double kNearMm = 0.02, kNearDegrees = 0.1;
    Arc arc = ReadArc(svg);
    EXPECT_NEAR(arc.cx, cx, kNearMm) << row.motor;
    EXPECT_NEAR(arc.cy, cy, kNearMm) << row.motor;
    EXPECT_GT(arc.r, r) << row.motor;
    EXPECT_NEAR(arc.span_degrees, row.wrap, kNearDegrees) << row.motor;
    EXPECT_NEAR(arc.mid_x, cx + side * arc.r, kNearMm) << row.motor;
    EXPECT_NEAR(arc.mid_y, cy, kNearMm) << row.motor;
    EXPECT_NE(svg.find(">" + ShownNumber(row.wrap, 2) + "°<"), std::string::npos) << row.motor;
  }
}

// The verdict the page gives the check `name`, as a script reads it.
std::string VerdictOn(const std::string& svg, const std::string& name) {
  std::size_t at = svg.find("id=\"check-" + name + "\"");
  std::size_t v = svg.find("data-verdict=\"", at);
  if (at == std::string::npos || v == std::string::npos) return "missing";
  v += 14;
  return svg.substr(v, svg.find('"', v) - v);
}

TEST(Sheet, GivesTheWorkedDrivesTheirVerdicts) {
  Form1 first;
  testing::EnterFirstDrive(first);
  std::string svg = SheetSvg(first, "1.00", kDate);
  // The shown 29.32 m/s does not follow from 165 mm at 4000 1/min (34.56).
  EXPECT_EQ(VerdictOn(svg, "belt-speed"), "unknown");
  EXPECT_EQ(VerdictOn(svg, "current"), "fail");
  EXPECT_EQ(VerdictOn(svg, "power"), "fail");  // 26.99 kW under 30 kW
  EXPECT_EQ(VerdictOn(svg, "belts-needed"), "fail");
  for (const char* name : {"profile", "min-diameter", "arc", "centre-distance", "bending"})
    EXPECT_EQ(VerdictOn(svg, name), "pass") << name;
  Form1 second{SecondDriveRouting()};
  SecondDrive(second);
  svg = SheetSvg(second, "1.00", kDate);
  for (const char* name : {"belt-speed", "min-diameter", "bending"})  // no published XP limit
    EXPECT_EQ(VerdictOn(svg, name), "unknown") << name;
}

struct Worked {
  Form1* form;
  double d1, d2, centre, length, below, above, nearer, v, k;
  int z;
};

// The section's values for both worked drives, by the formulas in this test:
// the first 30 kW heavy duty SPB, the second XPZ (SPZ lengths and mass) with no
// motor power, so no design power nor tension.
TEST(Sheet, WorksOutWhatTheDriveNeedsAfterSizing) {
  constexpr double pi = std::numbers::pi;
  Form1 first;
  testing::EnterFirstDrive(first);
  Form1 second{SecondDriveRouting()};
  SecondDrive(second);
  const Worked drives[] = {
      {&first, 224, 165, 500, 1612.8, 1600, 1800, 1600, pi * 165 * 4000 / 60000, 0.195, 3},
      {&second, 250, 125, 300, 1202.1, 1120, 1250, 1250, pi * 125 * 3000 / 60000, 0.074, 4},
  };
  for (const Worked& w : drives) {
    AfterSizing a = ComputeAfterSizing(*w.form, Read(*w.form));
    ASSERT_TRUE(a.below && a.above && a.take_up) << a.why_not << a.lengths_why_not;
    EXPECT_EQ(a.below->length, w.below);
    EXPECT_EQ(a.above->length, w.above);
    for (const StandardLength& s : {*a.below, *a.above}) {
      double p = s.length / 4 - pi * (w.d1 + w.d2) / 8, q = (w.d2 - w.d1) * (w.d2 - w.d1) / 8;
      EXPECT_NEAR(*s.centre, p + std::sqrt(p * p - q), 1e-9);
    }
    EXPECT_NEAR(*a.take_up, 0.03 * w.nearer, 1e-9);
    EXPECT_NEAR(*a.fitting, 0.015 * w.nearer, 1e-9);
    if (w.form == &second) {
      EXPECT_FALSE(a.design_power.has_value());
      EXPECT_FALSE(a.tension.has_value());
      continue;
    }
    ASSERT_TRUE(a.design_power && a.tension) << a.tension_why_not;
    double pb = 30 * 1.2, c1 = w.form->arcFactor.value();
    // The form keeps c2 in single precision: 1.2 is 1.2000000477.
    constexpr double kSingle = 1e-6;
    EXPECT_NEAR(*a.design_power, pb, pb * kSingle);
    double t = 500 * (2.02 - c1) * pb / (c1 * w.z * w.v) + w.k * w.v * w.v;
    EXPECT_NEAR(*a.tension, t, t * kSingle);
    double beta = 2 * std::acos(std::abs(w.d1 - w.d2) / (2 * w.centre));  // the smaller pulley's
    double load = 2 * w.z * t * std::sin(beta / 2);
    EXPECT_NEAR(*a.shaft_load, load, load * kSingle);
  }
}

// A long drive at 1:200 keeps its belt thinner than its pulleys; a small one is
// enlarged rather than left as a speck.
TEST(Sheet, DrawsLineWidthsToTheScaleAndEnlargesSmallDrives) {
  struct Row {
    const char *motor, *screw, *centre, *scale;
  };
  for (Row row : {Row{"100", "100", "20000", "1:200"}, Row{"10", "8", "30", "2:1"}}) {
    Form1 form;
    form.SetText(Ctl::Combo2, row.motor);
    form.SetText(Ctl::Combo3, row.screw);
    form.SetText(Ctl::Text10, row.centre);
    std::string svg = SheetSvg(form, "1.00", kDate);
    EXPECT_NE(svg.find(std::string("Ölçek ") + row.scale + "<"), std::string::npos) << row.scale;
    EXPECT_LE(Attr(svg, "upper-strand", "stroke-width"), 2 * Attr(svg, "motor-pulley", "r"));
    EXPECT_LE(Attr(svg, "motor-pulley", "stroke-width"), Attr(svg, "motor-pulley", "r"));
  }
}

TEST(Sheet, ReadsTheFormAndChangesNothing) {
  Form1 form;
  testing::EnterFirstDrive(form);
  form.Edit(Ctl::Text5, "4");
  std::string before = ResultsText(form);
  (void)SheetSvg(form, "1.00", kDate);
  EXPECT_EQ(ResultsText(form), before);
  EXPECT_TRUE(form.ResultsOutdated());
  EXPECT_EQ(form.Text(Ctl::Text13), "26.99");
}

}  // namespace
}  // namespace selbrin::sheet
