#pragma once
// What became of a log's records, as `score`, `report` and `check` report it
// on standard error.

#include <string>

#include "logs/log_tally.h"

namespace velmora::cli {

// One line per skipped record, per note of what reading did with an odd
// record, per set-aside and refused record and per French station whose
// exchange is no department; then the counts, e.g.
// "refused by the plug-in: 3 (mode: 1, no exchange sent (give --sent): 2)";
// the counts of what only some logs hold follow when they are not zero.
std::string formatTally(const LogTally& tally);

}  // namespace velmora::cli
