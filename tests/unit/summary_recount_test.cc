// The summary from the counts the log keeps must be, after every change of
// the log, exactly the summary recounted from its records in one pass.
// Generated contests of adds, duplicates, refusals, deletions of the first,
// the last and absent records, and restarts check that, for the operator of
// the contest and for others.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "log/qso_entries.h"
#include "score/band_order.h"
#include "score/band_recount.h"

namespace velmora {
namespace {

// Texts the generator picks from: French and foreign prefixes, the empty
// one and one differing in case; band names that sort alike ("7", "07");
// exchanges that give equal, blank or no departments.
const std::vector<std::string> kCalls = {"F5AAA", "F6BBB", "TK5CC", "FG5DD", "DL1XX", "K1YY", "", "JA1ZZ"};
const std::vector<std::string> kPrefixes = {"F", "TK", "TM", "FG", "FY", "DL", "K", "", "f", "JA"};
const std::vector<std::string> kAreas = {"EU", "NA", "eu", ""};
const std::vector<std::string> kBands = {"40m", "20m", "7", "07", "160m", "a band name over twenty"};
const std::vector<std::string> kExchanges = {"75", " 2a ", "2A", "13", " ", "971", "001"};
const std::vector<std::string> kModes = {"CW", "SSB", "CW", "SSB", "ssb"};

// A record no generated QSO can match: its call is in no pool.
QsoRecord absentRecord() {
  QsoRecord r;
  r.call = "NOT-LOGGED";
  r.mode = "CW";
  r.band = "40m";
  return r;
}

struct Operator {
  bool inFrance;
  std::string area;
};

class GeneratedContest {
 public:
  explicit GeneratedContest(unsigned seed) : random_(seed) {}

  // One random step; returns what it did, for the failure message.
  std::string step() {
    const unsigned what = random_() % 1000;
    if (what < 3) return restart();
    if (what < 100 && !offered_.empty()) return offer(offered_[random_() % offered_.size()], "again");
    if (what < 160 && !log_.empty()) return remove(log_[0], "first");
    if (what < 220 && !log_.empty()) return remove(log_[log_.size() - 1], "last");
    if (what < 250) return remove(absent_, "absent");
    if (what < 300) orderBands(bands_);  // as every summary request does
    return offer(newQso(), "new");
  }

  void expectSummariesAgree(const std::string& step) const {
    std::vector<OperatorStation> stations = {{operator_.inFrance, operator_.area},
                                             {!operator_.inFrance, operator_.area},
                                             {true, "NA"},
                                             {false, ""}};
    for (const OperatorStation& station : stations) {
      const std::string context = step + (station.inFrance ? ", in France, area \"" : ", abroad, area \"") +
                                  station.myAreaTag + "\"";
      const std::vector<BandTally> kept = tallyBands(log_, bands_, station);
      const std::vector<BandTally> recounted = recountBands(log_, bands_, station);
      ASSERT_EQ(kept.size(), recounted.size()) << context;
      for (std::size_t i = 0; i < kept.size(); ++i) {
        const BandTally& k = kept[i];
        const BandTally& r = recounted[i];
        ASSERT_EQ(k.qsos, r.qsos) << context << ", band " << bands_[i];
        ASSERT_EQ(k.metropolitan, r.metropolitan) << context << ", band " << bands_[i];
        ASSERT_EQ(k.overseas, r.overseas) << context << ", band " << bands_[i];
        ASSERT_EQ(k.sameArea, r.sameArea) << context << ", band " << bands_[i];
        ASSERT_EQ(k.otherArea, r.otherArea) << context << ", band " << bands_[i];
        ASSERT_EQ(k.departments, r.departments) << context << ", band " << bands_[i];
        ASSERT_EQ(k.dxcc, r.dxcc) << context << ", band " << bands_[i];
      }
      const Summary summary = summarize(log_, bands_, station);
      const Summary recount = recountSummary(log_, bands_, station);
      ASSERT_EQ(summary.text, recount.text) << context;
      ASSERT_EQ(summary.score, recount.score) << context;
    }
  }

  std::size_t records() const { return log_.size(); }
  std::size_t removed() const { return removed_; }
  std::size_t bands() const { return bands_.size(); }

 private:
  const std::string& any(const std::vector<std::string>& pool) { return pool[random_() % pool.size()]; }

  QsoReport newQso() {
    QsoReport q;
    q.call = any(kCalls);
    q.dxccPrefix = any(kPrefixes);
    q.areaTag = any(kAreas);
    q.band = any(kBands);
    q.mode = any(kModes);
    q.rstSent = "599";
    q.rstReceived = "599";
    q.exchangeSent = random_() % 20 == 0 ? "" : "001";
    q.exchangeReceived = any(kExchanges);
    q.frequencyHz = 7000000 + static_cast<std::uint32_t>(random_() % 8) * 1000;
    q.qsoTime = {45000.0 + static_cast<double>(random_() % 50) / 1440, kOleDateTimeValid};
    return q;
  }

  std::string offer(QsoReport q, const char* kind) {  // a copy: offered_ may grow
    addQso(log_, bands_, operator_.inFrance, q);
    if (offered_.size() < 64) offered_.push_back(q);
    return std::string("add ") + kind + " " + std::string(q.call) + " " + std::string(q.band);
  }

  // Deletes the oldest record with the call, mode and band of `r`.
  std::string remove(const QsoRecord& r, const char* kind) {
    QsoReport q;
    q.call = r.call;
    q.mode = r.mode;
    q.band = r.band;
    q.exchangeSent = "001";
    q.exchangeReceived = "75";
    const std::string said = std::string("delete ") + kind + " " + std::string(q.call);
    const std::size_t before = log_.size();
    removeQso(log_, q);
    removed_ += before - log_.size();
    return said;
  }

  std::string restart() {
    log_.clear();
    bands_.clear();
    offered_.clear();
    operator_ = Operator{random_() % 3 != 0, any(kAreas)};
    return "restart";
  }

  std::mt19937 random_;
  const QsoRecord absent_ = absentRecord();
  Operator operator_{true, "EU"};
  QsoLog log_;
  BandList bands_;
  std::vector<QsoReport> offered_;
  std::size_t removed_ = 0;  // views into the pools above, which outlive them
};

TEST(SummaryRecount, KeptCountsAgreeWithTheRecountAfterEveryStep) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    GeneratedContest contest(seed);
    std::size_t mostRecords = 0;
    for (int i = 0; i < 1500; ++i) {
      const std::string step = "seed " + std::to_string(seed) + ", step " + std::to_string(i) + ": " +
                               contest.step();
      contest.expectSummariesAgree(step);
      if (::testing::Test::HasFatalFailure()) return;
      mostRecords = std::max(mostRecords, contest.records());
    }
    // The contests must grow large enough, and shrink often enough, to mean something.
    EXPECT_GT(mostRecords, 50u) << "seed " << seed;
    EXPECT_GT(contest.removed(), 100u) << "seed " << seed;
  }
}

// The cases the summary must keep byte for byte, one by one.
TEST(SummaryRecount, BandsWithoutRecordsAndOperatorsAbroadAgree) {
  QsoLog log;
  BandList bands;
  QsoReport foreign;
  foreign.call = "DL1XX";
  foreign.dxccPrefix = "DL";
  foreign.areaTag = "EU";
  foreign.band = "15m";
  foreign.mode = "CW";
  foreign.exchangeSent = "001";
  foreign.exchangeReceived = "15";
  // Refused abroad, but its band is listed.
  EXPECT_FALSE(addQso(log, bands, false, foreign));
  QsoReport french = foreign;
  french.call = "F5AAA";
  french.dxccPrefix = "F";
  french.band = "10m";
  french.exchangeReceived = "75";
  EXPECT_TRUE(addQso(log, bands, false, french));
  const OperatorStation abroad{false, "EU"};
  EXPECT_EQ(summarize(log, bands, abroad).text, recountSummary(log, bands, abroad).text);
  // Its last QSO deleted, the band keeps a line of zeros.
  removeQso(log, french);
  const Summary s = summarize(log, bands, abroad);
  EXPECT_EQ(s.text, recountSummary(log, bands, abroad).text);
  EXPECT_EQ(s.text,
            "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n15m\t 0\t 0\t  0\r\n10m\t 0\t 0\t  0\r\n"
            "Total\t 0\t 0\t  0\r\nScore = 0\tVelmorat 2011");
  EXPECT_EQ(log.capacity(), 0u);
}

}  // namespace
}  // namespace velmora
