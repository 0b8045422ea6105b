#include "replay/refusal.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

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
