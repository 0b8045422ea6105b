// QSOs named by a key through the real plug-in: an edit withdraws what was
// fed and offers the new version, a delete withdraws only what the plug-in
// had logged, a repeat of a withdrawn QSO is offered again; and a journal
// of such events replays to the contest of its final QSOs, a QSO skipped
// for its text and then fixed included.

#include "replay/keyed_contest.h"

#include <gtest/gtest.h>

#include <vector>

#include "replay/contest_folder.h"
#include "replay/log_replay.h"

namespace velmora::cli {
namespace {

using KeyedContestTest = ContestFolder;

LogQso keyed(const std::string& key, const std::string& call, const std::string& band,
             int record, const std::string& exchange = "123") {
  LogQso qso = cwQso(call, band, record, exchange);
  qso.key = key;
  return qso;
}

std::vector<Offer> steps(KeyedContest& keyed) {
  std::vector<Offer> taken;
  while (std::optional<Offer> offer = keyed.next()) taken.push_back(std::move(*offer));
  return taken;
}

std::string total(Contest& contest) {
  const std::string summary = contest.summary();
  const std::size_t at = summary.find("Total\t");
  return at == std::string::npos ? summary : summary.substr(at, summary.find('\r', at) - at);
}

TEST_F(KeyedContestTest, EditWithdrawsWhatWasFedThenOffersTheNewVersion) {
  Contest contest(options);
  contest.start("", false);
  KeyedContest qsos(contest);
  qsos.put(keyed("a", "DL1XX", "40m", 1));
  ASSERT_EQ(steps(qsos).at(0).fate, QsoFate::Logged);
  qsos.put(keyed("a", "DL1XX", "20m", 2));
  const std::vector<Offer> edit = steps(qsos);
  ASSERT_EQ(edit.size(), 2u);
  EXPECT_EQ(edit[0].fate, QsoFate::Withdrawn);
  EXPECT_EQ(edit[0].withdrawnFrom, QsoFate::Logged);
  EXPECT_EQ(edit[0].qso.record, 1);
  EXPECT_EQ(edit[1].fate, QsoFate::Logged);
  EXPECT_EQ(qsos.current("a")->band, "20m");
  const std::string summary = contest.summary();
  EXPECT_NE(summary.find("20m\t 1\t"), std::string::npos) << summary;
  EXPECT_NE(summary.find("40m\t 0\t"), std::string::npos) << summary;
}

TEST_F(KeyedContestTest, RepeatOfAQsoMovedElsewhereIsOfferedAgain) {
  Contest contest(options);
  contest.start("", false);
  KeyedContest qsos(contest);
  qsos.put(keyed("a", "DL1XX", "40m", 1));
  qsos.put(keyed("b", "DL1XX", "40m", 2));
  const std::vector<Offer> first = steps(qsos);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[1].fate, QsoFate::Repeat);
  qsos.put(keyed("a", "DL1XX", "20m", 3));  // it was on 20m: the one on 40m counts now
  const std::vector<Offer> edit = steps(qsos);
  ASSERT_EQ(edit.size(), 3u);
  EXPECT_EQ(edit[0].fate, QsoFate::Withdrawn);
  EXPECT_EQ(edit[1].qso.record, 3);
  EXPECT_EQ(edit[1].fate, QsoFate::Logged);
  EXPECT_EQ(edit[2].qso.record, 2);
  EXPECT_TRUE(edit[2].again);
  EXPECT_EQ(edit[2].fate, QsoFate::Logged);
  EXPECT_EQ(total(contest), "Total\t 2\t 2\t 0\t  2");
}

TEST_F(KeyedContestTest, EditKeepingTheBandKeepsTheRepeatAside) {
  Contest contest(options);
  contest.start("", false);
  KeyedContest qsos(contest);
  qsos.put(keyed("a", "DL1XX", "40m", 1));
  qsos.put(keyed("b", "DL1XX", "40m", 2));
  steps(qsos);
  qsos.put(keyed("a", "DL1XX", "40m", 3, "124"));
  const std::vector<Offer> edit = steps(qsos);
  ASSERT_EQ(edit.size(), 3u);
  EXPECT_EQ(edit[1].fate, QsoFate::Logged);
  EXPECT_TRUE(edit[2].again);
  EXPECT_EQ(edit[2].fate, QsoFate::Repeat) << "tried again, and still a repeat";
  EXPECT_EQ(edit[2].note, "record 3 on 40m");
  EXPECT_EQ(total(contest), "Total\t 1\t 1\t 0\t  1");
}

TEST_F(KeyedContestTest, DeleteOfARefusedQsoLeavesTheOtherQsoOfItsCallAndBand) {
  Contest contest(options);
  contest.start("", false);
  KeyedContest qsos(contest);
  qsos.put(keyed("refused", "DL1XX", "40m", 1, ""));  // no exchange received
  qsos.put(keyed("logged", "DL1XX", "40m", 2));
  const std::vector<Offer> fed = steps(qsos);
  ASSERT_EQ(fed.size(), 2u);
  EXPECT_EQ(fed[0].fate, QsoFate::Refused);
  EXPECT_EQ(fed[1].fate, QsoFate::Logged);
  ASSERT_TRUE(qsos.remove("refused"));
  const std::vector<Offer> deleted = steps(qsos);
  ASSERT_EQ(deleted.size(), 1u);
  EXPECT_EQ(deleted[0].withdrawnFrom, QsoFate::Refused);
  EXPECT_EQ(total(contest), "Total\t 1\t 1\t 0\t  1") << "RemoveData0 would have taken record 2";
  EXPECT_FALSE(qsos.remove("refused"));
  EXPECT_FALSE(qsos.remove("never"));
  EXPECT_FALSE(qsos.next());
  EXPECT_EQ(qsos.current("refused"), nullptr);
}

TEST_F(KeyedContestTest, JournalReplaysToTheContestOfItsFinalQsos) {
  const auto event = [](const std::string& record, const char* kind, const char* key) {
    return record.substr(0, record.size() - 6) + adifField("APP_VELMORA_EVENT", kind) +
           adifField("APP_VELMORA_KEY", key) + "<EOR>\n";
  };
  const std::string journal =
      event(adifRecord("F5AAA", "40m", "CW", "75", "20110312", "0601"), "NEW", "a") +
      event(adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602"), "NEW", "b") +
      event(adifRecord("DL1XX", "40m", "CW", "124", "20110312", "0603"), "NEW", "c") +
      event(adifRecord("DL1XX", "20m", "CW", "123", "20110312", "0602"), "EDIT", "b") +
      event(adifRecord("F5AAA", "40m", "CW", "75", "20110312", "0601"), "DELETE", "a") +
      event(adifRecord("F6ZZZ", "40m", "CW", "", "20110312", "0604"), "NEW", "d");
  const std::string finalLog = adifRecord("DL1XX", "20m", "CW", "123", "20110312", "0602") +
                               adifRecord("DL1XX", "40m", "CW", "124", "20110312", "0603") +
                               adifRecord("F6ZZZ", "40m", "CW", "", "20110312", "0604");
  Contest fromJournal(options);
  LogReader journalLog = log(journal);
  LogReplay replay(fromJournal, journalLog, false, err);
  while (replay.next()) {
  }
  const std::string journalSummary = fromJournal.summary();
  const LogTally& tally = journalLog.tally();
  EXPECT_EQ(tally.accepted, 2);
  EXPECT_EQ(tally.withdrawn, 2);
  EXPECT_TRUE(tally.repeats.empty()) << "record 3 was offered again";
  ASSERT_EQ(tally.refused.size(), 1u);
  EXPECT_EQ(tally.refused[0].record, 6);

  Contest fromLog(options);
  LogReader plain = log(finalLog);
  LogReplay plainReplay(fromLog, plain, false, err);
  while (plainReplay.next()) {
  }
  EXPECT_EQ(journalSummary, fromLog.summary());
}

TEST_F(KeyedContestTest, QsoSkippedForItsTextThenFixedCountsOnceAndIsNoLongerSkipped) {
  const auto event = [](const std::string& record, const char* kind) {
    return record.substr(0, record.size() - 6) + adifField("APP_VELMORA_EVENT", kind) +
           adifField("APP_VELMORA_KEY", "a") + "<EOR>\n";
  };
  const std::string journal =
      event(adifRecord("DL1XX", "40m", "CW", "12\a", "20110312", "0602"), "NEW") +
      event(adifRecord("DL1XX", "40m", "CW", "123", "20110312", "0602"), "EDIT");
  Contest contest(options);
  LogReader journalLog = log(journal);
  LogReplay replay(contest, journalLog, false, err);
  std::vector<QsoFate> fates;
  while (const std::optional<Offer> offer = replay.next()) fates.push_back(offer->fate);
  EXPECT_EQ(fates, (std::vector<QsoFate>{QsoFate::Unfit, QsoFate::Withdrawn, QsoFate::Logged}));
  const LogTally& tally = journalLog.tally();
  EXPECT_TRUE(tally.skipped.empty()) << tally.skipped.front().reason;
  EXPECT_EQ(tally.accepted, 1);
  EXPECT_EQ(tally.withdrawn, 1);
  EXPECT_EQ(tally.kept, 2) << "both records stay read and kept";
  EXPECT_EQ(total(contest), "Total\t 1\t 1\t 0\t  1");
}

}  // namespace
}  // namespace velmora::cli
