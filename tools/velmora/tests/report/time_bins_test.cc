#include "report/time_bins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report/utc_time.h"

namespace velmora::cli::report {
namespace {

struct BinsCase {
  long long first, last;
  int maxBins;
  long long firstHour;
  int hoursPerBin, count;
};

TEST(TimeBins, ShortestBinsThatFitAndStartOnTheirOwnMultiple) {
  const BinsCase cases[] = {
      {10, 10, 96, 10, 1, 1},
      {10, 57, 96, 10, 1, 48},
      {10, 105, 96, 10, 1, 96},          // exactly 96 hours
      {10, 106, 96, 10, 2, 49},          // one more: two-hour bins
      {11, 107, 96, 10, 2, 49},          // the first bin starts at an even hour
      {0, 24 * 365, 96, 0, 96, 92},      // a year: bins of four days
      {30, 20, 96, 30, 1, 1},            // last before first: one bin
      {-5, -1, 96, -5, 1, 5},            // before 1970
      {-3, 2, 2, -3, 3, 2},
  };
  for (const BinsCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " to " + std::to_string(c.last));
    const TimeBins bins = timeBins(c.first, c.last, c.maxBins);
    EXPECT_EQ(bins.firstHour, c.firstHour);
    EXPECT_EQ(bins.hoursPerBin, c.hoursPerBin);
    EXPECT_EQ(bins.count, c.count);
    EXPECT_EQ(bins.binOf(std::max(c.first, c.last)), c.count - 1);
  }
}

TEST(TimeTicks, RoundHoursFarEnoughApartWithTheDayWhereItChanges) {
  const long long six = utcHour({2011, 3, 12, 6, 4, 47});
  const TimeBins bins = timeBins(six, six + 18);  // 06:00 to 00:00 the next day
  const std::vector<TimeTick> ticks = timeTicks(bins, 648.0 / 19, 46);
  ASSERT_EQ(ticks.size(), 10u);  // every two hours: one hour is too narrow
  EXPECT_EQ(ticks.front().bin, 0);
  EXPECT_EQ(ticks.front().hour, "06:00");
  EXPECT_EQ(ticks.front().day, "Sat 12 Mar");
  EXPECT_EQ(ticks[1].hour, "08:00");
  EXPECT_EQ(ticks[1].day, "");
  EXPECT_EQ(ticks.back().bin, 18);
  EXPECT_EQ(ticks.back().hour, "00:00");
  EXPECT_EQ(ticks.back().day, "Sun 13 Mar");
}

TEST(TimeTicks, DailyBinsGetDayLabelsOnlyEnoughBinsApart) {
  const TimeBins bins = timeBins(0, 24 * 91);  // 92 daily bins
  ASSERT_EQ(bins.hoursPerBin, 24);
  const std::vector<TimeTick> ticks = timeTicks(bins, 7.0, 46);
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_EQ(ticks[1].bin - ticks[0].bin, 7);  // 46 / 7 rounded up
  for (const TimeTick& tick : ticks) {
    EXPECT_EQ(tick.hour, "");
    EXPECT_NE(tick.day, "");
  }
}

}  // namespace
}  // namespace velmora::cli::report
