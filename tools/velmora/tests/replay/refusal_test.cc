#include "replay/refusal.h"

#include "replay/department_note.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(Refusal, ReasonFollowsThePlugInsOrderOfTests) {
  host::Qso qso;
  qso.mode = "RTTY";
  qso.exchangeReceived = "";
  EXPECT_EQ(refusalReason(qso, true), "mode RTTY: only CW and SSB count");
  qso.mode = "ssb";
  EXPECT_EQ(refusalReason(qso, true), "mode ssb: only CW and SSB count");
  qso.mode = "\x1b[2J";
  EXPECT_EQ(refusalReason(qso, true), "mode \\x1b[2J: only CW and SSB count");
  qso.mode = "";
  EXPECT_EQ(refusalReason(qso, true), "no mode: only CW and SSB count");
  qso.mode = "CW";
  EXPECT_EQ(refusalReason(qso, false), "no exchange received (give --rcvd-field)");
  qso.exchangeReceived = "001";
  qso.exchangeSent = "";
  EXPECT_EQ(refusalReason(qso, false), "no exchange sent (give --sent)");
  qso.exchangeSent = "69";
  qso.dxccPrefix = "DL";
  EXPECT_EQ(refusalReason(qso, false), "foreign station worked from outside France");
  qso.dxccPrefix = "FG";
  EXPECT_EQ(refusalReason(qso, false), std::nullopt);  // admitted: no reason of the contest
}

TEST(DepartmentNote, FrenchStationWhoseExchangeIsNoDepartment) {
  host::Qso qso;
  qso.dxccPrefix = "TM";
  for (const char* none : {"081", "FRANK49", "1234", "X"}) {
    qso.exchangeReceived = none;
    EXPECT_EQ(departmentNote(qso), "exchange '" + std::string(none) +
                                       "' is not a department; the plug-in counts it as one");
  }
  for (auto [prefix, exchange] : {std::pair{"F", " 2a "}, {"FY", "FY"}, {"FM", "972"},
                                  {"DL", "081"}, {"F ", "081"}}) {
    qso.dxccPrefix = prefix;
    qso.exchangeReceived = exchange;
    EXPECT_EQ(departmentNote(qso), std::nullopt) << prefix << " " << exchange;
  }
}

}  // namespace
}  // namespace velmora::cli
