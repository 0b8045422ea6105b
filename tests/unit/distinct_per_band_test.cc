#include "score/distinct_per_band.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(DistinctPerBand, EachTextIsNewOncePerBand) {
  DistinctPerBand seen(4);
  EXPECT_TRUE(seen.firstSight(0, "75"));
  EXPECT_FALSE(seen.firstSight(0, "75"));
  EXPECT_TRUE(seen.firstSight(1, "75"));
  EXPECT_FALSE(seen.firstSight(1, "75"));
  EXPECT_TRUE(seen.firstSight(0, "13"));
}

TEST(DistinctPerBand, TextsDifferingInLengthCaseOrOneByteAreApart) {
  DistinctPerBand seen(4);
  for (const char* text : {"", "7", "75", "57", "2a", "2A", "750", "ABCDEFGH", "ABCDEFGHI",
                           "ABCDEFGHIJ", "ABCDEFGHIK", "ABCDEFGH\x01"}) {
    EXPECT_TRUE(seen.firstSight(3, text)) << text;
    EXPECT_FALSE(seen.firstSight(3, text)) << text;
  }
}

TEST(DistinctPerBand, LongTextsAreComparedByContentNotByPlace) {
  const std::string a = "3DA0/LONGCALL";
  const std::string b = a;
  DistinctPerBand seen(4);
  EXPECT_TRUE(seen.firstSight(0, a));
  EXPECT_FALSE(seen.firstSight(0, b));
}

TEST(DistinctPerBand, KeepsEveryTextAsItGrows) {
  std::vector<std::string> texts;
  for (int i = 0; i < 3000; ++i) texts.push_back(std::to_string(i * 7919));
  DistinctPerBand seen(4);
  for (std::size_t band = 0; band < 3; ++band) {
    for (const std::string& text : texts) ASSERT_TRUE(seen.firstSight(band, text)) << text;
  }
  for (std::size_t band = 0; band < 3; ++band) {
    for (const std::string& text : texts) ASSERT_FALSE(seen.firstSight(band, text)) << text;
  }
}

}  // namespace
}  // namespace velmora
