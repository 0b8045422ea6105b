#include "classify/prefix_list.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PrefixList, ClassifiesEveryListedPrefix) {
  for (const char* p : {"F", "TK", "TM"}) EXPECT_EQ(ClassifyPrefix(p), PrefixClass::Metropolitan) << p;
  for (const char* p : {"FG", "FJ", "FH", "FK", "FM", "FO", "FP", "FR", "FT", "FW", "FY"}) {
    EXPECT_EQ(ClassifyPrefix(p), PrefixClass::Overseas) << p;
  }
}

TEST(PrefixList, OnlyWholeCaseSensitiveEqualityMatches) {
  for (const char* p : {"f", "tk", "Tm", "fG", "F ", " F", "F1", "FGX", "T", "FF", "", "DL", "K"}) {
    EXPECT_EQ(ClassifyPrefix(p), PrefixClass::Foreign) << '"' << p << '"';
    EXPECT_EQ(IsFrenchPrefix(p), 0) << '"' << p << '"';
  }
}

TEST(PrefixList, IsFrenchPrefixGivesOneForFrenchAndTenForNull) {
  EXPECT_EQ(IsFrenchPrefix("F"), 1);
  EXPECT_EQ(IsFrenchPrefix("FY"), 1);
  EXPECT_EQ(IsFrenchPrefix(nullptr), 10);
}

TEST(PrefixList, EmbeddedZeroByteEndsNoMatch) {
  EXPECT_EQ(ClassifyPrefix(std::string_view("F\0", 2)), PrefixClass::Foreign);
}

}  // namespace
}  // namespace velmora
