#pragma once
// The sections of the report page, each a piece of HTML built from the
// replayed contest; report_page puts them together.

#include <string>

#include "report/contest_charts.h"
#include "report/contest_timeline.h"
#include "outputs/summary_figures.h"

namespace velmora::cli::report {

struct ReportSubject {
  std::string ownCall;
  std::string logName;  // the log's file name, without its folder
};

// The station, the contest period found in the log and the headline
// figures of the plug-in's summary, then the summary's per-band table.
std::string summarySection(const ReportSubject& subject, const ContestTimeline& timeline,
                           const SummaryFigures& figures);

// QSOs per hour by band, the claimed score over time and the new
// multipliers per hour; a short note instead when no QSO counted.
std::string chartSections(const ContestCharts& charts, const SummaryFigures& figures);

// The department grid with the bands each department was worked on.
std::string departmentSection(const ContestCharts& charts);

// What was left out: malformed records, refused QSOs and repeats, with
// counts, then (when there are any) stations in no DXCC entity, repeats
// logged anyway, and the QSOs outside the period or the bands.
std::string leftOutSection(const ContestTimeline& timeline);

}  // namespace velmora::cli::report
