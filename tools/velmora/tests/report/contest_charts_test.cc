#include "report/contest_charts.h"

#include <gtest/gtest.h>

#include "report/qso_steps.h"

namespace velmora::cli::report {
namespace {

using Code = host::CallCheckCode;

TEST(ContestCharts, CountsOnlyWhatThePluginCountedInTheHourItWasMade) {
  ContestTimeline timeline;
  timeline.steps = {
      step({2011, 3, 12, 6, 10, 0}, "40m", Code::NewDepartment, true, "75", 6),
      step({2011, 3, 12, 6, 50, 0}, "80m", Code::NewDxcc, true, "", 14),
      step({2011, 3, 12, 6, 51, 0}, "80m", Code::Duplicate, false, "", 14),  // a repeat
      step({2011, 3, 12, 8, 5, 0}, "12m", Code::NoNewMultiplier, true, "13", 20),
  };
  const ContestCharts charts = contestCharts(timeline, {"80m", "40m"});
  EXPECT_EQ(charts.bands, (std::vector<std::string>{"80m", "40m", "12m"}));
  ASSERT_TRUE(charts.bins);
  EXPECT_EQ(charts.bins->count, 3);  // 06:00, 07:00 and 08:00
  EXPECT_EQ(charts.qsos, (CountTable{{1, 1, 0}, {0, 0, 0}, {0, 0, 1}}));
  EXPECT_EQ(charts.newMultipliers, (CountTable{{1, 1}, {0, 0}, {0, 0}}));
  EXPECT_EQ(charts.newDepartments, 1);
  EXPECT_EQ(charts.newDxcc, 1);
  ASSERT_EQ(charts.departments.size(), 2u);
  EXPECT_EQ(charts.departments[0].department, "75");
  EXPECT_EQ(charts.departments[0].band, 1);
  EXPECT_EQ(charts.departments[1].department, "13");
  EXPECT_EQ(charts.departments[1].band, 2);
  ASSERT_EQ(charts.scores.size(), 4u);  // the host sees the score after every QSO
  EXPECT_EQ(charts.scores[2].score, 14);
}

TEST(ContestCharts, NothingCountedGivesNoTimeAxis) {
  ContestTimeline timeline;
  timeline.steps = {step({2011, 3, 12, 6, 10, 0}, "40m", Code::NoNewMultiplier, false, "75", 0)};
  const ContestCharts charts = contestCharts(timeline, {"40m"});
  EXPECT_FALSE(charts.bins);
  EXPECT_TRUE(charts.qsos.empty());
  EXPECT_TRUE(charts.departments.empty());
}

}  // namespace
}  // namespace velmora::cli::report
