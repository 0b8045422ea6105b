#include "report/contest_charts.h"

#include <algorithm>

#include "report/utc_time.h"

namespace velmora::cli::report {
namespace {

int bandIndex(std::vector<std::string>& bands, const std::string& band) {
  auto found = std::find(bands.begin(), bands.end(), band);
  if (found == bands.end()) found = bands.insert(bands.end(), band);
  return static_cast<int>(found - bands.begin());
}

}  // namespace

ContestCharts contestCharts(const ContestTimeline& timeline,
                            const std::vector<std::string>& summaryBands) {
  ContestCharts charts;
  charts.bands = summaryBands;
  std::optional<long long> first, last;
  for (const QsoStep& step : timeline.steps) {
    if (step.score) charts.scores.push_back({utcSeconds(step.time), *step.score});
    if (!step.counted) continue;
    const long long hour = utcHour(step.time);
    first = std::min(first.value_or(hour), hour);
    last = std::max(last.value_or(hour), hour);
  }
  if (!first) return charts;

  const TimeBins bins = timeBins(*first, *last);
  charts.bins = bins;
  charts.newMultipliers.assign(static_cast<std::size_t>(bins.count), std::vector<int>(2, 0));
  std::vector<std::pair<int, int>> qsoAt;  // (bin, band) of each counted QSO
  for (const QsoStep& step : timeline.steps) {
    if (!step.counted) continue;
    const int bin = bins.binOf(utcHour(step.time));
    const int band = bandIndex(charts.bands, step.band);
    qsoAt.emplace_back(bin, band);
    if (!step.department.empty()) charts.departments.push_back({step.department, band});
    if (step.verdict == host::CallCheckCode::NewDepartment) {
      ++charts.newMultipliers[static_cast<std::size_t>(bin)][0];
      ++charts.newDepartments;
    } else if (step.verdict == host::CallCheckCode::NewDxcc) {
      ++charts.newMultipliers[static_cast<std::size_t>(bin)][1];
      ++charts.newDxcc;
    }
  }
  // Every band is known only now.
  charts.qsos.assign(static_cast<std::size_t>(bins.count),
                     std::vector<int>(charts.bands.size(), 0));
  for (const auto& [bin, band] : qsoAt) {
    ++charts.qsos[static_cast<std::size_t>(bin)][static_cast<std::size_t>(band)];
  }
  return charts;
}

}  // namespace velmora::cli::report
