#include "cabrillo/ole_date_time_format.h"

#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

constexpr double kHalfSecond = 0.5 / 86400.0;
// Day counts of 0100-01-01 and 9999-12-31, the range a date-time may take.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

struct CivilDate {
  long year;
  int month;
  int day;
};

// Proleptic Gregorian date of a count of days since 1970-01-01.
CivilDate civilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return CivilDate{yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

std::string FormatQsoTime(const OleDateTime& value) {
  if (value.status != kOleDateTimeValid || !std::isfinite(value.days)) return "";
  if (value.days <= kFirstDay - 1.0 || value.days >= kLastDay + 1.0) return "";
  const double rounded = value.days + (value.days > 0.0 ? kHalfSecond : -kHalfSecond);
  const long wholeDays = static_cast<long>(rounded);  // towards zero
  const long seconds = static_cast<long>(std::fabs(rounded - static_cast<double>(wholeDays)) * 86400.0);
  const CivilDate date = civilFromDays(wholeDays - 25569);  // 1899-12-30 is day -25569 of 1970
  if (date.year < 100 || date.year > 9999) return "";
  char text[32];  // fixed-width numeric fields only; 16 characters at most
  std::snprintf(text, sizeof text, "%04ld-%02d-%02d %02ld%02ld", date.year, date.month, date.day,
                seconds / 3600, seconds / 60 % 60);
  return text;
}

}  // namespace velmora
