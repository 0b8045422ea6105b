#include "outputs/tally_lines.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(TallyLines, ListsEachProblemRecordThenTheCounts) {
  LogTally tally;
  tally.kept = 6;
  tally.accepted = 3;
  tally.skipped = {{2, "bad date"}};
  tally.refused = {{4, "DL1A", "mode"}, {5, "DL2B", "no exchange sent"}, {6, "DL3C", "mode"}};
  EXPECT_EQ(formatTally(tally),
            "record 2 skipped: bad date\n"
            "record 4 (DL1A) refused by the plug-in: mode\n"
            "record 5 (DL2B) refused by the plug-in: no exchange sent\n"
            "record 6 (DL3C) refused by the plug-in: mode\n"
            "read: 7\n"
            "accepted by the plug-in: 3\n"
            "refused by the plug-in: 3 (mode: 2, no exchange sent: 1)\n"
            "skipped as malformed: 1\n");
}

TEST(TallyLines, NoRefusalsGiveABareCount) {
  LogTally tally;
  EXPECT_EQ(formatTally(tally),
            "read: 0\naccepted by the plug-in: 0\nrefused by the plug-in: 0\n"
            "skipped as malformed: 0\n");
}

TEST(TallyLines, SetAsideRecordsAndTheRarerCountsFollowInTheirOrder) {
  LogTally tally;
  tally.kept = 4;
  tally.accepted = 2;
  tally.outsidePeriod = 1;
  tally.notForScoring = 2;
  tally.frequenciesFromBand = 1;
  tally.repeats = {{3, "F6XYZ", "record 1 on 40m"}};
  tally.noEntity = {{4, "F6XYZ/MM", "/MM is in no DXCC entity"}};
  EXPECT_EQ(formatTally(tally),
            "record 4 (F6XYZ/MM) not scored: /MM is in no DXCC entity\n"
            "record 3 (F6XYZ) not logged: repeats record 1 on 40m\n"
            "read: 5\naccepted by the plug-in: 2\nrefused by the plug-in: 0\n"
            "skipped as malformed: 0\n"
            "repeats on a band, not logged: 1\n"
            "in no DXCC entity, not scored: 1\n"
            "outside the contest period: 1\n"
            "X-QSO lines, not for scoring: 2\n"
            "frequencies set to the band's lower edge: 1\n");
}

}  // namespace
}  // namespace velmora::cli
