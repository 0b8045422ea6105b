#include "report/stacked_bars.h"

#include <gtest/gtest.h>

#include <iterator>

namespace velmora::cli::report {
namespace {

TEST(StackedBars, SegmentsStackBottomUpAndSkipEmptyCounts) {
  const CountTable counts = {{1, 2}, {0, 3}, {0, 0}};
  EXPECT_EQ(tallestBar(counts), 3);
  const std::vector<BarSegment> segments = stackedBars(counts, 5, 100.0);
  struct Expected {
    int bin, series, count;
    double top, height;
  };
  const Expected expected[] = {{0, 0, 1, 80, 20}, {0, 1, 2, 40, 40}, {1, 1, 3, 40, 60}};
  ASSERT_EQ(segments.size(), std::size(expected));
  for (std::size_t i = 0; i < segments.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(segments[i].bin, expected[i].bin);
    EXPECT_EQ(segments[i].series, expected[i].series);
    EXPECT_EQ(segments[i].count, expected[i].count);
    EXPECT_DOUBLE_EQ(segments[i].top, expected[i].top);
    EXPECT_DOUBLE_EQ(segments[i].height, expected[i].height);
  }
}

TEST(StackedBars, NoBinsOrAZeroAxisGiveNothingToDivide) {
  EXPECT_EQ(tallestBar({}), 0);
  EXPECT_TRUE(stackedBars({}, 1, 100.0).empty());
  for (const BarSegment& segment : stackedBars({{2}}, 0, 100.0)) {
    EXPECT_EQ(segment.height, 0.0);
  }
}

}  // namespace
}  // namespace velmora::cli::report
