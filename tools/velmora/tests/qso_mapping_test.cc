#include "qso_mapping.h"

#include <gtest/gtest.h>

#include <sstream>

#include "band_plan.h"
#include "decimal_number.h"
#include "ole_time.h"
#include "time_text.h"

namespace velmora::cli {
namespace {

TEST(OleTime, DaysSinceTheEndOf1899WithTheTimeAsFraction) {
  EXPECT_DOUBLE_EQ(oleDays({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(oleDays({1899, 12, 31, 0, 0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(oleDays({1900, 3, 1, 0, 0, 0}), 61.0);
  EXPECT_DOUBLE_EQ(oleDays({2011, 3, 12, 12, 0, 0}), 40614.5);
  EXPECT_DOUBLE_EQ(oleDays({2011, 3, 12, 6, 5, 30}), 40614.0 + (6 * 3600 + 5 * 60 + 30) / 86400.0);
}

TEST(TimeText, ReadsAdifAndCabrilloDatesAndRefusesImpossibleOnes) {
  CivilTime t;
  EXPECT_TRUE(readDate("20120229", t));
  EXPECT_EQ(t.month, 2);
  EXPECT_TRUE(readDate("2011-03-12", t));
  EXPECT_EQ(t.day, 12);
  EXPECT_FALSE(readDate("20110229", t));
  EXPECT_FALSE(readDate("2011-3-12", t));
  EXPECT_FALSE(readDate("2011031", t));
  EXPECT_FALSE(readDate("2011O312", t));
  EXPECT_TRUE(readTime("2359", t));
  EXPECT_EQ(t.second, 0);
  EXPECT_TRUE(readTime("000059", t));
  EXPECT_EQ(t.second, 59);
  EXPECT_FALSE(readTime("123", t));
  EXPECT_FALSE(readTime("1260", t));
}

struct Frequency {
  const char* text;
  std::optional<std::uint32_t> hz;
};

void PrintTo(const Frequency& frequency, std::ostream* out) {
  *out << '"' << frequency.text << '"';
}

class MegahertzText : public testing::TestWithParam<Frequency> {};

TEST_P(MegahertzText, ParsesExactlyToHz) {
  EXPECT_EQ(megahertzToHz(GetParam().text), GetParam().hz) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    DecimalNumber, MegahertzText,
    testing::Values(Frequency{"14.025", 14025000u}, Frequency{"14.025999", 14025999u},
                    Frequency{"7.1", 7100000u}, Frequency{"0.1357", 135700u},
                    Frequency{"28", 28000000u}, Frequency{".5", 500000u},
                    Frequency{"14.0259999", 14025999u},  // below one Hz dropped
                    Frequency{"4294.967295", 4294967295u}, Frequency{"4294.967296", std::nullopt},
                    Frequency{"", std::nullopt}, Frequency{".", std::nullopt},
                    Frequency{"7,05", std::nullopt}, Frequency{"1.2.3", std::nullopt},
                    Frequency{"-7", std::nullopt}, Frequency{"7.05 ", std::nullopt}));

TEST(DecimalNumber, KilohertzToHz) {
  EXPECT_EQ(kilohertzToHz("14025"), 14025000u);
  EXPECT_EQ(kilohertzToHz("7050.5"), 7050500u);
}

TEST(BandPlan, NamesTheBandOfAFrequencyEdgesIncluded) {
  EXPECT_EQ(bandOf(1800000), "160m");
  EXPECT_EQ(bandOf(3799999), "80m");
  EXPECT_EQ(bandOf(7000000), "40m");
  EXPECT_EQ(bandOf(14350000), "20m");
  EXPECT_EQ(bandOf(28500000), "10m");
  EXPECT_EQ(bandOf(144300000), "2m");
  EXPECT_FALSE(bandOf(14350001));
  EXPECT_FALSE(bandOf(9000000));
}

TEST(QsoMapping, FillsTheHostParametersFromLogAndCountryFile) {
  std::istringstream cty(
      "Guadeloupe: 08: 11: NA: 16.13: 61.67: 4.0: FG:\n FG,=TO5C{SA};\n"
      "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n DL;\n");
  const CountryFile countries = *CountryFile::parse(cty);
  LogQso qso;
  qso.call = "FG5AB";
  qso.time = {2011, 3, 12, 12, 0, 0};
  qso.frequencyHz = 14025999u;
  qso.band = "20m";
  qso.mode = "CW";
  qso.rstSent = "599";
  qso.rstReceived = "579";
  qso.exchangeSent = "69";
  qso.exchangeReceived = "971";
  const host::Qso out = toHostQso(qso, countries);
  EXPECT_EQ(out.call, "FG5AB");
  EXPECT_EQ(out.dxccPrefix, "FG");
  EXPECT_EQ(out.areaTag, "NA");
  EXPECT_EQ(out.band, "20m");
  EXPECT_EQ(out.mode, "CW");
  EXPECT_EQ(out.rstSent, "599");
  EXPECT_EQ(out.rstReceived, "579");
  EXPECT_EQ(out.exchangeSent, "69");
  EXPECT_EQ(out.exchangeReceived, "971");
  EXPECT_EQ(out.frequencyHz, 14025999u);
  EXPECT_DOUBLE_EQ(out.time.days, 40614.5);
  EXPECT_EQ(out.time.status, 0);
}

TEST(QsoMapping, ContinentOfTheLogOverridesTheCountryFile) {
  std::istringstream cty("Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n DL;\n");
  const CountryFile countries = *CountryFile::parse(cty);
  LogQso qso;
  qso.call = "DL1ABC";
  qso.continent = "AF";
  EXPECT_EQ(toHostQso(qso, countries).areaTag, "AF");
  qso.call = "JA1ABC";  // unknown to the country file
  EXPECT_EQ(toHostQso(qso, countries).dxccPrefix, "");
  qso.continent = "";
  EXPECT_EQ(toHostQso(qso, countries).areaTag, "");
  EXPECT_EQ(toHostQso(qso, countries).frequencyHz, 0u);
}

}  // namespace
}  // namespace velmora::cli
