#include "sheet/svg.h"

#include <cmath>

#include "form/form1.h"
#include "form/text_edit.h"
#include "runtime/numtext.h"

namespace selbrin::sheet {
namespace {

constexpr int kDecimals = 3;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 character that starts at `i`, whose code
// point XML allows; 0 when there is none.
std::size_t XmlCharLength(std::string_view s, std::size_t i) {
  std::optional<Utf8Char> c = DecodeChar(s, i);
  if (!c || c->code_point == 0xFFFE || c->code_point == 0xFFFF) return 0;
  return c->length;
}

}  // namespace

std::string Mm(double value) { return ShownNumber(std::isfinite(value) ? value : 0, kDecimals); }

std::string XmlText(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    std::size_t len = XmlCharLength(text, i);
    if (len == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      out += ' ';
    else
      out.append(text.substr(i, len));
    i += len;
  }
  return out;
}

std::string Shorten(std::string_view text, int max_chars) {
  if (CountChars(text) <= max_chars) return std::string(text);
  return CutToChars(text, max_chars - 1) + "…";
}

std::vector<std::string> Wrap(std::string_view text, int max_chars) {
  std::vector<std::string> lines;
  std::string rest(text);
  while (CountChars(rest) > max_chars) {
    std::string head = CutToChars(rest, max_chars);
    std::size_t blank = head.rfind(' ');
    std::size_t cut = blank == std::string::npos || blank == 0 ? head.size() : blank;
    lines.push_back(rest.substr(0, cut));
    rest = rest.substr(cut == blank ? cut + 1 : cut);
  }
  lines.push_back(rest);
  return lines;
}

double TextWidth(std::string_view text, double size) {
  constexpr double kAverageAdvance = 0.6;  // of the font size, for digits and lower case
  return CountChars(text) * size * kAverageAdvance;
}

Svg::Svg(double width_mm, double height_mm, bool with_text) : with_text_(with_text) {
  out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" ";
  out_ += "version=\"1.2\" baseProfile=\"tiny\" width=\"" + Mm(width_mm) + "mm\" height=\"" +
          Mm(height_mm) + "mm\" viewBox=\"0 0 " + Mm(width_mm) + " " + Mm(height_mm) + "\">\n";
  out_ += "<rect x=\"0\" y=\"0\" width=\"" + Mm(width_mm) + "\" height=\"" + Mm(height_mm) +
          "\" fill=\"white\"/>\n";
  // No ligatures, so that "fi" stays two letters a PDF reader can find and copy.
  out_ +=
      "<g font-family=\"DejaVu Sans, sans-serif\" fill=\"black\" "
      "style=\"font-variant-ligatures:none;font-feature-settings:'liga' 0\">\n";
}

void Svg::Line(double x1, double y1, double x2, double y2, std::string_view style) {
  out_ += "<line x1=\"" + Mm(x1) + "\" y1=\"" + Mm(y1) + "\" x2=\"" + Mm(x2) + "\" y2=\"" + Mm(y2) +
          "\" " + std::string(style) + "/>\n";
}

void Svg::Circle(double cx, double cy, double r, std::string_view style, std::string_view id) {
  out_ += "<circle";
  if (!id.empty()) out_ += " id=\"" + std::string(id) + "\"";
  out_ += " cx=\"" + Mm(cx) + "\" cy=\"" + Mm(cy) + "\" r=\"" + Mm(r) + "\" " + std::string(style) +
          "/>\n";
}

void Svg::Path(std::string_view d, std::string_view style, std::string_view id) {
  out_ += "<path";
  if (!id.empty()) out_ += " id=\"" + std::string(id) + "\"";
  out_ += " d=\"" + std::string(d) + "\" " + std::string(style) + "/>\n";
}

void Svg::Rect(double x, double y, double width, double height, std::string_view style) {
  out_ += "<rect x=\"" + Mm(x) + "\" y=\"" + Mm(y) + "\" width=\"" + Mm(width) + "\" height=\"" +
          Mm(height) + "\" " + std::string(style) + "/>\n";
}

void Svg::Text(double x, double y, std::string_view text, double size, std::string_view anchor,
               TextStyle style) {
  if (text.empty()) return;
  texts_.push_back({x, y, size, std::string(text), std::string(anchor), style});
  if (!with_text_) return;
  out_ += "<text x=\"" + Mm(x) + "\" y=\"" + Mm(y) + "\" font-size=\"" + Mm(size) +
          "\" text-anchor=\"" + std::string(anchor) + "\"";
  if (style == TextStyle::Bold) out_ += R"( font-weight="bold")";
  if (style == TextStyle::Angle) out_ += " fill=\"" + std::string(kAccentColour) + "\"";
  out_ += ">" + XmlText(text) + "</text>\n";
}

void Svg::Open(std::string_view id, std::string_view attributes) {
  out_ += "<g id=\"" + std::string(id) + "\"";
  if (!attributes.empty()) out_ += " " + std::string(attributes);
  out_ += ">\n";
}

void Svg::Close() { out_ += "</g>\n"; }

std::string Svg::Finish() {
  out_ += "</g>\n</svg>\n";
  return std::move(out_);
}

}  // namespace selbrin::sheet
