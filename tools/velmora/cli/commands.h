#pragma once
// velmora's commands, each set up in a file of its own.

#include "cli/command_line.h"

namespace velmora::cli {

// Scores a log through the plug-in and prints its summary.
void setupScore(CommandLine& line);
// Replays a log as score does and writes the report page.
void setupReport(CommandLine& line);
// Asks the plug-in's call check about a call, after replaying a log.
void setupCheck(CommandLine& line);
// Asks the plug-in whether an exchange is valid.
void setupValidate(CommandLine& line);
// Writes a reference file from past logs' French stations.
void setupHistory(CommandLine& line);
// Feeds the plug-in a logger's broadcast QSOs and shows the contest live.
void setupLive(CommandLine& line);

}  // namespace velmora::cli
