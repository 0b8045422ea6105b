#include "report/utc_time.h"

#include <array>
#include <cstdio>
#include <tuple>

#include "ole_time.h"

namespace velmora::cli::report {
namespace {

// The proleptic Gregorian date of day `days` from 1970-01-01 (the inverse
// of daysFromCivil).
CivilTime civilFromDays(long long days) {
  days += 719468;
  const long long era = floorDiv(days, 146097);
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthIndex = (5 * dayOfYear + 2) / 153;
  CivilTime out;
  out.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  out.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2));
  return out;
}

}  // namespace

long long floorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

long long utcSeconds(const CivilTime& t) {
  return static_cast<long long>(daysFromCivil(t.year, t.month, t.day)) * 86400 + t.hour * 3600 +
         t.minute * 60 + t.second;
}

long long utcHour(const CivilTime& time) { return floorDiv(utcSeconds(time), 3600); }

CivilTime startOfHour(long long hour) {
  CivilTime out = civilFromDays(floorDiv(hour, 24));
  out.hour = static_cast<int>(hour - floorDiv(hour, 24) * 24);
  return out;
}

std::string dayLabel(long long hour) {
  static const std::array<const char*, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun",
                                                       "Mon", "Tue", "Wed"};
  static const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const long long day = floorDiv(hour, 24);
  const CivilTime date = civilFromDays(day);
  return std::string(kWeekdays[static_cast<std::size_t>(day - floorDiv(day, 7) * 7)]) + " " +
         std::to_string(date.day) + " " + kMonths[static_cast<std::size_t>(date.month - 1)];
}

std::string minuteText(const CivilTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

bool earlier(const CivilTime& a, const CivilTime& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

}  // namespace velmora::cli::report
