#include <gtest/gtest.h>

#include "log/qso_entries.h"

namespace velmora {
namespace {

QsoReport report(std::string_view call, std::string_view prefix, std::string_view band = "40m") {
  QsoReport r;
  r.call = call;
  r.dxccPrefix = prefix;
  r.band = band;
  r.areaTag = "EU";
  r.mode = "CW";
  r.rstSent = "599";
  r.rstReceived = "599";
  r.exchangeSent = "001";
  r.exchangeReceived = "75";
  r.frequencyHz = 7012000;
  r.qsoTime = {40607.59166666667, kOleDateTimeValid};
  return r;
}

class QsoLogTest : public ::testing::Test {
 protected:
  bool add(const QsoReport& r, bool homeIsFrance = true) { return addQso(log, bands, homeIsFrance, r); }
  QsoLog log;
  BandList bands;
};

TEST_F(QsoLogTest, RecordCopiesEveryFieldOfTheReport) {
  QsoReport r = report("F6ABC", "F");
  r.frequencyHz = 14025999;
  r.rstSent = "579";
  r.exchangeReceived = "2a";
  r.qsoTime = {40607.25, 1};
  ASSERT_TRUE(add(r));
  ASSERT_EQ(log.size(), 1u);
  const QsoRecord& q = log[0];
  EXPECT_EQ(q.call, "F6ABC");
  EXPECT_EQ(q.dxccPrefix, "F");
  EXPECT_EQ(q.areaTag, "EU");
  EXPECT_EQ(q.band, "40m");
  EXPECT_EQ(q.mode, "CW");
  EXPECT_EQ(q.rstSent, "579");
  EXPECT_EQ(q.rstReceived, "599");
  EXPECT_EQ(q.exchangeSent, "001");
  EXPECT_EQ(q.exchangeReceived, "2a");
  EXPECT_EQ(q.department, "2A");
  EXPECT_EQ(q.spare, "");
  EXPECT_EQ(q.frequencyKhz, 14025u);
  EXPECT_EQ(q.qsoTime.days, 40607.25);
  EXPECT_EQ(q.qsoTime.status, 1);
}

TEST_F(QsoLogTest, RefusedModeLeavesBandListAlone) {
  QsoReport r = report("F6ABC", "F", "20m");
  r.mode = "ssb";
  EXPECT_FALSE(add(r));
  EXPECT_TRUE(bands.empty());
  EXPECT_TRUE(log.empty());
}

TEST_F(QsoLogTest, ForeignStationRefusedOutsideFranceStillAddsItsBand) {
  EXPECT_FALSE(add(report("DL1XX", "DL", "15m"), false));
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0], "15m");
}

TEST_F(QsoLogTest, BandsAreListedOnceInOrderOfFirstSight) {
  add(report("F5A", "F", "40m"));
  add(report("F5B", "F", "20m"));
  add(report("F5C", "F", "40m"));
  add(report("F5D", "F", "40M"));
  ASSERT_EQ(bands.size(), 3u);
  EXPECT_EQ(bands[0], "40m");
  EXPECT_EQ(bands[1], "20m");
  EXPECT_EQ(bands[2], "40M");
}

TEST_F(QsoLogTest, DepartmentIsTrimmedUpperCasedExchangeOfFrenchStationsOnly) {
  QsoReport overseas = report("FG5AA", "FG");
  overseas.exchangeReceived = " 971 ";
  QsoReport blanks = report("F5BB", "F");
  blanks.exchangeReceived = " \t\r\n\v\f";
  QsoReport foreign = report("DL1XX", "DL");
  foreign.exchangeReceived = "15";
  ASSERT_TRUE(add(overseas) && add(blanks) && add(foreign));
  EXPECT_EQ(log[0].department, "971");
  EXPECT_EQ(log[0].exchangeReceived, " 971 ");
  EXPECT_EQ(log[1].department, "");
  EXPECT_EQ(log[2].department, "");
}

TEST_F(QsoLogTest, DepartmentIsFilledAlsoOutsideFrance) {
  ASSERT_TRUE(add(report("F5AB", "F"), false));
  EXPECT_EQ(log[0].department, "75");
}

TEST_F(QsoLogTest, ReportsDoNotTakePartInTheDuplicateRule) {
  QsoReport r = report("F5AB", "F");
  EXPECT_TRUE(add(r));
  EXPECT_TRUE(add(r));
  r.rstSent = "579";
  r.rstReceived = "339";
  EXPECT_TRUE(add(r));
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(QsoLogTest, FrequencyIsComparedInWholeKilohertz) {
  QsoReport a = report("F5AB", "F");
  a.frequencyHz = 14025000;
  QsoReport b = a;
  b.frequencyHz = 14025999;
  QsoReport c = a;
  c.frequencyHz = 14026000;
  add(a);
  add(b);
  EXPECT_EQ(log.size(), 1u);
  add(c);
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(QsoLogTest, EveryOtherFieldSeparatesDuplicates) {
  const QsoReport base = report("F5AB", "F");
  add(base);
  auto variant = [&](auto change) {
    QsoReport r = base;
    change(r);
    return add(r);
  };
  variant([](QsoReport& r) { r.qsoTime.days += 1.0 / 86400; });
  variant([](QsoReport& r) { r.qsoTime.status = 2; });
  variant([](QsoReport& r) { r.call = "F5AC"; });
  variant([](QsoReport& r) { r.areaTag = "NA"; });
  variant([](QsoReport& r) { r.mode = "SSB"; });
  variant([](QsoReport& r) { r.exchangeSent = "002"; });
  variant([](QsoReport& r) { r.exchangeReceived = "13"; });
  variant([](QsoReport& r) { r.dxccPrefix = "TK"; });
  EXPECT_EQ(log.size(), 9u);
}

TEST_F(QsoLogTest, RemoveTakesTheOldestMatchOnCallModeAndBand) {
  QsoReport first = report("F5AB", "F");
  QsoReport second = first;
  second.qsoTime.days += 0.01;
  second.exchangeReceived = "13";
  add(first);
  add(second);
  QsoReport removal = report("F5AB", "DL");  // prefix, time and exchanges do not matter
  removal.exchangeReceived = "99";
  removal.qsoTime.days = 1;
  EXPECT_TRUE(removeQso(log, removal));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].exchangeReceived, "13");
  EXPECT_TRUE(removeQso(log, removal));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(log.capacity(), 0u);
}

TEST_F(QsoLogTest, RemoveWithoutMatchChangesNothing) {
  add(report("F5AB", "F"));
  QsoReport otherBand = report("F5AB", "F", "20m");
  EXPECT_TRUE(removeQso(log, otherBand));
  QsoReport otherMode = report("F5AB", "F");
  otherMode.mode = "SSB";
  EXPECT_TRUE(removeQso(log, otherMode));
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(QsoLogTest, RemoveKeepsTheBandListed) {
  add(report("F5AB", "F", "10m"));
  removeQso(log, report("F5AB", "F", "10m"));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(bands.size(), 1u);
}

TEST_F(QsoLogTest, RemoveAppliesTheFilters) {
  add(report("F5AB", "F"));
  QsoReport noExchange = report("F5AB", "F");
  noExchange.exchangeSent = "";
  EXPECT_FALSE(removeQso(log, noExchange));
  EXPECT_EQ(log.size(), 1u);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The log's count of duplicate keys must never hide a duplicate: it may only
// spare the comparison with the whole log for a QSO that cannot be one.
TEST_F(QsoLogTest, DayCountsEqualAsNumbersAreDuplicates) {
  QsoReport zero = report("F5AB", "F");
  zero.qsoTime.days = 0.0;
  QsoReport negativeZero = zero;
  negativeZero.qsoTime.days = -0.0;
  add(zero);
  add(negativeZero);
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(QsoLogTest, RemovedOrClearedQsoIsLoggedAgain) {
  const QsoReport q = report("F5AB", "F");
  add(q);
  removeQso(log, q);
  add(q);
  EXPECT_EQ(log.size(), 1u);
  log.clear();
  add(q);
  add(q);
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(QsoLogTest, KeyStaysKnownWhileAnyRecordWithItRemains) {
  add(report("F5AB", "F"));
  const QsoRecord record = log[0];
  log.append(record);  // the same record twice, as only a direct append can make
  log.removeAt(0);
  EXPECT_TRUE(log.mayHoldDuplicateOf(record));
  add(report("F5AB", "F"));
  EXPECT_EQ(log.size(), 1u);
  log.removeAt(0);
  EXPECT_FALSE(log.mayHoldDuplicateOf(record));
}

// The call check's questions answered from the index must stay right as
// records come and go: positions shift on every removal.
TEST_F(QsoLogTest, IndexFollowsAppendsAndRemovals) {
  ASSERT_TRUE(add(report("F6ABC", "F", "40m")));
  ASSERT_TRUE(add(report("DL1AA", "DL", "40m")));
  QsoReport later = report("F6ABC", "F", "20m");
  later.exchangeReceived = "2b";
  ASSERT_TRUE(add(later));
  EXPECT_EQ(log.positionsOfCall("F6ABC"), (std::vector<std::size_t>{0, 2}));
  EXPECT_TRUE(log.positionsOfCall("f6abc").empty());
  EXPECT_TRUE(log.holdsPrefixOnBand("40m", "DL"));
  EXPECT_FALSE(log.holdsPrefixOnBand("20m", "DL"));
  EXPECT_TRUE(log.holdsDepartmentOnBand("20m", "2B"));
  EXPECT_FALSE(log.holdsDepartmentOnBand("40m", "2B"));

  log.removeAt(0);
  EXPECT_EQ(log.positionsOfCall("F6ABC"), (std::vector<std::size_t>{1}));
  EXPECT_EQ(log[1].band, "20m");
  EXPECT_FALSE(log.holdsDepartmentOnBand("40m", "75"));
  EXPECT_TRUE(log.holdsBand("40m"));
  log.removeAt(0);
  EXPECT_FALSE(log.holdsBand("40m"));
  EXPECT_EQ(log.positionsOfCall("F6ABC"), (std::vector<std::size_t>{0}));
  log.clear();
  EXPECT_TRUE(log.positionsOfCall("F6ABC").empty());
  EXPECT_FALSE(log.holdsBand("20m"));
}

}  // namespace
}  // namespace velmora
