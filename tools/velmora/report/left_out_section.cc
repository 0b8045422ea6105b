#include "report/page_sections.h"

#include <algorithm>
#include <map>

#include "report/markup.h"

namespace velmora::cli::report {
namespace {

constexpr std::size_t kListedRecords = 100;

struct LeftOut {
  int record = 0;
  std::string text;
};

std::string countRow(const std::string& what, std::size_t count) {
  return "<tr><th scope=\"row\">" + what + "</th><td>" + std::to_string(count) + "</td></tr>";
}

}  // namespace

std::string leftOutSection(const ContestTimeline& timeline) {
  const LogTally& tally = timeline.tally;
  std::vector<LeftOut> records;
  for (const SkippedRecord& skipped : tally.skipped) {
    records.push_back({skipped.record, "skipped as malformed: " + skipped.reason});
  }
  std::map<std::string, std::size_t> reasons;
  for (const NotedQso& refused : tally.refused) {
    records.push_back({refused.record, refused.call + " refused by the plug-in: " + refused.reason});
    ++reasons[refused.reason];
  }
  for (const NotedQso& repeat : tally.repeats) {
    records.push_back({repeat.record, repeat.call + " not logged: repeats " + repeat.reason});
  }
  for (const NotedQso& noEntity : tally.noEntity) {
    records.push_back({noEntity.record, noEntity.call + " not scored: " + noEntity.reason});
  }
  for (const QsoStep& step : timeline.steps) {
    if (step.accepted && !step.counted) {
      records.push_back({step.record, step.call + " on " + step.band +
                                          " logged, but the plug-in counted it once only"});
    }
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const LeftOut& a, const LeftOut& b) { return a.record < b.record; });

  std::string html =
      "<section><h2>Left out</h2><p>Of " + std::to_string(tally.read()) +
      " records read, the plug-in counted " + std::to_string(timeline.countedQsos()) +
      " QSOs.</p><table class=\"left\">" +
      countRow("Skipped as malformed", tally.skipped.size());
  for (const auto& [reason, count] : reasons) {
    html += countRow("Refused by the plug-in: " + escaped(reason), count);
  }
  if (reasons.empty()) html += countRow("Refused by the plug-in", 0);
  html += countRow("Repeats on a band, not logged", tally.repeats.size());
  // What only some logs or options give, when there is any.
  const std::pair<const char*, std::size_t> rare[] = {
      {"In no DXCC entity, not scored", tally.noEntity.size()},
      {"Repeats logged anyway, counted once", static_cast<std::size_t>(timeline.uncounted())},
      {"Outside the contest period", static_cast<std::size_t>(tally.outsidePeriod)},
      {"On other bands", static_cast<std::size_t>(tally.otherBands)},
      {"X-QSO lines, not for scoring", static_cast<std::size_t>(tally.notForScoring)},
  };
  for (const auto& [what, count] : rare) {
    if (count > 0) html += countRow(what, count);
  }
  html += "</table>";
  if (records.empty()) return html + "</section>";
  html += "<ul class=\"records\">";
  for (std::size_t i = 0; i < records.size() && i < kListedRecords; ++i) {
    html += "<li>record " + std::to_string(records[i].record) + ": " + escaped(records[i].text) +
            "</li>";
  }
  if (records.size() > kListedRecords) {
    html += "<li>and " + std::to_string(records.size() - kListedRecords) +
            " more</li>";
  }
  return html + "</ul></section>";
}

}  // namespace velmora::cli::report
