#pragma once
// The report page of a replayed contest: one self-contained HTML file
// (inline CSS and SVG, no script, no font or other file to fetch) that
// reads on a phone and prints in black and white.

#include <string>

#include "report/contest_timeline.h"
#include "report/page_sections.h"

namespace velmora::cli::report {

std::string reportPage(const ReportSubject& subject, const ContestTimeline& timeline);

// What the live page shares with the report page. The contest's sections:
// the summary, the charts, the departments and what was left out.
std::string reportSections(const ReportSubject& subject, const ContestTimeline& timeline);
// A page of `body` under `title`, with the report's style and `moreStyle`,
// and the content policy `policy` (what the page may fetch).
std::string reportDocument(const std::string& title, const std::string& policy,
                           const std::string& moreStyle, const std::string& body);
// "F5VEL – Velmorat": the station and the contest.
std::string reportTitle(const ReportSubject& subject, const ContestTimeline& timeline);

}  // namespace velmora::cli::report
