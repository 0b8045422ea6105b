// Logging and deleting QSOs through AddData0 and RemoveData0, as the host
// reports them: filters, the prefix gate, duplicates and removal.

#include "plugin_scenario.h"

namespace velmora::testing {
namespace {

class QsoLogging : public PluginScenario {
 protected:
  void startContest(const std::string& ownPrefix) {
    host::ContestStart start;
    start.myDxccPrefix = ownPrefix;
    ASSERT_EQ(plugin().resetStats(start), 1);
  }
  static host::Qso qso(const std::string& call, const std::string& prefix) {
    host::Qso q;
    q.call = call;
    q.dxccPrefix = prefix;
    return q;
  }
};
VELMORA_SCENARIO_SUITE(QsoLogging);

TEST_P(QsoLogging, BeforeAnyContestStartOnlyFrenchStationsCount) {
  EXPECT_EQ(plugin().addData(qso("F5AAA", "F")), 1);
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0);
}

TEST_P(QsoLogging, ModeMustBeExactlySsbOrCw) {
  startContest("F");
  for (const char* mode : {"ssb", "Cw", "RTTY", "FT8", ""}) {
    host::Qso q = qso("F5AAA", "F");
    q.mode = mode;
    EXPECT_EQ(plugin().addData(q), 0) << mode;
    EXPECT_EQ(plugin().removeData(q), 0) << mode;
  }
  host::Qso cw = qso("F5AAA", "F");
  cw.mode = "CW";
  EXPECT_EQ(plugin().addData(cw), 1);
}

TEST_P(QsoLogging, EmptyExchangesAreRefusedButBlanksPass) {
  startContest("F");
  host::Qso noReceived = qso("F5AAA", "F");
  noReceived.exchangeReceived = "";
  EXPECT_EQ(plugin().addData(noReceived), 0);
  EXPECT_EQ(plugin().removeData(noReceived), 0);
  host::Qso noSent = qso("F5AAA", "F");
  noSent.exchangeSent = "";
  EXPECT_EQ(plugin().addData(noSent), 0);
  host::Qso blanks = qso("F5AAA", "F");
  blanks.exchangeReceived = "   ";
  EXPECT_EQ(plugin().addData(blanks), 1);
}

TEST_P(QsoLogging, OperatorOutsideFranceLogsOnlyFrenchStations) {
  startContest("DL");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0);
  EXPECT_EQ(plugin().addData(qso("F5AAA", "F")), 1);
  EXPECT_EQ(plugin().addData(qso("FG5BB", "FG")), 1);
  EXPECT_EQ(plugin().addData(qso("TK5CC", "TK")), 1);
  EXPECT_EQ(plugin().addData(qso("F5DDD", "f")), 0);
}

TEST_P(QsoLogging, FrenchOperatorLogsForeignStations) {
  startContest("F");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
}

TEST_P(QsoLogging, NullOwnPrefixCountsAsFrench) {
  host::ContestStart start;
  start.nullDxccPrefix = true;
  plugin().resetStats(start);
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
}

TEST_P(QsoLogging, ContestStartWithForeignPrefixClearsFrenchFlag) {
  startContest("F");
  EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 1);
  for (const char* prefix : {"f", "F ", "DL"}) {
    startContest(prefix);
    EXPECT_EQ(plugin().addData(qso("DL1XX", "DL")), 0) << prefix;
  }
}

TEST_P(QsoLogging, DuplicateReportsAllReturnOne) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().addData(q), 1);
  q.rstSent = "57";
  EXPECT_EQ(plugin().addData(q), 1);
}

TEST_P(QsoLogging, NullDateTimeAndNullTextsAreHandled) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  q.nullTime = true;
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
}

TEST_P(QsoLogging, RemoveAlwaysAnswersOneOnceFiltersPass) {
  startContest("F");
  host::Qso q = qso("F5AAA", "F");
  EXPECT_EQ(plugin().removeData(q), 1);
  EXPECT_EQ(plugin().addData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
  EXPECT_EQ(plugin().removeData(q), 1);
}

}  // namespace
}  // namespace velmora::testing
