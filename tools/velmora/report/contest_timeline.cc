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

TimelineRecorder::TimelineRecorder(Contest& contest) : contest_(contest) {}

void TimelineRecorder::record(const Offer& offer) {
  // Never given to the plug-in.
  if (offer.fate == QsoFate::NoEntity || offer.fate == QsoFate::Unfit) return;
  timeline_.summary = contest_.summary();
  const SummaryFigures figures = readSummaryFigures(timeline_.summary);
  const std::optional<long long> qsos = totalUnder(figures, "QSOs");
  if (offer.fate == QsoFate::Withdrawn) {
    if (qsos) counted_ = *qsos;
    for (auto step = timeline_.steps.rbegin(); step != timeline_.steps.rend(); ++step) {
      if (step->record != offer.qso.record) continue;
      step->accepted = step->counted = false;
      break;
    }
    return;
  }
  QsoStep step;
  step.record = offer.qso.record;
  step.call = offer.qso.call;
  step.band = offer.hostQso.band;
  step.time = offer.qso.time;
  if (isFrenchPrefix(offer.hostQso.dxccPrefix)) {
    step.department = departmentFromExchange(offer.hostQso.exchangeReceived);
  }
  step.verdict = offer.verdict;
  step.accepted = offer.fate == QsoFate::Logged;
  step.counted = qsos && *qsos > counted_;
  if (qsos) counted_ = *qsos;
  step.score = wholeNumber(figures.score);
  timeline_.steps.push_back(std::move(step));
}

ContestTimeline replayTimeline(Contest& contest, LogReader& log, std::ostream& err) {
  TimelineRecorder recorder(contest);
  LogReplay replay(contest, log, false, err);
  while (const std::optional<Offer> offer = replay.next()) recorder.record(*offer);
  ContestTimeline timeline = std::move(recorder.timeline());
  if (timeline.steps.empty()) timeline.summary = contest.summary();
  timeline.tally = log.tally();
  return timeline;
}

}  // namespace velmora::cli::report
