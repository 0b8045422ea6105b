#include "log/growable_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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

namespace velmora {
namespace {

// The capacities an array passes through as it fills, by the growth rule.
std::vector<std::size_t> ruleCapacities(std::size_t upTo) {
  std::vector<std::size_t> capacities;
  for (std::size_t c = 0; c < upTo; c = nextCapacity(c)) capacities.push_back(nextCapacity(c));
  return capacities;
}

TEST(GrowableArray, GrowsStepByStepAndNeverMovesAStoredElement) {
  GrowableArray<std::string> items;
  std::vector<const std::string*> places;
  std::vector<std::size_t> capacities;
  for (int i = 0; i < 20000; ++i) {
    items.append(std::to_string(i));
    places.push_back(&items[items.size() - 1]);
    if (capacities.empty() || capacities.back() != items.capacity()) {
      capacities.push_back(items.capacity());
    }
  }
  EXPECT_EQ(capacities, ruleCapacities(20000));
  std::size_t i = 0;
  for (const std::string& item : items) {
    ASSERT_EQ(&item, places[i]) << i;
    ASSERT_EQ(item, std::to_string(i)) << i;
    ++i;
  }
  EXPECT_EQ(i, items.size());
}

// Removals anywhere (block starts and ends, the first and the last element)
// close the gap across blocks exactly as one contiguous array would, and
// appends after them fill the room kept before growing again.
TEST(GrowableArray, RemovalsAcrossBlocksKeepTheOrderOfAVector) {
  GrowableArray<std::string> items;
  std::vector<std::string> expected;
  for (int i = 0; i < 3000; ++i) {
    items.append(std::to_string(i));
    expected.push_back(std::to_string(i));
  }
  const std::size_t capacity = items.capacity();
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    const std::size_t at = round % 5 == 0   ? 0
                           : round % 5 == 1 ? expected.size() - 1
                                            : random() % expected.size();
    items.removeAt(at);
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
    if (round % 3 == 0) {
      items.append("new" + std::to_string(round));
      expected.push_back("new" + std::to_string(round));
    }
  }
  EXPECT_EQ(items.capacity(), capacity);
  ASSERT_EQ(items.size(), expected.size());
  EXPECT_TRUE(std::equal(items.begin(), items.end(), expected.begin()));
  for (std::size_t i = 0; i < expected.size(); i += 97) EXPECT_EQ(items[i], expected[i]);
}

TEST(GrowableArray, CopiesAndMovesHoldTheSameElements) {
  GrowableArray<std::string> items;
  for (int i = 0; i < 100; ++i) items.append(std::string(20, static_cast<char>('a' + i % 26)));
  GrowableArray<std::string> copy = items;
  items.swapElements(0, 99);
  EXPECT_EQ(copy[0], std::string(20, 'a'));
  EXPECT_EQ(items[99], std::string(20, 'a'));
  EXPECT_EQ(items[0], copy[99]);
  GrowableArray<std::string> moved = std::move(copy);
  ASSERT_EQ(moved.size(), 100u);
  EXPECT_EQ(moved[26], std::string(20, 'a'));
  copy = moved;
  EXPECT_TRUE(std::equal(copy.begin(), copy.end(), moved.begin()));
}

}  // namespace
}  // namespace velmora
