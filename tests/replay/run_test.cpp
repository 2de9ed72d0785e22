#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/replay/replay.h"

namespace selbrin::replay {
namespace {

struct LineRule {
  const char* what;
  std::string script;
  const char* error;  // what the runner writes to its error stream
};

// A malformed line stops the run with exit status 2 and names the line and why;
// a line ending in CR LF reads as the line without the CR.
TEST(Script, NamesTheFirstBadLineAndWhy) {
  const LineRule rules[] = {
      {"CR LF endings", "state\r\npick Combo1 30\r\nfly\r\n", "bad line 3: unknown action 'fly'\n"},
      {"invalid UTF-8", "# start\ntype Text2 \xC3(", "bad line 2: not UTF-8 text\n"},
      {"a surrogate", "type Text9 \xED\xA0\x80", "bad line 1: not UTF-8 text\n"},
      {"unknown verb", "Pick Combo1 30", "bad line 1: unknown action 'Pick'\n"},
      {"item not in the list", "pick Combo2 251", "bad line 1: '251' is not an item of Combo2\n"},
      {"pick from a text box", "pick Text2 3000", "bad line 1: cannot pick from 'Text2'\n"},
      {"select 8", "select 8", "bad line 1: select needs an element 0 to 7\n"},
      {"select two digits", "select 10", "bad line 1: select needs an element 0 to 7\n"},
      {"select without element", "select", "bad line 1: select needs an element 0 to 7\n"},
      {"click without control", "click", "bad line 1: cannot click ''\n"},
      {"click a label", "click Label31", "bad line 1: cannot click 'Label31'\n"},
      {"type without control", "type", "bad line 1: cannot type into ''\n"},
      {"paste into a display", "paste Label40 1", "bad line 1: cannot type into 'Label40'\n"},
      {"state with an argument", "state 1", "bad line 1: state takes nothing after it\n"},
      {"copy with an argument", "copy all", "bad line 1: copy takes nothing after it\n"},
      {"insert into a display", "insert Label40 0 0 1",
       "bad line 1: cannot insert into 'Label40'\n"},
      {"insert without positions", "insert Text2",
       "bad line 1: insert needs FROM <= TO <= 0, the length of Text2's text\n"},
      {"insert past the text's end", "paste Text5 ab\ninsert Text5 1 3 x",
       "bad line 2: insert needs FROM <= TO <= 2, the length of Text5's text\n"},
      {"insert backwards", "paste Text5 ab\ninsert Text5 2 1 x",
       "bad line 2: insert needs FROM <= TO <= 2, the length of Text5's text\n"},
      {"insert at a signed position", "insert Text5 +0 0 x",
       "bad line 1: insert needs FROM <= TO <= 0, the length of Text5's text\n"},
      {"sheet without a file", "sheet", "bad line 1: sheet needs a file name\n"},
      {"sheet into no folder", "sheet /nonexistent/s.svg",
       "bad line 1: cannot write '/nonexistent/s.svg'\n"},
  };
  for (const LineRule& rule : rules) {
    SCOPED_TRACE(rule.what);
    std::istringstream in(rule.script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(replay::Run(in, out, err), kBadLine);
    EXPECT_EQ(err.str(), rule.error);
  }
}

TEST(Script, GoodScriptEndsWithStatusZero) {
  std::istringstream in("pick Combo1 30\r\n\r\n# a comment\nselect 7\nclick Command3\nfly\n");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(replay::Run(in, out, err), kOk);
  EXPECT_EQ(out.str(), "end\n");  // nothing after the end is read
  EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace selbrin::replay
