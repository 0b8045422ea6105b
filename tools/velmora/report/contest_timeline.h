#pragma once
// A log replayed through the plug-in as the logging host plays a contest,
// recording what the host sees along the way: before each QSO the call
// check's verdict (CheckCall0), then the QSO logged (AddData0, through the
// same replay as `velmora score`), then the plug-in's summary (GetResult0)
// with its claimed score and QSO count.

#include <optional>
#include <string>
#include <vector>

#include "contest.h"
#include "country_file.h"
#include "log_qso.h"
#include "plugin_host.h"
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
  int verdict = kNoVerdict;  // the call check's code before the QSO was logged
  bool accepted = false;     // AddData0 returned 1
  bool counted = false;      // the summary's QSO count grew: the QSO is in the plug-in's log
  std::optional<long long> score;  // the claimed score in the summary after the QSO
};

struct ContestTimeline {
  ReplayReport replay;  // read, accepted, refused and skipped, as `score` reports them
  std::vector<QsoStep> steps;  // one per QSO read, in log order
  std::string summary;         // the plug-in's summary after the last QSO
  int repeats() const;         // accepted but not counted: the plug-in kept it once
};

// Replays `log` through `plugin` in a contest already started on `contest`.
ContestTimeline replayTimeline(Contest& contest, host::PluginHost& plugin,
                               const CountryFile& countries, const LogContents& log);

}  // namespace velmora::cli::report
