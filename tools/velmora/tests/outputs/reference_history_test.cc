#include "outputs/reference_history.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::cli {
namespace {

TEST(ReferenceHistory, LatestDepartmentOfEachFrenchStationSortedByCall) {
  std::istringstream text(
      "France:14:27:EU:46.00:-2.00:-1.0:F:\n    F;\n"
      "Martinique:08:11:NA:14.6:61.0:4.0:FM:\n    FM;\n"
      "Fed. Rep. of Germany:14:28:EU:51.00:-10.00:-1.0:DL:\n    DL;\n");
  const CountryFile countries = *CountryFile::parse(text.str());
  ReferenceHistory history;
  LogQso qso;
  qso.time = {2012, 3, 10, 6, 0, 0};  // a later contest, taken first
  qso.call = "F6XYZ";
  qso.exchangeReceived = "92";
  history.add(qso, countries);
  EXPECT_EQ(history.passedOver(), 0);
  qso.time = {2011, 3, 12, 6, 0, 0};
  for (auto [call, exchange] : {std::pair{"F6XYZ", "75"}, {"F5ABC", " 2a "}, {"DL1AA", "12"},
                                {"FM5AB", "972"}, {"F8AAA", "99"}, {"F8BBB", "X"}}) {
    qso.call = call;
    qso.exchangeReceived = exchange;
    history.add(qso, countries);
  }
  // FM5AB's 972 does not fit the file; 99 and X are no departments.
  EXPECT_EQ(history.passedOver(), 3);
  EXPECT_EQ(history.size(), 2u);
  EXPECT_EQ(history.text(), "F5ABC 2A\r\nF6XYZ 92\r\n");
}

// A call that would break the reference file's lines is left out, and the
// reason names it.
TEST(ReferenceHistory, TextThatWouldBreakTheFilesLinesIsLeftOutNamingIt) {
  std::istringstream text("France:14:27:EU:46.00:-2.00:-1.0:F:\n    F;\n");
  const CountryFile countries = *CountryFile::parse(text.str());
  ReferenceHistory history;
  LogQso qso;
  qso.time = {2011, 3, 12, 6, 0, 0};
  qso.call = "F6\x1b[2J";
  qso.exchangeReceived = "75";
  EXPECT_EQ(history.add(qso, countries), "the call 'F6\\x1b[2J' holds a control character (\\x1b)");
  qso.call = "F6XYZ";
  qso.exchangeReceived = "7\x7f";  // no department: passed over, as the rule never needs to say
  EXPECT_EQ(history.add(qso, countries), std::nullopt);
  EXPECT_EQ(history.passedOver(), 1);
  qso.exchangeReceived = "75";
  EXPECT_EQ(history.add(qso, countries), std::nullopt);
  EXPECT_EQ(history.text(), "F6XYZ 75\r\n");
}

}  // namespace
}  // namespace velmora::cli
