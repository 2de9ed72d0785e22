#include <gtest/gtest.h>

#include <string>

#include "ui/web/face_rules.h"
#include "ui/web/page_json.h"

namespace selbrin::web {
namespace {

TEST(FaultMessage, NamesTheControlActedOnAndClosesAfterAnActionWithoutFault) {
  struct Row {
    Ctl acted_on;
    FaultKind kind;
    const char* text;
  };
  const Row rows[] = {
      {Ctl::Text2, FaultKind::Overflow, "Vida Deviri: Taşma"},
      {Ctl::Text11, FaultKind::InvalidArgument, "Kayış Boyu: Geçersiz değer"},
      {Ctl::Command1, FaultKind::DivisionByZero, "Hesapla: Sıfıra bölme"},
      {Ctl::chkC2, FaultKind::Overflow, "Ağır Hizmet: Taşma"},
      {Ctl::Option1_6, FaultKind::Overflow, "Kayış: Taşma"},
  };
  FaultMessage message;
  for (const Row& row : rows) {
    message.After(row.acted_on, row.kind);  // the one message, reused
    EXPECT_TRUE(message.open());
    EXPECT_EQ(message.text(), row.text);
  }
  message.After(Ctl::Text5, std::nullopt);
  EXPECT_FALSE(message.open());
}

TEST(DisplayReading, IsCaptionValueAndUnit) {
  Form1 form;
  form.Pick(Ctl::Combo1, 5);  // 30 kW
  EXPECT_EQ(DisplayReading(form, Ctl::Label31), "Motor Deviri, 2940, d/dk");
  EXPECT_EQ(DisplayReading(form, Ctl::Label36), "Devir Oranı (i), .00");
}

TEST(Layout, ScalesToTheNeediestControlAndRoundsEdges) {
  std::array<NeededSize, kControlCount> need{};
  EXPECT_EQ(FitScale(need), 1.0);  // never below 1
  // Label1 is 1095 x 375 twips, 73 x 25 pixels at scale 1.
  need[static_cast<std::size_t>(Ctl::Label1)] = {109.5, 10};
  EXPECT_DOUBLE_EQ(FitScale(need), 1.5);
  EXPECT_EQ(EdgePx(255, 1.5), 26);  // 25.5 rounds up
  EXPECT_EQ(EdgePx(kFormClientArea.width, 1.0), 475);
  EXPECT_EQ(EdgePx(kFormClientArea.height, 1.0), 316);
}

TEST(OptionGroup, ArrowKeysGoRoundAndTheSelectedButtonIsTheTabStop) {
  EXPECT_EQ(OptionAfterKey(7, "ArrowRight"), 0);
  EXPECT_EQ(OptionAfterKey(0, "ArrowUp"), 7);
  EXPECT_EQ(OptionAfterKey(3, "ArrowDown"), 4);
  EXPECT_EQ(OptionAfterKey(3, "Enter"), std::nullopt);
  Form1 form;
  EXPECT_EQ(OptionTabStop(form), 6);
  form.ClearOption(6);
  EXPECT_EQ(OptionTabStop(form), 0);
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
}

}  // namespace
}  // namespace selbrin::web
