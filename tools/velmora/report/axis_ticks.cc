#include "report/axis_ticks.h"

namespace velmora::cli::report {

AxisTicks niceTicks(long long largest, int maxIntervals) {
  AxisTicks ticks;
  if (largest < 1) largest = 1;
  if (maxIntervals < 1) maxIntervals = 1;
  for (long long power = 1;; power *= 10) {
    for (const long long multiple : {1, 2, 5}) {
      const long long step = multiple * power;
      const long long intervals = (largest + step - 1) / step;
      if (intervals <= maxIntervals) {
        ticks.step = step;
        ticks.top = intervals * step;
        for (long long value = 0; value <= ticks.top; value += step) ticks.values.push_back(value);
        return ticks;
      }
    }
  }
}

}  // namespace velmora::cli::report
