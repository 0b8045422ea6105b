#include "report/page_sections.h"

#include "report/markup.h"
#include "report/utc_time.h"

namespace velmora::cli::report {
namespace {

// What the summary's column heads stand for.
std::string meaningOf(const std::string& head) {
  if (head == "DEP") return "departments";
  if (head == "DXCC") return "DXCC prefixes";
  return "";
}

std::string periodOf(const ContestTimeline& timeline) {
  if (timeline.steps.empty()) return "no QSO in the log";
  CivilDateTime first = timeline.steps.front().time, last = first;
  for (const QsoStep& step : timeline.steps) {
    if (earlier(step.time, first)) first = step.time;
    if (earlier(last, step.time)) last = step.time;
  }
  return minuteText(first) + " \xE2\x80\x93 " + minuteText(last) + " UTC";
}

std::string figure(const std::string& label, const std::string& meaning, const std::string& value,
                   const std::string& kind) {
  return "<div class=\"figure" + kind + "\"><span>" + escaped(label) +
         (meaning.empty() ? "" : " <small>" + meaning + "</small>") + "</span><b>" +
         escaped(value) + "</b></div>";
}

std::string row(const SummaryRow& cells, const char* cell) {
  std::string html = "<tr><th scope=\"row\">" + escaped(cells.label) + "</th>";
  for (const std::string& value : cells.values) {
    html += std::string("<") + cell + ">" + escaped(value) + "</" + cell + ">";
  }
  return html + "</tr>";
}

}  // namespace

std::string summarySection(const ReportSubject& subject, const ContestTimeline& timeline,
                           const SummaryFigures& figures) {
  std::string html = "<header><h1>" + escaped(subject.ownCall) + " <small>" +
                     escaped(figures.title) + "</small></h1><p class=\"period\">" +
                     periodOf(timeline) + " &middot; log " + escaped(subject.logName) + "</p>";
  if (!figures.complete) {
    return html + "</header><section><h2>Summary</h2><p>The plug-in's summary did not have its "
                  "usual shape; here it is as the plug-in returned it:</p><pre>" +
           escaped(timeline.summary) + "</pre></section>";
  }
  html += "<div class=\"figures\">" + figure("Claimed score", "", figures.score, " score");
  for (std::size_t i = 0; i < figures.heads.size() && i < figures.total.values.size(); ++i) {
    html += figure(figures.heads[i], meaningOf(figures.heads[i]), figures.total.values[i], "");
  }
  html += "</div><p class=\"note\">As the plug-in's own summary gives them (" +
          escaped(figures.scoreNote) + ").</p></header>";

  html += "<section><h2>Per band</h2><table class=\"bands\"><thead><tr><th scope=\"col\">Band</th>";
  for (const std::string& head : figures.heads) html += "<th scope=\"col\">" + escaped(head) + "</th>";
  html += "</tr></thead><tbody>";
  for (const SummaryRow& band : figures.bands) html += row(band, "td");
  html += "</tbody><tfoot>" + row(figures.total, "td") + "</tfoot></table></section>";
  return html;
}

}  // namespace velmora::cli::report
