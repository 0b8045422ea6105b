#include "report/report_page.h"

#include "report/contest_charts.h"
#include "report/markup.h"
#include "outputs/summary_figures.h"

namespace velmora::cli::report {
namespace {

// The page fetches nothing: the browser is told so, and says so on its
// console should anything ever try.
constexpr const char* kPolicy = "default-src 'none'; style-src 'unsafe-inline'";

constexpr const char* kStyle = R"(
*{box-sizing:border-box}
body{margin:0 auto;max-width:920px;padding:12px 16px;color:#111;background:#fff;
 font:15px/1.45 system-ui,"Segoe UI",Roboto,"DejaVu Sans",Arial,sans-serif;
 -webkit-print-color-adjust:exact;print-color-adjust:exact}
h1{font-size:1.7em;margin:.1em 0}h1 small{font-size:.55em;font-weight:normal;color:#444}
h2{font-size:1.2em;margin:1.4em 0 .4em;border-bottom:2px solid #111}
h3{font-size:1em;margin:1em 0 .4em}
.period{margin:0 0 .6em;color:#333}
.note{font-size:.9em;color:#333;margin:.4em 0}
.figures{display:flex;flex-wrap:wrap;gap:8px}
.figure{border:1px solid #777;border-radius:6px;padding:4px 12px;min-width:6.5em}
.figure span{display:block;font-size:.85em;color:#333}
.figure small{color:#555}
.figure b{font-size:1.5em}
.figure.score{border:2px solid #111}
table{border-collapse:collapse;font-variant-numeric:tabular-nums}
th,td{padding:3px 12px;text-align:right;border-bottom:1px solid #bbb}
th[scope=row]{text-align:left}
thead th{border-bottom:2px solid #111}
tfoot td,tfoot th{border-top:2px solid #111;font-weight:bold}
.chart{overflow-x:auto}
.chart svg{display:block;width:100%;min-width:600px;height:auto}
svg text{font-size:12px;fill:#111}
svg .title{font-size:15px;font-weight:bold}
svg .values text{text-anchor:end}
svg .times text,svg .axis-title{text-anchor:middle}
svg .day{font-weight:bold}
svg .axis-title{font-size:13px}
svg .grid path{stroke:#ccc;stroke-width:1}
svg .times path,svg .axis{stroke:#111;fill:none;stroke-width:1}
svg .bars rect{stroke:#fff;stroke-width:.6}
svg .area{fill-opacity:.35}
svg .line{fill:none;stroke:#111;stroke-width:2}
.depts{display:grid;grid-template-columns:repeat(auto-fill,minmax(5.2em,1fr));gap:4px}
.cell{border:1px solid #777;border-radius:4px;padding:2px 3px;text-align:center;line-height:1.2}
.cell b{display:block}
.cell small{display:block;font-size:.75em;color:#333}
.cell.missing{border:2px dashed #D55E00;background:#fdeee4;color:#7a2d00}
.marks{display:flex;flex-wrap:wrap;justify-content:center;gap:1px;margin:2px 0}
i{display:inline-block;width:10px;height:10px;border:1px solid #555}
i.w{border:5px solid #0072B2;background:#0072B2}
.legend span{margin-right:1.2em;white-space:nowrap}
.legend i{margin-right:4px;vertical-align:-1px}
.legend .cell{display:inline-block;padding:0 6px}
.records{font-size:.9em;columns:2 22em}
footer{margin-top:2em;font-size:.85em;color:#444;border-top:1px solid #bbb}
@media print{body{max-width:none;font-size:10.5pt}.chart svg{min-width:0}
 section,.chart{break-inside:avoid}}
)";

std::vector<std::string> bandsOf(const SummaryFigures& figures) {
  std::vector<std::string> bands;
  for (const SummaryRow& row : figures.bands) bands.push_back(row.label);
  return bands;
}

}  // namespace

std::string reportSections(const ReportSubject& subject, const ContestTimeline& timeline) {
  const SummaryFigures figures = readSummaryFigures(timeline.summary);
  const ContestCharts charts = contestCharts(timeline, bandsOf(figures));
  return summarySection(subject, timeline, figures) + "\n" + chartSections(charts, figures) +
         "\n" + departmentSection(charts) + "\n" + leftOutSection(timeline);
}

std::string reportDocument(const std::string& title, const std::string& policy,
                           const std::string& moreStyle, const std::string& body) {
  return std::string("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">") +
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">" +
         "<meta http-equiv=\"Content-Security-Policy\" content=\"" + policy + "\">" +
         "<title>" + escaped(title) + "</title><style>" + kStyle + moreStyle +
         "</style></head>\n<body>" + body + "</body></html>\n";
}

std::string reportTitle(const ReportSubject& subject, const ContestTimeline& timeline) {
  return subject.ownCall + " \xE2\x80\x93 " + readSummaryFigures(timeline.summary).title;
}

std::string reportPage(const ReportSubject& subject, const ContestTimeline& timeline) {
  return reportDocument(reportTitle(subject, timeline) + " contest report", kPolicy, "",
                        reportSections(subject, timeline) +
                            "\n<footer><p>Made by velmora report from " +
                            escaped(subject.logName) +
                            ": the log replayed through the plug-in, with its own summary after "
                            "each QSO and its call check before each. Times in UTC.</p></footer>");
}

}  // namespace velmora::cli::report
