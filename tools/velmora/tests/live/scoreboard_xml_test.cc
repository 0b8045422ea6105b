// What the scoreboards receive, and /summary.json's texts.

#include "live/scoreboard_xml.h"

#include <gtest/gtest.h>

#include "live/summary_json.h"

namespace velmora::cli {
namespace {

const char* const kSummary =
    "\tVelmorat \r\n\tQSOs\tPoints\t DEP\t DXCC\r\n80m\t 69\t 356\t 39\t  9\r\n"
    "6m\t 1\t 1\t 0\t  1\r\nTotal\t 70\t 357\t 39\t  10\r\nScore  = 17493\tVelmorat 2011\r\n";

TEST(ScoreboardXml, BreakdownPerBandFromThePluginsSummary) {
  HeaderAnswers header;
  header.operators = "F5VEL F4ABC";
  header.club = "Radio Club <Paris>";
  header.power = " low 100 watt";
  const std::string xml =
      scoreboardXml("F5VEL", header, readSummaryFigures(kSummary), {2011, 3, 12, 6, 1, 2});
  for (const char* part :
       {"<dynamicresults>\n<contest>Velmora</contest>\n<call>F5VEL</call>\n<ops>F5VEL F4ABC</ops>",
        "<class power=\"LOW\" assisted=\"\" transmitter=\"\" ops=\"\" bands=\"\" mode=\"MIXED\"/>",
        "<club>Radio Club &lt;Paris&gt;</club>",
        "<qso band=\"total\" mode=\"ALL\">70</qso><point band=\"total\" mode=\"ALL\">357</point>"
        "<mult band=\"total\" mode=\"ALL\" type=\"department\">39</mult>"
        "<mult band=\"total\" mode=\"ALL\" type=\"dxcc\">10</mult>",
        "<qso band=\"80\" mode=\"ALL\">69</qso>", "<qso band=\"50\" mode=\"ALL\">1</qso>",
        "<score>17493</score>\n<timestamp>2011-03-12 06:01:02</timestamp>"}) {
    EXPECT_NE(xml.find(part), std::string::npos) << part << "\n" << xml;
  }
  header.power = "100 watt";
  EXPECT_NE(scoreboardXml("F5VEL", header, readSummaryFigures(""), {2011, 3, 12, 6, 1, 2})
                .find("<class power=\"\""),
            std::string::npos);
}

TEST(SummaryJson, StringsAreValidJsonWhateverTheBytes) {
  EXPECT_EQ(jsonString("Score  = 1\tVelmorat\r\n"), "\"Score  = 1\\tVelmorat\\r\\n\"");
  EXPECT_EQ(jsonString("say \"hi\" \\ </script>"), "\"say \\\"hi\\\" \\\\ </script>\"");
  EXPECT_EQ(jsonString(std::string("a\0b\x1f", 4)), "\"a\\u0000b\\u001f\"");
  EXPECT_EQ(jsonString("caf\xC3\xA9 \xE9t\xE9"), "\"caf\xC3\xA9 \\ufffdt\\ufffd\"");
}

}  // namespace
}  // namespace velmora::cli
