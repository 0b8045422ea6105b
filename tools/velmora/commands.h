#pragma once
// The commands of velmora. Each returns the exit status; a problem with the
// user's input is thrown as CliError. Paths in `line` are already absolute
// and the current folder is the host's working folder.

#include <iosfwd>

#include "command_line.h"

namespace velmora::cli {

int runScore(const CommandLine& line, std::ostream& out, std::ostream& err);
// Writes the report page to line.out; the same report as `score` on `err`.
int runReport(const CommandLine& line, std::ostream& err);
int runCheck(const CommandLine& line, std::ostream& out, std::ostream& err);
int runValidate(const CommandLine& line, std::ostream& out);
int runHistory(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
