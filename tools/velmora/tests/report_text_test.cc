// What the report page is made of besides its charts: the plug-in's summary
// read back, the counts behind the charts, UTC times, and text made safe
// for HTML and SVG.

#include <gtest/gtest.h>

#include "report/contest_charts.h"
#include "report/markup.h"
#include "report/page_sections.h"
#include "report/summary_figures.h"
#include "report/utc_time.h"

namespace velmora::cli::report {
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

struct TimeCase {
  CivilTime time;
  long long hour;
  const char* day;
};

TEST(UtcTime, HoursCountFrom1970BothWaysAndNameTheirDay) {
  const TimeCase cases[] = {
      {{1970, 1, 1, 0, 0, 0}, 0, "Thu 1 Jan"},
      {{1970, 1, 1, 0, 59, 59}, 0, "Thu 1 Jan"},
      {{1969, 12, 31, 23, 59, 59}, -1, "Wed 31 Dec"},
      {{2011, 3, 12, 6, 4, 47}, 361086, "Sat 12 Mar"},
      {{2000, 2, 29, 12, 0, 0}, 264396, "Tue 29 Feb"},
      {{1900, 3, 1, 0, 0, 0}, -612192, "Thu 1 Mar"},
  };
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(minuteText(c.time));
    EXPECT_EQ(utcHour(c.time), c.hour);
    EXPECT_EQ(dayLabel(c.hour), c.day);
    const CivilTime start = startOfHour(c.hour);
    EXPECT_EQ(minuteText(start), minuteText({c.time.year, c.time.month, c.time.day,
                                             c.time.hour, 0, 0}));
  }
  EXPECT_EQ(minuteText({2011, 3, 12, 6, 4, 47}), "2011-03-12 06:04");
  EXPECT_TRUE(earlier({2011, 3, 12, 6, 4, 46}, {2011, 3, 12, 6, 4, 47}));
  EXPECT_FALSE(earlier({2011, 3, 12, 6, 4, 47}, {2011, 3, 12, 6, 4, 47}));
}

struct EscapeCase {
  const char* text;
  const char* safe;
};

TEST(Markup, EscapesMarkupAndReplacesWhatIsNotUtf8OrNotAllowedInXml) {
  const EscapeCase cases[] = {
      {"F5VEL", "F5VEL"},
      {"<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
      {"R\xC3\xA9union \xE2\x80\x93 ok", "R\xC3\xA9union \xE2\x80\x93 ok"},
      {"\xE9t\xE9", "\xEF\xBF\xBDt\xEF\xBF\xBD"},          // Latin-1
      {"a\x01" "b\x7F", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},  // control characters
      {"tab\tline\n", "tab\tline\n"},
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},            // overlong
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"end\xE2\x82", "end\xEF\xBF\xBD\xEF\xBF\xBD"},      // cut short
  };
  for (const EscapeCase& c : cases) EXPECT_EQ(escaped(c.text), c.safe) << c.text;
  EXPECT_EQ(escaped(std::string("a\0b", 3)), "a\xEF\xBF\xBD" "b");
}

TEST(Markup, CoordinatesAndAxisNumbers) {
  const std::pair<double, const char*> coordinates[] = {
      {12.0, "12"}, {12.46, "12.5"}, {-0.04, "0"}, {-3.0, "-3"}, {0.05, "0.1"}};
  for (const auto& [value, text] : coordinates) EXPECT_EQ(coordinate(value), text) << value;
  const std::pair<long long, const char*> numbers[] = {
      {950, "950"},       {9999, "9999"},     {10000, "10k"},   {350000, "350k"},
      {1500000, "1.5M"},  {1250000, "1.25M"}, {40000000, "40M"}, {-20000, "-20k"}};
  for (const auto& [value, text] : numbers) EXPECT_EQ(compactNumber(value), text) << value;
}

QsoStep step(CivilTime time, const std::string& band, int verdict, bool counted,
             const std::string& department, long long score) {
  QsoStep s;
  s.time = time;
  s.band = band;
  s.verdict = verdict;
  s.accepted = true;
  s.counted = counted;
  s.department = department;
  s.score = score;
  return s;
}

TEST(ContestCharts, CountsOnlyWhatThePluginCountedInTheHourItWasMade) {
  ContestTimeline timeline;
  timeline.steps = {
      step({2011, 3, 12, 6, 10, 0}, "40m", kNewDepartment, true, "75", 6),
      step({2011, 3, 12, 6, 50, 0}, "80m", kNewDxcc, true, "", 14),
      step({2011, 3, 12, 6, 51, 0}, "80m", kDuplicate, false, "", 14),  // a repeat
      step({2011, 3, 12, 8, 5, 0}, "12m", kNoNewMultiplier, true, "13", 20),
  };
  const ContestCharts charts = contestCharts(timeline, {"80m", "40m"});
  EXPECT_EQ(charts.bands, (std::vector<std::string>{"80m", "40m", "12m"}));
  ASSERT_TRUE(charts.bins);
  EXPECT_EQ(charts.bins->count, 3);  // 06:00, 07:00 and 08:00
  EXPECT_EQ(charts.qsos, (CountTable{{1, 1, 0}, {0, 0, 0}, {0, 0, 1}}));
  EXPECT_EQ(charts.newMultipliers, (CountTable{{1, 1}, {0, 0}, {0, 0}}));
  EXPECT_EQ(charts.newDepartments, 1);
  EXPECT_EQ(charts.newDxcc, 1);
  ASSERT_EQ(charts.departments.size(), 2u);
  EXPECT_EQ(charts.departments[0].department, "75");
  EXPECT_EQ(charts.departments[0].band, 1);
  EXPECT_EQ(charts.departments[1].department, "13");
  EXPECT_EQ(charts.departments[1].band, 2);
  ASSERT_EQ(charts.scores.size(), 4u);  // the host sees the score after every QSO
  EXPECT_EQ(charts.scores[2].score, 14);
}

TEST(ContestCharts, NothingCountedGivesNoTimeAxis) {
  ContestTimeline timeline;
  timeline.steps = {step({2011, 3, 12, 6, 10, 0}, "40m", kNoNewMultiplier, false, "75", 0)};
  const ContestCharts charts = contestCharts(timeline, {"40m"});
  EXPECT_FALSE(charts.bins);
  EXPECT_TRUE(charts.qsos.empty());
  EXPECT_TRUE(charts.departments.empty());
}

TEST(LeftOutSection, CountsAndListsWhatTheReplayLeftOut) {
  ContestTimeline timeline;
  timeline.replay.read = 9;
  timeline.replay.accepted = 3;
  timeline.replay.skipped = {{9, "bad date"}};
  timeline.replay.refused = {{4, "F6BBB", "mode"}, {2, "DL1XX", "mode"}};
  timeline.replay.repeats = {{5, "F5AAA", "record 1 on 40m"}};
  timeline.replay.noEntity = {{7, "F6X/MM", "/MM is in no DXCC entity"}};
  timeline.replay.outsidePeriod = 1;
  timeline.steps = {step({2011, 3, 12, 6, 10, 0}, "40m", kNewDepartment, true, "75", 6),
                    step({2011, 3, 12, 6, 20, 0}, "40m", kNoNewMultiplier, true, "75", 6),
                    step({2011, 3, 12, 6, 30, 0}, "20m", kNewDxcc, true, "", 14)};
  timeline.steps[1].counted = false;  // a repeat logged with --keep-repeats
  timeline.steps[1].record = 6;
  timeline.steps[1].call = "F5AAA";
  const std::string html = leftOutSection(timeline);
  const char* const expected[] = {
      "Of 9 records read, the plug-in counted 2 QSOs.",
      "<th scope=\"row\">Skipped as malformed</th><td>1</td>",
      "<th scope=\"row\">Refused by the plug-in: mode</th><td>2</td>",
      "<th scope=\"row\">Repeats on a band, not logged</th><td>1</td>",
      "<th scope=\"row\">In no DXCC entity, not scored</th><td>1</td>",
      "<th scope=\"row\">Repeats logged anyway, counted once</th><td>1</td>",
      "<th scope=\"row\">Outside the contest period</th><td>1</td>",
      "<li>record 2: DL1XX refused by the plug-in: mode</li><li>record 4: ",
      "<li>record 5: F5AAA not logged: repeats record 1 on 40m</li>"
      "<li>record 6: F5AAA on 40m logged, but the plug-in counted it once only</li>"
      "<li>record 7: F6X/MM not scored: /MM is in no DXCC entity</li>"
      "<li>record 9: skipped as malformed: bad date</li></ul>",
  };
  for (const char* part : expected) EXPECT_NE(html.find(part), std::string::npos) << part;
  EXPECT_EQ(html.find("On other bands"), std::string::npos);  // none: no row
}

}  // namespace
}  // namespace velmora::cli::report
