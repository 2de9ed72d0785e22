#include <gtest/gtest.h>

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

TEST(PageEdit, Text2KeepsFiveCharactersAndPlacesTheCursorInUtf16Units) {
  struct Row {
    const char* before;
    const char* after;
    const char* text;
    std::size_t cursor;
    bool refused;
  };
  const Row rows[] = {
      {"1234", "12345", "12345", 5, false},
      {"12345", "123456", "12345", 5, true},  // the sixth keystroke is refused
      {"12345", "126345", "12345", 2, true},  // also in the middle
      {"", "9876543", "98765", 5, false},     // a paste is cut
      {"", "𝟙𝟚𝟛𝟜𝟝𝟞", "𝟙𝟚𝟛𝟜𝟝", 10, false},     // five characters, ten units
  };
  for (const Row& row : rows) {
    Form1 form;
    form.Edit(Ctl::Text2, row.before);
    PageEdit edit = FitPageEdit(form, Ctl::Text2, row.after);
    EXPECT_EQ(edit.text, row.text) << row.after;
    EXPECT_EQ(edit.cursor, row.cursor) << row.after;
    EXPECT_EQ(edit.refused, row.refused) << row.after;
  }
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

}  // namespace
}  // namespace selbrin::web
