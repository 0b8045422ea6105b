#include "logs/adif_qso.h"

#include <gtest/gtest.h>

#include "logs/read_records.h"

namespace velmora::cli {
namespace {

ReadRecords read(const std::string& text, const std::string& rcvdField = "") {
  return readRecords<AdifQsoReader>(text, rcvdField);
}

const char* kGoodQso =
    "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<FREQ:6>7.0505<MODE:3>SSB"
    "<RST_SENT:2>59<RST_RCVD:2>57<STX_STRING:2>69<SRX_STRING:2>2a<EOR>\n";

TEST(AdifQso, ReadsEveryFieldTheHostPasses) {
  const ReadRecords log = read(kGoodQso);
  ASSERT_EQ(log.qsos.size(), 1u);
  const LogQso& qso = log.qsos[0];
  EXPECT_EQ(qso.call, "F5ABC");
  EXPECT_EQ(qso.time.year, 2011);
  EXPECT_EQ(qso.time.minute, 5);
  EXPECT_EQ(qso.frequencyHz, 7050500u);
  EXPECT_EQ(qso.band, "40m");
  EXPECT_EQ(qso.mode, "SSB");
  EXPECT_EQ(qso.rstSent, "59");
  EXPECT_EQ(qso.rstReceived, "57");
  EXPECT_EQ(qso.exchangeSent, "69");
  EXPECT_EQ(qso.exchangeReceived, "2a");
}

TEST(AdifQso, StringFieldsWinOverNumberedOnes) {
  const ReadRecords log = read(
      "<CALL:4>DL1A<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20M<MODE:2>CW<STX:1>7"
      "<STX_STRING:3>007<SRX:2>12<STATION_CALLSIGN:5>f5vel<CONT:2>as<EOR>"
      "<CALL:4>DL2B<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m<MODE:2>CW<STX:1>7<SRX:2>12"
      "<OPERATOR:5>F6XYZ<EOR>");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].exchangeSent, "007");
  EXPECT_EQ(log.qsos[0].exchangeReceived, "12");
  EXPECT_EQ(log.qsos[0].band, "20m");  // band names in one letter case
  EXPECT_EQ(log.qsos[0].myCall, "F5VEL");
  EXPECT_EQ(log.qsos[0].continent, "AS");
  EXPECT_EQ(log.qsos[1].exchangeSent, "7");
  EXPECT_EQ(log.qsos[1].myCall, "F6XYZ");
}

TEST(AdifQso, CallWithABlankAndUnknownBandWithoutFrequencyAreSkipped) {
  const ReadRecords log = read(
      "<CALL:6>F5 ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>40m<EOR>"
      "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>sat<EOR>");
  ASSERT_EQ(log.skipped.size(), 2u);
  EXPECT_EQ(log.skipped[0].reason, "the call sign holds a blank");
  EXPECT_EQ(log.skipped[1].reason, "unknown band 'sat' without a frequency");
}

struct BrokenQso {
  const char* fields;
  const char* reason;
};

void PrintTo(const BrokenQso& qso, std::ostream* out) { *out << qso.fields; }

class AdifQsoSkip : public testing::TestWithParam<BrokenQso> {};

TEST_P(AdifQsoSkip, RecordIsSkippedWithItsReason) {
  const ReadRecords log =
      read(std::string("<CALL:4>DL1A<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m<EOR>") +
              GetParam().fields + "<EOR>");
  ASSERT_EQ(log.qsos.size(), 1u);
  ASSERT_EQ(log.skipped.size(), 1u);
  EXPECT_EQ(log.skipped[0].record, 2);
  EXPECT_EQ(log.skipped[0].reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, AdifQsoSkip,
    testing::Values(
        BrokenQso{"<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m", "missing call"},
        BrokenQso{"<CALL:1> <QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m", "missing call"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:8>20110230<TIME_ON:4>0605<BAND:3>20m", "bad date"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:6>110312<TIME_ON:4>0605<BAND:3>20m", "bad date"},
        BrokenQso{"<CALL:4>DL2B<TIME_ON:4>0605<BAND:3>20m", "bad date"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:8>20110312<TIME_ON:4>2460<BAND:3>20m", "bad time"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:8>20110312<TIME_ON:4>0605<FREQ:4>7,05", "bad frequency"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:8>20110312<TIME_ON:4>0605",
                  "neither band nor frequency"},
        BrokenQso{"<CALL:4>DL2B<QSO_DATE:8>20110312<TIME_ON:4>0605<FREQ:4>12.5",
                  "frequency outside the amateur bands"}));

}  // namespace
}  // namespace velmora::cli
