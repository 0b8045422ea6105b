#pragma once
// Formatting of the host's date-time for the Cabrillo QSO line.

#include <string>

#include "log/ole_date_time.h"

namespace velmora {

// "YYYY-MM-DD HHMM" after rounding to the nearest second, on the proleptic
// Gregorian calendar. Negative day counts run backwards by whole days while
// their fraction still counts the time of day forwards (-1.25 is 1899-12-29
// 06:00). Empty for a status other than valid, or a date outside the years
// 100 to 9999.
std::string formatQsoTime(const OleDateTime& value);

}  // namespace velmora
