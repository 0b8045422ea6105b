#include "adif_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "adif_qso.h"

namespace velmora::cli {
namespace {

struct AdifContents {
  std::vector<AdifRecord> records;
  std::vector<SkippedRecord> skipped;
};

AdifContents read(const std::string& text) {
  std::istringstream in(text);
  AdifContents adif;
  scanAdif(
      in, [&](const AdifRecord& record) { adif.records.push_back(record); },
      [&](SkippedRecord skipped) { adif.skipped.push_back(std::move(skipped)); });
  return adif;
}

LogContents readLog(const std::string& text, const std::string& rcvdField = "") {
  std::istringstream in(text);
  LogContents log;
  readAdifLog(in, rcvdField, [&](ReadRecord record) { log.add(std::move(record)); });
  return log;
}

const char* kGoodQso =
    "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<FREQ:6>7.0505<MODE:3>SSB"
    "<RST_SENT:2>59<RST_RCVD:2>57<STX_STRING:2>69<SRX_STRING:2>2a<EOR>\n";

TEST(AdifReader, ValueIsExactlyAsLongAsItsLengthPrefix) {
  const AdifContents adif = read("<CALL:5>F5ABCDEF<COMMENT:9>a<b>\r\nc<d<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "F5ABC");
  EXPECT_EQ(adif.records[0].field("comment"), "a<b>\r\nc<d");
}

TEST(AdifReader, FieldNamesAndEndTagsInAnyLetterCase) {
  const AdifContents adif = read("<call:4>DL1A<Qso_Date:8>20110312<eor><CALL:4>DL2B<EoR>");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  EXPECT_EQ(adif.records[0].field("qso_date"), "20110312");
  EXPECT_EQ(adif.records[1].field("call"), "DL2B");
}

TEST(AdifReader, TypeIndicatorAfterTheLengthIsAccepted) {
  const AdifContents adif = read("<QSO_DATE:8:D>20110312<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("qso_date"), "20110312");
}

TEST(AdifReader, FreeTextHeaderUpToEohIsSkipped) {
  const AdifContents adif = read("Exported <by> hand <CALL:4>XXXX\n<eoh>\n<CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  EXPECT_EQ(adif.records[0].record, 1);
}

TEST(AdifReader, HeaderMadeOfTagsIsDroppedAtEoh) {
  const AdifContents adif = read("<ADIF_VER:5>3.1.0<PROGRAMID:3>abc<EOH><CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].fields.count("adif_ver"), 0u);
}

TEST(AdifReader, FileWithoutHeaderStartsAtTheFirstTag) {
  const AdifContents adif = read("\n  <CALL:4>DL1A<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
}

TEST(AdifReader, BadLengthSkipsOnlyThatRecord) {
  const AdifContents adif =
      read("<CALL:4>DL1A<EOR><CALL:x>DL2B<MODE:2>CW<EOR><CALL:>DL3C<EOR><CALL:4>DL4D<EOR>");
  ASSERT_EQ(adif.records.size(), 2u);
  EXPECT_EQ(adif.records[0].record, 1);
  EXPECT_EQ(adif.records[1].record, 4);
  EXPECT_EQ(adif.records[1].field("call"), "DL4D");
  ASSERT_EQ(adif.skipped.size(), 2u);
  EXPECT_EQ(adif.skipped[0].record, 2);
  EXPECT_EQ(adif.skipped[0].reason, "bad length in field call");
  EXPECT_EQ(adif.skipped[1].record, 3);
}

// A 32-bit build once refused every length of two digits or more.
TEST(AdifReader, LengthsOfManyDigitsAreReadAndAbsurdOnesRefused) {
  const AdifContents adif = read("<COMMENT:12>twelve bytes<CALL:0004>DL1A<EOR>"
                                 "<CALL:99999999999999999999999>DL2B<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  EXPECT_EQ(adif.records[0].field("comment"), "twelve bytes");
  EXPECT_EQ(adif.records[0].field("call"), "DL1A");
  ASSERT_EQ(adif.skipped.size(), 1u);
  EXPECT_EQ(adif.skipped[0].reason, "bad length in field call");
}

TEST(AdifReader, FieldWithoutLengthIsMalformed) {
  const AdifContents adif = read("<CALL>DL1A<EOR>");
  ASSERT_EQ(adif.skipped.size(), 1u);
  EXPECT_EQ(adif.skipped[0].reason, "field call has no length");
}

TEST(AdifReader, LengthBeyondTheEndOfTheFileIsMalformed) {
  const AdifContents adif = read("<CALL:4>DL1A<EOR><CALL:40>DL2B<EOR>");
  ASSERT_EQ(adif.records.size(), 1u);
  ASSERT_EQ(adif.skipped.size(), 1u);
  EXPECT_EQ(adif.skipped[0].record, 2);
  EXPECT_EQ(adif.skipped[0].reason, "field call runs past the end of the file");
}

TEST(AdifReader, LastRecordWithoutEorIsMalformed) {
  const AdifContents adif = read("<CALL:4>DL1A<EOR><CALL:4>DL2B\n");
  ASSERT_EQ(adif.skipped.size(), 1u);
  EXPECT_EQ(adif.skipped[0].reason, "no <EOR> at the end of the file");
}

TEST(AdifQso, ReadsEveryFieldTheHostPasses) {
  const LogContents log = readLog(kGoodQso);
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
  const LogContents log = readLog(
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

struct BrokenQso {
  const char* fields;
  const char* reason;
};

void PrintTo(const BrokenQso& qso, std::ostream* out) { *out << qso.fields; }

class AdifQsoSkip : public testing::TestWithParam<BrokenQso> {};

TEST_P(AdifQsoSkip, RecordIsSkippedWithItsReason) {
  const LogContents log =
      readLog(std::string("<CALL:4>DL1A<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m<EOR>") +
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
