// velmora: scores a real log through the plug-in, draws it as a report
// page, checks a call and validates an exchange, calling the plug-in's
// exported entries as the logging host does.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

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
  absolute(line.plugin);
  absolute(line.cty);
  absolute(line.log);
  absolute(line.out);
  if (line.command == Command::Score || line.command == Command::Report) {
    line.argument = std::filesystem::absolute(line.argument).string();
  }
}

void enterWorkingFolder(const CommandLine& line) {
  if (!line.dir) return;
  std::error_code error;
  std::filesystem::current_path(*line.dir, error);
  if (error) throw CliError("velmora: cannot enter folder " + *line.dir);
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
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The plug-in's text goes out byte for byte, CR LF as it wrote them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  auto parsed = velmora::cli::parseCommandLine(args);
  if (auto* problem = std::get_if<std::string>(&parsed)) {
    std::cerr << *problem << "\n" << (args.empty() ? velmora::cli::kUsage : "");
    return 2;
  }
  try {
    return run(std::get<CommandLine>(parsed));
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 2;
  }
}
