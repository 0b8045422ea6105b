// velmora: scores a real log through the plug-in, draws it as a report
// page, checks a call, validates an exchange and makes a reference file from
// past logs, calling the plug-in's exported entries as the logging host does.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "allocator_tuning.h"
#include "cli_error.h"
#include "command_line.h"
#include "commands.h"

namespace {

using velmora::cli::CliError;
using velmora::cli::Command;
using velmora::cli::CommandLine;

// Paths given on the command line are meant from where velmora was started:
// made absolute before the working folder changes.
void makePathsAbsolute(CommandLine& line) {
  auto absolute = [](std::optional<std::string>& path) {
    if (path) path = std::filesystem::absolute(*path).string();
  };
  absolute(line.contest.plugin);
  absolute(line.contest.cty);
  absolute(line.log);
  absolute(line.out);
  if (line.command == Command::Score || line.command == Command::Report) {
    line.argument = std::filesystem::absolute(line.argument).string();
  }
  for (std::string& log : line.logs) log = std::filesystem::absolute(log).string();
}

void enterWorkingFolder(const CommandLine& line) {
  if (!line.contest.dir) return;
  std::error_code error;
  std::filesystem::current_path(*line.contest.dir, error);
  if (error) throw CliError("velmora: cannot enter folder " + *line.contest.dir);
}

int run(CommandLine line) {
  makePathsAbsolute(line);
  enterWorkingFolder(line);
  switch (line.command) {
    case Command::Score:
      return velmora::cli::runScore(line, std::cout, std::cerr);
    case Command::Report:
      return velmora::cli::runReport(line, std::cerr);
    case Command::Check:
      return velmora::cli::runCheck(line, std::cout, std::cerr);
    case Command::Validate:
      return velmora::cli::runValidate(line, std::cout);
    case Command::History:
      return velmora::cli::runHistory(line, std::cout, std::cerr);
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  velmora::cli::restartWithHugePagesForLargeBlocks(argv);
#if defined(_WIN32)
  // The plug-in's text goes out byte for byte, CR LF as it wrote them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  velmora::cli::ParsedCommandLine parsed = velmora::cli::parseCommandLine(args);
  if (!parsed.line) {
    (parsed.status == 0 ? std::cout : std::cerr) << parsed.text;
    return parsed.status;
  }
  try {
    return run(std::move(*parsed.line));
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 2;
  }
}
