#include "logs/band_plan.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(BandPlan, NamesTheBandOfAFrequencyEdgesIncluded) {
  EXPECT_EQ(bandOf(1800000), "160m");
  EXPECT_EQ(bandOf(3799999), "80m");
  EXPECT_EQ(bandOf(7000000), "40m");
  EXPECT_EQ(bandOf(14350000), "20m");
  EXPECT_EQ(bandOf(28500000), "10m");
  EXPECT_EQ(bandOf(144300000), "2m");
  EXPECT_FALSE(bandOf(14350001));
  EXPECT_FALSE(bandOf(9000000));
}

TEST(BandPlan, BandsAsUsersWriteThem) {
  struct Case {
    const char* text;
    const char* band;
  };
  for (const Case& c : {Case{"40m", "40m"}, Case{"40M", "40m"}, Case{"7050", "40m"},
                        Case{"7.05", "40m"}, Case{"14", "20m"}, Case{"3.5", "80m"},
                        Case{"144", "2m"}, Case{"1296", "23cm"}, Case{"136", "2190m"},
                        Case{"9000", ""}, Case{"41m", ""}, Case{"", ""}}) {
    EXPECT_EQ(bandFromText(c.text).value_or(""), c.band) << c.text;
  }
  EXPECT_EQ(lowerEdgeHz("80M"), 3500000u);
  EXPECT_EQ(lowerEdgeHz("10m"), 28000000u);
  EXPECT_FALSE(lowerEdgeHz("sat"));
}

}  // namespace
}  // namespace velmora::cli
