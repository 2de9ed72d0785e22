// What the web page shows beyond the model's own texts, decided here rather than
// in the page's script: the fault message and its texts, what a screen reader
// reads for a display field, the layout in pixels, the tab order, the option
// group's arrow keys and the character limit of a typed edit. The page only
// draws what these say and delivers the user's actions.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"

namespace selbrin::web {

inline constexpr std::string_view kMessageButton = "Tamam";
inline constexpr std::string_view kEndedText =
    "Program sona erdi. Yeniden başlatmak için sayfayı yenileyin.";
inline constexpr std::string_view kOpenList = "Listeyi aç";

// "Sıfıra bölme", "Geçersiz değer" or "Taşma".
std::string_view FaultText(FaultKind kind);

// The caption of the control the user acted on, as the fault message names it:
// an input by the caption in front of it ("Vida Deviri"), a button or a check box
// by its own.
std::string ActedOnCaption(Ctl c);

// One message for every fault: it never takes the focus, a later fault reuses it,
// and a later action that ends without a fault closes it.
class FaultMessage {
 public:
  void After(Ctl acted_on, std::optional<FaultKind> fault);
  void Close() { open_ = false; }
  bool open() const { return open_; }
  // "Vida Deviri: Taşma".
  const std::string& text() const { return text_; }

 private:
  bool open_ = false;
  std::string text_;
};

// A display field as a screen reader reads it: caption, value, unit
// ("Motor Deviri, 1450, d/dk").
std::string DisplayReading(const Form1& form, Ctl display);

// The size a control needs to show its text whole in the page's font, in pixels.
struct NeededSize {
  double width = 0;
  double height = 0;
};

// The form at one scale: the smallest, not below 1, at which every control gets
// at least what it needs, so the form keeps its proportions in any font.
double FitScale(const std::array<NeededSize, kControlCount>& need);

// Twips to pixels at a scale. Each edge is rounded rather than each size, so
// neighbours that touch in the table touch on the page.
int EdgePx(int twips, double scale);

// Every control in tab-index order: the order of the page's elements, so that the
// focus moves through those that take it in that order.
std::vector<Ctl> TabOrder();

// The option group is one tab stop: the selected button, the first when none is.
int OptionTabStop(const Form1& form);

// The element an arrow key moves the selection to from `current`, round the
// group; nothing for other keys.
std::optional<int> OptionAfterKey(int current, std::string_view key);

// A typed edit of a box: the text it leaves and where the cursor goes, counted in
// UTF-16 units as the page counts. A box with a character limit keeps what fits;
// an edit that adds characters and fits none leaves the text as it was.
struct PageEdit {
  std::string text;
  std::size_t cursor = 0;
  bool refused = false;
};
PageEdit FitPageEdit(const Form1& form, Ctl box, std::string_view after);

// UTF-16 units of the first `bytes` bytes of a UTF-8 text.
std::size_t Utf16Length(std::string_view text, std::size_t bytes);

}  // namespace selbrin::web
