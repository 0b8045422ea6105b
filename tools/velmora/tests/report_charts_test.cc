// The report's chart builders on small tables of numbers: value-axis ticks,
// time bins and their ticks, stacked bar heights, the score line and the
// department grid.

#include <gtest/gtest.h>

#include <algorithm>

#include "classify/prefix_list.h"
#include "report/axis_ticks.h"
#include "report/department_grid.h"
#include "report/score_steps.h"
#include "report/stacked_bars.h"
#include "report/time_bins.h"
#include "report/utc_time.h"

namespace velmora::cli::report {

// Found by argument-dependent lookup, so outside the unnamed namespace.
bool operator==(const PlotPoint& a, const PlotPoint& b) { return a.x == b.x && a.y == b.y; }
void PrintTo(const PlotPoint& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

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

struct BinsCase {
  long long first, last;
  int maxBins;
  long long firstHour;
  int hoursPerBin, count;
};

TEST(TimeBins, ShortestBinsThatFitAndStartOnTheirOwnMultiple) {
  const BinsCase cases[] = {
      {10, 10, 96, 10, 1, 1},
      {10, 57, 96, 10, 1, 48},
      {10, 105, 96, 10, 1, 96},          // exactly 96 hours
      {10, 106, 96, 10, 2, 49},          // one more: two-hour bins
      {11, 107, 96, 10, 2, 49},          // the first bin starts at an even hour
      {0, 24 * 365, 96, 0, 96, 92},      // a year: bins of four days
      {30, 20, 96, 30, 1, 1},            // last before first: one bin
      {-5, -1, 96, -5, 1, 5},            // before 1970
      {-3, 2, 2, -3, 3, 2},
  };
  for (const BinsCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " to " + std::to_string(c.last));
    const TimeBins bins = timeBins(c.first, c.last, c.maxBins);
    EXPECT_EQ(bins.firstHour, c.firstHour);
    EXPECT_EQ(bins.hoursPerBin, c.hoursPerBin);
    EXPECT_EQ(bins.count, c.count);
    EXPECT_EQ(bins.binOf(std::max(c.first, c.last)), c.count - 1);
  }
}

TEST(TimeTicks, RoundHoursFarEnoughApartWithTheDayWhereItChanges) {
  const long long six = utcHour({2011, 3, 12, 6, 4, 47});
  const TimeBins bins = timeBins(six, six + 18);  // 06:00 to 00:00 the next day
  const std::vector<TimeTick> ticks = timeTicks(bins, 648.0 / 19, 46);
  ASSERT_EQ(ticks.size(), 10u);  // every two hours: one hour is too narrow
  EXPECT_EQ(ticks.front().bin, 0);
  EXPECT_EQ(ticks.front().hour, "06:00");
  EXPECT_EQ(ticks.front().day, "Sat 12 Mar");
  EXPECT_EQ(ticks[1].hour, "08:00");
  EXPECT_EQ(ticks[1].day, "");
  EXPECT_EQ(ticks.back().bin, 18);
  EXPECT_EQ(ticks.back().hour, "00:00");
  EXPECT_EQ(ticks.back().day, "Sun 13 Mar");
}

TEST(TimeTicks, DailyBinsGetDayLabelsOnlyEnoughBinsApart) {
  const TimeBins bins = timeBins(0, 24 * 91);  // 92 daily bins
  ASSERT_EQ(bins.hoursPerBin, 24);
  const std::vector<TimeTick> ticks = timeTicks(bins, 7.0, 46);
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_EQ(ticks[1].bin - ticks[0].bin, 7);  // 46 / 7 rounded up
  for (const TimeTick& tick : ticks) {
    EXPECT_EQ(tick.hour, "");
    EXPECT_NE(tick.day, "");
  }
}

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

TEST(DepartmentGrid, MetropolitanDepartmentsInNumberOrderWithCorsicaInPlaceOf20) {
  const DepartmentGrid grid = departmentGrid({}, 2);
  ASSERT_EQ(grid.metropolitan.size(), 96u);
  const std::vector<std::pair<std::size_t, const char*>> at = {
      {0, "01"}, {18, "19"}, {19, "2A"}, {20, "2B"}, {21, "21"}, {95, "95"}};
  for (const auto& [index, code] : at) EXPECT_EQ(grid.metropolitan[index].code, code);
  for (const DepartmentCell& cell : grid.metropolitan) {
    EXPECT_FALSE(cell.worked()) << cell.code;
    EXPECT_EQ(cell.bands.size(), 2u);
  }
}

TEST(DepartmentGrid, OneOverseasDepartmentForEachOverseasPrefixOfThePlugin) {
  std::vector<std::string> prefixes;
  for (const OverseasDepartment& overseas : overseasDepartments()) {
    EXPECT_EQ(classifyPrefix(overseas.prefix), PrefixClass::Overseas) << overseas.prefix;
    EXPECT_EQ(std::string(overseas.code).size(), 3u);
    prefixes.push_back(overseas.prefix);
  }
  std::vector<std::string> expected;
  for (const FrenchPrefix& french : kFrenchPrefixList) {
    if (french.prefixClass == PrefixClass::Overseas) expected.emplace_back(french.prefix);
  }
  std::sort(prefixes.begin(), prefixes.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(prefixes, expected);
}

TEST(DepartmentGrid, EachCellHoldsItsBandsAndUnknownTextsGoToOthers) {
  const DepartmentGrid grid = departmentGrid(
      {{"75", 0}, {"75", 2}, {"2A", 1}, {"971", 0}, {"20", 1}, {"", 0}, {"13", 3}, {"13", -1}},
      3);
  auto cell = [](const std::vector<DepartmentCell>& cells, const std::string& code) {
    return *std::find_if(cells.begin(), cells.end(),
                         [&](const DepartmentCell& c) { return c.code == code; });
  };
  EXPECT_EQ(cell(grid.metropolitan, "75").bands, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(cell(grid.metropolitan, "2A").bands, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(cell(grid.metropolitan, "13").worked());  // band indexes out of range
  const DepartmentCell guadeloupe = cell(grid.overseas, "971");
  EXPECT_EQ(guadeloupe.prefix, "FG");
  EXPECT_EQ(guadeloupe.bands, (std::vector<bool>{true, false, false}));
  ASSERT_EQ(grid.others.size(), 1u);
  EXPECT_EQ(grid.others[0].code, "20");
  EXPECT_EQ(grid.others[0].bands, (std::vector<bool>{false, true, false}));
}

}  // namespace
}  // namespace velmora::cli::report
