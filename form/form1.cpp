#include "form/form1.h"

#include <algorithm>

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
  if (c == Ctl::Text13) results_outdated_ = false;
  Changed(c);
  RaiseChange(c);
}

void Form1::SetCaption(Ctl c, std::string caption) {
  state(c).text = std::move(caption);
  state(c).by_program = true;
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
    if (index < 0 || index > 7) return;
    results_outdated_ = true;
    for (int i = 0; i < 8; ++i) {
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

namespace {

// True at the end of the text and at every byte that is not a UTF-8 continuation.
bool StartsChar(std::string_view text, std::size_t i) {
  return i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
}

}  // namespace

std::string CutToChars(std::string_view text, int max_chars) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i) && ++chars > max_chars) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

std::optional<FittedEdit> FitUserEdit(std::string_view before, std::string_view after,
                                      int max_chars) {
  // The edit kept a common head and tail of the text and put something new
  // between them; both ends are taken on character boundaries.
  std::size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head > 0 && !(StartsChar(before, head) && StartsChar(after, head))) --head;
  std::size_t tail = 0;
  std::size_t most = std::min(before.size(), after.size()) - head;
  while (tail < most && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  while (tail > 0 &&
         !(StartsChar(before, before.size() - tail) && StartsChar(after, after.size() - tail))) {
    --tail;
  }
  std::string_view kept_head = after.substr(0, head);
  std::string_view inserted = after.substr(head, after.size() - head - tail);
  std::string_view kept_tail = after.substr(after.size() - tail);

  int chars = CountChars(after);
  if (chars <= max_chars || chars <= CountChars(before)) {
    return FittedEdit{std::string(after), head + inserted.size()};
  }
  int room = max_chars - CountChars(kept_head) - CountChars(kept_tail);
  if (room <= 0) return std::nullopt;
  std::string fitted = CutToChars(inserted, room);
  std::size_t cursor = head + fitted.size();
  return FittedEdit{std::string(kept_head) + fitted + std::string(kept_tail), cursor};
}

int CountChars(std::string_view text) {
  int chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text, i)) ++chars;
  }
  return chars;
}

}  // namespace selbrin
