#include "classify/prefix_list.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PrefixList, ClassifiesEveryListedPrefix) {
  for (const char* p : {"F", "TK", "TM"}) EXPECT_EQ(classifyPrefix(p), PrefixClass::Metropolitan) << p;
  for (const char* p : {"FG", "FJ", "FH", "FK", "FM", "FO", "FP", "FR", "FT", "FW", "FY"}) {
    EXPECT_EQ(classifyPrefix(p), PrefixClass::Overseas) << p;
  }
}

TEST(PrefixList, OnlyWholeCaseSensitiveEqualityMatches) {
  for (const char* p : {"f", "tk", "Tm", "fG", "F ", " F", "F1", "FGX", "T", "FF", "", "DL", "K"}) {
    EXPECT_EQ(classifyPrefix(p), PrefixClass::Foreign) << '"' << p << '"';
    EXPECT_FALSE(isFrenchPrefix(p)) << '"' << p << '"';
  }
}

TEST(PrefixList, BothFrenchClassesAreFrench) {
  EXPECT_TRUE(isFrenchPrefix("F"));
  EXPECT_TRUE(isFrenchPrefix("FY"));
}

TEST(PrefixList, EmbeddedZeroByteEndsNoMatch) {
  EXPECT_EQ(classifyPrefix(std::string_view("F\0", 2)), PrefixClass::Foreign);
}

}  // namespace
}  // namespace velmora
