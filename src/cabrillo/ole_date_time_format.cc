#include "cabrillo/ole_date_time_format.h"

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

// Day counts of 0100-01-01 and 9999-12-31, the range a date-time may take.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

}  // namespace

std::string formatQsoTime(const OleDateTime& value) {
  if (value.status != kOleDateTimeValid || !std::isfinite(value.days)) return "";
  if (value.days <= kFirstDay - 1.0 || value.days >= kLastDay + 1.0) return "";
  // A negative count holds its day in the whole part and the time of day,
  // counted forwards, in the fraction; laid out on one forward time line,
  // rounding may then carry into the next day on either side of day 0.
  const double wholeDays = std::trunc(value.days);
  const double timeLine = wholeDays + std::fabs(value.days - wholeDays);
  const long long seconds = std::llround(timeLine * 86400.0);
  const long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const long long secondOfDay = seconds - day * 86400;
  const CivilDateTime date = civilFromDays(day + kOleEpochDay);
  if (date.year < 100 || date.year > 9999) return "";
  char text[32];  // fixed-width numeric fields only; 16 characters at most
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld%02lld", date.year, date.month, date.day,
                secondOfDay / 3600, secondOfDay / 60 % 60);
  return text;
}

}  // namespace velmora
