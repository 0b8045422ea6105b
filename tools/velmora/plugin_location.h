#pragma once
// Where velmora finds the plug-in when --plugin is not given: next to its
// own executable, as libStats.so on Linux and Stats.dll on Windows.

#include <string>

namespace velmora::cli {

std::string defaultPluginFile();

}  // namespace velmora::cli
