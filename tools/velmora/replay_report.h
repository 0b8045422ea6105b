#pragma once
// What became of each record of a replayed log: accepted by the plug-in,
// refused by it (with the reason), or skipped as malformed before it.

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
  std::vector<RefusedQso> refused;
  std::vector<SkippedRecord> skipped;
};

// One line per skipped and per refused record, then the counts, e.g.
// "refused by the plug-in: 3 (mode: 1, empty exchange: 2)".
std::string formatReport(const ReplayReport& report);

}  // namespace velmora::cli
