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

}  // namespace
}  // namespace selbrin::replay
