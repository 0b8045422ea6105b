#pragma once
// velmora's command line, parsed with CLI11. Each command sets itself up in
// a file of its own (cli/*_command.cc): its options, bound to a struct of
// its own, and its run, handed over once the command line chooses it.
//
//   velmora score LOG [contest options] [log options] [--raw] [--cabrillo]
//                 [header options]
//   velmora report LOG --out FILE.html [contest options] [log options]
//   velmora check CALL --band B [--log LOG] [contest options] [log options]
//   velmora validate EXCH [--plugin FILE]
//   velmora history LOG... [--out FILE] [--cty FILE] [log options]

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace velmora::cli {

// Where a command writes.
struct Console {
  std::ostream& out;
  std::ostream& err;
};

// A command with its options, ready to run: returns the exit status; a
// problem with the user's input is thrown as UserError.
using CommandRun = std::function<int(Console&)>;

// The command to run; or, after --help, --version or a mistake, the text to
// print (on standard output when the status is 0, else on standard error)
// and the exit status.
struct ParsedCommandLine {
  CommandRun run;
  int status = 0;
  std::string text;
};

class CommandLine {
 public:
  CommandLine();
  ~CommandLine();

  // Where a command's setup adds itself.
  CLI::App& app() { return *app_; }
  // What runs `command` once the command line chooses it.
  void runs(CLI::App& command, CommandRun run);

  ParsedCommandLine parse(const std::vector<std::string>& args);

 private:
  std::unique_ptr<CLI::App> app_;
  CommandRun chosen_;
};

}  // namespace velmora::cli
