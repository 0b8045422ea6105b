// The report's replay through the real plug-in, on the same reading and
// replay as `score`: the call check's verdict before each QSO, the summary
// after it, repeats on a band set aside (or, with --keep-repeats, logged and
// told apart by the summary's QSO count), and the same counts as `score`.

#include <gtest/gtest.h>

#include <sstream>

#include "replay/contest_folder.h"
#include "report/contest_timeline.h"

namespace velmora::cli::report {
namespace {

// A French station's log: the QSOs of one morning and a record with a bad date.
const std::string kLog =
    "test log\n<EOH>\n" +
    adifRecord("F5AAA", "40m", "SSB", "75", "20110312", "0601") +  // new department, in ref.txt
    adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602") +  // new DXCC
    adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602") +  // the same QSO again
    adifRecord("F6BBB", "20m", "FT8", "13", "20110312", "0603") +  // refused: mode
    adifRecord("F6BBB", "20m", "SSB", "2a", "20110312", "0604") +  // French, but not in ref.txt
    adifRecord("F6CCC", "20m", "SSB", "13", "20111340", "0605");  // malformed date

class ContestTimelineTest : public ContestFolder {
 protected:
  ContestTimeline replay(const ReadOptions& reading = {}) {
    Contest contest(options);
    LogReader reader = log(kLog, reading);
    return replayTimeline(contest, reader, err);
  }
};

using Code = host::CallCheckCode;

struct ExpectedStep {
  Code verdict;
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
                            {Code::NewDepartment, true, true, 6 * 1, "75"},
                            {Code::NewDxcc, true, true, (6 + 1) * (1 + 1), ""},
                            {Code::Duplicate, false, false, (6 + 1) * (1 + 1), ""},  // set aside
                            {Code::NoNewMultiplier, false, false, (6 + 1) * (1 + 1), "13"},
                            {Code::NoNewMultiplier, true, true, (6 + 1 + 6) * (2 + 1), "2A"},
                        });
  EXPECT_EQ(timeline.tally.read(), 6);
  EXPECT_EQ(timeline.tally.accepted, 3);
  EXPECT_EQ(timeline.countedQsos(), 3);
  EXPECT_EQ(timeline.uncounted(), 0);
  ASSERT_EQ(timeline.tally.repeats.size(), 1u);
  EXPECT_EQ(timeline.tally.repeats[0].record, 3);
  EXPECT_EQ(timeline.tally.repeats[0].reason, "record 2 on 40m");
  ASSERT_EQ(timeline.tally.refused.size(), 1u);
  EXPECT_EQ(timeline.tally.refused[0].record, 4);
  EXPECT_EQ(timeline.tally.refused[0].reason, "mode FT8: only CW and SSB count");
  ASSERT_EQ(timeline.tally.skipped.size(), 1u);
  EXPECT_EQ(timeline.tally.skipped[0].record, 6);
  EXPECT_NE(timeline.summary.find("Total\t 3\t"), std::string::npos) << timeline.summary;
}

TEST_F(ContestTimelineTest, KeptRepeatsAreLoggedAndToldApartByTheSummary) {
  options.keepRepeats = true;
  const ContestTimeline timeline = replay();
  expectSteps(timeline, {
                            {Code::NewDepartment, true, true, 6 * 1, "75"},
                            {Code::NewDxcc, true, true, (6 + 1) * (1 + 1), ""},
                            {Code::Duplicate, true, false, (6 + 1) * (1 + 1), ""},  // kept once
                            {Code::NoNewMultiplier, false, false, (6 + 1) * (1 + 1), "13"},
                            {Code::NoNewMultiplier, true, true, (6 + 1 + 6) * (2 + 1), "2A"},
                        });
  EXPECT_EQ(timeline.tally.accepted, 4);
  EXPECT_TRUE(timeline.tally.repeats.empty());
  EXPECT_EQ(timeline.countedQsos(), 3);
  EXPECT_EQ(timeline.uncounted(), 1);
}

TEST_F(ContestTimelineTest, NoQsoInThePeriodStillGivesTheSummary) {
  ReadOptions reading;
  reading.selection.from = parseUtcMoment("2012-01-01", false);
  const ContestTimeline timeline = replay(reading);
  EXPECT_TRUE(timeline.steps.empty());
  EXPECT_EQ(timeline.tally.outsidePeriod, 5);
  EXPECT_NE(timeline.summary.find("Total\t 0\t"), std::string::npos) << timeline.summary;
}

}  // namespace
}  // namespace velmora::cli::report
