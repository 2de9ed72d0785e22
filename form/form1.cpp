#include "form/form1.h"

namespace selbrin {

Form1::Form1(const EventRouting& routing) : routing_(routing) {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const ControlDef& d = kControls[i];
    ControlState& s = controls_[i];
    s.value = d.initial_value;
    if (d.kind == Kind::Label) s.text = d.caption;
  }
  if (routing_.Form_Load != nullptr) routing_.Form_Load(*this);
}

void Form1::Changed(Ctl c) {
  if (listener_) listener_(c);
}

void Form1::SetText(Ctl c, std::string text) {
  state(c).text = std::move(text);
  state(c).by_program = true;
  // The total power is the drive calculation's last write, and only its.
  if (c == Ctl::Text13) {
    results_outdated_ = false;
    calculating_ = false;
    calculation_fault_.reset();
  }
  Changed(c);
  RaiseChange(c);
}

void Form1::SetCaption(Ctl c, std::string caption) {
  state(c).text = std::move(caption);
  state(c).by_program = true;
  Changed(c);
}

void Form1::Restore(Ctl c, std::string text, bool by_program, int value) {
  ControlState& s = state(c);
  s.text = std::move(text);
  s.by_program = by_program;
  s.value = value;
  Changed(c);
}

void Form1::ClearOption(int index) {
  ControlState& s = state(Option(index));
  if (s.value == 0) return;
  s.value = 0;
  Changed(Option(index));
}

void Form1::AddItem(Ctl combo, std::string item) {
  state(combo).items.push_back(std::move(item));
  Changed(combo);
}

void Form1::RaiseChange(Ctl c) {
  EventRouting::Handler h = nullptr;
  if (c == Ctl::Text2) h = routing_.Text2_Change;
  if (c == Ctl::Text5) h = routing_.Text5_Change;
  if (c == Ctl::Text11) h = routing_.Text11_Change;
  if (h != nullptr) h(*this);
}

void Form1::RaiseClick(Ctl c) {
  EventRouting::Handler h = nullptr;
  switch (c) {
    case Ctl::Combo1:
      h = routing_.Combo1_Click;
      break;
    case Ctl::Combo2:
      h = routing_.Combo2_Click;
      break;
    case Ctl::Combo3:
      h = routing_.Combo3_Click;
      break;
    case Ctl::chkKompakt:
      h = routing_.chkKompakt_Click;
      break;
    case Ctl::chk4kutup:
      h = routing_.chk4kutup_Click;
      break;
    case Ctl::chkC2:
      h = routing_.chkC2_Click;
      break;
    case Ctl::Command1:
      h = routing_.Command1_Click;
      break;
    case Ctl::Command3:
      h = routing_.Command3_Click;
      break;
    default:
      break;
  }
  if (h != nullptr) h(*this);
}

template <typename Action>
std::optional<FaultKind> Form1::Boundary(Action&& action) {
  if (ended_) return std::nullopt;
  try {
    action();
  } catch (const Fault& fault) {
    if (calculating_) calculation_fault_ = fault.kind();
    calculating_ = false;
    return fault.kind();
  }
  return std::nullopt;
}

std::optional<FaultKind> Form1::Pick(Ctl combo, int item) {
  return Boundary([&] {
    const ControlState& s = state(combo);
    if (Def(combo).kind != Kind::ComboBox || item < 0 || item >= static_cast<int>(s.items.size())) {
      return;
    }
    state(combo).text = s.items[static_cast<std::size_t>(item)];
    state(combo).by_program = false;
    results_outdated_ = true;
    Changed(combo);
    RaiseClick(combo);
  });
}

std::optional<FaultKind> Form1::Edit(Ctl box, std::string_view text) {
  return Boundary([&] {
    const ControlDef& d = Def(box);
    if (d.kind != Kind::TextBox && d.kind != Kind::ComboBox) return;
    std::string cut = d.max_chars > 0 ? CutToChars(text, d.max_chars) : std::string(text);
    if (cut == state(box).text) return;
    state(box).text = std::move(cut);
    state(box).by_program = false;
    results_outdated_ = true;
    Changed(box);
    if (d.kind == Kind::TextBox) RaiseChange(box);
  });
}

std::optional<FaultKind> Form1::Click(Ctl control) {
  return Boundary([&] {
    Kind kind = Def(control).kind;
    if (kind == Kind::CheckBox) {
      ControlState& s = state(control);
      s.value = s.value == 1 ? 0 : 1;
      results_outdated_ = true;
      Changed(control);
      RaiseClick(control);
    } else if (kind == Kind::CommandButton) {
      RaiseClick(control);
    }
  });
}

std::optional<FaultKind> Form1::Select(int index) {
  return Boundary([&] {
    if (index < 0 || index >= kProfileCount) return;
    results_outdated_ = true;
    for (int i = 0; i < kProfileCount; ++i) {
      ControlState& s = state(Option(i));
      int value = i == index ? 1 : 0;
      if (s.value != value) {
        s.value = value;
        Changed(Option(i));
      }
    }
    if (routing_.Option1_Click != nullptr) routing_.Option1_Click(*this, index);
  });
}

}  // namespace selbrin
