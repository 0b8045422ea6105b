// The report's replay through the real plug-in: the call check's verdict
// before each QSO, the summary after it, repeats told apart by the
// summary's QSO count, and the same accepted and refused counts as `score`.

#include <gtest/gtest.h>

#include <sstream>

#include "report/contest_timeline.h"
#include "working_folder.h"

namespace velmora::cli::report {
namespace {

CountryFile countries() {
  std::istringstream text(
      "France: 14: 27: EU: 46.0: -2.0: -1.0: F:\n    F,TM;\n"
      "Germany: 14: 28: EU: 51.0: -10.0: -1.0: DL:\n    DL;\n");
  return *CountryFile::parse(text);
}

LogQso qso(int record, const std::string& call, const std::string& band,
           const std::string& mode, const std::string& exchange, int minute) {
  LogQso q;
  q.record = record;
  q.call = call;
  q.band = band;
  q.mode = mode;
  q.exchangeSent = "001";
  q.exchangeReceived = exchange;
  q.time = {2011, 3, 12, 6, minute, 0};
  return q;
}

TEST(ContestTimeline, RecordsTheVerdictBeforeAndTheSummaryAfterEachQso) {
  testing::WorkingFolder folder;
  folder.writeFile("Plugins/ref.txt", "F5AAA 75\r\n");
  host::PluginHost plugin(VELMORA_PLUGIN_FILE, host::ExportNames::Plain);
  ASSERT_TRUE(plugin.ready()) << plugin.problem();
  const CountryFile cty = countries();
  Contest contest(plugin, cty);
  contest.start({"F5VEL", "F", "EU"}, false);

  LogContents log;
  log.qsos = {
      qso(1, "F5AAA", "40m", "SSB", " 75 ", 1),  // new department, known to ref.txt
      qso(2, "DL1XX", "40m", "CW", "123", 2),    // new DXCC
      qso(3, "DL1XX", "40m", "CW", "123", 2),    // the same QSO again
      qso(4, "F6BBB", "20m", "FT8", "13", 3),    // refused: mode
      qso(5, "F6BBB", "20m", "SSB", "2a", 4),    // French, but not in ref.txt
  };
  log.skipped = {{6, "bad date"}};
  const ContestTimeline timeline = replayTimeline(contest, plugin, cty, log);

  struct Expected {
    int verdict;
    bool accepted, counted;
    long long score;
    const char* department;
  };
  const Expected expected[] = {
      {kNewDepartment, true, true, 6 * 1, "75"},
      {kNewDxcc, true, true, (6 + 1) * (1 + 1), ""},
      {kDuplicate, true, false, (6 + 1) * (1 + 1), ""},
      {kNoNewMultiplier, false, false, (6 + 1) * (1 + 1), "13"},
      {kNoNewMultiplier, true, true, (6 + 1 + 6) * (2 + 1), "2A"},
  };
  ASSERT_EQ(timeline.steps.size(), std::size(expected));
  for (std::size_t i = 0; i < timeline.steps.size(); ++i) {
    SCOPED_TRACE(timeline.steps[i].record);
    const QsoStep& step = timeline.steps[i];
    EXPECT_EQ(step.verdict, expected[i].verdict);
    EXPECT_EQ(step.accepted, expected[i].accepted);
    EXPECT_EQ(step.counted, expected[i].counted);
    EXPECT_EQ(step.score, expected[i].score);
    EXPECT_EQ(step.department, expected[i].department);
  }
  EXPECT_EQ(timeline.repeats(), 1);
  EXPECT_EQ(timeline.replay.read, 6);
  EXPECT_EQ(timeline.replay.accepted, 4);
  ASSERT_EQ(timeline.replay.refused.size(), 1u);
  EXPECT_EQ(timeline.replay.refused[0].record, 4);
  EXPECT_EQ(timeline.replay.refused[0].reason, "mode");
  ASSERT_EQ(timeline.replay.skipped.size(), 1u);
  EXPECT_NE(timeline.summary.find("Total\t 3\t"), std::string::npos) << timeline.summary;
}

TEST(ContestTimeline, AnEmptyLogStillHasTheSummary) {
  testing::WorkingFolder folder;
  host::PluginHost plugin(VELMORA_PLUGIN_FILE, host::ExportNames::Plain);
  ASSERT_TRUE(plugin.ready()) << plugin.problem();
  const CountryFile cty = countries();
  Contest contest(plugin, cty);
  contest.start({"F5VEL", "F", "EU"}, false);
  const ContestTimeline timeline = replayTimeline(contest, plugin, cty, LogContents{});
  EXPECT_TRUE(timeline.steps.empty());
  EXPECT_NE(timeline.summary.find("Total\t 0\t"), std::string::npos) << timeline.summary;
}

}  // namespace
}  // namespace velmora::cli::report
