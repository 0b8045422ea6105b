#include "text/replace_all.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct ReplaceCase {
  const char* text;
  const char* find;
  const char* replace;
  const char* expected;
};

TEST(replaceAll, ReplacesEveryOccurrenceLeftmostFirstWithoutRescanning) {
  const ReplaceCase cases[] = {
      {"aaa", "a", "aa", "aaaaaa"},  // a replacement holding `find` does not loop
      {"aaa", "aa", "b", "ba"},      // leftmost wins, no overlap
      {"abcabc", "bc", "", "aa"},
      {"no match here", "xyz", "Q", "no match here"},
      {"", "a", "b", ""},
      {"F/DL1XX/P", "/", "_", "F_DL1XX_P"},
      {"Main<CR><LF>Town", "<CR>", "\r", "Main\r<LF>Town"},
      {"Aa", "a", "x", "Ax"},  // case-sensitive
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(replaceAll(c.text, c.find, c.replace), c.expected) << c.text << " / " << c.find;
  }
}

TEST(replaceAll, LeavesTheTextUnchanged) {
  const std::string text = "abab";
  EXPECT_EQ(replaceAll(text, "a", "c"), "cbcb");
  EXPECT_EQ(text, "abab");
}

}  // namespace
}  // namespace velmora
