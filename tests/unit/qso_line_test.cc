#include "cabrillo/qso_line.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QsoRecord example() {
  QsoRecord qso;
  qso.frequencyKhz = 7012;
  qso.mode = "CW";
  qso.qsoTime = OleDateTime{40607.0 + 14.0 / 24 + 12.0 / 1440, kOleDateTimeValid};
  qso.rstSent = "599";
  qso.exchangeSent = "75";
  qso.call = "DL1XX";
  qso.rstReceived = "599";
  qso.exchangeReceived = "001";
  return qso;
}

std::string lineOf(const QsoRecord& qso, std::string_view sender = "F6BBB") {
  std::string line;
  appendQsoLine(line, qso, sender);
  return line;
}

TEST(QsoLine, LaysOutTheColumns) {
  EXPECT_EQ(lineOf(example()),
            "QSO:  7012 CW 2011-03-05 1412 F6BBB         599 75     DL1XX         599 001\r\n");
}

TEST(QsoLine, AppendsToWhatIsThere) {
  std::string text = "before\r\n";
  appendQsoLine(text, example(), "F6BBB");
  EXPECT_EQ(text, "before\r\n" + lineOf(example()));
}

TEST(QsoLine, WideValuesFillOrPushTheirFieldsNeverCut) {
  QsoRecord qso = example();
  qso.frequencyKhz = 14250;
  qso.call = "F/DL1XXX/MM/QRP";
  qso.mode = "RTTY";
  EXPECT_EQ(lineOf(qso),
            "QSO: 14250 ?? 2011-03-05 1412 F6BBB         599 75     F/DL1XXX/MM/QRP 599 001\r\n");
  qso.frequencyKhz = 4294967;  // the highest a frequency in Hz can give
  qso.exchangeSent = "1234567";
  EXPECT_EQ(lineOf(qso).substr(0, 13), "QSO: 4294967 ");
  EXPECT_NE(lineOf(qso).find(" 1234567 F/DL"), std::string::npos);
  EXPECT_NE(lineOf(qso, "F/DL1XXX/MM/QRP").find(" F/DL1XXX/MM/QRP 599 1234567 "), std::string::npos);
}

TEST(QsoLine, UnformattableTimeLeavesAnEmptyField) {
  QsoRecord qso = example();
  qso.qsoTime.status = kOleDateTimeInvalid;
  EXPECT_EQ(lineOf(qso),
            "QSO:  7012 CW  F6BBB         599 75     DL1XX         599 001\r\n");
}

TEST(QsoLine, ModeTagComparesWholeTextExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"SSB", "PH"}, {"CW", "CW"}, {"ssb", "??"}, {"cw", "??"}, {"", "??"}, {"SSB ", "??"},
      {"RTTY", "??"}};
  for (const auto& [mode, tag] : cases) EXPECT_EQ(modeTag(mode), tag) << mode;
}

}  // namespace
}  // namespace velmora
