#pragma once
// What became of each record of a replayed log: accepted by the plug-in,
// refused by it (with the reason), set aside by velmora before it (a repeat
// on a band, a station in no DXCC entity), skipped as malformed, or left out
// by the chosen period and bands.

#include <string>
#include <vector>

#include "log_qso.h"

namespace velmora::cli {

struct RefusedQso {
  int record = 0;
  std::string call;
  std::string reason;
};

struct ReplayReport {
  int read = 0;
  int accepted = 0;
  std::vector<RefusedQso> refused;  // by the plug-in
  std::vector<RefusedQso> repeats;  // reason: which record it repeats
  std::vector<RefusedQso> noEntity;  // reason: why the call has no entity
  std::vector<SkippedRecord> skipped;
  int outsidePeriod = 0, otherBands = 0, notForScoring = 0;
  int reportsFromExchange = 0, frequenciesFromBand = 0;
};

// Takes from a log as read its records' count, its skipped records (in
// record order) and the counts of what was left out or changed.
void takeReadingCounts(const LogContents& log, ReplayReport& report);

// One line per skipped, set-aside and refused record, then the counts, e.g.
// "refused by the plug-in: 3 (mode: 1, no exchange sent (give --sent): 2)";
// the counts of what only some logs hold follow when they are not zero.
std::string formatReport(const ReplayReport& report);

}  // namespace velmora::cli
