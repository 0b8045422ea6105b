// The live contest through the real plug-in: each event of a logger
// journaled, then fed once (an ID heard twice is not fed twice), lookups
// answered without changing anything, QSOs before the own call waiting,
// QSOs outside the contest left out, and a contest started again from its
// journal going on where it was.

#include "live/live_contest.h"

#include <gtest/gtest.h>

#include "live/summary_json.h"
#include "outputs/summary_figures.h"
#include "replay/contest_folder.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

const double kNow = oleDays({2011, 3, 12, 7, 0, 0});

SourceEvent qsoEvent(const std::string& key, const std::string& call, const std::string& band,
                     const std::string& exchange, int minute, const std::string& myCall = "") {
  SourceEvent event;
  event.kind = EventKind::Qso;
  event.what = "contactinfo";
  event.key = key;
  event.qso = cwQso(call, band, minute, exchange);
  event.qso.key = key;
  event.qso.myCall = myCall;
  return event;
}

SourceEvent deleteEvent(const std::string& key) {
  SourceEvent event;
  event.kind = EventKind::Delete;
  event.what = "contactdelete";
  event.key = key;
  event.qso.call = "DL1XX";
  return event;
}

class LiveContestTest : public ContestFolder {
 protected:
  std::string journalPath() const { return (folder.path() / "live.adi").string(); }

  std::optional<long long> score(const LiveContest& live) {
    return wholeNumber(readSummaryFigures(live.timeline().summary).score);
  }

  ReadOptions reading;
};

TEST_F(LiveContestTest, EditsDeletesAndAnIdHeardTwiceReachThePluginOnceEach) {
  Contest contest(options);
  Journal journal(journalPath(), err);
  LiveContest live(contest, journal, reading, err);
  EXPECT_EQ(live.resume(), 0);
  EXPECT_EQ(live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow),
            "#1 N1MM contactinfo DL1XX 40m CW: NewDxcc, logged; score 1 (1 QSOs)");
  EXPECT_EQ(live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow),
            "N1MM contactinfo DL1XX 40m CW: the same QSO again (record 1), ignored");
  EXPECT_EQ(live.take(qsoEvent("b", "F5AAA", "20m", "75", 2), "N1MM", kNow),
            "#2 N1MM contactinfo F5AAA 20m CW: NewDepartment, logged; score 14 (2 QSOs)");
  EXPECT_EQ(live.take(qsoEvent("a", "DL1XX", "20m", "123", 1), "N1MM", kNow),
            "#3 N1MM contactinfo DL1XX 20m CW (edit of record 1): record 1 withdrawn; NewDxcc, "
            "logged; score 14 (2 QSOs)");
  EXPECT_EQ(live.take(deleteEvent("b"), "N1MM", kNow),
            "#4 N1MM contactdelete DL1XX (record 2): record 2 withdrawn; score 1 (1 QSOs)");
  EXPECT_EQ(live.take(deleteEvent("b"), "N1MM", kNow),
            "N1MM contactdelete DL1XX: no QSO of this ID here, ignored");
  const LiveCounts& counts = live.counts();
  EXPECT_EQ(counts.qsos, 2);
  EXPECT_EQ(counts.edits, 1);
  EXPECT_EQ(counts.deletes, 1);
  EXPECT_EQ(counts.heardAgain, 1);
  EXPECT_EQ(live.lastEvents().front().record, 4);
  EXPECT_EQ(live.timeline().tally.accepted, 1);
  EXPECT_EQ(live.timeline().tally.withdrawn, 2);
  EXPECT_EQ(score(live), 1);

  SourceEvent wsjtx = qsoEvent("DL1XX 20m 201103120601", "DL1XX", "20m", "123", 1);
  wsjtx.edits = false;
  EXPECT_EQ(live.take(wsjtx, "WSJT-X", kNow).substr(0, 3), "#5 ");
  wsjtx.qso.rstReceived = "-10";  // the Logged ADIF of the same QSO
  EXPECT_NE(live.take(wsjtx, "WSJT-X", kNow).find("the same QSO again (record 5)"),
            std::string::npos);
}

TEST_F(LiveContestTest, LookupAnswersFromTheCallCheckAndChangesNothing) {
  Contest contest(options);
  Journal journal(journalPath(), err);
  LiveContest live(contest, journal, reading, err);
  live.resume();
  live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow);
  SourceEvent lookup;
  lookup.kind = EventKind::Lookup;
  lookup.what = "lookupinfo";
  lookup.qso.call = "F5AAA";
  lookup.qso.band = "40m";
  EXPECT_EQ(live.take(lookup, "N1MM", kNow),
            "N1MM lookupinfo F5AAA 40m: NewDepartment, expected exchange 75");
  ASSERT_TRUE(live.typing());
  EXPECT_EQ(live.typing()->expectedExchange, "75");
  lookup.qso.call = "DL1XX";
  EXPECT_EQ(live.take(lookup, "N1MM", kNow), "N1MM lookupinfo DL1XX 40m: Duplicate");
  EXPECT_EQ(live.counts().lookups, 2);
  EXPECT_EQ(score(live), 1);
  const std::string journaled = folder.readFile("live.adi");
  EXPECT_EQ(journaled.find("F5AAA"), std::string::npos) << "a lookup is not journaled";
}

TEST_F(LiveContestTest, QsosBeforeTheOwnCallWaitThenAreFedInOrder) {
  options.call.reset();
  Contest contest(options);
  Journal journal(journalPath(), err);
  LiveContest live(contest, journal, reading, err);
  live.resume();
  EXPECT_FALSE(live.started());
  EXPECT_EQ(live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow),
            "#1 N1MM contactinfo DL1XX 40m CW: waits for the own call (give --call)");
  EXPECT_NE(live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow).find("same QSO"),
            std::string::npos)
      << "a waiting QSO is known by its key";
  EXPECT_EQ(live.take(qsoEvent("b", "F5AAA", "20m", "75", 2, "TM5VEL"), "N1MM", kNow),
            "#2 N1MM contactinfo F5AAA 20m CW: NewDepartment, logged; score 14 (2 QSOs)");
  EXPECT_TRUE(live.started());
  EXPECT_EQ(live.contest().station().call, "TM5VEL");
  EXPECT_EQ(err.str(), "#1 fed now: NewDxcc, logged; score 1 (1 QSOs)\n");
}

TEST_F(LiveContestTest, QsosOutsideTheContestAreLeftOutAndNotJournaled) {
  Contest contest(options);
  Journal journal(journalPath(), err);
  LiveContest live(contest, journal, reading, err);
  live.resume();
  EXPECT_EQ(live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow + 3),
            "N1MM contactinfo DL1XX 40m CW: time 2011-03-12 06:01 is far from now, outside the "
            "contest; not fed");
  ReadOptions weekend;
  weekend.selection.from = oleDays({2011, 3, 12, 6, 30, 0});
  weekend.selection.bands = {"20m"};
  weekend.sent = "70";
  Contest other(options);
  LiveContest period(other, journal, weekend, err);
  period.resume();
  EXPECT_NE(period.take(qsoEvent("b", "DL1XX", "20m", "123", 1), "N1MM", kNow + 3)
                .find("outside the contest period"),
            std::string::npos)
      << "--from is the contest, not the clock";
  SourceEvent later = qsoEvent("c", "DL1XX", "40m", "123", 45);
  EXPECT_NE(period.take(later, "N1MM", kNow).find("not on the contest's bands"), std::string::npos);
  later = qsoEvent("d", "DL1XX", "20m", "123", 45);
  later.qso.exchangeSent.clear();
  EXPECT_NE(period.take(later, "N1MM", kNow).find("logged"), std::string::npos) << "--sent given";
  EXPECT_EQ(live.counts().leftOut + period.counts().leftOut, 3);
  const std::string journaled = folder.readFile("live.adi");
  EXPECT_NE(journaled.find("<STX_STRING:2>70"), std::string::npos);
  EXPECT_EQ(journaled.find("<APP_VELMORA_KEY:1>a"), std::string::npos);
}

TEST_F(LiveContestTest, ContestStartedAgainFromItsJournalGoesOnWhereItWas) {
  std::string before;
  {
    Contest contest(options);
    Journal journal(journalPath(), err);
    LiveContest live(contest, journal, reading, err);
    live.resume();
    live.take(qsoEvent("a", "DL1XX", "40m", "123", 1), "N1MM", kNow);
    live.take(qsoEvent("b", "F5AAA", "20m", "75", 2), "N1MM", kNow);
    live.take(qsoEvent("a", "DL1XX", "20m", "123", 1), "N1MM", kNow);
    live.take(qsoEvent("c", "DL1XX", "40m", "124", 3), "N1MM", kNow);
    live.take(deleteEvent("b"), "N1MM", kNow);
    before = live.timeline().summary;
  }
  // A write cut short by the kill, never acknowledged.
  folder.writeFile("live.adi", folder.readFile("live.adi") + "<CALL:5>DL2");
  Contest contest(options);
  Journal journal(journalPath(), err);
  EXPECT_NE(err.str().find("moved to " + journalPath() + ".cut"), std::string::npos) << err.str();
  EXPECT_EQ(folder.readFile("live.adi.cut"), "<CALL:5>DL2");
  LiveContest live(contest, journal, reading, err);
  EXPECT_EQ(live.resume(), 5);
  EXPECT_EQ(live.timeline().summary, before);
  EXPECT_NE(live.take(qsoEvent("a", "DL1XX", "20m", "123", 1), "N1MM", kNow).find("same QSO again"),
            std::string::npos);
  EXPECT_EQ(live.take(deleteEvent("c"), "N1MM", kNow).substr(0, 3), "#6 ");
  EXPECT_NE(summaryJson(live).find("\"qsos\":1,"), std::string::npos) << summaryJson(live);
}

TEST_F(LiveContestTest, JournalOfAnotherKindIsNotTouched) {
  folder.writeFile("notes.txt", "my notes\n");
  EXPECT_THROW(Journal((folder.path() / "notes.txt").string(), err), UserError);
  EXPECT_EQ(folder.readFile("notes.txt"), "my notes\n");
}

}  // namespace
}  // namespace velmora::cli
