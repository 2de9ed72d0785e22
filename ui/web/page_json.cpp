#include "ui/web/page_json.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "form/values.h"
#include "ui/common/about.h"
#include "ui/common/command_keys.h"
#include "ui/common/fault_message.h"
#include "ui/common/keyboard.h"
#include "ui/common/lists.h"
#include "ui/common/reading.h"
#include "ui/common/reading_order.h"
#include "ui/web/page_column.h"
#include "ui/web/page_rules.h"

namespace selbrin::web {
namespace {

constexpr std::array<std::string_view, 7> kKindNames{"label", "display", "text",   "combo",
                                                     "check", "option",  "command"};

constexpr unsigned char kFirstPrintable = 0x20;

std::string Field(std::string_view key, std::string_view json_value) {
  return Quoted(key) + ":" + std::string(json_value);
}

std::string ControlRef(Ctl c) {
  return c == Ctl::None ? "null" : Quoted(ElementId(static_cast<std::size_t>(c)));
}

std::string ControlJson(std::size_t i) {
  const ControlDef& d = kControls[i];
  auto c = static_cast<Ctl>(i);
  std::string j = "{" + Field("id", Quoted(ElementId(i)));
  j += "," + Field("kind", Quoted(kKindNames[static_cast<std::size_t>(d.kind)]));
  j += "," + Field("caption", Quoted(d.caption));
  j += "," + Field("tooltip", Quoted(d.tooltip));
  j += "," + Field("name", Quoted(AccessibleName(c)));
  j += "," + Field("label", ControlRef(d.label));
  j += "," + Field("unit", ControlRef(d.unit));
  j += "," + Field("index", std::to_string(d.index));
  j += "," + Field("maxChars", std::to_string(d.max_chars));
  j += "," + Field("left", std::to_string(d.geometry.left));
  j += "," + Field("top", std::to_string(d.geometry.top));
  j += "," + Field("width", std::to_string(d.geometry.width));
  j += "," + Field("height", std::to_string(d.geometry.height));
  return j + "," + ColumnJson(c) + "}";
}

// The sheet's commands the page offers, with their keys as the menu shows them.
std::string CommandsJson() {
  std::string j;
  for (const face::SheetCommandDef& def : face::kSheetCommands) {
    if (!face::OfferedWithBrowserPrint(def.command)) continue;
    j += std::string(j.empty() ? "" : ",") + "{" +
         Field("command", std::to_string(static_cast<int>(def.command)));
    j += "," + Field("id", Quoted(def.name));
    j += "," + Field("caption", Quoted(def.caption));
    j += "," + Field("keys", Quoted(face::ShortcutText(def.keys))) + "}";
  }
  return "[" + j + "]";
}

// "Hakkında…", last on the menu; its text comes from sb_about_text.
std::string AboutJson() {
  std::string j = "{" + Field("id", Quoted(face::kAboutName));
  j += "," + Field("caption", Quoted(face::kAboutCaption));
  j += "," + Field("title", Quoted(face::kAboutTitle));
  return j + "," + Field("keys", Quoted(face::kAboutKey)) + "}";
}

// The form's caption as the page's title and the form's name, without the
// blank the caption starts with.
std::string_view FormName() {
  std::string_view name = kFormCaption;
  name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
  return name.substr(0, name.find_last_not_of(' ') + 1);
}

// A control's state: [text, value, item count, reading].
std::string ControlState(const Form1& form, Ctl c) {
  bool display = Def(c).kind == Kind::Display;
  std::string reading = display ? face::DisplayReading(c, form.Caption(c)) : "";
  return "[" + Quoted(form.Text(c)) + "," + std::to_string(form.Value(c)) + "," +
         std::to_string(form.Items(c).size()) + "," + Quoted(reading) + "]";
}

}  // namespace

std::string ElementId(std::size_t control) { return face::WidgetName(static_cast<Ctl>(control)); }

std::string Quoted(std::string_view text) {
  std::string q = "\"";
  for (char ch : text) {
    auto u = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      q += '\\';
      q += ch;
    } else if (u < kFirstPrintable) {
      std::array<char, 8> esc{};
      std::snprintf(esc.data(), esc.size(), "\\u%04x", u);
      q += esc.data();
    } else {
      q += ch;
    }
  }
  return q + "\"";
}

std::string TableJson() {
  std::string j = "{" + Field("title", Quoted(kFormCaption));
  j += "," + Field("name", Quoted(FormName()));
  j += "," + Field("groupName", Quoted(BareCaption(Def(Ctl::Option1_0).label)));
  j += "," + Field("faultTitle", Quoted(face::kFaultTitle));
  j += "," + Field("button", Quoted(face::kFaultButton));
  j += "," + Field("ended", Quoted(kEndedText));
  j += "," + Field("openList", Quoted(kOpenList));
  j += "," + Field("listItems", std::to_string(face::kListVisibleItems));
  j += "," + Field("copyField", Quoted(face::kCopyCommand));
  j += "," + Field("about", AboutJson());
  j += "," + Field("clientWidth", std::to_string(kFormClientArea.width));
  j += "," + Field("clientHeight", std::to_string(kFormClientArea.height));
  j += "," + Quoted("controls") + ":[";
  for (std::size_t i = 0; i < kControlCount; ++i) j += (i ? "," : "") + ControlJson(i);
  j += "]," + Quoted("order") + ":[";
  std::vector<Ctl> order = face::ReadingOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    j += (i ? "," : "") + std::to_string(static_cast<int>(order[i]));
  }
  return j + "]," + Field("commands", CommandsJson()) + "}";
}

std::string StateJson(const Form1& form, const face::FaultMessage& message) {
  std::string j = "{" + Field("stop", std::to_string(face::OptionTabStop(SelectedProfile(form))));
  j += "," + Field("ended", form.ended() ? "1" : "0");
  j += "," + Field("messageOpen", message.shown() ? "1" : "0");
  j += "," + Field("messageText", Quoted(message.text()));
  j += "," + Quoted("controls") + ":[";
  for (std::size_t i = 0; i < kControlCount; ++i) {
    j += (i ? "," : "") + ControlState(form, static_cast<Ctl>(i));
  }
  return j + "]}";
}

}  // namespace selbrin::web
