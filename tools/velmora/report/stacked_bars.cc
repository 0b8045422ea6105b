#include "report/stacked_bars.h"

#include <algorithm>

namespace velmora::cli::report {

long long tallestBar(const CountTable& counts) {
  long long tallest = 0;
  for (const std::vector<int>& bin : counts) {
    long long sum = 0;
    for (const int count : bin) sum += count;
    tallest = std::max(tallest, sum);
  }
  return tallest;
}

std::vector<BarSegment> stackedBars(const CountTable& counts, long long axisTop, double plotHeight) {
  std::vector<BarSegment> segments;
  const double unit = axisTop > 0 ? plotHeight / static_cast<double>(axisTop) : 0.0;
  for (std::size_t bin = 0; bin < counts.size(); ++bin) {
    long long below = 0;
    for (std::size_t series = 0; series < counts[bin].size(); ++series) {
      const int count = counts[bin][series];
      if (count <= 0) continue;
      BarSegment segment;
      segment.bin = static_cast<int>(bin);
      segment.series = static_cast<int>(series);
      segment.count = count;
      segment.height = count * unit;
      segment.top = plotHeight - static_cast<double>(below + count) * unit;
      segments.push_back(segment);
      below += count;
    }
  }
  return segments;
}

}  // namespace velmora::cli::report
