#include "replay_report.h"

#include <gtest/gtest.h>

#include "refusal.h"

namespace velmora::cli {
namespace {

TEST(ReplayReport, ListsEachProblemRecordThenTheCounts) {
  ReplayReport report;
  report.read = 7;
  report.accepted = 3;
  report.skipped = {{2, "bad date"}};
  report.refused = {{4, "DL1A", "mode"}, {5, "DL2B", "no exchange sent"}, {6, "DL3C", "mode"}};
  EXPECT_EQ(formatReport(report),
            "record 2 skipped: bad date\n"
            "record 4 (DL1A) refused by the plug-in: mode\n"
            "record 5 (DL2B) refused by the plug-in: no exchange sent\n"
            "record 6 (DL3C) refused by the plug-in: mode\n"
            "read: 7\n"
            "accepted by the plug-in: 3\n"
            "refused by the plug-in: 3 (mode: 2, no exchange sent: 1)\n"
            "skipped as malformed: 1\n");
}

TEST(ReplayReport, NoRefusalsGiveABareCount) {
  ReplayReport report;
  EXPECT_EQ(formatReport(report),
            "read: 0\naccepted by the plug-in: 0\nrefused by the plug-in: 0\n"
            "skipped as malformed: 0\n");
}

TEST(Refusal, ReasonFollowsThePlugInsOrderOfTests) {
  host::Qso qso;
  qso.mode = "RTTY";
  qso.exchangeReceived = "";
  EXPECT_EQ(refusalReason(qso, true), "mode");
  qso.mode = "ssb";
  EXPECT_EQ(refusalReason(qso, true), "mode");
  qso.mode = "CW";
  EXPECT_EQ(refusalReason(qso, false), "no exchange received (give --rcvd-field)");
  qso.exchangeReceived = "001";
  qso.exchangeSent = "";
  EXPECT_EQ(refusalReason(qso, false), "no exchange sent (give --sent)");
  qso.exchangeSent = "69";
  qso.dxccPrefix = "DL";
  EXPECT_EQ(refusalReason(qso, false), "foreign station worked from outside France");
  qso.dxccPrefix = "FG";
  EXPECT_EQ(refusalReason(qso, false), "unknown");
}

}  // namespace
}  // namespace velmora::cli
