#include "report/axis_ticks.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::cli::report {
namespace {

struct TicksCase {
  long long largest;
  int maxIntervals;
  long long step, top;
};

TEST(NiceTicks, RoundStepsUpToATopThatHoldsTheLargestValue) {
  const TicksCase cases[] = {
      {0, 5, 1, 1},        {1, 5, 1, 1},       {5, 5, 1, 5},
      {7, 5, 2, 8},        {20, 5, 5, 20},     {21, 5, 5, 25},
      {17, 10, 2, 18},     {346125, 5, 100000, 400000},
      {33301620, 5, 10000000, 40000000},      {-4, 5, 1, 1},
  };
  for (const TicksCase& c : cases) {
    SCOPED_TRACE(c.largest);
    const AxisTicks ticks = niceTicks(c.largest, c.maxIntervals);
    EXPECT_EQ(ticks.step, c.step);
    EXPECT_EQ(ticks.top, c.top);
    ASSERT_FALSE(ticks.values.empty());
    EXPECT_EQ(ticks.values.front(), 0);
    EXPECT_EQ(ticks.values.back(), c.top);
    EXPECT_EQ(static_cast<long long>(ticks.values.size()), c.top / c.step + 1);
  }
}

}  // namespace
}  // namespace velmora::cli::report
