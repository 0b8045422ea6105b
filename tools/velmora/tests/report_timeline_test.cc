// The report's replay through the real plug-in, on the same reading and
// replay as `score`: the call check's verdict before each QSO, the summary
// after it, repeats on a band set aside (or, with --keep-repeats, logged and
// told apart by the summary's QSO count), and the same counts as `score`.

#include <gtest/gtest.h>

#include <sstream>

#include "report/contest_timeline.h"
#include "working_folder.h"

namespace velmora::cli::report {
namespace {

std::string field(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

std::string record(const std::string& call, const std::string& band, const std::string& mode,
                   const std::string& exchange, const std::string& date, const std::string& time) {
  return field("CALL", call) + field("QSO_DATE", date) + field("TIME_ON", time) +
         field("BAND", band) + field("MODE", mode) + field("STX_STRING", "001") +
         field("SRX_STRING", exchange) + "<EOR>\n";
}

// A French station's log: the QSOs of one morning and a record with a bad date.
const std::string kLog =
    "test log\n<EOH>\n" +
    record("F5AAA", "40m", "SSB", "75", "20110312", "0601") +  // new department, in ref.txt
    record("DL1XX", "40m", "CW", "123", "20110312", "0602") +  // new DXCC
    record("DL1XX", "40m", "CW", "123", "20110312", "0602") +  // the same QSO again
    record("F6BBB", "20m", "FT8", "13", "20110312", "0603") +  // refused: mode
    record("F6BBB", "20m", "SSB", "2a", "20110312", "0604") +  // French, but not in ref.txt
    record("F6CCC", "20m", "SSB", "13", "20111340", "0605");  // malformed date

class ContestTimelineTest : public ::testing::Test {
 protected:
  ContestTimelineTest() {
    folder.writeFile("Plugins/ref.txt", "F5AAA 75\r\n");
    folder.writeFile("cty.dat",
                     "France: 14: 27: EU: 46.0: -2.0: -1.0: F:\n    F,TM;\n"
                     "Germany: 14: 28: EU: 51.0: -10.0: -1.0: DL:\n    DL;\n");
    folder.writeFile("log.adi", kLog);
    options.plugin = VELMORA_PLUGIN_FILE;
    options.cty = (folder.path() / "cty.dat").string();
    options.call = "F5VEL";
  }

  ContestTimeline replay(const LogOptions& reading = {}) {
    LogReplay logReplay(options);
    return replayTimeline(logReplay, (folder.path() / "log.adi").string(), reading, err);
  }

  testing::WorkingFolder folder;
  ContestOptions options;
  std::ostringstream err;
};

struct ExpectedStep {
  int verdict;
  bool accepted, counted;
  long long score;
  const char* department;
};

void expectSteps(const ContestTimeline& timeline, const std::vector<ExpectedStep>& expected) {
  ASSERT_EQ(timeline.steps.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(timeline.steps[i].record);
    const QsoStep& step = timeline.steps[i];
    EXPECT_EQ(step.record, static_cast<int>(i) + 1);
    EXPECT_EQ(step.verdict, expected[i].verdict);
    EXPECT_EQ(step.accepted, expected[i].accepted);
    EXPECT_EQ(step.counted, expected[i].counted);
    EXPECT_EQ(step.score, expected[i].score);
    EXPECT_EQ(step.department, expected[i].department);
  }
}

TEST_F(ContestTimelineTest, RecordsTheVerdictBeforeAndTheSummaryAfterEachQso) {
  const ContestTimeline timeline = replay();
  expectSteps(timeline, {
                            {kNewDepartment, true, true, 6 * 1, "75"},
                            {kNewDxcc, true, true, (6 + 1) * (1 + 1), ""},
                            {kDuplicate, false, false, (6 + 1) * (1 + 1), ""},  // set aside
                            {kNoNewMultiplier, false, false, (6 + 1) * (1 + 1), "13"},
                            {kNoNewMultiplier, true, true, (6 + 1 + 6) * (2 + 1), "2A"},
                        });
  EXPECT_EQ(timeline.replay.read, 6);
  EXPECT_EQ(timeline.replay.accepted, 3);
  EXPECT_EQ(timeline.countedQsos(), 3);
  EXPECT_EQ(timeline.uncounted(), 0);
  ASSERT_EQ(timeline.replay.repeats.size(), 1u);
  EXPECT_EQ(timeline.replay.repeats[0].record, 3);
  EXPECT_EQ(timeline.replay.repeats[0].reason, "record 2 on 40m");
  ASSERT_EQ(timeline.replay.refused.size(), 1u);
  EXPECT_EQ(timeline.replay.refused[0].record, 4);
  EXPECT_EQ(timeline.replay.refused[0].reason, "mode");
  ASSERT_EQ(timeline.replay.skipped.size(), 1u);
  EXPECT_EQ(timeline.replay.skipped[0].record, 6);
  EXPECT_NE(timeline.summary.find("Total\t 3\t"), std::string::npos) << timeline.summary;
}

TEST_F(ContestTimelineTest, KeptRepeatsAreLoggedAndToldApartByTheSummary) {
  options.keepRepeats = true;
  const ContestTimeline timeline = replay();
  expectSteps(timeline, {
                            {kNewDepartment, true, true, 6 * 1, "75"},
                            {kNewDxcc, true, true, (6 + 1) * (1 + 1), ""},
                            {kDuplicate, true, false, (6 + 1) * (1 + 1), ""},  // kept once
                            {kNoNewMultiplier, false, false, (6 + 1) * (1 + 1), "13"},
                            {kNoNewMultiplier, true, true, (6 + 1 + 6) * (2 + 1), "2A"},
                        });
  EXPECT_EQ(timeline.replay.accepted, 4);
  EXPECT_TRUE(timeline.replay.repeats.empty());
  EXPECT_EQ(timeline.countedQsos(), 3);
  EXPECT_EQ(timeline.uncounted(), 1);
}

TEST_F(ContestTimelineTest, NoQsoInThePeriodStillGivesTheSummary) {
  LogOptions reading;
  reading.from = "2012-01-01";
  const ContestTimeline timeline = replay(reading);
  EXPECT_TRUE(timeline.steps.empty());
  EXPECT_EQ(timeline.replay.outsidePeriod, 5);
  EXPECT_NE(timeline.summary.find("Total\t 0\t"), std::string::npos) << timeline.summary;
}

}  // namespace
}  // namespace velmora::cli::report
