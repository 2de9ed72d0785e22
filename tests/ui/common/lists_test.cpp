#include "ui/common/lists.h"

#include <gtest/gtest.h>

namespace selbrin::face {
namespace {

TEST(OpenList, HighlightsOnlyTheItemEqualToTheText) {
  const std::vector<std::string> items{"5.5", "7.5", "30"};
  EXPECT_EQ(ItemEqualTo(items, "30"), 2);
  EXPECT_EQ(ItemEqualTo(items, "4"), -1);  // no item the user did not choose
  EXPECT_EQ(ItemEqualTo(items, "3"), -1);  // nor one that merely starts so
}

}  // namespace
}  // namespace selbrin::face
