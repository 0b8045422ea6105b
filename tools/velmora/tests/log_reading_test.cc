// How velmora reads what other loggers write: exchange fields, portable
// calls, bands as users write them, the contest period, the formats' edge
// cases, and the reference file made from past logs.

#include <gtest/gtest.h>

#include <sstream>

#include "band_plan.h"
#include "call_place.h"
#include "country_file.h"
#include "exchange_field.h"
#include "header_preparation.h"
#include "log_file.h"
#include "log_selection.h"
#include "ole_time.h"
#include "reference_history.h"

namespace velmora::cli {
namespace {

LogContents read(const std::string& text, const ReadOptions& options = {}) {
  std::istringstream in(text);
  const LogFormat format = detectLogFormat(in);
  return readLog(in, format, options);
}

TEST(ExchangeField, ReportInFrontIsSplitOffOnlyFromTwoWords) {
  struct Case {
    const char* field;
    const char* exchange;
    const char* report;
  };
  for (const Case& c : {Case{"59 54", "54", "59"}, Case{" 599  013 ", "013", "599"},
                        Case{"5NN 2A", "2A", "5NN"}, Case{"54", "54", ""},
                        Case{"69 54", "69 54", ""}, Case{"599 14 DL", "599 14 DL", ""},
                        Case{"599", "599", ""}, Case{"", "", ""}}) {
    const ExchangeField split = splitExchangeField(c.field);
    EXPECT_EQ(split.exchange, c.exchange) << c.field;
    EXPECT_EQ(split.report, c.report) << c.field;
  }
}

TEST(CallPlace, PortableCallsAreLookedUpByTheirDecidingPart) {
  struct Case {
    const char* call;
    const char* part;
    const char* noEntity;
  };
  for (const Case& c :
       {Case{"F4LEC", "F4LEC", ""}, Case{"FG/F4LEC", "FG", ""}, Case{"f4lec/fg", "FG", ""},
        Case{"F4LEC/P", "F4LEC", ""}, Case{"F4LEC/QRP", "F4LEC", ""}, Case{"F4LEC/3", "F4LEC", ""},
        Case{"DL/F4LEC/M", "DL", ""}, Case{"F4LEC/A", "F4LEC", ""}, Case{"F4LEC/MM", "F4LEC", "MM"},
        Case{"F4LEC/AM", "F4LEC", "AM"}}) {
    const CallPlace place = placeOfCall(c.call);
    EXPECT_EQ(place.part, c.part) << c.call;
    EXPECT_EQ(place.noEntity, c.noEntity) << c.call;
  }
}

TEST(CallPlace, CountryFileFollowsThePortablePrefix) {
  std::istringstream text(
      "France:14:27:EU:46.00:-2.00:-1.0:F:\n    F,TM;\n"
      "Guadeloupe:08:11:NA:16.13:61.67:4.0:FG:\n    FG,TO1T;\n"
      "Fed. Rep. of Germany:14:28:EU:51.00:-10.00:-1.0:DL:\n    DL,DK;\n");
  const CountryFile countries = *CountryFile::parse(text);
  EXPECT_EQ(countries.lookup("FG/F4LEC")->dxccPrefix, "FG");
  EXPECT_EQ(countries.lookup("F4LEC/FG")->continent, "NA");
  EXPECT_EQ(countries.lookup("F4LEC/P")->dxccPrefix, "F");
  EXPECT_EQ(countries.lookup("DK1AB/F")->dxccPrefix, "F");
  EXPECT_FALSE(countries.lookup("F4LEC/MM"));
}

TEST(BandPlan, BandsAsUsersWriteThem) {
  struct Case {
    const char* text;
    const char* band;
  };
  for (const Case& c : {Case{"40m", "40m"}, Case{"40M", "40m"}, Case{"7050", "40m"},
                        Case{"7.05", "40m"}, Case{"14", "20m"}, Case{"3.5", "80m"},
                        Case{"144", "2m"}, Case{"1296", "23cm"}, Case{"136", "2190m"},
                        Case{"9000", ""}, Case{"41m", ""}, Case{"", ""}}) {
    EXPECT_EQ(bandFromText(c.text).value_or(""), c.band) << c.text;
  }
  EXPECT_EQ(lowerEdgeHz("80M"), 3500000u);
  EXPECT_EQ(lowerEdgeHz("10m"), 28000000u);
  EXPECT_FALSE(lowerEdgeHz("sat"));
}

TEST(LogSelection, PeriodIsFromIncludedToExcludedAndADateAloneIsAWholeDay) {
  CivilTime t{2011, 3, 12, 6, 0, 0};
  EXPECT_EQ(parseUtcMoment("2011-03-12 06:00", false), oleDays(t));
  EXPECT_EQ(parseUtcMoment("2011-03-12", true), oleDays({2011, 3, 13, 0, 0, 0}));
  for (const char* bad : {"2011-03-12T06:00", "2011-03-12 6:00", "2011-03-32", "12/03/2011",
                          "2011-03-12 06:60", ""}) {
    EXPECT_FALSE(parseUtcMoment(bad, false)) << bad;
  }
  LogSelection selection;
  selection.from = parseUtcMoment("2011-03-12 06:00", false);
  selection.until = parseUtcMoment("2011-03-13", true);
  selection.bands = *parseBandList("80M,40m");
  LogQso qso;
  qso.band = "40m";
  qso.time = {2011, 3, 12, 5, 59, 59};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OutsidePeriod);
  qso.time = {2011, 3, 12, 6, 0, 0};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::Kept);
  qso.time = {2011, 3, 13, 23, 59, 59};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::Kept);
  qso.time = {2011, 3, 14, 0, 0, 0};
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OutsidePeriod);
  qso.time = {2011, 3, 13, 12, 0, 0};
  qso.band = "160m";
  EXPECT_EQ(selection.judge(qso), LogSelection::Verdict::OtherBand);
  EXPECT_FALSE(parseBandList("80m,,40m"));
}

TEST(LogFormat, ByteOrderMarkIsSkippedAndOtherTextIsNoLog) {
  std::istringstream adif("\xEF\xBB\xBF<CALL:4>DL1A<EOR>");
  EXPECT_EQ(detectLogFormat(adif), LogFormat::Adif);
  EXPECT_EQ(adif.get(), '<');
  std::istringstream cabrillo("\xEF\xBB\xBFSTART-OF-LOG: 3.0\r\n");
  EXPECT_EQ(detectLogFormat(cabrillo), LogFormat::Cabrillo);
  for (const char* text : {"", "\xEF\xBB\xBF", "Name,Call,Band\nJean,F5VEL,40m\n", "   \n"}) {
    std::istringstream other(text);
    EXPECT_EQ(detectLogFormat(other), LogFormat::Unknown) << text;
  }
}

TEST(CabrilloLog, TransmitterColumnXQsoLinesAndTheCallsignHeader) {
  const LogContents log = read(
      "START-OF-LOG: 3.0\nCALLSIGN: f5vel\n"
      "QSO:  7050 PH 2011-03-12 0605 F5VEL 59 69 DL1ABC 57 012 1\n"
      "X-QSO: 7050 PH 2011-03-12 0606 F5VEL 59 69 DL2ABC 57 013 0\n"
      "QSO:  7050 PH 2011-03-12 0607 F5VEL 59 69 DL3ABC 57 014 2\n"
      "QSO:  7050 PH 2011-03-12 0608 F5VEL 59 69 DL4ABC 57 DL 1 0 14 0\n");
  EXPECT_EQ(log.ownCall, "F5VEL");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].exchangeReceived, "012");
  EXPECT_EQ(log.notForScoring, 1);
  ASSERT_EQ(log.skipped.size(), 2u);
  EXPECT_EQ(log.skipped[0].record, 2);
  EXPECT_EQ(log.skipped[0].reason, "11 columns; expected 10, or 11 ending in a transmitter id 0 or 1");
  EXPECT_EQ(log.skipped[1].reason, "14 columns; expected 10, or 11 ending in a transmitter id 0 or 1");
}

const char* kAdifQso =
    "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>40M<MODE:3>SSB";

TEST(AdifLog, ExchangeFromAnyFieldReportsTakenOutAndBandEdges) {
  ReadOptions options;
  options.rcvdField = "comment";
  options.sent = "69";
  const LogContents log = read(std::string(kAdifQso) + "<COMMENT:5>59 54<SRX:1>7<EOR>" +
                                   kAdifQso + "<COMMENT:9>599 14 DL<EOR>" + kAdifQso +
                                   "<COMMENT:2>75<STX_STRING:5>59 33<EOR>",
                               options);
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].exchangeReceived, "54");
  EXPECT_EQ(log.qsos[0].rstReceived, "59");
  EXPECT_EQ(log.qsos[0].exchangeSent, "69");  // --sent where the log states none
  EXPECT_EQ(log.qsos[0].frequencyHz, 7000000u);
  EXPECT_EQ(log.qsos[1].exchangeSent, "33");  // the log's own wins
  EXPECT_EQ(log.qsos[1].rstSent, "59");
  EXPECT_EQ(log.reportsFromExchange, 2);
  EXPECT_EQ(log.frequenciesFromBand, 2);
  ASSERT_EQ(log.skipped.size(), 1u);
  EXPECT_EQ(log.skipped[0].reason, "the received exchange holds a blank");
}

TEST(AdifLog, CallWithABlankAndUnknownBandWithoutFrequencyAreSkipped) {
  const LogContents log = read(
      "<CALL:6>F5 ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>40m<EOR>"
      "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>sat<EOR>");
  ASSERT_EQ(log.skipped.size(), 2u);
  EXPECT_EQ(log.skipped[0].reason, "the call sign holds a blank");
  EXPECT_EQ(log.skipped[1].reason, "unknown band without a frequency");
}

TEST(ReferenceHistory, LatestDepartmentOfEachFrenchStationSortedByCall) {
  std::istringstream text(
      "France:14:27:EU:46.00:-2.00:-1.0:F:\n    F;\n"
      "Martinique:08:11:NA:14.6:61.0:4.0:FM:\n    FM;\n"
      "Fed. Rep. of Germany:14:28:EU:51.00:-10.00:-1.0:DL:\n    DL;\n");
  const CountryFile countries = *CountryFile::parse(text);
  LogContents older, newer;
  LogQso qso;
  qso.time = {2011, 3, 12, 6, 0, 0};
  for (auto [call, exchange] : {std::pair{"F6XYZ", "75"}, {"F5ABC", " 2a "}, {"DL1AA", "12"},
                                {"FM5AB", "972"}}) {
    qso.call = call;
    qso.exchangeReceived = exchange;
    older.qsos.push_back(qso);
  }
  qso.time = {2012, 3, 10, 6, 0, 0};
  qso.call = "F6XYZ";
  qso.exchangeReceived = "92";
  newer.qsos.push_back(qso);
  ReferenceHistory history;
  EXPECT_EQ(history.add(newer, countries), 0);
  EXPECT_EQ(history.add(older, countries), 1);  // FM5AB's 972 is no department
  EXPECT_EQ(history.text(), "F5ABC 2A\r\nF6XYZ 92\r\n");
}

TEST(HeaderPreparation, RepeatedLinesBecomeOneTextWithCrLfBreaks) {
  EXPECT_EQ(joinLines({"Main Street", "Springfield"}), "Main Street\r\nSpringfield");
  EXPECT_EQ(joinLines({"a\nb", "c\r\nd", "e\rf"}), "a\r\nb\r\nc\r\nd\r\ne\r\nf");
  EXPECT_EQ(joinLines({}), "");
}

}  // namespace
}  // namespace velmora::cli
