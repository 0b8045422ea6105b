#pragma once
// Why the plug-in refused a QSO (AddData0 returned 0), worked out from the
// QSO as the host passed it and from where the operator is.

#include <string>

#include "plugin_host.h"

namespace velmora::cli {

// "mode", "empty exchange" or "foreign station worked from outside France".
std::string refusalReason(const host::Qso& qso, bool operatorInFrance);

}  // namespace velmora::cli
