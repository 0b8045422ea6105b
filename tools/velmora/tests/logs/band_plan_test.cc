#include "logs/band_plan.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(BandPlan, NamesTheBandOfAFrequencyEdgesIncluded) {
  EXPECT_EQ(bandOf(135700), "2190m");
  EXPECT_EQ(bandOf(503000), "560m");
  EXPECT_EQ(bandOf(1800000), "160m");
  EXPECT_EQ(bandOf(3799999), "80m");
  EXPECT_EQ(bandOf(7000000), "40m");
  EXPECT_EQ(bandOf(14350000), "20m");
  EXPECT_EQ(bandOf(28500000), "10m");
  EXPECT_EQ(bandOf(40680000), "8m");
  EXPECT_EQ(bandOf(54000000), "6m");
  EXPECT_EQ(bandOf(54000001), "5m");  // the ADIF table's own edge between them
  EXPECT_EQ(bandOf(144300000), "2m");
  EXPECT_EQ(bandOf(2400000000u), "13cm");
  EXPECT_EQ(bandOf(10368000000u), "3cm");
  EXPECT_EQ(bandOf(250000000000u), "1mm");
  EXPECT_FALSE(bandOf(14350001));
  EXPECT_FALSE(bandOf(9000000));
  EXPECT_FALSE(bandOf(250000000001u));  // beyond 1mm
  EXPECT_FALSE(bandOf(0));
}

TEST(BandPlan, BandsAsUsersWriteThem) {
  struct Case {
    const char* text;
    const char* band;
  };
  for (const Case& c : {Case{"40m", "40m"}, Case{"40M", "40m"}, Case{" 13CM ", "13cm"},
                        Case{"1.25M", "1.25m"}, Case{"7050", "40m"}, Case{"7.05", "40m"},
                        Case{"14", "20m"}, Case{"3.5", "80m"}, Case{"144", "2m"},
                        Case{"1296", "23cm"}, Case{"136", "2190m"}, Case{"9000", ""},
                        Case{"41m", ""}, Case{"submm", ""}, Case{"", ""}}) {
    EXPECT_EQ(bandFromText(c.text).value_or(""), c.band) << c.text;
  }
  EXPECT_EQ(lowerEdgeHz("80M"), 3500000u);
  EXPECT_EQ(lowerEdgeHz("10m"), 28000000u);
  EXPECT_EQ(lowerEdgeHz("2.5MM"), 119980000000u);
  EXPECT_FALSE(lowerEdgeHz("sat"));
  EXPECT_EQ(bandNamed("40m\r\n"), bandNamed("40m"));  // blanks around a name aside
  EXPECT_EQ(bandNamed("40\x1bm"), nullptr);
}

}  // namespace
}  // namespace velmora::cli
