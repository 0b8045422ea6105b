#include "command_line.h"

#include <array>

namespace velmora::cli {
namespace {

constexpr unsigned kScore = 1, kCheck = 2, kValidate = 4, kReport = 8,
                   kContest = kScore | kCheck | kReport;

// The options, what each takes and which commands accept it.
struct Option {
  const char* name;
  std::optional<std::string> CommandLine::*value;  // null: a switch
  bool CommandLine::*flag;
  unsigned commands;
};

const std::array<Option, 11> kOptions = {{
    {"--plugin", &CommandLine::plugin, nullptr, kContest | kValidate},
    {"--call", &CommandLine::call, nullptr, kContest},
    {"--dxcc", &CommandLine::dxcc, nullptr, kContest},
    {"--area", &CommandLine::area, nullptr, kContest},
    {"--cty", &CommandLine::cty, nullptr, kContest},
    {"--dir", &CommandLine::dir, nullptr, kContest},
    {"--band", &CommandLine::band, nullptr, kCheck},
    {"--log", &CommandLine::log, nullptr, kCheck},
    {"--raw", nullptr, &CommandLine::raw, kScore},
    {"--cabrillo", nullptr, &CommandLine::cabrillo, kScore},
    {"--out", &CommandLine::out, nullptr, kReport},
}};

struct CommandName {
  const char* name;
  Command command;
  unsigned bit;
  const char* argument;
};
const std::array<CommandName, 4> kCommands = {{
    {"score", Command::Score, kScore, "a LOG file"},
    {"report", Command::Report, kReport, "a LOG file"},
    {"check", Command::Check, kCheck, "a CALL"},
    {"validate", Command::Validate, kValidate, "an exchange"},
}};

}  // namespace

const char* const kUsage =
    "usage: velmora score LOG [--call CALL] [--dxcc PFX] [--area AREA] [--cty FILE] [--dir DIR]"
    " [--plugin FILE] [--raw] [--cabrillo]\n"
    "       velmora report LOG --out FILE.html [--call CALL] [--dxcc PFX] [--area AREA]"
    " [--cty FILE] [--dir DIR] [--plugin FILE]\n"
    "       velmora check CALL --band B [--log LOG] [--call CALL] [--dxcc PFX] [--area AREA]"
    " [--cty FILE] [--dir DIR] [--plugin FILE]\n"
    "       velmora validate EXCH [--plugin FILE]\n";

std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return std::string("velmora: no command given (score, report, check or validate)");
  const CommandName* command = nullptr;
  for (const CommandName& known : kCommands) {
    if (args[0] == known.name) command = &known;
  }
  if (command == nullptr) return "velmora: unknown command " + args[0];
  CommandLine line;
  line.command = command->command;
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      positional.push_back(arg);
      continue;
    }
    const Option* option = nullptr;
    for (const Option& known : kOptions) {
      if (arg == known.name && (known.commands & command->bit) != 0) option = &known;
    }
    if (option == nullptr) return "velmora " + args[0] + ": unknown option " + arg;
    if (option->flag != nullptr) {
      line.*(option->flag) = true;
      continue;
    }
    if (i + 1 >= args.size() || args[i + 1].compare(0, 2, "--") == 0) return "velmora " + args[0] + ": option " + arg + " needs a value";
    line.*(option->value) = args[++i];
  }
  if (positional.size() != 1) {
    return "velmora " + args[0] + ": expected " + command->argument + ", got " +
           std::to_string(positional.size()) + " arguments";
  }
  line.argument = positional[0];
  if (line.command == Command::Check && !line.band) {
    return std::string("velmora check: option --band is required");
  }
  if (line.command == Command::Report && !line.out) {
    return std::string("velmora report: option --out is required");
  }
  return line;
}

}  // namespace velmora::cli
