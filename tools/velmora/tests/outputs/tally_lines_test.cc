#include "outputs/tally_lines.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(TallyLines, ListsEachProblemRecordThenTheCounts) {
  LogTally tally;
  tally.kept = 6;
  tally.accepted = 3;
  tally.skipped = {{2, "bad date", {}}};
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

// What reading and the plug-in did with odd records: one line each, in
// their place, with every echo of the log escaped; then their counts.
TEST(TallyLines, NotesOfOddRecordsAndExchangesThatAreNoDepartment) {
  LogTally tally;
  tally.kept = 3;
  tally.accepted = 3;
  tally.skipped = {{4, "bad date", {}}};
  tally.notes = {
      {1, "TM5EE", ReadingNoteKind::LengthRunsIntoNextTag, "COMMENT's length 9 runs into ..."},
      {2, "DL1\x1b" "AB", ReadingNoteKind::BandFromFrequency, "BAND '40m' and FREQ ..."},
      {4, "", ReadingNoteKind::LengthRunsIntoNextTag, "QSO_DATE's length 8 runs into ..."}};
  tally.refused = {{3, "F8\x1b[2JUUH", "mode FT8: only CW and SSB count"}};
  tally.noDepartment = {{1, "TM5EE", "exchange '081' is not a department; the plug-in counts "
                                     "it as one"}};
  tally.reportsSupplied = 3;
  tally.frequenciesFromBand = 1;
  EXPECT_EQ(formatTally(tally),
            "record 4 skipped: bad date\n"
            "record 1 (TM5EE): COMMENT's length 9 runs into ...\n"
            "record 2 (DL1\\x1bAB): BAND '40m' and FREQ ...\n"
            "record 4: QSO_DATE's length 8 runs into ...\n"
            "record 3 (F8\\x1b[2JUUH) refused by the plug-in: mode FT8: only CW and SSB count\n"
            "record 1 (TM5EE): exchange '081' is not a department; the plug-in counts it as one\n"
            "read: 4\naccepted by the plug-in: 3\n"
            "refused by the plug-in: 1 (mode FT8: only CW and SSB count: 1)\n"
            "skipped as malformed: 1\n"
            "lengths that ran into the next field: 2\n"
            "reports supplied: 3\n"
            "bands taken from the frequency: 1\n"
            "frequencies set to the band's lower edge: 1\n"
            "exchanges of French stations that are no department, counted by the plug-in: 1\n");
}

}  // namespace
}  // namespace velmora::cli
