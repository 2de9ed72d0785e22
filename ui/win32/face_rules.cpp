#include "ui/win32/face_rules.h"

#include <algorithm>
#include <cmath>

namespace selbrin::face {
namespace {

constexpr int kOptionCount = 8;

std::string_view TurkishName(FaultKind kind) {
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

// The caption the user knows a control by: the caption in front of it without
// its " =", or its own caption (a button, a check box).
std::string_view ActionCaption(Ctl c) {
  const ControlDef& d = Def(c);
  if (d.kind == Kind::CommandButton || d.kind == Kind::CheckBox || d.label == Ctl::None) {
    return d.caption;
  }
  std::string_view caption = Def(d.label).caption;
  if (caption.ends_with(" =")) caption.remove_suffix(2);
  return caption;
}

}  // namespace

std::string_view FaultTitle() { return "Hata"; }
std::string_view FaultButton() { return "Tamam"; }

std::string FaultText(Ctl acted_on, FaultKind kind) {
  std::string text(ActionCaption(acted_on));
  if (!text.empty()) text += ": ";
  text += TurkishName(kind);
  return text;
}

bool FaultMessageStays(const std::optional<FaultKind>& fault) { return fault.has_value(); }

int ToPixels(int twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

PixelRect ToPixels(const Twips& t, double scale) {
  return {ToPixels(t.left, scale), ToPixels(t.top, scale), ToPixels(t.left + t.width, scale),
          ToPixels(t.top + t.height, scale)};
}

int OptionAfterArrow(int current, Arrow arrow) {
  int step = (arrow == Arrow::Left || arrow == Arrow::Up) ? -1 : 1;
  return (current + step + kOptionCount) % kOptionCount;
}

int OptionTabStop(const Form1& form) {
  for (int i = 0; i < kOptionCount; ++i) {
    if (form.OptionValue(i)) return i;
  }
  return 0;
}

std::vector<Ctl> TabOrder() {
  std::vector<Ctl> order;
  for (std::size_t i = 0; i < kControls.size(); ++i) order.push_back(static_cast<Ctl>(i));
  std::sort(order.begin(), order.end(),
            [](Ctl a, Ctl b) { return Def(a).tab_index < Def(b).tab_index; });
  return order;
}

}  // namespace selbrin::face
