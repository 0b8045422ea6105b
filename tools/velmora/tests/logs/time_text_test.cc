#include "logs/time_text.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(TimeText, ReadsAdifAndCabrilloDatesAndRefusesImpossibleOnes) {
  CivilDateTime t;
  EXPECT_TRUE(readDate("20120229", t));
  EXPECT_EQ(t.month, 2);
  EXPECT_TRUE(readDate("2011-03-12", t));
  EXPECT_EQ(t.day, 12);
  EXPECT_FALSE(readDate("20110229", t));
  EXPECT_FALSE(readDate("2011-3-12", t));
  EXPECT_FALSE(readDate("2011031", t));
  EXPECT_FALSE(readDate("2011O312", t));
  EXPECT_TRUE(readTime("2359", t));
  EXPECT_EQ(t.second, 0);
  EXPECT_TRUE(readTime("000059", t));
  EXPECT_EQ(t.second, 59);
  EXPECT_FALSE(readTime("123", t));
  EXPECT_FALSE(readTime("1260", t));
}

}  // namespace
}  // namespace velmora::cli
