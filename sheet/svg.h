// Writing SVG elements: numbers in the one fixed notation whatever the process
// locale, and texts that are always well-formed XML, whatever the user typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace selbrin::sheet {

// A coordinate or length on the page in millimetres, at most three decimals,
// no trailing zeros ("12.5", "0", "-3.125"); never "-0".
std::string Mm(double value);

// The text as XML character data: markup characters escaped, control characters
// and bytes that are not UTF-8 made blanks or U+FFFD.
std::string XmlText(std::string_view text);

// At most `max_chars` characters of the text, with "…" at the end when cut.
std::string Shorten(std::string_view text, int max_chars);

// The text in lines of at most `max_chars` characters, broken at blanks where
// there are any.
std::vector<std::string> Wrap(std::string_view text, int max_chars);

// About how wide a text of DejaVu Sans is on the page, in millimetres.
double TextWidth(std::string_view text, double size);

enum class TextStyle { Plain, Bold, Angle };

// The red of the arc of contact, its angle and the checks that warn.
inline constexpr std::string_view kAccentColour = "#c0392b";

// A text as placed on the page, for a face whose SVG renderer cannot write text
// into a PDF as text (it would become outlines that cannot be searched).
struct TextItem {
  double x, y, size;
  std::string text;    // UTF-8, as given
  std::string anchor;  // "start", "middle" or "end"
  TextStyle style;
};

// A page in millimetres, built element by element.
class Svg {
 public:
  // Without `with_text` the texts are only listed (texts()), not written.
  Svg(double width_mm, double height_mm, bool with_text = true);

  void Line(double x1, double y1, double x2, double y2, std::string_view style);
  void Circle(double cx, double cy, double r, std::string_view style, std::string_view id = {});
  void Path(std::string_view d, std::string_view style, std::string_view id = {});
  void Rect(double x, double y, double width, double height, std::string_view style);
  // `anchor` is "start", "middle" or "end".
  void Text(double x, double y, std::string_view text, double size,
            std::string_view anchor = "start", TextStyle style = TextStyle::Plain);
  // Elements with an id are grouped under it, so a reader finds them.
  void Open(std::string_view id, std::string_view attributes = {});
  void Close();

  std::string Finish();
  const std::vector<TextItem>& texts() const { return texts_; }

 private:
  std::string out_;
  bool with_text_;
  std::vector<TextItem> texts_;
};

}  // namespace selbrin::sheet
