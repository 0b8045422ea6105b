#pragma once
// The claimed score over time as a step line: flat between QSOs, rising at
// each. Thinned to one step per unit of width (a pixel), keeping the last
// score within each, so that a 10,000-QSO contest draws with a few hundred
// points instead of twenty thousand.

#include <vector>

namespace velmora::cli::report {

struct ScoreSample {
  long long second = 0;  // when the QSO was made
  long long score = 0;   // the claimed score once it was logged
};

struct PlotPoint {
  double x = 0;
  double y = 0;  // from the top of the plot
};

// The line over a plot `width` by `height` whose left edge is `fromSecond`,
// right edge `toSecond`, bottom 0 and top `axisTop`. It starts at score 0
// on the left edge and ends at the last score on the right edge; samples
// are taken in time order (QSOs logged out of order fall into place).
// Scores outside 0 to `axisTop` stay on the plot's edge.
std::vector<PlotPoint> scoreSteps(std::vector<ScoreSample> samples, long long fromSecond,
                                  long long toSecond, long long axisTop, double width,
                                  double height);

}  // namespace velmora::cli::report
