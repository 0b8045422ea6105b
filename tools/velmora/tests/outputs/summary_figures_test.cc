#include "outputs/summary_figures.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

// The example log's summary, byte for byte as the plug-in returns it.
const char* const kFrenchSummary =
    "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n"
    "80m\t 69\t 356\t 39\t  9\r\n40m\t 59\t 290\t 30\t  9\r\n"
    "Total\t 318\t 1625\t 169\t  44\r\nScore  = 346125\tVelmorat 2011";

TEST(SummaryFigures, ReadsBackEveryPartAsThePluginWroteIt) {
  const SummaryFigures figures = readSummaryFigures(kFrenchSummary);
  ASSERT_TRUE(figures.complete);
  EXPECT_EQ(figures.title, "Velmorat");
  EXPECT_EQ(figures.heads, (std::vector<std::string>{"QSOs", "Points", "DEP", "DXCC"}));
  ASSERT_EQ(figures.bands.size(), 2u);
  EXPECT_EQ(figures.bands[0].label, "80m");
  EXPECT_EQ(figures.bands[0].values, (std::vector<std::string>{"69", "356", "39", "9"}));
  EXPECT_EQ(figures.bands[1].label, "40m");
  EXPECT_EQ(figures.total.label, "Total");
  EXPECT_EQ(figures.total.values, (std::vector<std::string>{"318", "1625", "169", "44"}));
  EXPECT_EQ(figures.score, "346125");
  EXPECT_EQ(figures.scoreNote, "Velmorat 2011");
  EXPECT_EQ(totalUnder(figures, "QSOs"), 318);
  EXPECT_EQ(totalUnder(figures, "DXCC"), 44);
  EXPECT_EQ(totalUnder(figures, "Score"), std::nullopt);
}

TEST(SummaryFigures, OperatorOutsideFranceHasNoDxccColumn) {
  const SummaryFigures figures = readSummaryFigures(
      "\tVelmorat \r\n\tQSOs\tPoints\t DEP\r\n14\t 1\t 1\t  1\r\n7\t 3\t 5\t  3\r\n"
      "Total\t 4\t 6\t  4\r\nScore = 24\tVelmorat 2011");
  ASSERT_TRUE(figures.complete);
  EXPECT_EQ(figures.heads, (std::vector<std::string>{"QSOs", "Points", "DEP"}));
  EXPECT_EQ(figures.score, "24");
  EXPECT_EQ(totalUnder(figures, "DEP"), 4);
  EXPECT_EQ(totalUnder(figures, "DXCC"), std::nullopt);
}

TEST(SummaryFigures, TextsOfAnotherShapeAreNotComplete) {
  for (const char* text :
       {"", "Score = 1", "\tVelmorat \r\n\tQSOs\r\nTotal\t 1\r\n",
        "\tVelmorat \r\n\tQSOs\r\n7\t 1\r\nTotal\t 1\r\nScore 1\tVelmorat 2011",
        "\tVelmorat \r\n\tQSOs\r\n7\t 1\r\nSum\t 1\r\nScore = 1\tVelmorat 2011"}) {
    EXPECT_FALSE(readSummaryFigures(text).complete) << text;
  }
}

TEST(SummaryFigures, WholeNumbersOnly) {
  EXPECT_EQ(wholeNumber("346125"), 346125);
  EXPECT_EQ(wholeNumber("-7"), -7);
  for (const char* text : {"", "12a", "1.5", "x", "99999999999999999999"}) {
    EXPECT_EQ(wholeNumber(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace velmora::cli
