#include "outputs/summary_table.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

TEST(SummaryTable, FrenchOperatorTableIsAlignedWithTheScoreUnderIt) {
  const std::string summary =
      "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n"
      "40m\t 120\t 654\t 37\t  5\r\n"
      "20m\t 7\t 21\t 2\t  12\r\n"
      "Total\t 127\t 675\t 39\t  17\r\n"
      "Score  = 37800\tVelmorat 2011";
  EXPECT_EQ(formatSummaryTable(summary),
            "Velmorat\n"
            "       QSOs  Points  DEP  DXCC\n"
            "40m     120     654   37     5\n"
            "20m       7      21    2    12\n"
            "Total   127     675   39    17\n"
            "Score  = 37800    Velmorat 2011\n");
}

TEST(SummaryTable, OperatorOutsideFranceHasNoDxccColumn) {
  const std::string summary =
      "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n"
      "10m\t 3\t 9\t 3\r\n"
      "Total\t 3\t 9\t 3\r\n"
      "Score = 27\tVelmorat 2011";
  EXPECT_EQ(formatSummaryTable(summary),
            "Velmorat\n"
            "       QSOs  Points  DEP\n"
            "10m       3       9    3\n"
            "Total     3       9    3\n"
            "Score = 27    Velmorat 2011\n");
}

TEST(SummaryTable, LongBandNameWidensTheFirstColumn) {
  const std::string summary =
      "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n"
      "a-very-long-band\t 1\t 3\t 1\r\nTotal\t 1\t 3\t 1\r\nScore = 3\tVelmorat 2011";
  EXPECT_EQ(formatSummaryTable(summary),
            "Velmorat\n"
            "                  QSOs  Points  DEP\n"
            "a-very-long-band     1       3    1\n"
            "Total                1       3    1\n"
            "Score = 3    Velmorat 2011\n");
}

TEST(SummaryTable, EmptySummaryGivesNoTableAndAnotherShapeComesBackAsItIs) {
  EXPECT_EQ(formatSummaryTable(""), "");
  EXPECT_EQ(formatSummaryTable("No contest\r\nstarted\tyet"), "No contest\nstarted\tyet\n");
}

}  // namespace
}  // namespace velmora::cli
