#include "report/utc_time.h"

#include <gtest/gtest.h>

namespace velmora::cli::report {
namespace {

struct TimeCase {
  CivilDateTime time;
  long long hour;
  const char* day;
};

TEST(UtcTime, HoursCountFrom1970BothWaysAndNameTheirDay) {
  const TimeCase cases[] = {
      {{1970, 1, 1, 0, 0, 0}, 0, "Thu 1 Jan"},
      {{1970, 1, 1, 0, 59, 59}, 0, "Thu 1 Jan"},
      {{1969, 12, 31, 23, 59, 59}, -1, "Wed 31 Dec"},
      {{2011, 3, 12, 6, 4, 47}, 361086, "Sat 12 Mar"},
      {{2000, 2, 29, 12, 0, 0}, 264396, "Tue 29 Feb"},
      {{1900, 3, 1, 0, 0, 0}, -612192, "Thu 1 Mar"},
  };
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(minuteText(c.time));
    EXPECT_EQ(utcHour(c.time), c.hour);
    EXPECT_EQ(dayLabel(c.hour), c.day);
    const CivilDateTime start = startOfHour(c.hour);
    EXPECT_EQ(minuteText(start), minuteText({c.time.year, c.time.month, c.time.day,
                                             c.time.hour, 0, 0}));
  }
  EXPECT_EQ(minuteText({2011, 3, 12, 6, 4, 47}), "2011-03-12 06:04");
  EXPECT_TRUE(earlier({2011, 3, 12, 6, 4, 46}, {2011, 3, 12, 6, 4, 47}));
  EXPECT_FALSE(earlier({2011, 3, 12, 6, 4, 47}, {2011, 3, 12, 6, 4, 47}));
}

}  // namespace
}  // namespace velmora::cli::report
