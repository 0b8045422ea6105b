#pragma once
// The numbers behind the page's charts, taken from a replayed contest: the
// QSOs the plug-in counted, per time bin and band; the new multipliers the
// call check announced for them, per time bin; the claimed score after each
// QSO; and the departments the plug-in counted on each band.

#include <optional>
#include <string>
#include <vector>

#include "report/contest_timeline.h"
#include "report/department_grid.h"
#include "report/score_steps.h"
#include "report/stacked_bars.h"
#include "report/time_bins.h"

namespace velmora::cli::report {

struct ContestCharts {
  std::vector<std::string> bands;  // the summary's band order, then any other band counted
  std::optional<TimeBins> bins;    // nothing when the plug-in counted no QSO
  CountTable qsos;                 // [bin][band]
  CountTable newMultipliers;       // [bin][0: NewDepartment, 1: NewDxcc]
  int newDepartments = 0, newDxcc = 0;  // the announcements, all bins together
  std::vector<ScoreSample> scores;
  std::vector<WorkedDepartment> departments;
};

ContestCharts contestCharts(const ContestTimeline& timeline,
                            const std::vector<std::string>& summaryBands);

}  // namespace velmora::cli::report
