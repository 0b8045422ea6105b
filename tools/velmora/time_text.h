#pragma once
// Dates and times as log files write them, read into a CivilTime.

#include <string_view>

#include "log_qso.h"

namespace velmora::cli {

// "20110312" (ADIF) or "2011-03-12" (Cabrillo) into the date part of `out`;
// false when the text is not such a real date.
bool readDate(std::string_view text, CivilTime& out);

// "1435" or "143502" into the time part of `out`; false otherwise.
bool readTime(std::string_view text, CivilTime& out);

}  // namespace velmora::cli
