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
