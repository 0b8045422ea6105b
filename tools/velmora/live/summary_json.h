#pragma once
// /summary.json: the live contest as a program reads it. "score" (the
// claimed score, a number, null before the first summary), "qsos" (the
// summary's total QSO count), "raw" (the plug-in's summary text
// unchanged), "call", the last events (newest first), "typing" (the
// latest lookup, or null), the counts of what arrived, and "changes",
// which grows with every change.

#include <string>
#include <string_view>

#include "live/live_contest.h"

namespace velmora::cli {

std::string summaryJson(const LiveContest& live);

// `text` as a JSON string, quotes included: UTF-8 kept, control characters
// escaped, a byte that is not UTF-8 as U+FFFD.
std::string jsonString(std::string_view text);

}  // namespace velmora::cli
