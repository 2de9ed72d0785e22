// The model as the page's script sees it: plain C functions over one form. The
// script reads the control table once, then after every user action it hands
// over, reads back each control's state and the fault message.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "sheet/fields.h"
#include "sheet/sheet.h"
#include "ui/common/about.h"
#include "ui/common/command_keys.h"
#include "ui/common/fault_message.h"
#include "ui/common/geometry.h"
#include "ui/common/lists.h"
#include "ui/common/print_page.h"
#include "ui/common/user_edit.h"
#include "ui/web/page_json.h"
#include "ui/web/page_model.h"
#include "ui/web/page_rules.h"

namespace {

using selbrin::Ctl;
namespace face = selbrin::face;
namespace web = selbrin::web;

face::FaultMessage message;
std::array<face::PixelSize, selbrin::kControlCount> needs{};
double scale = 1.0;
std::string out;  // what the last string function returned, until the next call

using web::Model;

Ctl At(int c) { return static_cast<Ctl>(c); }

const char* Return(std::string s) {
  out = std::move(s);
  return out.c_str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* sb_table() { return Return(web::TableJson()); }

EMSCRIPTEN_KEEPALIVE void sb_need(int c, int width, int height) {
  needs[static_cast<std::size_t>(c)] = {width, height};
}
EMSCRIPTEN_KEEPALIVE double sb_layout() { return scale = face::FormScale(needs); }
EMSCRIPTEN_KEEPALIVE int sb_edge(int twips) { return face::ToPixels(twips, scale); }

EMSCRIPTEN_KEEPALIVE const char* sb_text(int c) { return Return(Model().Text(At(c))); }
EMSCRIPTEN_KEEPALIVE int sb_item_count(int c) {
  return static_cast<int>(Model().Items(At(c)).size());
}
EMSCRIPTEN_KEEPALIVE const char* sb_item(int c, int i) {
  return Return(Model().Items(At(c)).at(static_cast<std::size_t>(i)));
}
// The item an open list highlights: the one equal to the box's text; -1 for none.
EMSCRIPTEN_KEEPALIVE int sb_list_match(int c) {
  return face::ItemEqualTo(Model().Items(At(c)), Model().Text(At(c)));
}
EMSCRIPTEN_KEEPALIVE const char* sb_state() { return Return(web::StateJson(Model(), message)); }
// The option an arrow key selects from `current`; -1 for other keys.
EMSCRIPTEN_KEEPALIVE int sb_option_key(int current, const char* key) {
  std::optional<face::Arrow> arrow = web::ArrowOfKey(key);
  return arrow ? face::OptionAfterArrow(current, *arrow) : -1;
}

EMSCRIPTEN_KEEPALIVE void sb_pick(int c, int item) {
  message.ActionEnded(At(c), Model().Pick(At(c), item));
}
EMSCRIPTEN_KEEPALIVE void sb_click(int c) { message.ActionEnded(At(c), Model().Click(At(c))); }
EMSCRIPTEN_KEEPALIVE void sb_select(int index) {
  message.ActionEnded(selbrin::Option(index), Model().Select(index));
}
// An edit as the user made it: the selection [start, end) of the box's text, in
// UTF-16 units, replaced by `inserted`. Returns where the cursor goes when the box
// shows the model's text. An insertion that kept nothing and took nothing away is
// no action: it neither changes the form nor closes the fault message.
EMSCRIPTEN_KEEPALIVE int sb_user_edit(int c, int start, int end, const char* inserted) {
  const std::string before = Model().Text(At(c));
  face::EditOutcome outcome = face::ApplyUserEdit(
      before, {static_cast<std::size_t>(start), static_cast<std::size_t>(end), inserted},
      selbrin::Def(At(c)).max_chars);
  if (!outcome.refused || outcome.text != before) {
    message.ActionEnded(At(c), Model().Edit(At(c), outcome.text));
  }
  return static_cast<int>(outcome.cursor);
}

EMSCRIPTEN_KEEPALIVE void sb_message_close() { message.Dismiss(); }
// Esc in the form: 1 when it closed the message.
EMSCRIPTEN_KEEPALIVE int sb_escape() { return message.Escape() ? 1 : 0; }

// The sheet command of Ctrl (+ Shift) + the key `letter`, or -1 when the page
// has none for these keys.
EMSCRIPTEN_KEEPALIVE int sb_command_for_keys(int shift, const char* letter) {
  if (letter[0] == '\0' || letter[1] != '\0') return -1;
  std::optional<face::SheetCommand> command = face::CommandForKeys(shift != 0, letter[0]);
  return command && face::OfferedWithBrowserPrint(*command) ? static_cast<int>(*command) : -1;
}
EMSCRIPTEN_KEEPALIVE const char* sb_about_text() {
  return Return(face::AboutText(SELBRIN_VERSION_TEXT, face::FaceKind::Web));
}
EMSCRIPTEN_KEEPALIVE const char* sb_results_text() {
  return Return(selbrin::sheet::ResultsText(Model()));
}
// The calculation sheet dated as the page's clock says, which only the script knows.
EMSCRIPTEN_KEEPALIVE const char* sb_sheet_svg(int year, int month, int day) {
  return Return(selbrin::sheet::SheetSvg(Model(), SELBRIN_VERSION_TEXT, {year, month, day},
                                         web::DriveTitle()));
}

// The page's style for printing the sheet, which every face prints alike.
EMSCRIPTEN_KEEPALIVE const char* sb_print_css() { return Return(face::PrintPageCss("#sheet svg")); }

}  // extern "C"
