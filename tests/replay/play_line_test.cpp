#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/replay/replay.h"

namespace selbrin::replay {
namespace {

// The fuzzer looks at the form after every user action, so a line must hand
// over once per action: once per typed character, once for every other action,
// never for a comment, a state line or a bad line.
TEST(PlayLine, HandsOverAfterEachUserAction) {
  struct Row {
    const char* line;
    int actions;
  };
  for (const Row& row : std::vector<Row>{{"type Text11 1578", 4},
                                         {"type Text2 123456", 6},
                                         {"type Text9", 1},
                                         {"paste Text10 500", 1},
                                         {"insert Text10 0 0 5", 1},
                                         {"pick Combo2 250", 1},
                                         {"select 2", 1},
                                         {"click chkC2", 1},
                                         {"state", 0},
                                         {"# type Text9 1", 0},
                                         {"type Label31 1", 0},
                                         {"pick Combo2 251", 0}}) {
    Form1 form;
    std::ostringstream out;
    int actions = 0;
    PlayLine(form, row.line, out, [&] { ++actions; });
    EXPECT_EQ(actions, row.actions) << row.line;
  }
}

// An insert replaces the characters FROM..TO (code points) in one edit; a box
// with a limit keeps the inserted text's first characters that fit.
TEST(PlayLine, InsertReplacesTheSelectedCharacters) {
  struct Row {
    Ctl box;
    const char* before;
    const char* line;
    const char* after;
  };
  for (const Row& row : std::vector<Row>{{Ctl::Text2, "4040", "insert Text2 0 4 123450", "12345"},
                                         {Ctl::Text2, "7\t", "insert Text2 0 2 123456\t", "12345"},
                                         {Ctl::Text2, "ğü1", "insert Text2 1 2 😀😀😀😀", "ğ😀😀😀1"},
                                         {Ctl::Text10, "12", "insert Text10 2 2 3 4", "123 4"},
                                         {Ctl::Text2, "12345", "insert Text2 5 5 6", "12345"},
                                         {Ctl::Text9, "abc", "insert Text9 0 3", ""}}) {
    Form1 form;
    std::ostringstream out;
    form.SetText(row.box, row.before);
    EXPECT_EQ(PlayLine(form, row.line, out), std::nullopt) << row.line;
    EXPECT_EQ(form.Text(row.box), row.after) << row.line;
  }
}

}  // namespace
}  // namespace selbrin::replay
