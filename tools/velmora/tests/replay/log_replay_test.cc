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

}  // namespace
}  // namespace velmora::cli
