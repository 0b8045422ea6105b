#pragma once
// Why the plug-in refused a QSO (AddData0 returned 0), in the plug-in's own
// words: the core's filters asked about the QSO as the host passed it.

#include <optional>
#include <string>

#include "host/plugin_host.h"

namespace velmora::cli {

// "mode FT8: only CW and SSB count", "no exchange received (give
// --rcvd-field)", "no exchange sent (give --sent)" or "foreign station
// worked from outside France"; nothing when the plug-in's rules admit the
// QSO (then the plug-in refused it for want of memory, or for a fault of
// its own).
std::optional<std::string> refusalReason(const host::Qso& qso, bool operatorInFrance);

// The reason noted for a refusal that the plug-in's rules do not explain.
inline constexpr const char* kNoContestReason = "for no reason of the contest";

// Throws UserError when the plug-in refused any QSO for no reason of the
// contest: a score that misses QSOs it should count is no score.
void requireExplainedRefusals(int unexplained);

}  // namespace velmora::cli
