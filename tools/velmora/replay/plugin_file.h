#pragma once
// Loading the plug-in: the file given, else the one next to velmora's own
// executable (libStats.so on Linux, Stats.dll on Windows), else, for an
// installed velmora, the one in the install layout's private library folder
// found from the executable's own folder (cmake/install.cmake).

#include <memory>
#include <optional>
#include <string>

#include "host/plugin_host.h"

namespace velmora::cli {

// Throws UserError when it does not load or lacks an entry.
std::unique_ptr<host::PluginHost> loadPlugin(const std::optional<std::string>& file);

}  // namespace velmora::cli
