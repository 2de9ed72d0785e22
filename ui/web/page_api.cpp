// The model as the page's script sees it: plain C functions over one form. The
// script reads the control table once, then after every user action it hands
// over, reads back each control's state and the fault message.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "ui/web/face_rules.h"
#include "ui/web/page_json.h"

namespace {

using selbrin::Ctl;

std::unique_ptr<selbrin::Form1> form;
selbrin::web::FaultMessage message;
std::array<selbrin::web::NeededSize, selbrin::kControlCount> needs{};
double scale = 1.0;
selbrin::web::PageEdit last_edit;
std::string out;  // what the last string function returned, until the next call

selbrin::Form1& Model() {
  if (!form) form = std::make_unique<selbrin::Form1>();
  return *form;
}

Ctl At(int c) { return static_cast<Ctl>(c); }

const char* Return(std::string s) {
  out = std::move(s);
  return out.c_str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* sb_table() { return Return(selbrin::web::TableJson()); }

EMSCRIPTEN_KEEPALIVE void sb_need(int c, double width, double height) {
  needs[static_cast<std::size_t>(c)] = {width, height};
}
EMSCRIPTEN_KEEPALIVE double sb_layout() { return scale = selbrin::web::FitScale(needs); }
EMSCRIPTEN_KEEPALIVE int sb_edge(int twips) { return selbrin::web::EdgePx(twips, scale); }

EMSCRIPTEN_KEEPALIVE const char* sb_text(int c) { return Return(Model().Text(At(c))); }
EMSCRIPTEN_KEEPALIVE int sb_value(int c) { return Model().Value(At(c)); }
EMSCRIPTEN_KEEPALIVE int sb_item_count(int c) {
  return static_cast<int>(Model().Items(At(c)).size());
}
EMSCRIPTEN_KEEPALIVE const char* sb_item(int c, int i) {
  return Return(Model().Items(At(c)).at(static_cast<std::size_t>(i)));
}
EMSCRIPTEN_KEEPALIVE const char* sb_reading(int c) {
  return Return(selbrin::web::DisplayReading(Model(), At(c)));
}
EMSCRIPTEN_KEEPALIVE int sb_ended() { return Model().ended() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int sb_option_stop() { return selbrin::web::OptionTabStop(Model()); }
EMSCRIPTEN_KEEPALIVE int sb_option_key(int current, const char* key) {
  return selbrin::web::OptionAfterKey(current, key).value_or(-1);
}

EMSCRIPTEN_KEEPALIVE void sb_pick(int c, int item) {
  message.After(At(c), Model().Pick(At(c), item));
}
EMSCRIPTEN_KEEPALIVE void sb_click(int c) { message.After(At(c), Model().Click(At(c))); }
EMSCRIPTEN_KEEPALIVE void sb_select(int index) {
  message.After(selbrin::Option(index), Model().Select(index));
}
// A typed edit. Returns where the cursor goes when the box shows the model's text.
EMSCRIPTEN_KEEPALIVE int sb_edit(int c, const char* after) {
  last_edit = selbrin::web::FitPageEdit(Model(), At(c), after);
  if (!last_edit.refused) message.After(At(c), Model().Edit(At(c), last_edit.text));
  return static_cast<int>(last_edit.cursor);
}

EMSCRIPTEN_KEEPALIVE int sb_message_open() { return message.open() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* sb_message_text() { return Return(message.text()); }
EMSCRIPTEN_KEEPALIVE void sb_message_close() { message.Close(); }

}  // extern "C"
