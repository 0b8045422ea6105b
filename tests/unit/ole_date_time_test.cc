#include "log/ole_date_time.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(OleDateTime, DaysSinceTheEndOf1899WithTheTimeAsFraction) {
  EXPECT_DOUBLE_EQ(oleDays({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(oleDays({1899, 12, 31, 0, 0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(oleDays({1900, 3, 1, 0, 0, 0}), 61.0);
  EXPECT_DOUBLE_EQ(oleDays({2011, 3, 12, 12, 0, 0}), 40614.5);
  EXPECT_DOUBLE_EQ(oleDays({2011, 3, 12, 6, 5, 30}), 40614.0 + (6 * 3600 + 5 * 60 + 30) / 86400.0);
}

TEST(OleDateTime, DayCountsAndDatesGoBothWaysAcrossLeapDaysAndEras) {
  EXPECT_EQ(daysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(kOleEpochDay, -25569);
  // Every day from 1600 to 2401: each date follows the one before it.
  CivilDateTime previous = civilFromDays(daysFromCivil(1600, 1, 1) - 1);
  EXPECT_EQ(previous.year, 1599);
  for (long long day = daysFromCivil(1600, 1, 1); day <= daysFromCivil(2401, 1, 1); ++day) {
    const CivilDateTime date = civilFromDays(day);
    ASSERT_EQ(daysFromCivil(date.year, date.month, date.day), day);
    const bool nextDay = date.day == previous.day + 1 && date.month == previous.month;
    const bool nextMonth =
        date.day == 1 && previous.day == daysInMonth(previous.year, previous.month);
    ASSERT_TRUE(nextDay || nextMonth) << date.year << "-" << date.month << "-" << date.day;
    previous = date;
  }
  EXPECT_EQ(daysInMonth(1900, 2), 28);
  EXPECT_EQ(daysInMonth(2000, 2), 29);
  EXPECT_EQ(daysInMonth(2012, 2), 29);
  EXPECT_EQ(daysInMonth(2011, 4), 30);
}

}  // namespace
}  // namespace velmora
