#include "report/score_steps.h"

#include <algorithm>
#include <cmath>

namespace velmora::cli::report {

std::vector<PlotPoint> scoreSteps(std::vector<ScoreSample> samples, long long fromSecond,
                                  long long toSecond, long long axisTop, double width,
                                  double height) {
  std::stable_sort(samples.begin(), samples.end(),
                   [](const ScoreSample& a, const ScoreSample& b) { return a.second < b.second; });
  const double span = static_cast<double>(std::max(1LL, toSecond - fromSecond));
  const double unit = axisTop > 0 ? height / static_cast<double>(axisTop) : 0.0;
  auto xOf = [&](long long second) {
    return std::clamp(std::floor((second - fromSecond) / span * width), 0.0, width);
  };
  auto yOf = [&](long long score) {
    return std::clamp(height - static_cast<double>(score) * unit, 0.0, height);
  };

  std::vector<PlotPoint> points{{0.0, yOf(0)}};
  double column = 0.0;
  long long score = 0;
  double lastY = yOf(0);
  auto to = [&](double x, double y) {
    if (points.back().x != x || points.back().y != y) points.push_back({x, y});
  };
  auto rise = [&] {  // to the column's last score
    const double y = yOf(score);
    if (y == lastY) return;
    to(column, lastY);
    to(column, y);
    lastY = y;
  };
  for (const ScoreSample& sample : samples) {
    const double x = xOf(sample.second);
    if (x != column) {
      rise();
      column = x;
    }
    score = sample.score;
  }
  rise();
  to(width, lastY);
  return points;
}

}  // namespace velmora::cli::report
