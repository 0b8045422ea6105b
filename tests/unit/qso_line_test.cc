#include "cabrillo/qso_line.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QsoLineValues example() {
  QsoLineValues v;
  v.frequencyKhz = 7012;
  v.modeTag = "CW";
  v.qsoTime = OleDateTime{40607.0 + 14.0 / 24 + 12.0 / 1440, kOleDateTimeValid};
  v.sender = "F6BBB";
  v.rstSent = "599";
  v.exchangeSent = "75";
  v.call = "DL1XX";
  v.rstReceived = "599";
  v.exchangeReceived = "001";
  return v;
}

TEST(QsoLine, LaysOutTheColumns) {
  EXPECT_EQ(FormatQsoLine(example()),
            "QSO:  7012 CW 2011-03-05 1412 F6BBB         599 75     DL1XX         599 001\r\n");
}

TEST(QsoLine, WideValuesFillOrPushTheirFieldsNeverCut) {
  QsoLineValues v = example();
  v.frequencyKhz = 14250;
  v.call = "F/DL1XXX/MM/QRP";
  v.modeTag = "P";
  EXPECT_EQ(FormatQsoLine(v),
            "QSO: 14250  P 2011-03-05 1412 F6BBB         599 75     F/DL1XXX/MM/QRP 599 001\r\n");
  v.frequencyKhz = -5;
  v.exchangeSent = "1234567";
  EXPECT_EQ(FormatQsoLine(v).substr(0, 11), "QSO:    -5 ");
  EXPECT_NE(FormatQsoLine(v).find(" 1234567 F/DL"), std::string::npos);
}

TEST(QsoLine, UnformattableTimeLeavesAnEmptyField) {
  QsoLineValues v = example();
  v.qsoTime.status = kOleDateTimeInvalid;
  EXPECT_EQ(FormatQsoLine(v),
            "QSO:  7012 CW  F6BBB         599 75     DL1XX         599 001\r\n");
}

TEST(QsoLine, ModeTagComparesWholeTextExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"SSB", "PH"}, {"CW", "CW"}, {"ssb", "??"}, {"cw", "??"}, {"", "??"}, {"SSB ", "??"},
      {"RTTY", "??"}};
  for (const auto& [mode, tag] : cases) EXPECT_EQ(ModeTag(mode), tag) << mode;
}

}  // namespace
}  // namespace velmora
