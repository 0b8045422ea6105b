#include "log/growable_array.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(GrowableArray, GrowsByAnEighthBetweenFourAndThousandTwentyFour) {
  EXPECT_EQ(nextCapacity(0), 1u);
  EXPECT_EQ(nextCapacity(1), 5u);
  EXPECT_EQ(nextCapacity(5), 9u);
  EXPECT_EQ(nextCapacity(40), 45u);
  EXPECT_EQ(nextCapacity(80), 90u);
  EXPECT_EQ(nextCapacity(8192), 9216u);
  EXPECT_EQ(nextCapacity(100000), 101024u);
}

TEST(GrowableArray, AppendFollowsTheGrowthRule) {
  GrowableArray<std::string> items;
  EXPECT_EQ(items.capacity(), 0u);
  items.append("a");
  EXPECT_EQ(items.capacity(), 1u);
  items.append("b");
  EXPECT_EQ(items.capacity(), 5u);
  for (int i = 0; i < 4; ++i) items.append("x");
  EXPECT_EQ(items.size(), 6u);
  EXPECT_EQ(items.capacity(), 9u);
}

TEST(GrowableArray, RemovingKeepsOrderAndLastRemovalReleasesStorage) {
  GrowableArray<std::string> items;
  for (const char* s : {"a", "b", "c"}) items.append(s);
  items.removeAt(1);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], "a");
  EXPECT_EQ(items[1], "c");
  EXPECT_EQ(items.capacity(), 5u);
  items.removeAt(0);
  items.removeAt(0);
  EXPECT_EQ(items.capacity(), 0u);
}

TEST(GrowableArray, ClearReleasesStorage) {
  GrowableArray<int> items;
  for (int i = 0; i < 100; ++i) items.append(i);
  items.clear();
  EXPECT_TRUE(items.empty());
  EXPECT_EQ(items.capacity(), 0u);
}

}  // namespace
}  // namespace velmora
