// velmora: scores a real log through the plug-in, draws it as a report
// page, checks a call, validates an exchange, makes a reference file from
// past logs and feeds the plug-in a logger's QSOs live, calling the
// plug-in's exported entries as the logging host does.
// The commands set themselves up (cli/); this file only hands over.

#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#else
#include <csignal>
#endif

#include "cli/commands.h"

int main(int argc, char** argv) {
#if !defined(_WIN32)
  // A cap on file sizes (ulimit -f) then fails a write as a full disk does,
  // reported in one line with the earlier file kept, instead of ending
  // velmora half-way with a temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
#else
  // The plug-in's text goes out byte for byte, CR LF as it wrote them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  try {
    velmora::cli::CommandLine line;
    velmora::cli::setupScore(line);
    velmora::cli::setupReport(line);
    velmora::cli::setupCheck(line);
    velmora::cli::setupValidate(line);
    velmora::cli::setupHistory(line);
    velmora::cli::setupLive(line);
    const velmora::cli::ParsedCommandLine parsed =
        line.parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.run) {
      (parsed.status == 0 ? std::cout : std::cerr) << parsed.text;
      return parsed.status;
    }
    velmora::cli::Console console{std::cout, std::cerr};
    return parsed.run(console);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 2;
  }
}
