#include "report/score_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace velmora::cli::report {

// Found by argument-dependent lookup, so outside the unnamed namespace.
bool operator==(const PlotPoint& a, const PlotPoint& b) { return a.x == b.x && a.y == b.y; }
void PrintTo(const PlotPoint& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

namespace {

TEST(ScoreSteps, RisesAtEachColumnToItsLastScore) {
  // 100 seconds onto 10 units of width; a score of 100 at the top (y 0).
  const std::vector<ScoreSample> samples = {{0, 10}, {50, 30}, {51, 40}, {100, 100}};
  const std::vector<PlotPoint> expected = {{0, 100}, {0, 90}, {5, 90},
                                           {5, 60},  {10, 60}, {10, 0}};
  EXPECT_EQ(scoreSteps(samples, 0, 100, 100, 10, 100), expected);
  // Logged out of order, the QSOs still fall into place.
  EXPECT_EQ(scoreSteps({{100, 100}, {51, 40}, {0, 10}, {50, 30}}, 0, 100, 100, 10, 100),
            expected);
}

TEST(ScoreSteps, ManyQsosThinToTwoPointsPerColumnAtMost) {
  std::vector<ScoreSample> samples;
  for (long long second = 0; second < 10000; ++second) samples.push_back({second, second});
  const std::vector<PlotPoint> line = scoreSteps(samples, 0, 10000, 10000, 100, 50);
  EXPECT_LE(line.size(), 2u * 100 + 2);
  EXPECT_EQ(line.back().x, 100.0);
  EXPECT_NEAR(line.back().y, 50 - 9999 * 50.0 / 10000, 1e-9);
  EXPECT_TRUE(std::is_sorted(line.begin(), line.end(),
                             [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; }));
}

TEST(ScoreSteps, ScoresOffTheAxisStayOnItsEdge) {
  const std::vector<PlotPoint> line = scoreSteps({{10, -5}, {20, 500}}, 0, 100, 100, 10, 100);
  for (const PlotPoint& point : line) {
    EXPECT_GE(point.y, 0.0);
    EXPECT_LE(point.y, 100.0);
  }
}

}  // namespace
}  // namespace velmora::cli::report
