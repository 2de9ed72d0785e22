#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/web/page_json.h"
#include "ui/web/page_rules.h"

namespace selbrin::web {
namespace {

TEST(OptionGroup, BrowserArrowKeysAreTheFormsArrows) {
  EXPECT_EQ(ArrowOfKey("ArrowLeft"), face::Arrow::Left);
  EXPECT_EQ(ArrowOfKey("ArrowDown"), face::Arrow::Down);
  EXPECT_EQ(ArrowOfKey("Enter"), std::nullopt);
}

TEST(PageJson, QuotesTextsAndNamesOptionElementsWithAnUnderscore) {
  EXPECT_EQ(Quoted("a\"b\\\n"), "\"a\\\"b\\\\\\u000a\"");
  EXPECT_EQ(ElementId(static_cast<std::size_t>(Ctl::Option1_6)), "Option1_6");
  std::string table = TableJson();
  EXPECT_NE(table.find("\"title\":\" Selbrin\""), std::string::npos);
  EXPECT_NE(table.find("\"id\":\"Text2\",\"kind\":\"text\""), std::string::npos);
  // The page prints through the browser, whose dialog also saves PDFs.
  EXPECT_NE(table.find("\"keys\":\"Ctrl+Shift+C\""), std::string::npos);
  EXPECT_EQ(table.find("saveSheetPdf"), std::string::npos);
}

// State / Action / Expected: what the page reads back after an action.
TEST(PageState, CarriesWhatThePageShowsAfterAnAction) {
  struct Case {
    const char* action;
    std::function<void(Form1&, face::FaultMessage&)> act;
    std::string expected;
  };
  const Case cases[] = {
      {"none", [](Form1&, face::FaultMessage&) {},
       R"("ended":0,"messageOpen":0,"messageText":"","controls":[)"},
      {"typed into Text2", [](Form1& f, face::FaultMessage&) { f.Edit(Ctl::Text2, "1500"); },
       R"(["1500",0,0,""])"},
      {"a display written",
       [](Form1& f, face::FaultMessage&) { f.SetCaption(Ctl::Label31, "2940"); },
       R"(["2940",0,0,"Motor Deviri: 2940 d/dk"])"},
      {"a fault",
       [](Form1&, face::FaultMessage& m) { m.ActionEnded(Ctl::Text2, FaultKind::Overflow); },
       R"("messageOpen":1,"messageText":)" +
           Quoted(face::FaultText(Ctl::Text2, FaultKind::Overflow))},
      {"Çıkış", [](Form1& f, face::FaultMessage&) { f.Click(Ctl::Command3); }, R"("ended":1)"},
  };
  for (const Case& c : cases) {
    Form1 form;
    face::FaultMessage message;
    c.act(form, message);
    std::string state = StateJson(form, message);
    EXPECT_NE(state.find(c.expected), std::string::npos) << c.action << ": " << state;
  }
}

}  // namespace
}  // namespace selbrin::web
