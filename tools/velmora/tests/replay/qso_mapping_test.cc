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

// Each text the plug-in is handed, checked by the one rule and named with
// an excerpt; the first one that breaks it is told.
TEST(QsoMapping, TextThatBreaksTheRuleIsNamedBeforeTheHandOver) {
  struct Case {
    std::string host::Qso::*field;
    std::string text;
    const char* fault;
  };
  const Case cases[] = {
      {&host::Qso::rstReceived, "59 9", "the received report '59 9' holds a blank"},
      {&host::Qso::call, std::string("F5\0AB", 5), "the call 'F5\\x00AB' holds a NUL byte"},
      {&host::Qso::exchangeReceived, "7\x1b[5m", "the received exchange '7\\x1b[5m' holds a control character (\\x1b)"},
      {&host::Qso::exchangeSent, "69\b", "the sent exchange '69\\x08' holds a control character (\\x08)"},
      {&host::Qso::band, "40m\r\nscore", "the band '40m\\r\\nscore' holds a control character (\\r)"},
      {&host::Qso::mode, "CW ", "the mode 'CW ' holds a blank"},
      {&host::Qso::areaTag, "E\x7f", "the continent 'E\\x7f' holds a control character (\\x7f)"},
      {&host::Qso::dxccPrefix, "9A 1", "the DXCC prefix '9A 1' holds a blank"},
  };
  host::Qso good;
  good.call = "DL1ABC";
  EXPECT_EQ(handOverFault(good), std::nullopt);
  for (const Case& c : cases) {
    host::Qso qso = good;
    qso.*c.field = c.text;
    EXPECT_EQ(handOverFault(qso), c.fault);
  }
  host::Qso both = good;
  both.rstSent = "5 9";
  both.exchangeReceived = "1 2";
  EXPECT_EQ(handOverFault(both), "the sent report '5 9' holds a blank");
}

}  // namespace
}  // namespace velmora::cli
