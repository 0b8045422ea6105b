#include "report/contest_timeline.h"

#include <algorithm>

#include "classify/prefix_list.h"
#include "log/qso_entries.h"
#include "report/summary_figures.h"

namespace velmora::cli::report {
namespace {

// The summary the host would show now; a plug-in that returns no text gives
// an empty one.
std::string currentSummary(host::PluginHost& plugin) {
  int flag = 0;
  const char* text = plugin.getResult(&flag);
  return text != nullptr ? text : "";
}

}  // namespace

int ContestTimeline::countedQsos() const {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(),
                                        [](const QsoStep& step) { return step.counted; }));
}

int ContestTimeline::uncounted() const {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const QsoStep& step) {
    return step.accepted && !step.counted;
  }));
}

ContestTimeline replayTimeline(LogReplay& replay, const std::string& path,
                               const LogOptions& reading, std::ostream& err) {
  ContestTimeline timeline;
  host::PluginHost& plugin = replay.plugin();
  long long counted = 0;
  replay.contest().observe([&](const TakenQso& taken) {
    QsoStep step;
    step.record = taken.qso.record;
    step.call = taken.qso.call;
    step.band = taken.hostQso.band;
    step.time = taken.qso.time;
    if (isFrenchPrefix(taken.hostQso.dxccPrefix)) {
      step.department = departmentFromExchange(taken.hostQso.exchangeReceived);
    }
    step.verdict = taken.verdict;
    step.accepted = taken.fate == QsoFate::Logged;

    timeline.summary = currentSummary(plugin);
    const SummaryFigures figures = readSummaryFigures(timeline.summary);
    const std::optional<long long> qsos = totalUnder(figures, "QSOs");
    step.counted = qsos && *qsos > counted;
    if (qsos) counted = *qsos;
    step.score = wholeNumber(figures.score);
    timeline.steps.push_back(std::move(step));
  });
  timeline.replay = replay.run(path, reading, false, err);
  replay.contest().observe({});
  if (timeline.steps.empty()) timeline.summary = currentSummary(plugin);
  return timeline;
}

}  // namespace velmora::cli::report
