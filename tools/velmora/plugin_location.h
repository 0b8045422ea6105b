#pragma once
// Where velmora finds the plug-in when --plugin is not given: next to its
// own executable (the build tree, and the Windows zip), else in the private
// library folder of an installed velmora, found from the executable's own
// folder, so an installed velmora needs no --plugin wherever it was put.
// The file is libStats.so on Linux and Stats.dll on Windows.

#include <string>

namespace velmora::cli {

std::string defaultPluginFile();

}  // namespace velmora::cli
