#include "logs/log_selection.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(LogSelection, PeriodIsFromIncludedToExcludedAndADateAloneIsAWholeDay) {
  CivilDateTime t{2011, 3, 12, 6, 0, 0};
  EXPECT_EQ(parseUtcMoment("2011-03-12 06:00", false), oleDays(t));
  EXPECT_EQ(parseUtcMoment("2011-03-12", true), oleDays({2011, 3, 13, 0, 0, 0}));
  for (const char* bad : {"2011-03-12T06:00", "2011-03-12 6:00", "2011-03-32", "12/03/2011",
                          "2011-03-12 06:60", ""}) {
    EXPECT_FALSE(parseUtcMoment(bad, false)) << bad;
  }
  LogSelection selection;
  selection.from = parseUtcMoment("2011-03-12 06:00", false);
  selection.until = parseUtcMoment("2011-03-13", true);
  selection.bands = *parseBandList("80M,40m");
  LogQso qso;
  qso.band = "40m";
  qso.time = {2011, 3, 12, 5, 59, 59};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OutsidePeriod);
  qso.time = {2011, 3, 12, 6, 0, 0};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::Kept);
  qso.time = {2011, 3, 13, 23, 59, 59};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::Kept);
  qso.time = {2011, 3, 14, 0, 0, 0};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OutsidePeriod);
  qso.time = {2011, 3, 13, 12, 0, 0};
  qso.band = "160m";
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OtherBand);
  EXPECT_FALSE(parseBandList("80m,,40m"));
}

}  // namespace
}  // namespace velmora::cli
