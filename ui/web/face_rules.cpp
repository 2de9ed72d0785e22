#include "ui/web/face_rules.h"

#include <algorithm>
#include <cmath>

namespace selbrin::web {
namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kOptionCount = 8;

std::string CaptionWithoutEquals(std::string_view caption) {
  if (caption.ends_with(" =")) caption.remove_suffix(2);
  return std::string(caption);
}

// A UTF-8 lead byte of a code point beyond the basic plane, which UTF-16 writes
// as two units.
constexpr unsigned char kFourByteLead = 0xF0;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuation = 0x80;

}  // namespace

std::string_view FaultText(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return "Sıfıra bölme";
    case FaultKind::InvalidArgument:
      return "Geçersiz değer";
    case FaultKind::Overflow:
      return "Taşma";
  }
  return {};
}

std::string ActedOnCaption(Ctl c) {
  const ControlDef& d = Def(c);
  if (d.label != Ctl::None) return CaptionWithoutEquals(Def(d.label).caption);
  return std::string(d.caption);
}

void FaultMessage::After(Ctl acted_on, std::optional<FaultKind> fault) {
  open_ = fault.has_value();
  if (fault) text_ = ActedOnCaption(acted_on) + ": " + std::string(FaultText(*fault));
}

std::string DisplayReading(const Form1& form, Ctl display) {
  const ControlDef& d = Def(display);
  std::string reading = ActedOnCaption(display) + ", " + form.Caption(display);
  if (d.unit != Ctl::None) reading += ", " + std::string(Def(d.unit).caption);
  return reading;
}

double FitScale(const std::array<NeededSize, kControlCount>& need) {
  double scale = 1.0;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const Twips& g = kControls[i].geometry;
    scale = std::max(scale, need[i].width * kTwipsPerPixel / g.width);
    scale = std::max(scale, need[i].height * kTwipsPerPixel / g.height);
  }
  return scale;
}

int EdgePx(int twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

std::vector<Ctl> TabOrder() {
  std::vector<Ctl> order;
  for (std::size_t i = 0; i < kControlCount; ++i) order.push_back(static_cast<Ctl>(i));
  std::sort(order.begin(), order.end(),
            [](Ctl a, Ctl b) { return Def(a).tab_index < Def(b).tab_index; });
  return order;
}

int OptionTabStop(const Form1& form) {
  for (int i = 0; i < kOptionCount; ++i) {
    if (form.OptionValue(i)) return i;
  }
  return 0;
}

std::optional<int> OptionAfterKey(int current, std::string_view key) {
  if (key == "ArrowRight" || key == "ArrowDown") return (current + 1) % kOptionCount;
  if (key == "ArrowLeft" || key == "ArrowUp") return (current + kOptionCount - 1) % kOptionCount;
  return std::nullopt;
}

std::size_t Utf16Length(std::string_view text, std::size_t bytes) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < bytes && i < text.size(); ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if ((b & kContinuationMask) == kContinuation) continue;
    units += b >= kFourByteLead ? 2 : 1;
  }
  return units;
}

PageEdit FitPageEdit(const Form1& form, Ctl box, std::string_view after) {
  const std::string& before = form.Text(box);
  int limit = Def(box).max_chars;
  if (limit <= 0) return {std::string(after), Utf16Length(after, after.size()), false};
  std::optional<FittedEdit> fitted = FitUserEdit(before, after, limit);
  if (fitted) return {fitted->text, Utf16Length(fitted->text, fitted->cursor), false};
  // Refused: the cursor stays where the typing happened.
  std::size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head > 0 &&
         (static_cast<unsigned char>(before[head]) & kContinuationMask) == kContinuation)
    --head;
  return {before, Utf16Length(before, head), true};
}

}  // namespace selbrin::web
