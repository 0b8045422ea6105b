#pragma once
// The report page of a replayed contest: one self-contained HTML file
// (inline CSS and SVG, no script, no font or other file to fetch) that
// reads on a phone and prints in black and white.

#include <string>

#include "report/contest_timeline.h"
#include "report/page_sections.h"

namespace velmora::cli::report {

std::string reportPage(const ReportSubject& subject, const ContestTimeline& timeline);

}  // namespace velmora::cli::report
