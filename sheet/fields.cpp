#include "sheet/fields.h"

#include "form/values.h"

namespace selbrin::sheet {
namespace {

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') c = ' ';
  }
  return text;
}

// The text boxes "Hesapla" writes; the belt length among them, though the user
// may type it too.
bool IsResult(Ctl c) {
  return Def(c).kind == Kind::Display || c == Ctl::Text11 || c == Ctl::Text12 || c == Ctl::Text13;
}

std::optional<Field> FieldOf(const Form1& form, Ctl c) {
  const ControlDef& d = Def(c);
  if (d.kind == Kind::CheckBox) {
    return Field{c, std::string(d.caption), form.Value(c) == 1 ? "Evet" : "Hayır", "", false};
  }
  if (d.kind == Kind::OptionButton) {
    std::optional<int> profile = SelectedProfile(form);
    if (d.index != 0 || !profile) return std::nullopt;
    return Field{c, std::string(BareCaption(d.label)), std::string(Def(Option(*profile)).caption),
                 "", false};
  }
  if (form.Text(c).empty()) return std::nullopt;
  std::string unit = d.unit == Ctl::None ? "" : std::string(Def(d.unit).caption);
  return Field{c, FieldCaption(c), OneLine(form.Text(c)), unit, IsResult(c)};
}

}  // namespace

std::vector<Field> Fields(const Form1& form) {
  std::vector<Field> fields;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    auto c = static_cast<Ctl>(i);
    Kind kind = kControls[i].kind;
    if (kind == Kind::Label || kind == Kind::CommandButton) continue;
    if (std::optional<Field> field = FieldOf(form, c)) fields.push_back(std::move(*field));
  }
  return fields;
}

std::string ResultsText(const Form1& form) {
  std::string text;
  for (const Field& f : Fields(form)) text += f.caption + '\t' + f.value + '\t' + f.unit + '\n';
  return text;
}

}  // namespace selbrin::sheet
