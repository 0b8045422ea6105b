// The contest's operations through the real plug-in: a QSO offered is
// checked, then logged or set aside; a QSO withdrawn leaves the plug-in's
// log and is no longer a repeat.

#include "replay/contest.h"

#include <gtest/gtest.h>

#include "replay/contest_folder.h"

namespace velmora::cli {
namespace {

using ContestTest = ContestFolder;

LogQso qsoWith(const std::string& call, int record) {
  LogQso qso;
  qso.record = record;
  qso.call = call;
  qso.time = {2011, 3, 12, 6, 1, 0};
  qso.frequencyHz = 7010000;
  qso.band = "40m";
  qso.mode = "CW";
  qso.rstSent = qso.rstReceived = "599";
  qso.exchangeSent = "69";
  qso.exchangeReceived = "123";
  return qso;
}

TEST_F(ContestTest, WithdrawnQsoLeavesTheLogAndIsNoLongerARepeat) {
  Contest contest(options);
  contest.start("", false);
  EXPECT_EQ(contest.station().call, "F5VEL");
  const Offer first = contest.offer(qsoWith("DL1XX", 1));
  EXPECT_EQ(first.fate, QsoFate::Logged);
  EXPECT_EQ(first.verdict, host::CallCheckCode::NewDxcc);
  EXPECT_EQ(first.hostQso.dxccPrefix, "DL");
  const Offer again = contest.offer(qsoWith("DL1XX", 2));
  EXPECT_EQ(again.fate, QsoFate::Repeat);
  EXPECT_EQ(again.note, "record 1 on 40m");
  EXPECT_NE(contest.summary().find("Total\t 1\t"), std::string::npos);

  EXPECT_TRUE(contest.withdraw(qsoWith("DL1XX", 1)));
  EXPECT_NE(contest.summary().find("Total\t 0\t"), std::string::npos) << contest.summary();
  LogQso digital = qsoWith("DL1XX", 3);
  digital.mode = "FT8";
  EXPECT_FALSE(contest.withdraw(digital));  // a mode the plug-in never logs
  const Offer afterwards = contest.offer(qsoWith("DL1XX", 4));
  EXPECT_EQ(afterwards.fate, QsoFate::Logged);
  EXPECT_EQ(afterwards.verdict, host::CallCheckCode::NewDxcc);
}

TEST_F(ContestTest, RefusalsSayWhyAndStationsInNoEntityAreNeverOffered) {
  Contest contest(options);
  contest.start("", false);
  LogQso digital = qsoWith("DL1XX", 1);
  digital.mode = "FT8";
  const Offer refused = contest.offer(digital);
  EXPECT_EQ(refused.fate, QsoFate::Refused);
  EXPECT_EQ(refused.note, "mode FT8: only CW and SSB count");
  const Offer atSea = contest.offer(qsoWith("DL1XX/MM", 2));
  EXPECT_EQ(atSea.fate, QsoFate::NoEntity);
  EXPECT_EQ(atSea.note, "/MM is in no DXCC entity");
  EXPECT_EQ(atSea.qso.call, "DL1XX/MM");
  EXPECT_NE(contest.summary().find("Total\t 0\t"), std::string::npos) << contest.summary();
}

}  // namespace
}  // namespace velmora::cli
