#pragma once
// Prepares the plug-in's header form for a batch export: the header fields
// given on the command line are written to the plug-in's settings file in
// its stored form (the form reads them back from there), and on Linux the
// category and power, which the form never reads back, go into an answers
// file that the form takes its answers from when it has no terminal.
// velmora never edits what the plug-in writes.

#include <string>

#include "command_line.h"

namespace velmora::cli {

class HeaderPreparation {
 public:
  // Call in the host's working folder, before the contest start.
  HeaderPreparation(const HeaderOptions& header, const std::string& myCall);
  ~HeaderPreparation();
  HeaderPreparation(const HeaderPreparation&) = delete;
  HeaderPreparation& operator=(const HeaderPreparation&) = delete;

 private:
  std::string answersFile_;  // removed again at the end
};

// The lines of a repeatable option as one edited-form text: each line break,
// given or between values, becomes CR LF.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace velmora::cli
