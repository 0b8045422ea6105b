// A log replayed QSO by QSO: the contest starts once the own call is known,
// the QSOs read before it are offered first and in log order, and a log
// that gives nothing to replay starts no contest.

#include "replay/log_replay.h"

#include <gtest/gtest.h>

#include <vector>

#include "replay/contest_folder.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

using LogReplayTest = ContestFolder;

std::vector<int> offeredRecords(LogReplay& replay) {
  std::vector<int> records;
  while (const std::optional<Offer> offer = replay.next()) records.push_back(offer->qso.record);
  return records;
}

TEST_F(LogReplayTest, QsosBeforeTheFirstThatNamesTheSenderWaitForTheStart) {
  options.call.reset();
  LogReader reader =
      log(adifRecord("F5AAA", "40m", "SSB", "75", "20110312", "0601") +
          adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602") +
          adifRecord("DL2YY", "40m", "CW", "124", "20110312", "0603",
                     adifField("STATION_CALLSIGN", "tm5vel")) +
          adifRecord("DL3ZZ", "40m", "CW", "125", "20110312", "0604",
                     adifField("STATION_CALLSIGN", "F6BBB")));
  Contest contest(options);
  LogReplay replay(contest, reader, false, err);
  EXPECT_EQ(offeredRecords(replay), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(contest.station().call, "TM5VEL");
  EXPECT_EQ(reader.tally().accepted, 4);
}

TEST_F(LogReplayTest, OwnCallNamedNowhereIsAskedForOnlyAtTheEnd) {
  options.call.reset();
  LogReader reader = log(adifRecord("F5AAA", "40m", "SSB", "75", "20110312", "0601"));
  Contest contest(options);
  LogReplay replay(contest, reader, false, err);
  try {
    replay.next();
    ADD_FAILURE() << "the replay started without an own call";
  } catch (const UserError& error) {
    EXPECT_STREQ(error.what(), "velmora: no own call sign known: give --call");
  }
  EXPECT_EQ(reader.tally().kept, 1);  // the whole log was read first
}

TEST_F(LogReplayTest, LogOfMalformedRecordsStartsNoContest) {
  LogReader reader = log("<CALL:4>DL1A<EOR><CALL:4>DL2B<EOR>");
  Contest contest(options);
  LogReplay replay(contest, reader, false, err);
  EXPECT_THROW(replay.next(), UserError);
  EXPECT_EQ(err.str(), "record 1 skipped: bad date\nrecord 2 skipped: bad date\n");
  EXPECT_EQ(contest.station().call, "");
}

// A QSO whose texts the plug-in cannot take is never offered to it: it is
// counted as skipped, in record order among the records the reading
// skipped, and no longer as kept.
TEST_F(LogReplayTest, QsoWithATextThePlugInCannotTakeIsSkippedInRecordOrder) {
  LogReader reader = log(adifRecord("F5AAA", "40m", "CW", "75", "20110312", "0601") +
                         adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602",
                                    adifField("RST_RCVD", "59 9")) +
                         "<CALL:4>DL2B<EOR>\n" +
                         adifRecord("DL3ZZ", "40m", "CW", "125", "20110312", "0604"));
  Contest contest(options);
  LogReplay replay(contest, reader, false, err);
  std::vector<QsoFate> fates;
  while (const std::optional<Offer> offer = replay.next()) fates.push_back(offer->fate);
  EXPECT_EQ(fates, (std::vector<QsoFate>{QsoFate::Logged, QsoFate::Unfit, QsoFate::Logged}));
  const LogTally& tally = reader.tally();
  ASSERT_EQ(tally.skipped.size(), 2u);
  EXPECT_EQ(tally.skipped[0].record, 2);
  EXPECT_EQ(tally.skipped[0].reason, "the received report '59 9' holds a blank");
  EXPECT_EQ(tally.skipped[1].record, 3);
  EXPECT_EQ(tally.kept, 2);
  EXPECT_EQ(tally.read(), 4);
  EXPECT_EQ(tally.accepted, 2);
  EXPECT_NE(contest.summary().find("Total\t 2\t"), std::string::npos) << contest.summary();
}

// A listener's log names the station heard in its sender column: it may be
// scored, never exported, and the refusal comes before the contest starts.
TEST_F(LogReplayTest, ExportOfAListenersLogStartsNoContest) {
  const std::string swl =
      "START-OF-LOG: 3.0\nCALLSIGN: F-12345\nCATEGORY-OPERATOR: SWL\n"
      "QSO:  7012 CW 2011-03-12 0601 F6XYZ         599 75     DL1ABC        599 012\nEND-OF-LOG:\n";
  {
    LogReader reader = log(swl);
    Contest contest(options);
    LogReplay replay(contest, reader, true, err);
    EXPECT_THROW(replay.begin(), UserError);
    EXPECT_EQ(contest.station().call, "");
  }
  for (const std::string& category : {std::string("CATEGORY: SINGLE-OP SWL"), std::string("CATEGORY-OPERATOR: SINGLE-OP")}) {
    LogReader reader = log("START-OF-LOG: 2.0\n" + category + "\n" + swl.substr(swl.find("QSO:")));
    Contest contest(options);
    LogReplay replay(contest, reader, category.find("SWL") == std::string::npos, err);
    EXPECT_NO_THROW(replay.begin()) << category;
    EXPECT_EQ(contest.station().call, "F5VEL");
  }
}

}  // namespace
}  // namespace velmora::cli
