#include "report/time_bins.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "report/utc_time.h"

namespace velmora::cli::report {
namespace {

constexpr std::array<int, 7> kHourSteps = {1, 2, 3, 4, 6, 12, 24};

}  // namespace

TimeBins timeBins(long long first, long long last, int maxBins) {
  if (last < first) last = first;
  if (maxBins < 1) maxBins = 1;
  TimeBins bins;
  auto fit = [&](long long hours) {
    const long long count = floorDiv(last, hours) - floorDiv(first, hours) + 1;
    if (count > maxBins) return false;
    bins.hoursPerBin = static_cast<int>(hours);
    bins.firstHour = floorDiv(first, hours) * hours;
    bins.count = static_cast<int>(count);
    return true;
  };
  for (const int hours : kHourSteps) {
    if (fit(hours)) return bins;
  }
  // Whole days: a first guess from the span, then one more day until it fits.
  for (long long days = (last - first) / (24LL * maxBins) + 1;; ++days) {
    if (fit(days * 24)) return bins;
  }
}

std::vector<TimeTick> timeTicks(const TimeBins& bins, double binWidth, double minSpacing) {
  long long every = 0;  // hours between two ticks
  for (const int hours : kHourSteps) {
    if (hours % bins.hoursPerBin == 0 && hours / bins.hoursPerBin * binWidth >= minSpacing) {
      every = hours;
      break;
    }
  }
  if (every == 0) {  // days apart: as many bins as make the spacing
    const double binsApart = binWidth > 0 ? minSpacing / binWidth : 1.0;
    every = bins.hoursPerBin * std::max(1LL, static_cast<long long>(std::ceil(binsApart)));
  }
  std::vector<TimeTick> ticks;
  long long lastDay = 0;
  for (int bin = 0; bin < bins.count; ++bin) {
    const long long hour = bins.startOf(bin);
    if (hour - floorDiv(hour, every) * every != 0) continue;
    TimeTick tick;
    tick.bin = bin;
    if (every < 24) {
      char text[8];
      std::snprintf(text, sizeof text, "%02d:00", startOfHour(hour).hour);
      tick.hour = text;
    }
    const long long day = floorDiv(hour, 24);
    if (ticks.empty() || day != lastDay) tick.day = dayLabel(hour);
    lastDay = day;
    ticks.push_back(std::move(tick));
  }
  return ticks;
}

}  // namespace velmora::cli::report
