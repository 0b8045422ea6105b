#pragma once
// The page's two kinds of chart over the contest's time, as SVG: bars per
// time bin stacked by series, and the claimed score as a step line.

#include <string>
#include <vector>

#include "report/chart_frame.h"
#include "report/score_steps.h"
#include "report/stacked_bars.h"
#include "report/time_bins.h"

namespace velmora::cli::report {

// counts[bin][series] over `bins`; one series per legend entry of `text`.
std::string stackedBarChart(const ChartText& text, const TimeBins& bins, const CountTable& counts);

// The score after each QSO, over the span of `bins`.
std::string scoreLineChart(const ChartText& text, const TimeBins& bins,
                           const std::vector<ScoreSample>& samples);

}  // namespace velmora::cli::report
