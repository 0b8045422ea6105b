#pragma once
// Dates and times as log files write them, read into a CivilDateTime.

#include <string_view>

#include "log/ole_date_time.h"

namespace velmora::cli {

// "20110312" (ADIF) or "2011-03-12" (Cabrillo) into the date part of `out`;
// false when the text is not such a date of a year from 1900 to 9999.
bool readDate(std::string_view text, CivilDateTime& out);

// "1435" or "143502" into the time part of `out`; false otherwise.
bool readTime(std::string_view text, CivilDateTime& out);

// What the two accept: a real date from 1900 to 9999 and a time of day.
bool isLogTime(const CivilDateTime& time);

}  // namespace velmora::cli
