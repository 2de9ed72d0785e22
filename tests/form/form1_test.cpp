#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "form/form1.h"
#include "form/text_edit.h"
#include "runtime/num.h"
#include "runtime/std_fallback.h"

namespace selbrin {
namespace {

// A routing whose handlers only record that they ran, so the tests see exactly
// which events the model raises and in what order.
std::vector<std::string> g_log;

EventRouting RecordingRouting() {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command3_Click = Command3_Click;
  r.Combo1_Click = [](Form1&) { g_log.emplace_back("Combo1_Click"); };
  r.Combo2_Click = [](Form1& f) { g_log.push_back("Combo2_Click " + f.Text(Ctl::Combo2)); };
  r.chkC2_Click = [](Form1& f) {
    g_log.push_back("chkC2_Click " + std::to_string(f.Value(Ctl::chkC2)));
  };
  r.Command1_Click = [](Form1& f) {
    g_log.emplace_back("Command1_Click");
    f.SetText(Ctl::Text11, "1612.8");  // runs Text11_Change inside the write
    g_log.emplace_back("Command1_Click goes on");
  };
  r.Option1_Click = [](Form1& f, int index) {
    g_log.push_back("Option1_Click " + std::to_string(index) + " " +
                    std::to_string(f.OptionValue(index)));
  };
  r.Text2_Change = [](Form1& f) { g_log.push_back("Text2_Change " + f.Text(Ctl::Text2)); };
  r.Text5_Change = [](Form1& f) { g_log.push_back("Text5_Change " + f.Text(Ctl::Text5)); };
  r.Text11_Change = [](Form1& f) { g_log.push_back("Text11_Change " + f.Text(Ctl::Text11)); };
  return r;
}

class FormEvents : public testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
  Form1 form{RecordingRouting()};
};

TEST_F(FormEvents, StartsInItsInitialStateWithPiAsASingle) {
  EXPECT_TRUE(g_log.empty()) << "creating the form clicks nothing";
  EXPECT_EQ(form.Value(Ctl::chkC2), 1);
  EXPECT_EQ(form.Value(Ctl::chkKompakt), 0);
  EXPECT_EQ(form.Value(Ctl::chk4kutup), 0);
  for (int i = 0; i < kProfileCount; ++i) EXPECT_EQ(form.OptionValue(i), i == 6);
  for (Ctl c :
       {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3, Ctl::Text2, Ctl::Text5, Ctl::Text9, Ctl::Text10,
        Ctl::Text11, Ctl::Text12, Ctl::Text13, Ctl::Label31, Ctl::Label32, Ctl::Label36,
        Ctl::Label19, Ctl::Label21, Ctl::Label35, Ctl::Label38, Ctl::Label40}) {
    EXPECT_EQ(form.Text(c), "") << ControlName(c);
  }
  EXPECT_EQ(BitCast<std::uint32_t>(form.piValue.get()), 0x40490FDBU);
  EXPECT_EQ(form.piValue.value(), 3.1415927410125732);
  for (const Single* v : {&form.cellA, &form.cellB, &form.centreDistance, &form.wrapAngle,
                          &form.arcFactor, &form.serviceFactor, &form.lengthFactor,
                          &form.beltLength, &form.beltRating, &form.screwSpeed, &form.speedRatio}) {
    EXPECT_EQ(v->get(), 0.0F);
  }
}

TEST_F(FormEvents, UserEditRaisesChangeOnlyWhenTheTextChanges) {
  form.Edit(Ctl::Text5, "3");
  form.Edit(Ctl::Text5, "3");
  form.Edit(Ctl::Text5, "");
  EXPECT_EQ(g_log, (std::vector<std::string>{"Text5_Change 3", "Text5_Change "}));
}

TEST_F(FormEvents, Text2KeepsItsFirstFiveCharacters) {
  form.Edit(Ctl::Text2, "12345");
  form.Edit(Ctl::Text2, "123456");   // the sixth keystroke is refused
  form.Edit(Ctl::Text2, "çğışöüx");  // characters, not bytes
  EXPECT_EQ(form.Text(Ctl::Text2), "çğışö");
  EXPECT_EQ(g_log, (std::vector<std::string>{"Text2_Change 12345", "Text2_Change çğışö"}));
}

TEST_F(FormEvents, ProgramWritesAreNotCut) {
  form.SetText(Ctl::Text2, "1234567");
  EXPECT_EQ(form.Text(Ctl::Text2), "1234567");
}

TEST_F(FormEvents, ProgramWriteRunsChangeEvenWithTheSameText) {
  form.SetText(Ctl::Text2, "3000");
  form.SetText(Ctl::Text2, "3000");
  form.SetText(Ctl::Text10, "250");  // Text10 has no handler
  EXPECT_EQ(g_log, (std::vector<std::string>{"Text2_Change 3000", "Text2_Change 3000"}));
}

TEST_F(FormEvents, ChangeOfAProgramWriteRunsNestedInsideTheWriter) {
  form.Click(Ctl::Command1);
  EXPECT_EQ(g_log, (std::vector<std::string>{"Command1_Click", "Text11_Change 1612.8",
                                             "Command1_Click goes on"}));
}

TEST_F(FormEvents, TypingIntoAComboRaisesNothing) {
  form.Edit(Ctl::Combo2, "224");
  form.SetText(Ctl::Combo2, "225");
  EXPECT_TRUE(g_log.empty());
  EXPECT_EQ(form.Text(Ctl::Combo2), "225");
}

TEST_F(FormEvents, PickSetsTheTextThenClicksAlsoForTheSameItem) {
  form.Pick(Ctl::Combo2, 13);
  form.Pick(Ctl::Combo2, 13);
  EXPECT_EQ(g_log, (std::vector<std::string>{"Combo2_Click 224", "Combo2_Click 224"}));
}

TEST_F(FormEvents, UnhandledClickChangesOnlyTheTouchedControl) {
  form.Pick(Ctl::Combo3, 0);
  form.Click(Ctl::chkKompakt);
  EXPECT_EQ(form.Text(Ctl::Combo3), "100");
  EXPECT_EQ(form.Value(Ctl::chkKompakt), 1);
  EXPECT_TRUE(g_log.empty());
}

TEST_F(FormEvents, CheckBoxTogglesBeforeItsClick) {
  form.Click(Ctl::chkC2);
  form.Click(Ctl::chkC2);
  EXPECT_EQ(g_log, (std::vector<std::string>{"chkC2_Click 0", "chkC2_Click 1"}));
}

TEST_F(FormEvents, SelectingAnOptionClearsTheOthersAndClicksAgainWhenSelected) {
  form.Select(2);
  form.Select(2);
  for (int i = 0; i < kProfileCount; ++i) EXPECT_EQ(form.OptionValue(i), i == 2);
  form.ClearOption(2);  // a program write of False raises nothing
  for (int i = 0; i < kProfileCount; ++i) EXPECT_FALSE(form.OptionValue(i));
  EXPECT_EQ(g_log, (std::vector<std::string>{"Option1_Click 2 1", "Option1_Click 2 1"}));
}

TEST_F(FormEvents, ListenerHearsEveryChange) {
  std::vector<Ctl> heard;
  form.SetListener([&](Ctl c) { heard.push_back(c); });
  form.Select(0);
  form.SetCaption(Ctl::Label31, "2940");
  form.Edit(Ctl::Text9, "60");
  EXPECT_EQ(heard, (std::vector<Ctl>{Ctl::Option1_0, Ctl::Option1_6, Ctl::Label31, Ctl::Text9}));
}

TEST_F(FormEvents, KnowsWhetherTheProgramOrTheUserSetEachText) {
  EXPECT_TRUE(form.WrittenByProgram(Ctl::Combo2)) << "emptied at start-up";
  EXPECT_FALSE(form.WrittenByProgram(Ctl::Text12));
  form.SetText(Ctl::Text12, "9");
  form.SetCaption(Ctl::Label40, "19.11");
  EXPECT_TRUE(form.WrittenByProgram(Ctl::Text12));
  EXPECT_TRUE(form.WrittenByProgram(Ctl::Label40));
  form.Edit(Ctl::Text12, "9");  // leaves the text as it was: still the program's
  EXPECT_TRUE(form.WrittenByProgram(Ctl::Text12));
  form.Edit(Ctl::Text12, "9.");
  form.Pick(Ctl::Combo2, 0);
  EXPECT_FALSE(form.WrittenByProgram(Ctl::Text12));
  EXPECT_FALSE(form.WrittenByProgram(Ctl::Combo2));
}

TEST_F(FormEvents, Command3EndsTheProgramAndNothingRunsAfter) {
  form.Click(Ctl::Command3);
  EXPECT_TRUE(form.ended());
  form.Click(Ctl::Command1);
  form.Edit(Ctl::Text2, "1");
  EXPECT_TRUE(g_log.empty());
  EXPECT_EQ(form.Text(Ctl::Text2), "");
}

// A fault inside a nested handler ends the whole chain: the writes before it stay,
// the rest of the chain does not run, and the form goes on taking actions.
TEST(FormFaults, AFaultEndsTheWholeChainAndKeepsEarlierWrites) {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command1_Click = [](Form1& f) {
    f.SetText(Ctl::Text10, "250");
    f.SetText(Ctl::Text11, "500");
    f.SetText(Ctl::Text12, "never written");
  };
  r.Text11_Change = [](Form1& f) {
    f.cellA = 5;
    (void)Sqrt(-1);
    f.SetText(Ctl::Text10, "never written");
  };
  Form1 form(r);
  EXPECT_EQ(form.Click(Ctl::Command1), FaultKind::InvalidArgument);
  EXPECT_EQ(form.Text(Ctl::Text10), "250");
  EXPECT_EQ(form.Text(Ctl::Text11), "500");
  EXPECT_EQ(form.Text(Ctl::Text12), "");
  EXPECT_EQ(form.cellA.get(), 5.0F);
  EXPECT_EQ(form.Edit(Ctl::Text9, "60"), std::nullopt);
  EXPECT_EQ(form.Text(Ctl::Text9), "60");
}

TEST(CutToChars, CountsCodePoints) {
  EXPECT_EQ(CutToChars("123456", 5), "12345");
  EXPECT_EQ(CutToChars("12", 5), "12");
  EXPECT_EQ(CutToChars("ağırhizmet", 5), "ağırh");
  EXPECT_EQ(CutToChars("\x80\x80\x80", 1), "\x80\x80\x80");  // stray bytes stay with their lead
}

TEST(DecodeChar, TakesOnlyWellFormedCharacters) {
  struct Row {
    const char* text;
    std::optional<char32_t> code_point;  // empty: not a character
  };
  const Row rows[] = {
      {"A", U'A'},
      {"\xC4\x9F", U'\u011F'},              // ğ
      {"\xF0\x9F\x98\x80", U'\U0001F600'},  // four bytes
      {"\xC0\xAF", std::nullopt},           // overlong '/'
      {"\xED\xA0\x80", std::nullopt},       // a surrogate
      {"\xF4\x90\x80\x80", std::nullopt},   // beyond U+10FFFF
      {"\xC4", std::nullopt},               // cut short
      {"\x80", std::nullopt},               // a stray continuation byte
  };
  for (const Row& row : rows) {
    std::optional<Utf8Char> c = DecodeChar(row.text, 0);
    EXPECT_EQ(c ? std::optional(c->code_point) : std::nullopt, row.code_point) << row.text;
    if (c) {
      EXPECT_EQ(c->length, std::string_view(row.text).size());
    }
  }
}

}  // namespace
}  // namespace selbrin
