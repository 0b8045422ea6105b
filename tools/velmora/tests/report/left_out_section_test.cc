#include "report/page_sections.h"

#include <gtest/gtest.h>

#include "report/qso_steps.h"

namespace velmora::cli::report {
namespace {

using Code = host::CallCheckCode;

TEST(LeftOutSection, CountsAndListsWhatTheReplayLeftOut) {
  ContestTimeline timeline;
  timeline.tally.kept = 7;  // with a record skipped and one outside the period: 9 read
  timeline.tally.accepted = 3;
  timeline.tally.skipped = {{9, "bad date", {}}};
  timeline.tally.refused = {{4, "F6BBB", "mode"}, {2, "DL1XX", "mode"}};
  timeline.tally.repeats = {{5, "F5AAA", "record 1 on 40m"}};
  timeline.tally.noEntity = {{7, "F6X/MM", "/MM is in no DXCC entity"}};
  timeline.tally.outsidePeriod = 1;
  timeline.steps = {step({2011, 3, 12, 6, 10, 0}, "40m", Code::NewDepartment, true, "75", 6),
                    step({2011, 3, 12, 6, 20, 0}, "40m", Code::NoNewMultiplier, true, "75", 6),
                    step({2011, 3, 12, 6, 30, 0}, "20m", Code::NewDxcc, true, "", 14)};
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
