#pragma once
// The hours of a contest cut into equal bins for the bar charts, and the
// ticks of their time axis. A bin is one hour, or longer when the log spans
// so long that hourly bars would be too thin to read.

#include <string>
#include <vector>

namespace velmora::cli::report {

struct TimeBins {
  long long firstHour = 0;  // UTC hour where the first bin starts, a multiple of hoursPerBin
  int hoursPerBin = 1;
  int count = 1;
  int binOf(long long hour) const { return static_cast<int>((hour - firstHour) / hoursPerBin); }
  long long startOf(int bin) const { return firstHour + static_cast<long long>(bin) * hoursPerBin; }
  long long endHour() const { return startOf(count); }
};

// Bins of 1, 2, 3, 4, 6, 12 or 24 hours, or of whole days beyond, the
// shortest that covers the hours `first` to `last` (both included) with at
// most `maxBins` bins. Bins start at multiples of their length from
// 1970-01-01 00:00, so daily bins start at midnight.
TimeBins timeBins(long long first, long long last, int maxBins = 96);

// One labelled tick of the time axis, at the start of bin `bin`.
struct TimeTick {
  int bin = 0;
  std::string hour;  // "06:00"; empty when the ticks are a day or more apart
  std::string day;   // "Sat 12 Mar" at the first tick and wherever the day changes
};

// Ticks at least `minSpacing` apart when a bin is `binWidth` wide: every 1,
// 2, 3, 4, 6, 12 or 24 hours, the first of these that is a whole number of
// bins and far enough apart; else every so many whole bins.
std::vector<TimeTick> timeTicks(const TimeBins& bins, double binWidth, double minSpacing);

}  // namespace velmora::cli::report
