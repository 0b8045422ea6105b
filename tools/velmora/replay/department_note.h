#pragma once
// A French station's exchange that is no department (stations/
// french_departments.h): the plug-in takes any received text as the
// department, as it must, and counts it as a multiplier; velmora says so.

#include <optional>
#include <string>

#include "host/plugin_host.h"

namespace velmora::cli {

// For a QSO the plug-in logged: "exchange '081' is not a department; the
// plug-in counts it as one" when the station is French and its exchange is
// none; nothing otherwise.
std::optional<std::string> departmentNote(const host::Qso& qso);

}  // namespace velmora::cli
