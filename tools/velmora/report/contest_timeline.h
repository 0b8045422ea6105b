#pragma once
// A log replayed through the plug-in exactly as `velmora score` replays it
// (the same reading, options, repeat handling and refusal reasons), recording
// what the host sees along the way: before each QSO the call check's verdict
// (CheckCall0), after it the plug-in's summary (GetResult0) with its claimed
// score and QSO count.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "host/plugin_host.h"
#include "logs/log_reader.h"
#include "logs/log_tally.h"
#include "replay/contest.h"

namespace velmora::cli::report {

struct QsoStep {
  int record = 0;
  std::string call;
  std::string band;  // as passed to the plug-in
  CivilDateTime time;
  std::string department;  // what the plug-in derives from the exchange, "" for a foreign station
  host::CallCheckCode verdict = host::CallCheckCode::NoVerdict;  // the call check before the QSO was offered
  bool accepted = false;     // AddData0 returned 1 (a repeat set aside was never offered)
  bool counted = false;      // the summary's QSO count grew: the QSO is in the plug-in's log
  std::optional<long long> score;  // the claimed score in the summary after the QSO
};

struct ContestTimeline {
  LogTally tally;  // what became of each record, as `score` reports it
  std::vector<QsoStep> steps;  // one per QSO given to the call check, in log order
  std::string summary;         // the plug-in's summary after the last QSO
  int countedQsos() const;     // the QSOs the summary counted
  int uncounted() const;       // logged, yet not counted (a repeat fed with --keep-repeats)
};

// Records a contest as the host sees it, offer by offer (a log replayed,
// or the QSOs of a live contest): each QSO given to the call check becomes
// a step, with the plug-in's summary after it; a QSO withdrawn leaves the
// count, its step no longer counted.
class TimelineRecorder {
 public:
  // Asks `contest`, which must outlive the recorder, for its summaries.
  explicit TimelineRecorder(Contest& contest);

  void record(const Offer& offer);

  // The tally is the caller's to fill in.
  ContestTimeline& timeline() { return timeline_; }
  const ContestTimeline& timeline() const { return timeline_; }

 private:
  Contest& contest_;
  ContestTimeline timeline_;
  long long counted_ = 0;  // the summary's QSO count after the last offer
};

// Replays `log` through `contest` (LogReplay), asking for the summary after
// each QSO offered. Throws UserError as LogReplay does, after reporting on
// `err`.
ContestTimeline replayTimeline(Contest& contest, LogReader& log, std::ostream& err);

}  // namespace velmora::cli::report
