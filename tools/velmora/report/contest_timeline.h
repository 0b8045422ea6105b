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

#include "command_line.h"
#include "log_qso.h"
#include "log_replay.h"
#include "replay_report.h"

namespace velmora::cli::report {

// CheckCall0's codes.
enum Verdict { kDuplicate = 0, kNoNewMultiplier = 1, kNewDxcc = 2, kNewDepartment = 3, kNoVerdict = 4 };

struct QsoStep {
  int record = 0;
  std::string call;
  std::string band;  // as passed to the plug-in
  CivilTime time;
  std::string department;  // what the plug-in derives from the exchange, "" for a foreign station
  int verdict = kNoVerdict;  // the call check's code before the QSO was offered
  bool accepted = false;     // AddData0 returned 1 (a repeat set aside was never offered)
  bool counted = false;      // the summary's QSO count grew: the QSO is in the plug-in's log
  std::optional<long long> score;  // the claimed score in the summary after the QSO
};

struct ContestTimeline {
  ReplayReport replay;  // what became of each record, as `score` reports it
  std::vector<QsoStep> steps;  // one per QSO given to the call check, in log order
  std::string summary;         // the plug-in's summary after the last QSO
  int countedQsos() const;     // the QSOs the summary counted
  int uncounted() const;       // logged, yet not counted (a repeat fed with --keep-repeats)
};

// Replays the log at `path` through `replay`'s contest, read with `reading`.
// Throws CliError as LogReplay::run does, after reporting on `err`.
ContestTimeline replayTimeline(LogReplay& replay, const std::string& path,
                               const LogOptions& reading, std::ostream& err);

}  // namespace velmora::cli::report
