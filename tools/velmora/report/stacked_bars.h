#pragma once
// The bars of a stacked bar chart, worked out from a table of counts: one
// bar per bin, one segment per series, stacked bottom-up in series order.

#include <vector>

namespace velmora::cli::report {

// counts[bin][series]
using CountTable = std::vector<std::vector<int>>;

struct BarSegment {
  int bin = 0;
  int series = 0;
  int count = 0;
  double top = 0;     // from the top of the plot, in plot units
  double height = 0;  // in plot units
};

// The tallest bar: the largest sum of one bin's counts (0 for no bins).
long long tallestBar(const CountTable& counts);

// Segments of a plot `plotHeight` high whose top stands for `axisTop`;
// series with a count of zero in a bin give no segment.
std::vector<BarSegment> stackedBars(const CountTable& counts, long long axisTop, double plotHeight);

}  // namespace velmora::cli::report
