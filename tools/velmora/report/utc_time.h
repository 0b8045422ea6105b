#pragma once
// QSO times as counts from 1970-01-01 00:00 UTC, for placing QSOs on a
// chart's time axis and binning them by hour, and the way back to a
// calendar date for the axis labels.

#include <string>

#include "log/ole_date_time.h"

namespace velmora::cli::report {

long long utcSeconds(const CivilDateTime& time);

// `a` / `b` rounded towards minus infinity, so that times before 1970 fall
// into the right hour and day too.
long long floorDiv(long long a, long long b);

// The whole hour that holds `time`.
long long utcHour(const CivilDateTime& time);

// The calendar date and time at which hour `hour` starts.
CivilDateTime startOfHour(long long hour);

// "Sat 12 Mar" for the day that holds hour `hour`.
std::string dayLabel(long long hour);

// "2011-03-12 06:04" (minutes, no seconds).
std::string minuteText(const CivilDateTime& time);

// `a` before `b` in time.
bool earlier(const CivilDateTime& a, const CivilDateTime& b);

}  // namespace velmora::cli::report
