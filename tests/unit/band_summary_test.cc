#include "score/band_summary.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

QsoRecord record(std::string call, std::string prefix, std::string area, std::string band,
                 std::string department) {
  QsoRecord r;
  r.call = std::move(call);
  r.dxccPrefix = std::move(prefix);
  r.areaTag = std::move(area);
  r.band = std::move(band);
  r.department = std::move(department);
  return r;
}

OperatorStation operatorState(bool homeIsFrance) { return OperatorStation{homeIsFrance, "EU"}; }

// The tally of one band, as the summary of a list of that band alone has it.
BandTally tallyBand(const QsoLog& log, std::string_view band, const OperatorStation& station) {
  BandList one;
  one.append(std::string(band));
  return tallyBands(log, one, station).front();
}

BandList bandList(std::initializer_list<const char*> names) {
  BandList bands;
  for (const char* name : names) bands.append(name);
  return bands;
}

// The six QSOs of the worked example, both bands in summary order.
QsoLog workedExampleLog(bool withForeign) {
  QsoLog log;
  log.append(record("F5AAA", "F", "EU", "7", "75"));
  log.append(record("F6BBB", "F", "EU", "7", "13"));
  log.append(record("FM5CC", "FM", "NA", "7", "97"));
  if (withForeign) log.append(record("DL1XX", "DL", "EU", "7", ""));
  if (withForeign) log.append(record("K1YY", "K", "NA", "14", ""));
  log.append(record("F5AAA", "F", "EU", "14", "75"));
  return log;
}

TEST(BandSummary, WorkedExampleForOperatorInFrance) {
  const Summary s = summarize(workedExampleLog(true), bandList({"14", "7"}), operatorState(true));
  EXPECT_EQ(s.text,
            "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n"
            "14\t 2\t 9\t 1\t  1\r\n"
            "7\t 4\t 28\t 3\t  1\r\n"
            "Total\t 6\t 37\t 4\t  2\r\n"
            "Score  = 222\tVelmorat 2011");
  EXPECT_EQ(s.score, 222);
}

TEST(BandSummary, WorkedExampleForOperatorOutsideFranceHasNoDxccColumn) {
  const Summary s = summarize(workedExampleLog(false), bandList({"14", "7"}), operatorState(false));
  EXPECT_EQ(s.text,
            "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n"
            "14\t 1\t 1\t  1\r\n"
            "7\t 3\t 5\t  3\r\n"
            "Total\t 4\t 6\t  4\r\n"
            "Score = 24\tVelmorat 2011");
  EXPECT_EQ(s.score, 24);
}

TEST(BandSummary, EmptyLogAndNoBandsGiveZeros) {
  EXPECT_EQ(summarize(QsoLog{}, BandList{}, operatorState(true)).text,
            "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\nTotal\t 0\t 0\t 0\t  0\r\n"
            "Score  = 0\tVelmorat 2011");
}

TEST(BandSummary, BandWithoutRecordsGetsALineOfZeros) {
  QsoLog log;
  log.append(record("F5AAA", "F", "EU", "40m", "75"));
  const Summary s = summarize(log, bandList({"80m", "40m"}), operatorState(true));
  EXPECT_NE(s.text.find("\r\n80m\t 0\t 0\t 0\t  0\r\n40m\t 1\t 6\t 1\t  0\r\n"), std::string::npos)
      << s.text;
  EXPECT_EQ(s.score, 6);
}

TEST(BandSummary, EmptyCallCountsInTotalQsosOnly) {
  QsoLog log;
  log.append(record("", "F", "EU", "40m", "75"));
  log.append(record("", "DL", "NA", "40m", ""));
  log.append(record("F5AAA", "F", "EU", "40m", "13"));
  const Summary s = summarize(log, bandList({"40m"}), operatorState(true));
  EXPECT_NE(s.text.find("40m\t 1\t 6\t 1\t  0\r\nTotal\t 3\t 6\t 1\t  0\r\n"), std::string::npos)
      << s.text;
}

TEST(BandSummary, SameDepartmentOnTwoBandsCountsOnEach) {
  QsoLog log;
  log.append(record("F5AAA", "F", "EU", "40m", "75"));
  log.append(record("F5BBB", "F", "EU", "40m", "75"));
  log.append(record("F5AAA", "F", "EU", "20m", "75"));
  const Summary s = summarize(log, bandList({"40m", "20m"}), operatorState(true));
  EXPECT_NE(s.text.find("Total\t 3\t 18\t 2\t  0\r\n"), std::string::npos) << s.text;
  EXPECT_EQ(s.score, 36);
}

bool sameTally(const BandTally& a, const BandTally& b) {
  return a.qsos == b.qsos && a.metropolitan == b.metropolitan && a.overseas == b.overseas &&
         a.sameArea == b.sameArea && a.otherArea == b.otherArea &&
         a.departments == b.departments && a.dxcc == b.dxcc;
}

// All bands are tallied in one pass; each band must come out as if tallied
// on its own, whatever the order of the records and of the list.
TEST(BandSummary, OnePassOverAllBandsAgreesWithEachBandOnItsOwn) {
  QsoLog log;
  const char* bands[] = {"40m", "20m", "160m", "2m"};
  const char* prefixes[] = {"F", "DL", "FM", "TK", "K", "", "JA", "F"};
  for (int i = 0; i < 400; ++i) {
    const std::string department = prefixes[i % 8][0] == 'F' || prefixes[i % 8][0] == 'T'
                                       ? std::to_string(10 + i % 13)
                                       : "";
    log.append(record(i % 17 == 0 ? "" : "C" + std::to_string(i), prefixes[i % 8],
                      i % 3 == 0 ? "NA" : "EU", bands[(i / 7 + i % 3) % 4], department));
  }
  const BandList list = bandList({"2m", "40m", "10m", "20m", "160m"});
  for (bool homeIsFrance : {true, false}) {
    const std::vector<BandTally> all = tallyBands(log, list, operatorState(homeIsFrance));
    ASSERT_EQ(all.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_TRUE(sameTally(all[i], tallyBand(log, list[i], operatorState(homeIsFrance))))
          << list[i] << (homeIsFrance ? " in France" : " abroad");
    }
  }
}

TEST(BandSummary, BandListedTwiceGetsItsFiguresTwice) {
  QsoLog log;
  log.append(record("F5AAA", "F", "EU", "40m", "75"));
  log.append(record("DL1XX", "DL", "EU", "40m", ""));
  const std::vector<BandTally> all =
      tallyBands(log, bandList({"40m", "20m", "40m"}), operatorState(true));
  EXPECT_TRUE(sameTally(all[0], all[2]));
  EXPECT_EQ(all[2].qsos, 2);
  EXPECT_EQ(all[2].departments, 1);
  EXPECT_EQ(all[2].dxcc, 1);
  EXPECT_EQ(all[1].qsos, 0);
}

// One row per rule of the tally: class, area, department and prefix lists.
struct TallyCase {
  const char* label;
  bool homeIsFrance;
  std::vector<QsoRecord> records;
  BandTally expected;
};

class BandTallyRules : public ::testing::TestWithParam<TallyCase> {};

TEST_P(BandTallyRules, CountsTheBandsRecords) {
  QsoLog log;
  for (const QsoRecord& r : GetParam().records) log.append(r);
  const BandTally t = tallyBand(log, "40m", operatorState(GetParam().homeIsFrance));
  const BandTally& e = GetParam().expected;
  EXPECT_EQ(t.qsos, e.qsos);
  EXPECT_EQ(t.metropolitan, e.metropolitan);
  EXPECT_EQ(t.overseas, e.overseas);
  EXPECT_EQ(t.sameArea, e.sameArea);
  EXPECT_EQ(t.otherArea, e.otherArea);
  EXPECT_EQ(t.departments, e.departments);
  EXPECT_EQ(t.dxcc, e.dxcc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandTallyRules,
    ::testing::Values(
        TallyCase{"AreaDifferingOnlyInCaseIsOther", true,
                  {record("DL1XX", "DL", "eu", "40m", "")}, {1, 0, 0, 0, 1, 0, 1}},
        TallyCase{"EmptyForeignPrefixIsAMultiplierOfItsOwn", true,
                  {record("X1A", "", "EU", "40m", ""), record("X1B", "", "EU", "40m", ""),
                   record("DL1XX", "DL", "EU", "40m", "")},
                  {3, 0, 0, 3, 0, 0, 2}},
        TallyCase{"SameForeignPrefixTwiceCountsOnce", true,
                  {record("DL1XX", "DL", "EU", "40m", ""), record("DL2YY", "DL", "NA", "40m", "")},
                  {2, 0, 0, 1, 1, 0, 1}},
        TallyCase{"FrenchPrefixesAreNotAreaCounted", true,
                  {record("F5A", "F", "NA", "40m", "75"), record("FY5B", "FY", "EU", "40m", "97"),
                   record("TK5C", "TK", "EU", "40m", "2A")},
                  {3, 2, 1, 0, 0, 3, 0}},
        TallyCase{"PrefixMatchIsCaseSensitive", true,
                  {record("F5A", "f", "EU", "40m", "")}, {1, 0, 0, 1, 0, 0, 1}},
        TallyCase{"OtherBandsAndBandCaseAreSkipped", true,
                  {record("F5A", "F", "EU", "20m", "75"), record("F5B", "F", "EU", "40M", "75")},
                  {0, 0, 0, 0, 0, 0, 0}},
        TallyCase{"AbroadOnlyAreasCountAndNoDxcc", false,
                  {record("F5A", "F", "EU", "40m", "75"), record("FY5B", "FY", "NA", "40m", "97"),
                   record("F5C", "F", "EU", "40m", "75")},
                  {3, 0, 0, 2, 1, 2, 0}}),
    [](const ::testing::TestParamInfo<TallyCase>& info) { return info.param.label; });

TEST(BandPoints, WeighsEachClass) {
  BandTally t;
  t.metropolitan = 2;
  t.overseas = 1;
  t.otherArea = 3;
  t.sameArea = 5;
  EXPECT_EQ(bandPoints(t), 12 + 15 + 9 + 5);
}

TEST(ClaimedScore, HeldToTheInt32RangeInsteadOfWrapping) {
  constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(clampedScore(37, 6), 222);
  EXPECT_EQ(clampedScore(65536, 32768), max);
  EXPECT_EQ(clampedScore(std::int64_t{max}, std::int64_t{max}), max);
  EXPECT_EQ(clampedScore(46341, 46340), 2147441940);
  EXPECT_EQ(clampedScore(0, 5), 0);
}

// 12000 overseas QSOs with distinct departments over four bands: 180000
// points times 12000 multipliers is past 2^31 - 1.
TEST(ClaimedScore, RegressionOverflowingProductIsClampedNotWrapped) {
  QsoLog log;
  BandList bands = bandList({"80m", "40m", "20m", "10m"});
  for (int i = 0; i < 12000; ++i) {
    log.append(record("FY" + std::to_string(i), "FY", "SA", bands[i % 4], std::to_string(i)));
  }
  const Summary s = summarize(log, bands, operatorState(true));
  EXPECT_EQ(s.score, std::numeric_limits<std::int32_t>::max());
  EXPECT_NE(s.text.find("Total\t 12000\t 180000\t 12000\t  0\r\nScore  = 2147483647\tVelmorat 2011"),
            std::string::npos);
}

}  // namespace
}  // namespace velmora
