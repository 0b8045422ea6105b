#pragma once
// Why the plug-in refused a QSO (AddData0 returned 0), in the plug-in's own
// words: the core's filters asked about the QSO as the host passed it.

#include <string>

#include "host/plugin_host.h"

namespace velmora::cli {

// "mode FT8: only CW and SSB count", "no exchange received (give
// --rcvd-field)", "no exchange sent (give --sent)" or "foreign station
// worked from outside France".
std::string refusalReason(const host::Qso& qso, bool operatorInFrance);

}  // namespace velmora::cli
