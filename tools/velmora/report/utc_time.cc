#include "report/utc_time.h"

#include <array>
#include <cstdio>
#include <tuple>

namespace velmora::cli::report {

long long floorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

long long utcSeconds(const CivilDateTime& t) {
  return daysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 +
         t.minute * 60 + t.second;
}

long long utcHour(const CivilDateTime& time) { return floorDiv(utcSeconds(time), 3600); }

CivilDateTime startOfHour(long long hour) {
  CivilDateTime out = civilFromDays(floorDiv(hour, 24));
  out.hour = static_cast<int>(hour - floorDiv(hour, 24) * 24);
  return out;
}

std::string dayLabel(long long hour) {
  static const std::array<const char*, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun",
                                                       "Mon", "Tue", "Wed"};
  static const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const long long day = floorDiv(hour, 24);
  const CivilDateTime date = civilFromDays(day);
  return std::string(kWeekdays[static_cast<std::size_t>(day - floorDiv(day, 7) * 7)]) + " " +
         std::to_string(date.day) + " " + kMonths[static_cast<std::size_t>(date.month - 1)];
}

std::string minuteText(const CivilDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

bool earlier(const CivilDateTime& a, const CivilDateTime& b) {
  return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
         std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

}  // namespace velmora::cli::report
