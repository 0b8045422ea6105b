#include "report/contest_timeline.h"

#include <algorithm>

#include "classify/prefix_list.h"
#include "log/qso_entries.h"
#include "outputs/summary_figures.h"
#include "replay/log_replay.h"

namespace velmora::cli::report {

int ContestTimeline::countedQsos() const {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(),
                                        [](const QsoStep& step) { return step.counted; }));
}

int ContestTimeline::uncounted() const {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const QsoStep& step) {
    return step.accepted && !step.counted;
  }));
}

ContestTimeline replayTimeline(Contest& contest, LogReader& log, std::ostream& err) {
  ContestTimeline timeline;
  LogReplay replay(contest, log, false, err);
  long long counted = 0;
  while (const std::optional<Offer> offer = replay.next()) {
    if (offer->fate == QsoFate::NoEntity) continue;  // never given to the plug-in
    QsoStep step;
    step.record = offer->qso.record;
    step.call = offer->qso.call;
    step.band = offer->hostQso.band;
    step.time = offer->qso.time;
    if (isFrenchPrefix(offer->hostQso.dxccPrefix)) {
      step.department = departmentFromExchange(offer->hostQso.exchangeReceived);
    }
    step.verdict = offer->verdict;
    step.accepted = offer->fate == QsoFate::Logged;

    timeline.summary = contest.summary();
    const SummaryFigures figures = readSummaryFigures(timeline.summary);
    const std::optional<long long> qsos = totalUnder(figures, "QSOs");
    step.counted = qsos && *qsos > counted;
    if (qsos) counted = *qsos;
    step.score = wholeNumber(figures.score);
    timeline.steps.push_back(std::move(step));
  }
  if (timeline.steps.empty()) timeline.summary = contest.summary();
  timeline.tally = log.tally();
  return timeline;
}

}  // namespace velmora::cli::report
