#include "replay/qso_mapping.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::cli {
namespace {

TEST(QsoMapping, CountryFileGivesPrefixAndContinentAndTheTimeIsTheHostsDayCount) {
  std::istringstream cty(
      "Guadeloupe: 08: 11: NA: 16.13: 61.67: 4.0: FG:\n FG,=TO5C{SA};\n"
      "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n DL;\n");
  const CountryFile countries = *CountryFile::parse(cty.str());
  LogQso qso;
  qso.call = "FG5AB";
  qso.time = {2011, 3, 12, 12, 0, 0};
  qso.frequencyHz = 14025999u;
  host::Qso out = toHostQso(qso, countries);
  EXPECT_EQ(out.dxccPrefix, "FG");
  EXPECT_EQ(out.areaTag, "NA");
  EXPECT_EQ(out.frequencyHz, 14025999u);
  EXPECT_DOUBLE_EQ(out.time.days, 40614.5);
  EXPECT_EQ(out.time.status, 0);
  qso.call = "TO5C";  // an exact call with its own continent
  EXPECT_EQ(toHostQso(qso, countries).areaTag, "SA");
}

TEST(QsoMapping, ContinentOfTheLogOverridesTheCountryFile) {
  std::istringstream cty("Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n DL;\n");
  const CountryFile countries = *CountryFile::parse(cty.str());
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
