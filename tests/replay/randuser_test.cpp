#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "tools/randuser/randuser.h"
#include "tools/replay/replay.h"

namespace selbrin::randuser {
namespace {

// A seed names one script on every system, and the runner plays all of it.
TEST(RandomUser, ASeedGivesOneScriptThatTheRunnerPlays) {
  const std::string script = RandomScript(7, 300);
  EXPECT_EQ(script, RandomScript(7, 300));
  EXPECT_NE(script, RandomScript(8, 300));
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(replay::Run(in, out, err), replay::kOk);
  EXPECT_EQ(err.str(), "");
}

// In a few hundred actions the user does every kind of thing, each followed by
// a state line; an arrow comment is always followed by the select it makes.
TEST(RandomUser, DoesEveryKindOfActionAndShowsTheStateAfterEach) {
  std::istringstream script(RandomScript(1, 300));
  const std::string kinds[] = {"type ",   "paste ", "insert ",  "pick ",        "click ",
                               "select ", "copy",   "# arrow ", "# key Escape", "# copy-field "};
  std::map<std::string, int> seen;
  std::string line;
  std::string previous;
  int actions = 0;
  while (std::getline(script, line)) {
    for (const std::string& kind : kinds) seen[kind] += line.rfind(kind, 0) == 0 ? 1 : 0;
    if (line == "state") ++actions;
    if (previous.rfind("# arrow ", 0) == 0) {
      EXPECT_EQ(line.rfind("select ", 0), 0U) << line;
    }
    bool after_action = !previous.empty() && previous != "state" &&
                        previous.rfind("# selbrin-randuser", 0) != 0 &&
                        previous.rfind("# arrow ", 0) != 0;
    if (after_action) {
      EXPECT_EQ(line, "state") << "after " << previous;
    }
    previous = line;
  }
  EXPECT_EQ(actions, 300);
  for (const std::string& kind : kinds) EXPECT_GT(seen[kind], 0) << kind;
}

}  // namespace
}  // namespace selbrin::randuser
