// Edits as the user made them: only the inserted text is cut to the box's limit.
#include <gtest/gtest.h>

#include "ui/common/user_edit.h"

namespace selbrin::face {
namespace {

TEST(UserEditTest, CutsOnlyTheInsertedTextToTheRoomLeft) {
  struct Row {
    const char* what;
    const char* before;
    UserEdit edit;
    int limit;
    const char* text;
    std::size_t cursor;
    bool refused;
  };
  const Row rows[] = {
      {"paste over all", "4040", {0, 4, "123450"}, 5, "12345", 5, false},
      {"paste ending like the text", "7\t", {0, 2, "123456\t"}, 5, "12345", 5, false},
      {"paste into the middle", "1234", {2, 2, "abc"}, 5, "12a34", 3, false},
      {"keystroke into a full box", "12345", {5, 5, "6"}, 5, "12345", 5, true},
      {"keystroke over a selection", "12345", {1, 3, "9"}, 5, "1945", 2, false},
      {"backspace", "12345", {4, 5, ""}, 5, "1234", 4, false},
      {"no limit", "1", {1, 1, "234567"}, 0, "1234567", 7, false},
      {"a program write over the limit, deleted from",
       "2947000",
       {0, 1, ""},
       5,
       "947000",
       0,
       false},
      {"a program write over the limit, pasted over all",
       "2947000",
       {0, 7, "123456"},
       5,
       "12345",
       5,
       false},
      {"over the limit, a key over a selection", "2947000", {1, 3, "x"}, 5, "27000", 1, true},
      {"Turkish letters count as one", "ğü", {2, 2, "şıöç"}, 5, "ğüşıö", 5, false},
      {"an emoji is two units and one character", "😀1", {3, 3, "😀😀😀😀"}, 5, "😀1😀😀😀", 9, false},
      {"offsets past the end", "12", {7, 9, "3"}, 5, "123", 3, false},
      {"a selection given backwards", "1234", {3, 1, ""}, 5, "14", 1, false},
      {"a paste of lines keeps the first", "4040", {0, 4, "12\r\n34"}, 5, "12", 2, false},
      {"a paste starting with a break", "40", {1, 2, "\n7"}, 5, "4", 1, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EditOutcome out = ApplyUserEdit(row.before, row.edit, row.limit);
    EXPECT_EQ(out.text, row.text);
    EXPECT_EQ(out.cursor, row.cursor);
    EXPECT_EQ(out.refused, row.refused);
  }
}

TEST(UserEditTest, BackspaceAndDeleteTakeTheSelectionOrOneCharacter) {
  const std::u16string text = u"a\U0001F600b";  // units: a, the emoji's pair, b
  struct Row {
    std::size_t start, end;
    bool forward;
    Span span;
  };
  const Row rows[] = {
      {1, 3, false, {1, 3}}, {3, 1, true, {1, 3}}, {1, 1, true, {1, 3}},  {3, 3, false, {1, 3}},
      {0, 0, false, {0, 0}}, {4, 4, true, {4, 4}}, {4, 4, false, {3, 4}}, {9, 9, false, {3, 4}},
  };
  for (const Row& row : rows) {
    Span span = DeletedSpan(text, row.start, row.end, row.forward);
    EXPECT_EQ(span.start, row.span.start) << row.start << " " << row.end << " " << row.forward;
    EXPECT_EQ(span.end, row.span.end) << row.start << " " << row.end << " " << row.forward;
  }
  EXPECT_EQ(DeletedSpan(u"\xD83D", 0, 0, true).end, 1U);  // half a pair is one unit
}

TEST(UserEditTest, CountsUtf16UnitsAndFindsTheirBytes) {
  const std::string text = "aş😀b";  // bytes 0, 1-2, 3-6, 7; units 0, 1, 2-3, 4
  EXPECT_EQ(Utf16Length(text), 5U);
  EXPECT_EQ(Utf16Length(text, 3), 2U);
  const std::size_t bytes_of_units[] = {0, 1, 3, 3, 7, 8, 8};
  for (std::size_t units = 0; units < std::size(bytes_of_units); ++units) {
    EXPECT_EQ(ByteOffset(text, units), bytes_of_units[units]) << units;
  }
  EXPECT_EQ(CharOffset(text, 3), 7U);
  EXPECT_EQ(CharOffset(text, 9), 8U);
}

}  // namespace
}  // namespace selbrin::face
