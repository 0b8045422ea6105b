#pragma once
// The command line of velmora: the command, its arguments and the options,
// checked against what each command takes.
//
//   velmora score LOG [--call CALL] [--dxcc PFX] [--area AREA] [--cty FILE]
//                     [--dir DIR] [--plugin FILE] [--raw] [--cabrillo]
//   velmora report LOG --out FILE.html [same contest options]
//   velmora check CALL --band B [--log LOG] [same contest options]
//   velmora validate EXCH [--plugin FILE]

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velmora::cli {

enum class Command { Score, Report, Check, Validate };

struct CommandLine {
  Command command = Command::Score;
  std::string argument;  // LOG, CALL or EXCH
  std::optional<std::string> plugin, call, dxcc, area, cty, dir, band, log, out;
  bool raw = false;
  bool cabrillo = false;
};

// The parsed command line, or the one-line complaint for standard error.
std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace velmora::cli
