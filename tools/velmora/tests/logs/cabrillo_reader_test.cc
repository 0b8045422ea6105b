#include "logs/cabrillo_reader.h"

#include <gtest/gtest.h>

#include "logs/read_records.h"

namespace velmora::cli {
namespace {

ReadRecords read(const std::string& text) { return readRecords<CabrilloReader>(text); }

TEST(CabrilloReader, ReadsOurExportColumnOrder) {
  const ReadRecords log = read(
      "START-OF-LOG: 3.0\r\nCALLSIGN: F5VEL\r\n"
      "QSO:  7050 PH 2011-03-12 0605 F5VEL         59  69     DL1ABC        57  012\r\n"
      "QSO: 14025 CW 2011-03-13 1730 F5VEL         599 69     f6xyz         599 2a\r\n"
      "END-OF-LOG:\r\n");
  ASSERT_EQ(log.qsos.size(), 2u);
  const LogQso& first = log.qsos[0];
  EXPECT_EQ(first.record, 1);
  EXPECT_EQ(first.frequencyHz, 7050000u);
  EXPECT_EQ(first.band, "40m");
  EXPECT_EQ(first.mode, "SSB");
  EXPECT_EQ(first.time.day, 12);
  EXPECT_EQ(first.time.hour, 6);
  EXPECT_EQ(first.time.minute, 5);
  EXPECT_EQ(first.myCall, "F5VEL");
  EXPECT_EQ(first.rstSent, "59");
  EXPECT_EQ(first.exchangeSent, "69");
  EXPECT_EQ(first.call, "DL1ABC");
  EXPECT_EQ(first.rstReceived, "57");
  EXPECT_EQ(first.exchangeReceived, "012");
  EXPECT_EQ(log.qsos[1].mode, "CW");
  EXPECT_EQ(log.qsos[1].band, "20m");
  EXPECT_EQ(log.qsos[1].call, "F6XYZ");
  EXPECT_EQ(log.qsos[1].exchangeReceived, "2a");
}

TEST(CabrilloReader, OtherModesArePassedOnForThePlugInToRefuse) {
  const ReadRecords log = read("QSO: 14080 RY 2011-03-12 0605 F5VEL 599 69 DL1ABC 599 012\n");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].mode, "RY");
}

TEST(CabrilloReader, BrokenQsoLinesAreSkippedWithTheirNumberAndWhy) {
  const char* kColumns = " columns; expected 10, or 11 ending in a transmitter id 0 or 1";
  const std::pair<const char*, std::string> broken[] = {
      {"QSO: 7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57", "9" + std::string(kColumns)},
      {"QSO: 7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 014 2", "11" + std::string(kColumns)},
      {"QSO: 7050 PH 2011-03-12 0605 F5VEL 59 69 DL4ABC 57 DL 1 0 14 0",
       "14" + std::string(kColumns)},
      {"QSO: 7O50 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012", "bad frequency"},
      {"QSO: 7050 PH 2011-13-12 0605 F5VEL 59 69 DL1ABC 57 012", "bad date"},
      {"QSO: 7050 PH 2011-03-12 6605 F5VEL 59 69 DL1ABC 57 012", "bad time"},
      {"QSO: 9000 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012",
       "frequency outside the amateur bands"},
  };
  for (const auto& [line, reason] : broken) {
    const ReadRecords log =
        read(std::string("QSO: 7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012\n") + line + "\n");
    EXPECT_EQ(log.qsos.size(), 1u) << line;
    ASSERT_EQ(log.skipped.size(), 1u) << line;
    EXPECT_EQ(log.skipped[0].record, 2) << line;
    EXPECT_EQ(log.skipped[0].reason, reason) << line;
  }
}

// Old Macintosh programs end lines with CR alone; a hostile line of
// megabytes costs no more than the limit.
TEST(CabrilloReader, CarriageReturnLineEndsAndOverlongLines) {
  const ReadRecords log = read(
      "START-OF-LOG: 3.0\rCALLSIGN: F5VEL\r"
      "QSO:  7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012\r"
      "QSO:  7050 PH 2011-03-12 0606 F5VEL 59 69 DL2ABC 57 " + std::string(200'000, '1') + "\r"
      "SOAPBOX: " + std::string(200'000, 'x') + "\r"
      "QSO:  7050 PH 2011-03-12 0607 F5VEL 59 69 DL3ABC 57 014\rEND-OF-LOG:\r");
  EXPECT_EQ(log.headerCall, "F5VEL");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[1].call, "DL3ABC");
  EXPECT_EQ(log.qsos[1].record, 3);
  ASSERT_EQ(log.skipped.size(), 1u);
  EXPECT_EQ(log.skipped[0].record, 2);
  EXPECT_EQ(log.skipped[0].reason, "a line of more than 4096 characters");
}

TEST(CabrilloReader, TransmitterColumnXQsoLinesAndTheCallsignHeader) {
  const ReadRecords log = read(
      "START-OF-LOG: 3.0\nCALLSIGN: f5vel\n"
      "QSO:  7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012 1\n"
      "X-QSO: 7050 PH 2011-03-12 0606 F5VEL 59 69 DL2ABC 57 013 0\n"
      "QSO:  7050 PH 2011-03-12 0607 F5VEL 59 69 DL3ABC 57 014 0\n");
  EXPECT_EQ(log.headerCall, "F5VEL");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].exchangeReceived, "012");
  EXPECT_EQ(log.qsos[1].record, 2);  // an X-QSO line is no record
  EXPECT_EQ(log.unscored, 1);
  EXPECT_TRUE(log.skipped.empty());
}

}  // namespace
}  // namespace velmora::cli
