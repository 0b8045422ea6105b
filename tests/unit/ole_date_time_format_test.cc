#include "cabrillo/ole_date_time_format.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

OleDateTime at(double days, std::int32_t status = kOleDateTimeValid) { return {days, status}; }

struct DateCase {
  double days;
  const char* expected;
};

TEST(formatQsoTime, FollowsTheCalendar) {
  const DateCase cases[] = {
      {0.0, "1899-12-30 0000"},
      {1.0, "1899-12-31 0000"},
      {2.0, "1900-01-01 0000"},
      {60.0, "1900-02-28 0000"},  // 1900 is no leap year
      {61.0, "1900-03-01 0000"},
      {36526.0, "2000-01-01 0000"},
      {36585.0, "2000-02-29 0000"},  // 2000 is a leap year
      {40607.0 + 14.0 / 24 + 12.0 / 1440, "2011-03-05 1412"},
      {2958465.0 + 86399.0 / 86400, "9999-12-31 2359"},
      {-1.0, "1899-12-29 0000"},
      {-1.25, "1899-12-29 0600"},  // the fraction counts forwards from midnight
      {-1.75, "1899-12-29 1800"},
      {-0.5, "1899-12-30 1200"},
      {-36522.0, "1800-01-01 0000"},
      {-657434.0, "0100-01-01 0000"},
      {-657434.5, "0100-01-01 1200"},
  };
  for (const DateCase& c : cases) EXPECT_EQ(formatQsoTime(at(c.days)), c.expected) << c.days;
}

TEST(formatQsoTime, RoundsToTheNearestSecondFirst) {
  const double second = 1.0 / 86400;
  EXPECT_EQ(formatQsoTime(at(40607.0 + 59.6 * second)), "2011-03-05 0001");
  EXPECT_EQ(formatQsoTime(at(40607.0 + 59.4 * second)), "2011-03-05 0000");
  EXPECT_EQ(formatQsoTime(at(40607.0 + 86399.6 * second)), "2011-03-06 0000");
  EXPECT_EQ(formatQsoTime(at(-1.0 - 59.6 * second)), "1899-12-29 0001");
}

// A negative count whose time of day rounds up to midnight carries forward
// into the next day, not back into the day before.
TEST(formatQsoTime, NegativeCountRoundingUpToMidnightCarriesIntoTheNextDay) {
  const double second = 1.0 / 86400;
  EXPECT_EQ(formatQsoTime(at(-1.0 - 86399.6 * second)), "1899-12-30 0000");
  EXPECT_EQ(formatQsoTime(at(-(86399.6 * second))), "1899-12-31 0000");
  EXPECT_EQ(formatQsoTime(at(-2.0 - 86399.6 * second)), "1899-12-29 0000");
}

TEST(formatQsoTime, IsEmptyForNullInvalidOrOutOfRangeValues) {
  EXPECT_EQ(formatQsoTime(at(40607.5, kOleDateTimeInvalid)), "");
  EXPECT_EQ(formatQsoTime(at(40607.5, kOleDateTimeNull)), "");
  EXPECT_EQ(formatQsoTime(at(40607.5, 7)), "");
  EXPECT_EQ(formatQsoTime(at(-657435.0)), "");  // 0099-12-31
  EXPECT_EQ(formatQsoTime(at(2958466.0)), "");  // 10000-01-01
  EXPECT_EQ(formatQsoTime(at(1e300)), "");
  EXPECT_EQ(formatQsoTime(at(-1e300)), "");
  EXPECT_EQ(formatQsoTime(at(std::numeric_limits<double>::quiet_NaN())), "");
}

}  // namespace
}  // namespace velmora
