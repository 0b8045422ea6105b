#pragma once
// The value axis of a chart: round-number ticks from zero up to a top that
// holds the largest value.

#include <vector>

namespace velmora::cli::report {

struct AxisTicks {
  long long top = 1;   // the value at the top of the plot
  long long step = 1;  // between two ticks
  std::vector<long long> values;  // 0, step, ..., top
};

// Steps of 1, 2 or 5 times a power of ten, the smallest that needs at most
// `maxIntervals` intervals. A largest value of zero or less gives 0 and 1.
AxisTicks niceTicks(long long largest, int maxIntervals = 5);

}  // namespace velmora::cli::report
