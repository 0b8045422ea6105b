#include "report/page_sections.h"

#include "report/markup.h"
#include "report/time_charts.h"

namespace velmora::cli::report {
namespace {

// "hour" or "2 hours", "day" or "3 days".
std::string binName(const TimeBins& bins) {
  const int hours = bins.hoursPerBin;
  if (hours % 24 == 0) return hours == 24 ? "day" : std::to_string(hours / 24) + " days";
  return hours == 1 ? "hour" : std::to_string(hours) + " hours";
}

std::string section(const std::string& heading, const std::string& chart,
                    const std::string& note) {
  return "<section><h2>" + heading + "</h2><div class=\"chart\">" + chart + "</div>" +
         (note.empty() ? "" : "<p class=\"note\">" + note + "</p>") + "</section>";
}

// "DEP 169 and DXCC 44": the summary's multiplier totals (no DXCC column for
// an operator outside France).
std::string multiplierTotals(const SummaryFigures& figures) {
  std::string text;
  for (const char* head : {"DEP", "DXCC"}) {
    const std::optional<long long> total = totalUnder(figures, head);
    if (!total) continue;
    text += (text.empty() ? "" : " and ") + std::string(head) + " " + std::to_string(*total);
  }
  return text.empty() ? "no multiplier" : text;
}

}  // namespace

std::string chartSections(const ContestCharts& charts, const SummaryFigures& figures) {
  if (!charts.bins) {
    return "<section><h2>Rate</h2><p>The plug-in counted no QSO of this log, so there is "
           "nothing to chart.</p></section>";
  }
  const TimeBins& bins = *charts.bins;
  const std::string per = "per " + binName(bins);

  ChartText rate{"rate", "QSOs " + per + ", stacked by band", "QSOs " + per, "Time (UTC)",
                 charts.bands};
  std::string html = section("Rate", stackedBarChart(rate, bins, charts.qsos),
                             "Each QSO the plug-in counted, in the hour it was made.");

  ChartText score{"score", "Claimed score after each QSO", "Score (points \xC3\x97 mult.)",
                  "Time (UTC)", {"claimed score"}};
  html += section("Score", scoreLineChart(score, bins, charts.scores),
                  "From the plug-in's summary after each QSO, as the logging host shows it "
                  "during the contest: points times multipliers. Final claimed score: " +
                      escaped(figures.score) + ".");

  ChartText multipliers{"mult", "New multipliers " + per + ", as the call check announced them",
                        "Multipliers " + per, "Time (UTC)",
                        {"departments (NewDepartment)", "DXCC prefixes (NewDxcc)"}};
  html += section(
      "Multipliers", stackedBarChart(multipliers, bins, charts.newMultipliers),
      "The call check's verdict just before each QSO the plug-in counted. It announced " +
          std::to_string(charts.newDepartments) + " new departments and " +
          std::to_string(charts.newDxcc) + " new DXCC prefixes; the summary counts " +
          multiplierTotals(figures) + ". The call check knows a station's department only from Plugins/ref.txt, so a "
          "station missing there is never announced as a new department.");
  return html;
}

}  // namespace velmora::cli::report
