#include "report/contest_timeline.h"

#include <algorithm>

#include "classify/prefix_list.h"
#include "log/qso_entries.h"
#include "qso_mapping.h"
#include "report/summary_figures.h"

namespace velmora::cli::report {
namespace {

host::CallCheck callCheckFor(const host::Qso& qso) {
  host::CallCheck check;
  check.call = qso.call;
  check.dxccPrefix = qso.dxccPrefix;
  check.band = check.bandFilter = qso.band;
  check.mode = qso.mode;
  check.areaTag = qso.areaTag;
  return check;
}

// The summary the host would show now; a plug-in that returns no text gives
// an empty one.
std::string currentSummary(host::PluginHost& plugin) {
  int flag = 0;
  const char* text = plugin.getResult(&flag);
  return text != nullptr ? text : "";
}

}  // namespace

int ContestTimeline::repeats() const {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const QsoStep& step) {
    return step.accepted && !step.counted;
  }));
}

ContestTimeline replayTimeline(Contest& contest, host::PluginHost& plugin,
                               const CountryFile& countries, const LogContents& log) {
  ContestTimeline timeline;
  // The skipped records first, through the replay, which orders them.
  timeline.replay = contest.replay(LogContents{{}, log.skipped});
  timeline.replay.read = log.recordsRead();

  // The host's buffers carry no length: room for any logged exchange.
  std::size_t longest = 0;
  for (const LogQso& qso : log.qsos) longest = std::max(longest, qso.exchangeReceived.size());
  std::string expected(std::max<std::size_t>(longest + 1, 64), '\0');
  std::string message(64, '\0');

  long long counted = 0;
  timeline.steps.reserve(log.qsos.size());
  for (const LogQso& qso : log.qsos) {
    const host::Qso hostQso = toHostQso(qso, countries);
    QsoStep step;
    step.record = qso.record;
    step.call = qso.call;
    step.band = hostQso.band;
    step.time = qso.time;
    if (isFrenchPrefix(hostQso.dxccPrefix)) {
      step.department = departmentFromExchange(hostQso.exchangeReceived);
    }
    step.verdict = plugin.checkCall(callCheckFor(hostQso), expected.data(), message.data());

    const ReplayReport one = contest.replay(LogContents{{qso}, {}});
    step.accepted = one.accepted == 1;
    timeline.replay.accepted += one.accepted;
    timeline.replay.refused.insert(timeline.replay.refused.end(), one.refused.begin(),
                                   one.refused.end());

    timeline.summary = currentSummary(plugin);
    const SummaryFigures figures = readSummaryFigures(timeline.summary);
    const std::optional<long long> qsos = totalUnder(figures, "QSOs");
    step.counted = qsos && *qsos > counted;
    if (qsos) counted = *qsos;
    step.score = wholeNumber(figures.score);
    timeline.steps.push_back(std::move(step));
  }
  if (log.qsos.empty()) timeline.summary = currentSummary(plugin);
  return timeline;
}

}  // namespace velmora::cli::report
