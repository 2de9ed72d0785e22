#include "form/controls.h"

namespace selbrin {

std::string ControlName(Ctl c) {
  const ControlDef& d = Def(c);
  std::string name(d.name);
  if (d.index >= 0) name += "(" + std::to_string(d.index) + ")";
  return name;
}

std::optional<Ctl> FindControl(std::string_view name) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    if (ControlName(c) == name) return c;
  }
  return std::nullopt;
}

std::string_view BareCaption(Ctl label) {
  std::string_view caption = Def(label).caption;
  if (caption.ends_with(" =")) caption.remove_suffix(2);
  return caption;
}

namespace {

struct Owner {
  Ctl field;
  std::string_view pulley;
};
constexpr Owner kBushOwners[] = {{Ctl::Label19, "Motor Kasnağı"}, {Ctl::Label21, "Vida Kasnağı"}};

}  // namespace

std::string FieldCaption(Ctl c) {
  const ControlDef& d = Def(c);
  std::string caption = d.label == Ctl::None ? "" : std::string(BareCaption(d.label));
  for (const Owner& owner : kBushOwners) {
    if (owner.field == c) caption += " (" + std::string(owner.pulley) + ")";
  }
  return caption;
}

std::string ControlCaption(Ctl c) {
  const ControlDef& d = Def(c);
  std::string caption = FieldCaption(c);
  if (!d.caption.empty()) caption += (caption.empty() ? "" : " ") + std::string(d.caption);
  return caption.empty() ? std::string(d.name) : caption;
}

std::string AccessibleName(Ctl c) {
  Ctl unit = Def(c).unit;
  return ControlCaption(c) + (unit == Ctl::None ? "" : " (" + std::string(Def(unit).caption) + ")");
}

}  // namespace selbrin
