#pragma once
// The command line of velmora: the command, its arguments and the options,
// parsed with CLI11 against what each command takes.
//
//   velmora score LOG [contest options] [log options] [--raw] [--cabrillo]
//                 [header options]
//   velmora report LOG --out FILE.html [contest options] [log options]
//   velmora check CALL --band B [--log LOG] [contest options] [log options]
//   velmora validate EXCH [--plugin FILE]
//   velmora history LOG... [--out FILE] [--cty FILE] [log options]

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace velmora::cli {

enum class Command { Score, Report, Check, Validate, History };

// Where the contest runs and as whom.
struct ContestOptions {
  std::optional<std::string> plugin, call, dxcc, area, cty, dir;
  bool keepRepeats = false;
};

// Which QSOs of a log are read, and where their exchanges are.
struct LogOptions {
  std::optional<std::string> rcvdField, sent, from, to, bands;
};

// The Cabrillo header fields written to the settings before an export.
struct HeaderOptions {
  std::optional<std::string> operators, name, email, club, category, power;
  std::vector<std::string> address, soapbox;  // one line each
};

struct CommandLine {
  Command command = Command::Score;
  std::string argument;           // the LOG of score and report, CALL of check, EXCH of validate
  std::vector<std::string> logs;  // the LOGs of history
  ContestOptions contest;
  LogOptions reading;
  HeaderOptions header;
  std::optional<std::string> band, log, out;  // out: the page of report, the file of history
  bool raw = false;
  bool cabrillo = false;
};

// A command to run; or, after --help, --version or a mistake, the text to
// print (on standard output when the status is 0, else on standard error)
// and the exit status.
struct ParsedCommandLine {
  std::optional<CommandLine> line;
  int status = 0;
  std::string text;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The options of every command that replays a log through the plug-in.
void addContestOptions(CLI::App& command, ContestOptions& options);
// The options that choose and read a log's QSOs.
void addLogOptions(CLI::App& command, LogOptions& options);

}  // namespace velmora::cli
