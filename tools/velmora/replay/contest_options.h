#pragma once
// How a contest is run through the plug-in: which plug-in and country file,
// as whom, and whether a station worked again on a band is logged.

#include <optional>
#include <string>

namespace velmora::cli {

struct ContestOptions {
  std::optional<std::string> plugin;  // default: the one next to velmora
  std::optional<std::string> cty;     // default: Debian's country file
  std::optional<std::string> call, dxcc, area;  // default: from the log and the country file
  bool keepRepeats = false;
};

}  // namespace velmora::cli
