#pragma once
// The host's date-time value: a count of days since 30 December 1899 whose
// fraction is the time of day, followed by a status word. The plug-in copies
// both parts unchanged and formats the value only for the Cabrillo log.
// Beside it, the one calendar arithmetic of the project: civil dates and
// times (proleptic Gregorian, as logs write them) to and from day counts.

#include <cstdint>

namespace velmora {

enum OleDateTimeStatus : std::int32_t {
  kOleDateTimeValid = 0,
  kOleDateTimeInvalid = 1,
  kOleDateTimeNull = 2,
};

struct OleDateTime {
  double days = 0.0;
  std::int32_t status = kOleDateTimeValid;
};

// A calendar date and a time of day.
struct CivilDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// Days from 1970-01-01 to a proleptic Gregorian date, negative before it.
constexpr long long daysFromCivil(int year, int month, int day) {
  const long long y = year - (month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The day the host counts from, as a day count from 1970-01-01.
inline constexpr long long kOleEpochDay = daysFromCivil(1899, 12, 30);

// The proleptic Gregorian date of day `days` from 1970-01-01, at 00:00:00.
CivilDateTime civilFromDays(long long days);

// 28 to 31; `month` from 1 to 12.
int daysInMonth(int year, int month);

// The host's day count of `time` (from 1899-12-30 on): whole days since the
// epoch, the time of day as the fraction.
double oleDays(const CivilDateTime& time);

}  // namespace velmora
